#include "settings/game_folders.h"

#include "platform/paths.h"

namespace mf7 {

namespace {

// The sub-folder named so in any letter case, if there is one.
std::optional<NativePath> sub_folder(const NativePath& folder, const char* name) {
    std::optional<NativePath> found = find_existing(join_path(folder, name));
    if (found && folder_exists(*found))
        return found;
    return std::nullopt;
}

} // namespace

GameFolders game_folders(const NativePath& game_folder, const NativePath& spare_reports) {
    GameFolders out;
    Settings& s = out.settings;
    struct Wanted {
        const char* name;
        NativePath Settings::*folder;
    };
    static const Wanted kWanted[] = {{"CAMPAIGN", &Settings::mf7_cam},
                                     {"SCENARIO", &Settings::mf7_scn},
                                     {"SOUND", &Settings::mf7_mus},
                                     {"SMACK", &Settings::mf7_smk},
                                     {"TEXT", &Settings::mf7_txt}};
    for (const Wanted& w : kWanted) {
        std::optional<NativePath> found = sub_folder(game_folder, w.name);
        if (found)
            s.*w.folder = *found;
        else
            out.missing.push_back(w.name);
    }
    s.mf7main = game_folder;
    s.mf7_rep = sub_folder(game_folder, "REPORTS").value_or(spare_reports);
    // The country-name file carries the edition's text extension: GUI97.DEU, GUI97.FRA ...
    std::vector<NativePath> gui = list_files(game_folder, "GUI97.*");
    std::string ext = gui.empty() ? std::string() : gui.front().str().substr(6);
    s.set_mf7text("*." + (ext.size() == 3 ? fold_case(ext) : std::string("txt")));
    return out;
}

} // namespace mf7
