#pragma once
// The campaign list ("Make Campaign List"): one line per scenario with its gotos, start date,
// map and whether the map is one of the game's own.
#include "reports/report_common.h"

#include <string>
#include <vector>

namespace mf7 {

// The line of one overview row: number and file name, the four gotos with 254 and 255 spelled
// WIN and LOSE, the end of the date column, the map name and "(OKD)" or "(User)". Reads the
// scenario file.
std::string campaign_list_line(const Settings& settings, const OverviewRow& row,
                               Messages& messages);

// Every line of the list, for the header's scenario count (never more rows than there are).
std::vector<std::string> campaign_list_lines(const ReportInputs& in, const ReportTime& time,
                                             Messages& messages);

// Writes "Small Campaignlist for <base>" into the report folder and announces it. Run
// blank_campaign_list_nuls on the record first.
ReportWritten write_campaign_list(const ReportInputs& in, const ReportTime& time,
                                  Messages& messages);

} // namespace mf7
