#include "reports/report_nuls.h"

#include "model/scenario_file.h"
#include "platform/paths.h"
#include "settings/settings.h"

#include <algorithm>

namespace mf7 {

namespace {

int scenarios(int rows) {
    return std::clamp(rows, 0, static_cast<int>(layout::kMaxScenarios));
}

void blank_header(CampaignRecord& cam) {
    field_nul_to_blank(cam.description_txt);
    field_nul_to_blank(cam.win_smk);
    field_nul_to_blank(cam.lose_smk);
}

// The scenario's own names but its file name, and the four names of each outcome.
void blank_slot_names(ScenarioSlot& scn) {
    for (TextField* f : {&scn.scn_smk, &scn.scn_txt, &scn.scn_mus})
        field_nul_to_blank(*f);
    for (OutcomeRecord& o : scn.outcome)
        for (TextField* f : {&o.smk, &o.smk_after, &o.txt, &o.mus})
            field_nul_to_blank(*f);
}

// Each scenario's file name, and its other names where other_names says so.
template <class OtherNames>
void blank_scenario_names(CampaignRecord& cam, int rows, OtherNames other_names) {
    for (int i = 0; i < scenarios(rows); ++i) {
        ScenarioSlot& scn = cam.scenarios[static_cast<std::size_t>(i)];
        field_nul_to_blank(scn.scn_file);
        if (other_names(scn))
            blank_slot_names(scn);
    }
}

bool always(const ScenarioSlot&) {
    return true;
}

} // namespace

void blank_campaign_list_nuls(CampaignRecord& cam, const Settings& settings) {
    if (folder_exists(settings.mf7_rep))
        field_nul_to_blank(cam.description_txt);
}

void blank_file_list_nuls(CampaignRecord& cam, const Settings& settings, int rows) {
    if (!folder_exists(settings.mf7_rep))
        return;
    blank_header(cam);
    blank_scenario_names(cam, rows, always);
}

void blank_full_report_nuls(CampaignRecord& cam, const Settings& settings, int rows) {
    if (!folder_exists(settings.mf7_rep))
        return;
    blank_header(cam);
    // The report stops at a scenario whose file is not there, before its other names.
    blank_scenario_names(cam, rows, [&](const ScenarioSlot& scn) {
        return scenario_file_found(settings, field_text(scn.scn_file));
    });
}

void blank_check_nuls(CampaignRecord& cam, int rows) {
    field_nul_to_blank(cam.scenarios[0].scn_file);
    blank_scenario_names(cam, rows, always);
}

} // namespace mf7
