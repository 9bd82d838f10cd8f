#include "reports/campaign_list.h"

#include "model/scenario_file.h"
#include "platform/messages.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "settings/settings.h"

#include <algorithm>

namespace mf7 {

namespace {

constexpr const char* kPrefix = "Small Campaignlist for ";
constexpr int kWin = 254, kLose = 255;

} // namespace

std::string campaign_list_line(const Settings& settings, const OverviewRow& row,
                               Messages& messages) {
    std::string line = pad_left(std::to_string(row.number), 2) + "   " + row.file_column();
    // A file that could not be read now has no map to show.
    if (row.file_missing)
        return line + "   **No Scn found**";
    std::optional<ScenarioData> scenario =
        read_scenario_details(settings, row.file_name(), messages).data;
    if (!scenario)
        return line + "   **No Scn found**";
    // Each goto column without its first character, which is always blank, then the mark.
    for (std::size_t k = 0; k < kOutcomes; ++k) {
        char mark = row.alternative[k] ? '*' : ' ';
        if (row.gotos[k] == kWin)
            line += std::string("     WIN") + mark;
        else if (row.gotos[k] == kLose)
            line += std::string("    LOSE") + mark;
        else
            line += pad_left(std::to_string(row.gotos[k]), 8) + mark;
    }
    line += row.date_column_end(15);
    line += "  " + ucase(field_raw(scenario->map_file()));
    line += check_map_type(*scenario) ? " (OKD)" : " (User)";
    return line;
}

std::vector<std::string> campaign_list_lines(const ReportInputs& in, const ReportTime& time,
                                             Messages& messages) {
    std::string title = game_title(in);
    std::vector<std::string> lines = {
        " ",
        " ",
        "Campaignlist for: " + path_as_text(campaign_file_path(in)),
        date_time_line(time),
        " ",
        " ",
        "Campaign name in Game: " + title,
        " ",
        "(An asterix '*' besides a goto-number indicates that an alternative goto is used.) ",
        " ",
        "Scn# Scn name            BV goto#  V Goto# TV goto#  L goto#      Start date  Mapname  "
        "            Map-type",
        " ",
    };
    int count = std::min(usable_count(in.cam), static_cast<int>(in.rows.size()));
    for (int i = 0; i < count; ++i)
        lines.push_back(
            campaign_list_line(in.settings, in.rows[static_cast<std::size_t>(i)], messages));
    lines.push_back(" ");
    lines.push_back("End of campaignlist.");
    return lines;
}

ReportWritten write_campaign_list(const ReportInputs& in, const ReportTime& time,
                                  Messages& messages) {
    return write_direct_report(
        in, kPrefix, "write Campaignlist: ", "Campaign Filelist is saved as: ",
        [&] { return campaign_list_lines(in, time, messages); }, messages);
}

} // namespace mf7
