#pragma once
// The Reports menu: the three reports written straight into the report folder, and the
// missing-files check shown in the text window.
#include "reports/report_common.h"

#include <QString>

namespace mf7 {

struct EditorState;
class Messages;
class OverviewWindow;
class TextWindow;

// The current date and time in the user's short regional formats.
ReportTime system_report_time();

// Runs the entry named by its menu object name: "mnu_camlst", "skriv", "Filelist" or
// "mnu_missing" (which fills and shows the text window).
void run_report(const QString& entry, EditorState& state, Messages& messages,
                OverviewWindow& overview, TextWindow& text_window);

} // namespace mf7
