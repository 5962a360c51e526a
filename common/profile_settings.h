// The profile's settings (the editor's tab 0) as the profile file and the hand-off file
// carry them: the texts of their fields, the four options and the six digit settings.
#pragma once

#include <array>
#include <string>

namespace common {

// Index of the six digit settings, in the order of the files and the frame.
enum Digit : int {
    kDigitGradient = 0,
    kDigitDistance = 1,
    kDigitGround = 2,
    kDigitCover = 3,
    kDigitInvert = 4,
    kDigitExcavation = 5,
};
inline constexpr int kDigitCount = 6;

inline constexpr const char* kFormatFieldStart = "ダブルクリックしてください";

// The fields hold the texts typed (or read); each calculation reads its numbers from them.
struct Settings {
    std::string projectName;                      // drawn as the title
    std::string formatField = kFormatFieldStart;  // the format file's name
    bool manning = true;                          // "マニング式"
    bool kutter = false;                          // "クッター式"
    bool minCoverMethod = true;                   // "土被り最小型"
    bool crownJoint = true;                       // "管頂接合"
    std::string minCover;                         // m
    std::string manholeDrop = "0";                // mm
    std::string outletRoute;
    std::string outletGround;  // m
    std::string outletManholeType;
    std::string hinterland = "0";  // m
    // Shown only; no operation reads them and no file holds them.
    std::string pipeType = "塩化ﾋﾞﾆﾙ管(VU)";
    std::string minDiameter = "200";
    std::string maxDiameter = "600";
    std::array<std::string, kDigitCount> digits{"3", "2", "2", "2", "3", "2"};

    const std::string& digit(Digit d) const { return digits[static_cast<size_t>(d)]; }
};

}  // namespace common
