#include "model/overview.h"

#include "model/country_names.h"
#include "model/scenario_file.h"
#include "model/state.h"
#include "platform/paths.h"
#include "platform/text.h"

namespace mf7 {

std::string OverviewRow::date_column_end(std::size_t n) const {
    return right(pad_left(date, 20), n);
}

OverviewRow overview_row(const ScenarioSlot& scn, int index, const ScenarioSummary& read) {
    OverviewRow row;
    row.number = index;
    row.file = scn.scn_file;
    for (std::size_t k = 0; k < kOutcomes; ++k) {
        row.gotos[k] = scn.outcome[k].goto_scn;
        row.alternative[k] = scn.outcome[k].if_played > 0;
    }
    row.date = read.date_text;
    row.file_missing = read.named && !read.found;
    return row;
}

std::string format_overview_row(const OverviewRow& row) {
    std::string text = pad_left(std::to_string(row.number), 2) + "   " + row.file_column();
    for (std::size_t k = 0; k < kOutcomes; ++k) {
        text += pad_left(std::to_string(row.gotos[k]), 9);
        text += row.alternative[k] ? '*' : ' ';
    }
    return text + pad_left(row.date, 20);
}

OverviewFill fill_overview(EditorState& state, Messages& messages) {
    CampaignRecord& cam = state.campaign;
    if (cam.scenario_count == 0)
        cam.scenario_count = 1;
    // A damaged count never reaches a slot beyond the 50 the file holds.
    int n = std::max(1, usable_count(cam));
    OverviewFill fill;
    fill.text1 = std::to_string(n);
    fill.text2 = std::to_string(cam.player_start_prestige);
    fill.text3 = field_text(cam.win_smk);
    fill.text4 = field_text(cam.lose_smk);
    fill.text5 = field_text(cam.description_txt);
    // The fill writes no files, so the scenario folder is read once for all missing names.
    FolderListings folders;
    for (int i = 0; i < n; ++i) {
        const ScenarioSlot& scn = cam.scenarios[static_cast<std::size_t>(i)];
        ScenarioSummary read = get_scn_data(state, field_text(scn.scn_file), messages, &folders);
        fill.rows.push_back(overview_row(scn, i, read));
    }
    fill.text6 = hex_block(cam.trailer_extra);
    fill.label7 = get_main_country(state, messages);
    return fill;
}

} // namespace mf7
