#include "reports/file_list.h"

#include "model/scenario_file.h"
#include "platform/messages.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "settings/settings.h"

#include <algorithm>

namespace mf7 {

namespace {

constexpr const char* kPrefix = "Filelist for ";
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

std::string raw(const TextField& field) {
    return field_raw(field);
}

bool blank(const std::string& s) {
    return trim(s).empty();
}

} // namespace

std::vector<std::string> file_list_scenario_lines(const ReportInputs& in, int index,
                                                  Messages& messages) {
    const OverviewRow& row = in.rows.at(static_cast<std::size_t>(index));
    const ScenarioSlot& scn = in.cam.scenarios.at(static_cast<std::size_t>(index));
    std::vector<std::string> lines;
    lines.push_back("Scenario number:  " + std::to_string(index));
    lines.push_back("   Scn name           : " + row.file_column() +
                    "   Scn date           : " + row.date_column_end(12));
    std::string smk = raw(scn.scn_smk);
    if (!blank(smk))
        lines.push_back("   Scn smk file       : " + smk);
    std::string txt = raw(scn.scn_txt), mus = raw(scn.scn_mus);
    if (!blank(txt) || !blank(mus))
        lines.push_back("   Scn text file      : " + txt + "   Scn mus file       : " + mus);
    lines.push_back(" ");
    // Only a file read now gives its map.
    std::optional<ScenarioData> read =
        read_scenario_details(in.settings, field_text(scn.scn_file), messages).data;
    if (read && !row.file_missing)
        lines.push_back("   Scn map name       : " + field_raw(read->map_file()) +
                        "   Scn intro text     : " + field_raw(read->intro_txt()));
    else
        lines.push_back(
            " Scenario details not available, Could not find scenario file, Check scenario "
            "directory.");
    lines.push_back(" ");
    for (int k = 0; k < kOutcomes; ++k) {
        const OutcomeRecord& o = scn.outcome[static_cast<std::size_t>(k)];
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

std::vector<std::string> file_list_lines(const ReportInputs& in, const ReportTime& time,
                                         Messages& messages) {
    const CampaignRecord& cam = in.cam;
    std::vector<std::string> lines = {
        " ",
        " ",
        "Filelist for: " + path_as_text(campaign_file_path(in)),
        date_time_line(time),
        " ",
        " ",
        // A name longer than 27 characters simply runs on.
        "Campaign name: " + pad_right(path_as_text(in.cam_name), 27) +
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
    int count = std::min(static_cast<int>(in.rows.size()), static_cast<int>(layout::kMaxScenarios));
    for (int i = 0; i < count; ++i) {
        auto section = file_list_scenario_lines(in, i, messages);
        lines.insert(lines.end(), section.begin(), section.end());
    }
    lines.push_back("End of campaign filelist.");
    return lines;
}

ReportWritten write_file_list(const ReportInputs& in, const ReportTime& time, Messages& messages) {
    return write_direct_report(
        in, kPrefix, "write filelist: ", "Campaign Filelist is saved as: \n\r",
        [&] { return file_list_lines(in, time, messages); }, messages);
}

} // namespace mf7
