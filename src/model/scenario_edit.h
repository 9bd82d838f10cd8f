#pragma once
// The scenario editor's working copy of one slot and the store sequence that writes the editor's
// fields back into the campaign record.
#include "model/campaign.h"
#include "model/overview.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace mf7 {

struct EditorState;
class Messages;

constexpr int kPrestigeFields = 8;
constexpr int kGotoFields = 12;
constexpr int kNameFields = 20;

// The editor's controls by number ("Text2" is 2), in the order of the arrays below: the four
// header prestige values, then each outcome's prestige (BV, V, TV, L).
inline constexpr std::array<int, kPrestigeFields> kPrestigeControls = {2, 3, 4, 5, 10, 19, 28, 37};
// goto, if_played and then_goto of each outcome.
inline constexpr std::array<int, kGotoFields> kGotoControls = {11, 12, 13, 20, 21, 22,
                                                               29, 30, 31, 38, 39, 40};
// scn_file, scn_smk, scn_mus, scn_txt, then smk, mus, txt and smk_after of each outcome.
inline constexpr std::array<int, kNameFields> kNameControls = {
    6, 7, 8, 9, 14, 15, 16, 17, 23, 24, 25, 26, 32, 33, 34, 35, 41, 42, 43, 44};
// The hex views: scn_extra, then each outcome's 24-byte block.
inline constexpr int kScnExtraControl = 1;
inline constexpr std::array<int, kOutcomes> kExtraControls = {18, 27, 36, 45};

// scenario_edits: one slot as the editor works on it.
struct ScenarioEdits {
    std::array<int32_t, kPrestigeFields> prestige{};
    std::array<int16_t, kGotoFields> gotos{};
    std::array<TextField, kNameFields> names{};
    std::array<std::array<uint8_t, layout::slot::kExtraSize>, kOutcomes> extra{};
    std::array<uint8_t, layout::slot::kScnExtraSize> scn_extra{};
};

// The texts of the editor's typed fields, in the orders of the control tables above.
struct EditorTexts {
    std::array<std::string, kPrestigeFields> prestige;
    std::array<std::string, kGotoFields> gotos;
    std::array<std::string, kNameFields> names;
};

// Copies slot `selected_scn` into a working copy; nothing for an index outside 0 to 49.
std::optional<ScenarioEdits> collect_scenario_edits(const EditorState& state);

// What a file-name field shows of its stored 20 characters: the name up to its first NUL,
// without blanks at either end.
std::string shown_name(const TextField& field);

// Everything the editor shows when it opens on `selected_scn`.
struct EditorOpening {
    ScenarioEdits temp;
    EditorTexts texts;
    std::string scn_extra_hex;                    // Text1, 300 characters
    std::array<std::string, kOutcomes> extra_hex; // Text18, Text27, Text36, Text45
    std::string label3;                           // main country of the scenario, or empty
    std::string frame1;                           // "Scenario data - Scenario number N"
};
// The opening steps: working copy, field texts, hex views, the main-country line (reading the
// scenario file) and the frame caption. Nothing for an index outside 0 to 49.
std::optional<EditorOpening> open_editor(EditorState& state, Messages& messages);

struct StoreResult {
    int index = 0;
    // The overview row rebuilt from the slot as stored now.
    OverviewRow row;
    // The overview's new main-country line when slot 0 was stored and get_main_country gave one.
    std::optional<std::string> main_country;
};

// The store sequence: writes the texts into slot `selected_scn` (numbers rounded halves to even,
// names padded or cut to 20), rebuilds the overview row with the scenario's start date, refreshes
// the main country after storing slot 0 and sets campaign_changed. The byte blocks are never
// written. Nothing for an index outside 0 to 49.
std::optional<StoreResult> store_scenario_edits(EditorState& state, const EditorTexts& texts,
                                                Messages& messages);

// A line of the scenarios-in-campaign list: the number and file name as the overview row shows
// them, a blank and the end of the start date (its last 12 characters).
std::string scenario_list_line(const OverviewRow& row);
std::vector<std::string> scenario_list_lines(const std::vector<OverviewRow>& overview_rows);

} // namespace mf7
