#pragma once
// The system's texts for the errors the tests provoke: Windows words them differently.
#include <string>
#include <system_error>

namespace mf7::test {

#ifdef _WIN32
// ERROR_PATH_NOT_FOUND and ERROR_ACCESS_DENIED, as the wide API reports them.
inline const std::string kNoFolderText = std::system_category().message(3);
inline const std::string kFolderInTheWayText = std::system_category().message(5);
// A folder read as a file: the reader refuses it before opening, with the same text everywhere.
inline const std::string kFolderReadText = std::generic_category().message(EISDIR);
#else
inline const std::string kNoFolderText = "No such file or directory";
inline const std::string kFolderInTheWayText = "Is a directory";
inline const std::string kFolderReadText = "Is a directory";
#endif

} // namespace mf7::test
