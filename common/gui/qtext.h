// Conversions between the core's UTF-8 texts and Qt strings.
#pragma once

#include <QString>
#include <filesystem>
#include <string>

#include "common/platform/paths.h"

namespace gui {

inline QString qs(const std::string& s) { return QString::fromStdString(s); }
inline std::string ss(const QString& s) { return s.toStdString(); }

// Paths to and from Qt strings through UTF-8, right on every system.
inline std::filesystem::path qpath(const QString& s) { return platform::pathFromUtf8(ss(s)); }
inline QString qsPath(const std::filesystem::path& p) { return qs(platform::pathToUtf8(p)); }

}  // namespace gui
