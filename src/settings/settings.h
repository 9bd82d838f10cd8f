#pragma once
// The settings file "mf7edit.ini" beside the program: seven game folders, the report folder and
// the pattern of the edition's text files.
#include "platform/native_path.h"

#include <array>
#include <string>

namespace mf7 {

class Messages;

// The eight folders checked by check_paths, in the order of `folder_ok`.
enum Folder : int {
    kProgramFolder,
    kCamFolder,
    kScnFolder,
    kSmkFolder,
    kMusFolder,
    kTxtFolder,
    kMainFolder,
    kRepFolder,
    kFolderCount
};

// The folders are paths. The text pattern is the edition's, ASCII in practice ("*.txt"): it is
// matched against names on the disk and its extension is appended to names from the game's
// files alike, so it stays a plain string.
struct Settings {
    NativePath program_folder;
    NativePath mf7_cam, mf7_scn, mf7_mus, mf7_smk, mf7_txt, mf7main, mf7_rep;
    std::string mf7text;  // "*." + the edition's extension
    std::string text_ext; // the last four characters of mf7text, dot included
    std::array<bool, kFolderCount> folder_ok{};
    bool settings_changed = false;

    const NativePath& folder(Folder f) const;
    // Sets mf7text and with it text_ext.
    void set_mf7text(const std::string& pattern);
};

constexpr const char* kSettingsFileName = "mf7edit.ini";

enum class SettingsResult { Unreadable, FoldersMissing, Ok };

// Applies one line of the settings file: a key in the first eight characters, matched exactly.
void apply_settings_line(Settings& settings, const std::string& line);
// Reads program_folder + "mf7edit.ini", checks the folders and shows the start messages.
SettingsResult read_settings(Settings& settings, Messages& messages);
// The same for a settings file elsewhere (the batch tool's --ini).
SettingsResult read_settings_file(Settings& settings, const NativePath& path, Messages& messages);
void check_paths(Settings& settings);
bool all_folders_ok(const Settings& settings);
#ifdef _WIN32
constexpr bool kWindowsSettingsForm = true;
#else
constexpr bool kWindowsSettingsForm = false;
#endif
// The file's text, CR LF line ends. The Windows form holds the values lower case, in
// Windows-1252 when all of them fit, else in UTF-8 after a byte-order mark; the other form holds
// them as they are, in UTF-8.
std::string settings_file_text(const Settings& settings, const std::string& version_text,
                               bool windows_form = kWindowsSettingsForm);
// The file's bytes as UTF-8, without a leading byte-order mark: valid UTF-8 as it is, anything
// else read as Windows-1252 (files written by the game's tools or by hand in an ANSI editor).
std::string settings_text_as_utf8(const std::string& bytes);
// Writes the file into program_folder; start_folder replaces a program_folder that is gone.
bool write_settings(Settings& settings, const std::string& version_text,
                    const NativePath& start_folder, Messages& messages);
// The folder of the settings file: the program's folder when a settings file is already there
// and the program is not an installed one (a portable or development copy, as `make run` makes),
// otherwise `user_config_folder`, made when missing. An installed program's folder is never
// written into.
NativePath settings_folder(const NativePath& program_folder, const NativePath& user_config_folder);
// The per-user config folder of the editor: $XDG_CONFIG_HOME/mf7edit, else
// $HOME/.config/mf7edit (%APPDATA%\mf7edit on Windows); empty when none is set.
NativePath default_user_config_folder();
// The per-user data folder of the editor (the demo game, reports): $XDG_DATA_HOME/mf7edit, else
// $HOME/.local/share/mf7edit (%LOCALAPPDATA%\mf7edit on Windows); empty when none is set.
NativePath default_user_data_folder();
// "C:\" and "/" keep their separator; any other folder loses a final one.
NativePath strip_final_separator(const NativePath& folder);

} // namespace mf7
