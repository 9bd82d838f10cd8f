#pragma once
// Paths as the game's platform builds them: folder, separator, name. A path is a NativePath, never
// game text; game text (Windows-1252) meets paths only through the conversions below.
#include "platform/native_path.h"

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace mf7 {

char path_separator();

// folder + separator + name, nothing more: a root folder that ends in a separator keeps it,
// so the separator then stands twice, as it does in the game's own tools.
NativePath join_path(const NativePath& folder, const NativePath& name);
// The same for the editor's own fixed names ("mf7edit.ini"), plain ASCII and so the same bytes as
// text and as a path.
NativePath join_path(const NativePath& folder, const char* fixed_name);

std::filesystem::path to_native(const NativePath& path);
NativePath from_native(const std::filesystem::path& path);

// The names in folders, each folder read once while the object lives. A run of lookups ignoring
// case (the check looks up a thousand names, most of them missing) would otherwise read a folder
// of 20,000 files again on every miss. A listing does not see a file created after it was read,
// except under the exact name looked up, which is always tried on the disk first: keep one for
// a run of lookups that creates no files, and drop it after.
class FolderListings {
  public:
    // The name in folder (an existing folder, exactly as spelled) that folds to folded_leaf.
    std::optional<NativePath> match(const NativePath& folder, const std::string& folded_leaf);

  private:
    // Folder -> folded name -> the name on the disk, the first one listed when several fold alike.
    std::map<NativePath, std::unordered_map<std::string, NativePath>> folders_;
};

// A file name from the game's files (Windows-1252) joined onto folder: the name in UTF-8, found
// ignoring letter case; on Linux the name's own bytes are tried too, so a tree unpacked byte for
// byte is still found. A name found nowhere comes back in UTF-8, ready to be written. Lookups
// here and below read the folders through listings when given one.
NativePath join_game_name(const NativePath& folder, std::string_view name,
                          FolderListings* listings = nullptr);
// A path as game text for reports: Windows-1252, '?' for what it cannot hold.
std::string path_as_text(const NativePath& path);
// A path inside a message (Windows-1252 like every message): path_as_text when that holds the
// path whole; otherwise the path itself between two NULs, which no game text holds, so that the
// window shows it whole (message_to_utf8).
std::string path_in_message(const NativePath& path);
// Game text or a typed name as a path (UTF-8).
NativePath text_as_path(std::string_view cp1252);
// path with letter case folded as the file systems of the game's platform fold it, so that two
// spellings of one name compare equal. Bytes that are not UTF-8 fold as Windows-1252. The key is
// for comparing only; fold_path keeps it a path (the settings file stores folders folded).
std::string fold_case(std::string_view path);
NativePath fold_path(const NativePath& path);
// A typed or stored path without the blanks (and only blanks) around it.
NativePath trim_path(const NativePath& path);

// The existing file or folder at path, found as the game's platform finds it: exact names first,
// then each missing component matched ignoring letter case. Nothing when there is none.
std::optional<NativePath> find_existing(const NativePath& path, FolderListings* listings = nullptr);
// find_existing, or path itself when nothing exists there.
NativePath resolve_path(const NativePath& path);

bool file_exists(const NativePath& path, FolderListings* listings = nullptr);
bool folder_exists(const NativePath& path);

// The names of the regular files in folder matching a "*.ext"-style pattern, ignoring case,
// sorted as a file list shows them. The names are leaves on the disk, paths as well.
std::vector<NativePath> list_files(const NativePath& folder, std::string_view pattern);
// The sub-folders of folder, sorted.
std::vector<NativePath> list_folders(const NativePath& folder);
bool matches_pattern(std::string_view name, std::string_view pattern);

// The folder that holds the running executable.
NativePath executable_folder();

// The command-line arguments after the program's name, as paths: on Windows taken through the
// wide API (argv there holds only what the ANSI code page can), where the console is also set
// to print UTF-8.
std::vector<NativePath> program_arguments(int argc, char** argv);

} // namespace mf7
