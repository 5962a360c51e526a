// Number text: the lenient reading of cell texts and the display masks.
#pragma once

#include <string>
#include <string_view>

namespace common {

// Value of the longest leading numeric prefix of text (leading blanks, sign, digits with
// at most one ".", optional exponent); 0 when there is none. A prefix too large for a
// double gives +-infinity, which callers that compute must refuse.
double val(std::string_view text);

// The same prefix read directly in single precision, as a cell value is read.
float valFloat(std::string_view text);

// True when text starts (after blanks) with a numeric prefix, that is when val() reads a
// number from it rather than defaulting to 0.
bool hasNumber(std::string_view text);

// Mask formatting with a fixed number of decimals: "0.##0" is 3, "0.#0" is 2, "0.0" is 1.
// The value's shortest decimal text in its own precision (shortest round trip for a float,
// 15 significant digits for a double) is rounded half away from zero. A rounded zero is
// shown without a sign; a value that is not finite is shown as 0.
std::string formatMask(double x, int decimals);
std::string formatMask(float x, int decimals);
inline std::string formatMask(int x, int decimals) { return formatMask(double(x), decimals); }

// General number form: the shortest text in the value's own precision (at most 15
// significant digits), no exponent, no trailing zeros, no point for whole numbers.
std::string formatGeneral(double x);
std::string formatGeneral(float x);
std::string formatGeneral(long long x);
inline std::string formatGeneral(int x) { return formatGeneral(static_cast<long long>(x)); }
inline std::string formatGeneral(long x) { return formatGeneral(static_cast<long long>(x)); }

// The mask of a commit rule: the value of text formatted with three decimals.
inline std::string mask3(std::string_view text) { return formatMask(val(text), 3); }

}  // namespace common
