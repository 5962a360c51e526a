// The script as the file JTemp.txt holds it: CP932 bytes, written whole.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "zumenko/script.h"

namespace zumenko {

inline constexpr const char* kScriptFileName = "JTemp.txt";

// The script's CP932 bytes; nullopt, with the refusal naming the character that has no
// CP932 form in *error, when there is none.
std::optional<std::string> scriptBytes(const std::string& script, DrawError* error);

// Writes the script to path through a temporary file. The refusal to show, with its
// reason, when the script cannot be encoded or the file cannot be written.
std::optional<DrawError> writeScriptFile(const std::filesystem::path& path,
                                         const std::string& script);

}  // namespace zumenko
