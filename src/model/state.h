#pragma once
// The one state object of the editor: what the game's own editor keeps in globals. It is made
// once per run (or per test) and passed by reference.
#include "model/campaign.h"
#include "model/country_names.h"
#include "model/handover.h"
#include "model/scenario_file.h"
#include "settings/settings.h"

#include <cstdint>
#include <string>

namespace mf7 {

constexpr const char* kVersionText = "3.0.1";

struct EditorState {
    CampaignRecord campaign;
    ScenarioData scenario;
    Settings settings;
    CountryTable countries;

    bool campaign_changed = false;
    int16_t selected_scn = 0;
    // The campaign file: its whole path, its folder and its leaf as found on the disk.
    NativePath cam_path, cam_folder, cam_name;

    // Hand-over between windows: which window to return to, which field asked the chooser.
    WindowId return_window = WindowId::Overview;
    ChooserTarget chooser_target;
    std::string chooser_result;

    std::string version_text = kVersionText;
    // The folder the program was started from.
    NativePath start_folder;

    // What the scenario reader left behind (game text, but for the path it read).
    std::string current_scn_name, scn_date_text, scn_country_text, main_country_text;
    NativePath scn_path;
    bool stock_map = false;

    // Empties cam_path, cam_folder and cam_name.
    void clear_campaign_path() {
        cam_path.clear();
        cam_folder.clear();
        cam_name.clear();
    }
};

} // namespace mf7
