#include "reports/campaign_list.h"

#include "model/scenario_file.h"
#include "model/state.h"
#include "platform/messages.h"
#include "platform/paths.h"
#include "platform/text.h"

#include <algorithm>

namespace mf7 {

namespace {

constexpr const char* kPrefix = "Small Campaignlist for ";
constexpr std::size_t kRowWidth = 85;

} // namespace

std::string campaign_list_line(EditorState& state, const std::string& row_text,
                               Messages& messages) {
    std::string row = pad_right(row_text, kRowWidth);
    std::string line = row.substr(0, 25);
    state.current_scn_name = trim(row.substr(5, 20));
    // A file that could not be read now has no map to show; scenario would still hold the last.
    if (row_not_found(row) || !read_scenario_details(state, messages))
        return line + "   **No Scn found**";
    bool stock = check_map_type(state);
    // Each goto column is read from its second character: the first is always blank.
    for (std::size_t c : {26u, 36u, 46u, 56u}) {
        std::string value = trim(row.substr(c, 8));
        if (value == "254")
            line += std::string("     WIN") + row[c + 8];
        else if (value == "255")
            line += std::string("    LOSE") + row[c + 8];
        else
            line += row.substr(c, 9);
    }
    line += row.substr(70);
    line += "  " + ucase(field_raw(state.scenario.map_file()));
    line += stock ? " (OKD)" : " (User)";
    return line;
}

std::vector<std::string> campaign_list_lines(EditorState& state,
                                             const std::vector<std::string>& rows,
                                             const ReportTime& time, Messages& messages) {
    std::string title = game_title(state);
    std::vector<std::string> lines = {
        " ",
        " ",
        "Campaignlist for: " + path_as_text(campaign_file_path(state)),
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
    int count = std::min(usable_count(state.campaign), static_cast<int>(rows.size()));
    for (int i = 0; i < count; ++i)
        lines.push_back(campaign_list_line(state, rows[static_cast<std::size_t>(i)], messages));
    lines.push_back(" ");
    lines.push_back("End of campaignlist.");
    return lines;
}

ReportWritten write_campaign_list(EditorState& state, const std::vector<std::string>& rows,
                                  const ReportTime& time, Messages& messages) {
    return write_direct_report(
        state, kPrefix, "write Campaignlist: ", "Campaign Filelist is saved as: ",
        [&] { return campaign_list_lines(state, rows, time, messages); }, messages);
}

} // namespace mf7
