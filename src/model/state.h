#pragma once
// The one state object of the editor: what the game's own editor keeps in globals. It is made
// once per run (or per test) and passed by reference.
#include "model/campaign.h"
#include "model/country_names.h"
#include "model/scenario_file.h"
#include "settings/settings.h"

#include <cstdint>
#include <string>

namespace mf7 {

constexpr const char* kVersionText = "3.0.1";

struct EditorState {
    CampaignRecord campaign;
    Settings settings;
    CountryTable countries;

    bool campaign_changed = false;
    int16_t selected_scn = 0;
    // The campaign file: its whole path, its folder and its leaf as found on the disk.
    NativePath cam_path, cam_folder, cam_name;

    std::string version_text = kVersionText;
    // The folder the program was started from.
    NativePath start_folder;

    // Remembered across windows, as the game's editor did: the main country of the first
    // scenario as last found (the full report prints it), and the country of the scenario
    // last read (the scenario editor shows it when its own file cannot be read).
    std::string main_country_text, last_scn_country;

    // Empties cam_path, cam_folder and cam_name.
    void clear_campaign_path() {
        cam_path.clear();
        cam_folder.clear();
        cam_name.clear();
    }
};

} // namespace mf7
