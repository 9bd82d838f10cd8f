#pragma once
// Which of the overview's menu entries may be used, from what the editor knows at that moment:
// one rule, so that every way back to the overview ends with the same entries enabled.
namespace mf7 {

struct MenuFacts {
    bool campaign_shown = false; // a campaign is on screen (opened, new or filled again)
    bool settings_read = false;  // the settings file was read or written
    bool folders_ok = false;     // and its folders exist
    bool campaign_file = false;  // the campaign on screen was opened from or saved to a file
};

struct MenuStates {
    bool file_entries = false;     // New, Open
    bool campaign_entries = false; // Save as, Clear, Make Copy As.., Reports
    bool save = false;             // Save, which writes to the campaign's own file
};

inline MenuStates menu_states(const MenuFacts& facts) {
    bool usable = facts.settings_read && facts.folders_ok;
    bool shown = usable && facts.campaign_shown;
    return {usable, shown, shown && facts.campaign_file};
}

} // namespace mf7
