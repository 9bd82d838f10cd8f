#include "reports/file_list.h"

#include "model/scenario_file.h"
#include "model/state.h"
#include "platform/messages.h"
#include "platform/paths.h"
#include "platform/text.h"

#include <algorithm>

namespace mf7 {

namespace {

constexpr const char* kPrefix = "Filelist for ";
constexpr std::size_t kRowWidth = 85;
constexpr const char* kSeparator = "----------";

struct BlockLabels {
    const char* film;
    const char* text;
    const char* sound;
};

constexpr BlockLabels kBlocks[kOutcomes] = {
    {"   BV smk file        : ", "   BV text file       : ", "   BV sound file      : "},
    {"   V smk file         : ", "   V text file        : ", "   V sound file       : "},
    {"   TV smk file        : ", "   TV text file       : ", "   TV sound file      : "},
    {"   Lose smk file      : ", "   Lose text file     : ", "   Lose sound file    : "},
};

std::string raw(TextField& field) {
    field_nul_to_blank(field);
    return field_raw(field);
}

bool blank(const std::string& s) {
    return trim(s).empty();
}

} // namespace

std::vector<std::string> file_list_scenario_lines(EditorState& state, int index,
                                                  const std::string& row_text, Messages& messages) {
    std::string row = pad_right(row_text, kRowWidth);
    ScenarioSlot& scn = state.campaign.scenarios.at(static_cast<std::size_t>(index));
    std::vector<std::string> lines;
    lines.push_back("Scenario number:  " + std::to_string(index));
    lines.push_back("   Scn name           : " + row.substr(5, 20) +
                    "   Scn date           : " + right(row, 12));
    std::string smk = raw(scn.scn_smk);
    if (!blank(smk))
        lines.push_back("   Scn smk file       : " + smk);
    std::string txt = raw(scn.scn_txt), mus = raw(scn.scn_mus);
    if (!blank(txt) || !blank(mus))
        lines.push_back("   Scn text file      : " + txt + "   Scn mus file       : " + mus);
    lines.push_back(" ");
    state.current_scn_name = report_name(scn.scn_file);
    // Only a file read now gives its map: scenario would otherwise hold the last scenario's.
    bool read = read_scenario_details(state, messages);
    if (read && !row_not_found(row))
        lines.push_back("   Scn map name       : " + field_raw(state.scenario.map_file()) +
                        "   Scn intro text     : " + field_raw(state.scenario.intro_txt()));
    else
        lines.push_back(
            " Scenario details not available, Could not find scenario file, Check scenario "
            "directory.");
    lines.push_back(" ");
    for (int k = 0; k < kOutcomes; ++k) {
        OutcomeRecord& o = scn.outcome[static_cast<std::size_t>(k)];
        const BlockLabels& b = kBlocks[k];
        std::string film = raw(o.smk), after = raw(o.smk_after);
        if (!blank(film) || !blank(after))
            lines.push_back(b.film + film + "   Smk after text file: " + after);
        std::string text = raw(o.txt), sound = raw(o.mus);
        if (!blank(text) || !blank(sound))
            lines.push_back(b.text + text + b.sound + sound);
        lines.push_back(k == L ? kSeparator : " ");
    }
    return lines;
}

std::vector<std::string> file_list_lines(EditorState& state, const std::vector<std::string>& rows,
                                         const ReportTime& time, Messages& messages) {
    CampaignRecord& cam = state.campaign;
    std::vector<std::string> lines = {
        " ",
        " ",
        "Filelist for: " + path_as_text(campaign_file_path(state)),
        date_time_line(time),
        " ",
        " ",
        // A name longer than 27 characters simply runs on.
        "Campaign name: " + pad_right(path_as_text(state.cam_name), 27) +
            "    Campaign description text: " + raw(cam.description_txt),
        " ",
        "No of scn in campaign : " + std::to_string(cam.scenario_count),
    };
    std::string win = raw(cam.win_smk), lose = raw(cam.lose_smk);
    if (!blank(win) && !blank(lose)) {
        lines.push_back("   Win Smk            : " + win + "   Lose smk           : " + lose);
        lines.push_back(" ");
    }
    lines.push_back(kSeparator);
    int count = std::min(static_cast<int>(rows.size()), static_cast<int>(layout::kMaxScenarios));
    for (int i = 0; i < count; ++i) {
        auto section =
            file_list_scenario_lines(state, i, rows[static_cast<std::size_t>(i)], messages);
        lines.insert(lines.end(), section.begin(), section.end());
    }
    lines.push_back("End of campaign filelist.");
    return lines;
}

ReportWritten write_file_list(EditorState& state, const std::vector<std::string>& rows,
                              const ReportTime& time, Messages& messages) {
    return write_direct_report(
        state, kPrefix, "write filelist: ", "Campaign Filelist is saved as: \n\r",
        [&] { return file_list_lines(state, rows, time, messages); }, messages);
}

} // namespace mf7
