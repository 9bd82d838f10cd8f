#include "reports/full_report.h"

#include "model/country_names.h"
#include "model/scenario_file.h"
#include "platform/messages.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "settings/settings.h"

#include <algorithm>

namespace mf7 {

namespace {

constexpr const char* kPrefix = "Full Campaign Report on ";

struct BlockLabels {
    const char* prestige;
    const char* turns; // nullptr: the loss has no turn limit
    const char* go;
    const char* film;
    const char* text;
    const char* speech;
};

constexpr BlockLabels kBlocks[kOutcomes] = {
    {"   BV prestige        : ", "BV-turns: ", "   BV Goto            : ",
     "   BV smk file        : ", "   BV text file       : ", "   BV speach file     : "},
    {"   V prestige         : ", "V-turns : ", "   V Goto             : ",
     "   V smk file         : ", "   V text file        : ", "   V speach file      : "},
    {"   TV prestige        : ", "TV-turns: ", "   TV Goto            : ",
     "   TV smk file        : ", "   TV text file       : ", "   TV speach file     : "},
    {"   Lose prestige      : ", nullptr, "   L Goto             : ", "   Lose smk file      : ",
     "   Lose text file     : ", "   Lose speach file   : "},
};

// A name field as the report prints it: all 20 characters, NULs as blanks.
std::string raw(const TextField& field) {
    return field_raw(field);
}

int turns(const ScenarioData& d, int outcome) {
    switch (outcome) {
    case BV:
        return d.bv_turns();
    case V:
        return d.v_turns();
    default:
        return d.tv_turns();
    }
}

// The scenario's title: the first line of its intro text, the extension added when missing.
std::string scenario_title(const Settings& settings, const ScenarioData& scenario) {
    std::string name = trim(field_raw(scenario.intro_txt()));
    if (right(name, 4) != settings.text_ext)
        name += settings.text_ext;
    return first_line_of(join_game_name(settings.mf7_txt, name)).value_or("No gametitel found.");
}

void detail_lines(const Settings& settings, const CountryTable& countries, const ScenarioData& d,
                  std::vector<std::string>& lines, Messages& messages) {
    bool stock = check_map_type(d);
    lines.push_back(
        "   Scn map name       : " + field_raw(d.map_file()) +
        (stock ? "   Map type           : OKD map" : "   Map type           : User map"));
    lines.push_back("   Scn intro text     : " + field_raw(d.intro_txt()));
    lines.push_back(d.ai_stance() == 1 ? "   AI stance          : Agressive"
                                       : "   AI stance          : Defensive");
    auto name = [&](int code) { return country_lookup(countries, settings, code, messages); };
    lines.push_back("   Main Country       : " + pad_right(name(d.main_country()), 20) +
                    "   AI Main Country    : " + name(d.ai_main_country()));
    for (int k = 1; k <= 4; ++k) {
        std::string player = name(d.sup_country(k));
        std::string ai = name(d.ai_sup_country(k));
        if (lcase(player) == "none" && lcase(ai) == "none")
            continue;
        std::string n = std::to_string(k);
        lines.push_back("   Player Sup" + n + " Country: " + pad_right(player, 20) + "   AI Sup" +
                        n + " Country    : " + ai);
    }
}

// The turn limits come from the scenario when its details are shown.
void outcome_lines(const OutcomeRecord& o, int outcome, const ScenarioData* details,
                   std::vector<std::string>& lines) {
    const BlockLabels& b = kBlocks[outcome];
    std::string prestige = std::to_string(o.prestige);
    if (!b.turns)
        lines.push_back(b.prestige + prestige);
    else
        lines.push_back(b.prestige + pad_right(prestige, 23) +
                        (details ? b.turns + str_number(turns(*details, outcome)) : ""));
    std::string go = std::to_string(o.goto_scn);
    if (o.if_played != 0 && o.then_goto != 0)
        lines.push_back(b.go + pad_right(go, 23) + "If #: " + std::to_string(o.if_played) +
                        " is not played then goto: " + std::to_string(o.then_goto));
    else
        lines.push_back(b.go + go);
    std::string film = raw(o.smk), after = raw(o.smk_after);
    if (!trim(film).empty() && !trim(after).empty())
        lines.push_back(b.film + film + "   Smk after text file: " + after);
    std::string text = raw(o.txt), speech = raw(o.mus);
    if (!trim(text).empty() && !trim(speech).empty())
        lines.push_back(b.text + text + b.speech + speech);
    lines.push_back(outcome == L ? std::string(88, '=') : " ");
}

} // namespace

std::vector<std::string> full_report_scenario_lines(const ReportInputs& in,
                                                    const CountryTable& countries, int index,
                                                    Messages& messages) {
    const OverviewRow& row = in.rows.at(static_cast<std::size_t>(index));
    const ScenarioSlot& scn = in.cam.scenarios.at(static_cast<std::size_t>(index));
    std::string i = std::to_string(index);
    std::vector<std::string> lines;
    std::string name = field_text(scn.scn_file);
    ScenarioDetails read = read_scenario_details(in.settings, name, messages);
    lines.push_back("Scenario number:  " + i);
    lines.push_back(" ");
    if (!read.found) {
        lines.push_back("Scenariofile not found. Scenario filename in campaign file = " + name);
        return lines;
    }
    // A file that exists but could not be read gives no details.
    lines.push_back("   Scenario Title     : " + (read.data
                                                      ? scenario_title(in.settings, *read.data)
                                                      : std::string("No gametitel found.")));
    lines.push_back("   Scn Filename       : " + row.file_column() +
                    "   Scn date           : " + row.date_column_end(12));
    lines.push_back(
        "   Max prestige cap   : " + pad_right(std::to_string(scn.max_prestige_cap), 20) +
        "   Start prestige cap : " + std::to_string(scn.start_prestige_cap));
    lines.push_back(
        "   Player Start prest.: " + pad_right(std::to_string(scn.player_start_prestige), 20) +
        "   AI prestige??      : " + std::to_string(scn.ai_prestige));
    std::string smk = raw(scn.scn_smk);
    if (!trim(smk).empty())
        lines.push_back("   Scn smk file       : " + smk);
    std::string txt = raw(scn.scn_txt), mus = raw(scn.scn_mus);
    if (!trim(txt).empty() && !trim(mus).empty())
        lines.push_back("   Scn text file      : " + txt + "   Scn mus file       : " + mus);
    lines.push_back(" ");
    lines.push_back("   Scenario summary for scenario no: " + i);
    lines.push_back("   " + std::string(44, '-'));
    const ScenarioData* details = read.data && !row.file_missing ? &*read.data : nullptr;
    if (details)
        detail_lines(in.settings, countries, *details, lines, messages);
    else
        lines.push_back(
            " Scenario details not available, Could not find scenario file, Check scenario "
            "directory.");
    lines.push_back(" ");
    for (int k = 0; k < kOutcomes; ++k)
        outcome_lines(scn.outcome[static_cast<std::size_t>(k)], k, details, lines);
    return lines;
}

std::vector<std::string> full_report_lines(const ReportInputs& in, const CountryTable& countries,
                                           const ReportTime& time, Messages& messages) {
    const CampaignRecord& cam = in.cam;
    std::string title = game_title(in);
    std::vector<std::string> lines = {
        " ",
        "Report on: " + path_as_text(campaign_file_path(in)),
        date_time_line(time),
        " ",
        "Campaign Name in Game : " + title,
        std::string(88, '-'),
        "Campaign Filename     : " + path_as_text(in.cam_name),
        "Description Filename  : " + raw(cam.description_txt),
        " ",
        "Main Country          : " + in.main_country,
        "No of scn in campaign : " + std::to_string(cam.scenario_count),
        "Player Start Prestige : " + std::to_string(cam.player_start_prestige),
    };
    std::string win = raw(cam.win_smk), lose = raw(cam.lose_smk);
    if (!trim(win).empty() && !trim(lose).empty())
        lines.push_back("Campaign Win Smk      : " + win + "Campaign Lose smk     : " + lose);
    lines.push_back(" ");
    lines.push_back(std::string(88, '*'));
    int count = std::min(static_cast<int>(in.rows.size()), static_cast<int>(layout::kMaxScenarios));
    for (int i = 0; i < count; ++i) {
        auto section = full_report_scenario_lines(in, countries, i, messages);
        lines.insert(lines.end(), section.begin(), section.end());
    }
    return lines;
}

ReportWritten write_full_report(const ReportInputs& in, const CountryTable& countries,
                                const ReportTime& time, Messages& messages) {
    return write_direct_report(
        in, kPrefix, "write report: ", "Campaign Report is saved as: \n\r",
        [&] { return full_report_lines(in, countries, time, messages); }, messages);
}

} // namespace mf7
