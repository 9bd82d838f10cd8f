#pragma once
// The campaign file list ("Make Full Campaign Filelist"): every file name the campaign uses,
// scenario by scenario, without testing whether the files exist.
#include "reports/report_common.h"

#include <string>
#include <vector>

namespace mf7 {

// The lines of one scenario's section, from the overview row and the scenario file.
std::vector<std::string> file_list_scenario_lines(EditorState& state, int index,
                                                  const std::string& row, Messages& messages);

// Every line of the list, one section per overview row.
std::vector<std::string> file_list_lines(EditorState& state, const std::vector<std::string>& rows,
                                         const ReportTime& time, Messages& messages);

// Writes "Filelist for <base>" into the report folder and announces it.
ReportWritten write_file_list(EditorState& state, const std::vector<std::string>& rows,
                              const ReportTime& time, Messages& messages);

} // namespace mf7
