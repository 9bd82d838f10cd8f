#pragma once
// The Reports menu: the three reports written straight into the report folder, and the
// missing-files check shown in the text window.
#include "reports/report_common.h"
#include "ui/overview/overview_commands.h"

namespace mf7 {

struct EditorState;
class Messages;
class OverviewWindow;
class TextWindow;

// The current date and time in the user's short regional formats.
ReportTime system_report_time();

// Runs a report written to the report folder, or the missing-files check (which fills and shows
// the text window). The campaign map is a window of its own: it is no report here.
void run_report(Report report, EditorState& state, Messages& messages, OverviewWindow& overview,
                TextWindow& text_window);

} // namespace mf7
