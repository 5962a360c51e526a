// Conversions between the core's UTF-8 texts and Qt strings.
#pragma once

#include <QString>
#include <string>

namespace gui {

inline QString qs(const std::string& s) { return QString::fromStdString(s); }
inline std::string ss(const QString& s) { return s.toStdString(); }

}  // namespace gui
