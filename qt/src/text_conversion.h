#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace quorvane::qt {

// The one place where the core's UTF-8 texts meet Qt's strings; nothing else converts.
QString to_qstring(std::string_view utf8);
std::string to_utf8(const QString& text);

}  // namespace quorvane::qt
