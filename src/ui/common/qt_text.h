#pragma once
// The core keeps Windows-1252 bytes; windows show QStrings. Every conversion happens here.
#include <QString>
#include <string>

namespace mf7 {

QString toQ(const std::string& cp1252);
std::string fromQ(const QString& text);

} // namespace mf7
