#pragma once
// The campaign file list ("Make Full Campaign Filelist"): every file name the campaign uses,
// scenario by scenario, without testing whether the files exist.
#include "reports/report_common.h"

#include <string>
#include <vector>

namespace mf7 {

// The lines of one scenario's section, from the overview row and the scenario file.
std::vector<std::string> file_list_scenario_lines(const ReportInputs& in, int index,
                                                  Messages& messages);

// Every line of the list, one section per overview row.
std::vector<std::string> file_list_lines(const ReportInputs& in, const ReportTime& time,
                                         Messages& messages);

// Writes "Filelist for <base>" into the report folder and announces it. Run
// blank_file_list_nuls on the record first.
ReportWritten write_file_list(const ReportInputs& in, const ReportTime& time, Messages& messages);

} // namespace mf7
