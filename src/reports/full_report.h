#pragma once
// The full campaign report ("Make full Campaign Report"): the header, and for every scenario its
// title, prestige, files, map, stance, countries and the four outcome blocks.
#include "reports/report_common.h"

#include <string>
#include <vector>

namespace mf7 {

// The lines of one scenario's section, from the overview row and the scenario file.
std::vector<std::string> full_report_scenario_lines(EditorState& state, int index,
                                                    const std::string& row, Messages& messages);

// Every line of the report, one section per overview row.
std::vector<std::string> full_report_lines(EditorState& state, const std::vector<std::string>& rows,
                                           const ReportTime& time, Messages& messages);

// Writes "Full Campaign Report on <base>" into the report folder and announces it.
ReportWritten write_full_report(EditorState& state, const std::vector<std::string>& rows,
                                const ReportTime& time, Messages& messages);

} // namespace mf7
