// Environment variables as UTF-8 text (the wide environment on Windows).
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace platform {

// The variable's value; nullopt when it is not set.
std::optional<std::string> environmentVariable(std::string_view name);

// Sets or (value nullopt) removes a variable of this process; its children inherit it.
void setEnvironmentVariable(std::string_view name, const std::optional<std::string>& value);

}  // namespace platform
