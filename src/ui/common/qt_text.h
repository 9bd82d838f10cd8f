#pragma once
// The core keeps game text as Windows-1252 bytes in std::string and paths as NativePath; windows
// show QStrings. Every conversion happens here, and only through the function made for the kind:
// toQ does not take a path, nor pathToQ game text.
#include "platform/native_path.h"

#include <QString>
#include <string>
#include <string_view>

namespace mf7 {

QString toQ(const std::string& cp1252);
std::string fromQ(const QString& text);
// Paths (settings folders, file names on disk, the campaign's path) pass whole, never through
// Windows-1252.
QString pathToQ(const NativePath& path);
NativePath pathFromQ(const QString& text);
// Text the core already holds in UTF-8 for showing whole: a report with its paths in it.
QString utf8ToQ(std::string_view utf8);

} // namespace mf7
