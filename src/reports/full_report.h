#pragma once
// The full campaign report ("Make full Campaign Report"): the header, and for every scenario its
// title, prestige, files, map, stance, countries and the four outcome blocks.
#include "reports/report_common.h"

#include <string>
#include <vector>

namespace mf7 {

class CountryTable;

// The lines of one scenario's section, from the overview row and the scenario file.
// The country names are loaded on the report's first lookup, as they are everywhere (a GUI97
// message then stands where the game's editor showed it); the report changes nothing else.
std::vector<std::string> full_report_scenario_lines(const ReportInputs& in,
                                                    const CountryTable& countries, int index,
                                                    Messages& messages);

// Every line of the report, one section per overview row.
std::vector<std::string> full_report_lines(const ReportInputs& in, const CountryTable& countries,
                                           const ReportTime& time, Messages& messages);

// Writes "Full Campaign Report on <base>" into the report folder and announces it. Run
// blank_full_report_nuls on the record first.
ReportWritten write_full_report(const ReportInputs& in, const CountryTable& countries,
                                const ReportTime& time, Messages& messages);

} // namespace mf7
