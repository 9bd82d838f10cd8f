#include "model/scenario_edit.h"

#include "model/country_names.h"
#include "model/field_rules.h"
#include "model/overview.h"
#include "model/scenario_file.h"
#include "model/state.h"
#include "platform/text.h"

namespace mf7 {

namespace {

// The record's fields in the orders of the control tables.
uint16_t& prestige_of(ScenarioSlot& s, int i) {
    switch (i) {
    case 0:
        return s.max_prestige_cap;
    case 1:
        return s.start_prestige_cap;
    case 2:
        return s.ai_prestige;
    case 3:
        return s.player_start_prestige;
    default:
        return s.outcome[static_cast<std::size_t>(i - 4)].prestige;
    }
}

int16_t& goto_of(ScenarioSlot& s, int i) {
    OutcomeRecord& o = s.outcome[static_cast<std::size_t>(i / 3)];
    switch (i % 3) {
    case 0:
        return o.goto_scn;
    case 1:
        return o.if_played;
    default:
        return o.then_goto;
    }
}

TextField& name_of(ScenarioSlot& s, int i) {
    switch (i) {
    case 0:
        return s.scn_file;
    case 1:
        return s.scn_smk;
    case 2:
        return s.scn_mus;
    case 3:
        return s.scn_txt;
    default:
        break;
    }
    OutcomeRecord& o = s.outcome[static_cast<std::size_t>((i - 4) / 4)];
    switch ((i - 4) % 4) {
    case 0:
        return o.smk;
    case 1:
        return o.mus;
    case 2:
        return o.txt;
    default:
        return o.smk_after;
    }
}

bool slot_usable(int index) {
    return index >= 0 && index < static_cast<int>(layout::kMaxScenarios);
}

} // namespace

std::optional<ScenarioEdits> collect_scenario_edits(const EditorState& state) {
    if (!slot_usable(state.selected_scn))
        return std::nullopt;
    ScenarioSlot s = state.campaign.scenarios[static_cast<std::size_t>(state.selected_scn)];
    ScenarioEdits t;
    for (int i = 0; i < kPrestigeFields; ++i)
        t.prestige[static_cast<std::size_t>(i)] = prestige_of(s, i);
    for (int i = 0; i < kGotoFields; ++i)
        t.gotos[static_cast<std::size_t>(i)] = goto_of(s, i);
    for (int i = 0; i < kNameFields; ++i)
        t.names[static_cast<std::size_t>(i)] = name_of(s, i);
    for (std::size_t k = 0; k < kOutcomes; ++k)
        t.extra[k] = s.outcome[k].extra;
    t.scn_extra = s.scn_extra;
    return t;
}

std::string shown_name(const TextField& field) {
    std::string_view raw(field.data(), field.size());
    return trim(raw.substr(0, raw.find('\0')));
}

std::optional<EditorOpening> open_editor(EditorState& state, Messages& messages) {
    std::optional<ScenarioEdits> temp = collect_scenario_edits(state);
    if (!temp)
        return std::nullopt;
    EditorOpening o;
    o.temp = *temp;
    for (std::size_t i = 0; i < kPrestigeFields; ++i)
        o.texts.prestige[i] = std::to_string(o.temp.prestige[i]);
    for (std::size_t i = 0; i < kGotoFields; ++i)
        o.texts.gotos[i] = std::to_string(o.temp.gotos[i]);
    for (std::size_t i = 0; i < kNameFields; ++i)
        o.texts.names[i] = shown_name(o.temp.names[i]);
    o.scn_extra_hex = hex_block(o.temp.scn_extra);
    for (std::size_t k = 0; k < kOutcomes; ++k)
        o.extra_hex[k] = hex_block(o.temp.extra[k]);
    const TextField& scn_file = o.temp.names[0];
    if (!field_text(scn_file).empty()) {
        // A file that cannot be read leaves the country of the scenario read before; the game's
        // editor shows that one too.
        get_scn_data(state, shown_name(scn_file), messages);
        o.label3 = "Main country for this scenario is: " + state.last_scn_country;
    }
    o.frame1 = "Scenario data - Scenario number " + std::to_string(state.selected_scn);
    return o;
}

std::optional<StoreResult> store_scenario_edits(EditorState& state, const EditorTexts& texts,
                                                Messages& messages) {
    int index = state.selected_scn;
    if (!slot_usable(index))
        return std::nullopt;
    ScenarioSlot& s = state.campaign.scenarios[static_cast<std::size_t>(index)];
    // The fields were folded into range when the user left them; folding again only matters for
    // a text that never went through a field, and then keeps the stored word in 0 to 65535.
    for (int i = 0; i < kPrestigeFields; ++i)
        prestige_of(s, i) = fold_prestige(texts.prestige[static_cast<std::size_t>(i)]).value;
    for (int i = 0; i < kGotoFields; ++i)
        goto_of(s, i) = goto_value(texts.gotos[static_cast<std::size_t>(i)]);
    for (int i = 0; i < kNameFields; ++i)
        name_of(s, i) = make_text_field(texts.names[static_cast<std::size_t>(i)]);

    ScenarioSummary read = get_scn_data(state, field_text(s.scn_file), messages);
    StoreResult r;
    r.index = index;
    r.row = overview_row(s, index, read);
    if (index == 0)
        r.main_country = get_main_country(state, messages);
    state.campaign_changed = true;
    return r;
}

std::string scenario_list_line(const OverviewRow& row) {
    return pad_left(std::to_string(row.number), 2) + "   " + row.file_column() + " " +
           row.date_column_end(12);
}

std::vector<std::string> scenario_list_lines(const std::vector<OverviewRow>& overview_rows) {
    std::vector<std::string> out;
    out.reserve(overview_rows.size());
    for (const auto& row : overview_rows)
        out.push_back(scenario_list_line(row));
    return out;
}

} // namespace mf7
