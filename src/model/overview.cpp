#include "model/overview.h"

#include "model/country_names.h"
#include "model/scenario_file.h"
#include "model/state.h"
#include "platform/paths.h"
#include "platform/text.h"

namespace mf7 {

std::string overview_row(const ScenarioSlot& scn, int index, const std::string& date_text) {
    std::string row = pad_left(std::to_string(index), 2) + "   " + field_raw(scn.scn_file);
    for (const auto& o : scn.outcome) {
        row += pad_left(std::to_string(o.goto_scn), 9);
        row += o.if_played > 0 ? '*' : ' ';
    }
    return row + pad_left(date_text, 20);
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
        state.scn_date_text.clear();
        get_scn_data(state, field_text(scn.scn_file), messages, &folders);
        fill.rows.push_back(overview_row(scn, i, state.scn_date_text));
    }
    state.scn_date_text.clear();
    fill.text6 = hex_block(cam.trailer_extra);
    fill.label7 = get_main_country(state, messages);
    return fill;
}

} // namespace mf7
