#pragma once
// Paths as the game's platform builds them: folder, separator, name. Paths are Windows-1252
// byte strings like every other text of the core; they become native paths only here.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mf7 {

char path_separator();

// folder + separator + name, nothing more: a root folder that ends in a separator keeps it,
// so the separator then stands twice, as it does in the game's own tools.
std::string join_path(std::string_view folder, std::string_view name);

std::filesystem::path to_native(const std::string& path);
std::string from_native(const std::filesystem::path& path);

// The existing file or folder at path, found as the game's platform finds it: exact names first,
// then each missing component matched ignoring letter case. Nothing when there is none.
std::optional<std::string> find_existing(const std::string& path);
// find_existing, or path itself when nothing exists there.
std::string resolve_path(const std::string& path);

bool file_exists(const std::string& path);
bool folder_exists(const std::string& path);

// The names of the regular files in folder matching a "*.ext"-style pattern, ignoring case,
// sorted as a file list shows them.
std::vector<std::string> list_files(const std::string& folder, std::string_view pattern);
// The sub-folders of folder, sorted.
std::vector<std::string> list_folders(const std::string& folder);
bool matches_pattern(std::string_view name, std::string_view pattern);

// The folder that holds the running executable.
std::string executable_folder();

} // namespace mf7
