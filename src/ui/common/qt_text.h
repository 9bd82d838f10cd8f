#pragma once
// The core keeps game text as Windows-1252 bytes and paths in the platform's form (UTF-8); windows
// show QStrings. Every conversion happens here.
#include <QString>
#include <string>

namespace mf7 {

QString toQ(const std::string& cp1252);
std::string fromQ(const QString& text);
// Paths (settings folders, file names on disk, the campaign's path) pass whole, never through
// Windows-1252.
QString pathToQ(const std::string& path);
std::string pathFromQ(const QString& text);

} // namespace mf7
