// RoundToDigits: the one rounding of the editor's calculations, driven by a digit setting.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kandoru {

// Number of decimals a digit setting asks for: its text read as a number (blanks around it
// allowed) when that is exactly 0, 1, 2, 3 or 4; nullopt otherwise (5, -1, 2.5, "", "abc").
std::optional<int> digitCount(std::string_view digits);

// Rounds value half up (towards +infinity) to the decimals of the digit setting.
//   value  : the number as the formula produced it; the product value x 10^d is formed in
//            the value's own precision (float stays float), the +0.5, floor and division
//            are done in double.
//   digits : the text of a digit setting.
// Result: the rounded double, or nullopt when digits is not 0-4. Only float and double are
// accepted, so that no caller converts its value silently.
std::optional<double> RoundToDigits(float value, std::string_view digits);
std::optional<double> RoundToDigits(double value, std::string_view digits);
template <class T>
std::optional<double> RoundToDigits(T value, std::string_view digits) = delete;

// The same with the digit setting read beforehand (digitCount), as a calculation does once
// per run.
std::optional<double> RoundToDigits(float value, std::optional<int> decimals);
std::optional<double> RoundToDigits(double value, std::optional<int> decimals);
template <class T>
std::optional<double> RoundToDigits(T value, std::optional<int> decimals) = delete;

// A rounded value as the tables show it: "0.##0", or "" when there is no value.
std::string formatRounded(std::optional<double> value);

}  // namespace kandoru
