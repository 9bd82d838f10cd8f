#pragma once
// What the four reports share: where they go and under which name, the date line, the test of
// the report folder, and the writing of the lines with CR LF through a temporary file.
#include "model/campaign.h"
#include "model/overview.h"
#include "platform/native_path.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace mf7 {

struct EditorState;
struct Settings;
class Messages;

// The date and time as the user's short regional formats write them, taken once per report.
struct ReportTime {
    std::string date, time;
};

// What a report reads: the record, the settings, the overview's rows (a scenario whose file
// was not found there is not read again) and the campaign's file. A report changes none of it.
struct ReportInputs {
    const CampaignRecord& cam;
    const Settings& settings;
    const std::vector<OverviewRow>& rows;
    NativePath cam_name, cam_folder;
    // The main country of the first scenario as the overview last found it.
    std::string main_country;
};
ReportInputs report_inputs(const EditorState& state, const std::vector<OverviewRow>& rows);

// "newcamp" for a campaign never saved; the name without ".cam" (any case); else the whole name.
NativePath report_base_name(const NativePath& cam_name);
// report folder + prefix + base + the edition's text extension.
NativePath report_path(const Settings& settings, const std::string& prefix,
                       const NativePath& cam_name);
// The campaign file the reports name: its own folder, or the campaign folder of the settings
// for a campaign that was never opened from or saved to one.
NativePath campaign_file_path(const ReportInputs& in);

std::string date_time_line(const ReportTime& time);

// Shows the folder message and returns false when the report folder does not exist.
bool report_folder_ok(const Settings& settings, Messages& messages);

// The first line of a text file, or nothing when it is missing, empty or unreadable.
std::optional<std::string> first_line_of(const NativePath& path);
// The campaign's title in the game: the first line of the description text file.
std::string game_title(const ReportInputs& in);

// The lines, each followed by CR LF, written whole through a temporary file. A failure shows the
// shared file-error message with action + path and leaves no partial file.
bool write_report_lines(const NativePath& path, const std::vector<std::string>& lines,
                        const std::string& action, Messages& messages);

// The outcome of a report that writes straight to the report folder: its path when written.
using ReportWritten = std::optional<NativePath>;

// A report written straight into the report folder: the folder test, the lines (built only
// when the folder is there), the file, then announcement + path in a message.
ReportWritten write_direct_report(const ReportInputs& in, const std::string& prefix,
                                  const std::string& action, const std::string& announcement,
                                  const std::function<std::vector<std::string>()>& build_lines,
                                  Messages& messages);

} // namespace mf7
