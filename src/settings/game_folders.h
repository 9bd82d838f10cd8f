#pragma once
// The folder settings of a game installed in one folder, found from that folder alone: its
// campaign, scenario, speech, film and text folders sit in it under the game's names, in
// whatever letter case the installation left them.
#include "settings/settings.h"

#include <string>
#include <vector>

namespace mf7 {

struct GameFolders {
    Settings settings;                // the folders found; program_folder is left empty
    std::vector<std::string> missing; // the game's names of the folders not found, in order
};

// The settings for the game in game_folder. The main folder is game_folder itself, and the
// edition's text pattern comes from its country-name file (GUI97.TXT, .DEU, .FRA ...), "*.txt"
// without one. Reports go to the game's REPORTS folder when it has one, else to spare_reports
// (which the caller makes: a game folder may be read-only).
GameFolders game_folders(const NativePath& game_folder, const NativePath& spare_reports);

} // namespace mf7
