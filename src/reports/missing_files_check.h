#pragma once
// The check for missing files ("Check for missing files"): every file the campaign names, the
// maps and their graphics, the goto ranges and the main countries, with statistics and three
// verdicts. Its text goes to the text window, whose save button writes it to the caption's path.
#include "reports/report_common.h"

#include <string>
#include <vector>

namespace mf7 {

struct CheckCounters {
    int missing_files = 0;
    int blank_scn_names = 0;
    int missing_used_scn_files = 0;
    int blank_map_names = 0;
    int missing_map_files = 0;
    int missing_map_graphics = 0;
    int out_of_range_gotos = 0;
    int country_errors = 0;
};

// The overview's header fields as shown, which may hold names typed but not yet saved.
struct CheckHeaderTexts {
    std::string win_smk;         // Text3
    std::string lose_smk;        // Text4
    std::string description_txt; // Text5
};

struct CheckResult {
    NativePath caption; // report folder + "Missing-Files-List-" + base + text extension
    std::string text;   // lines joined by CR LF, none after the last
    // The same in UTF-8 with the paths whole (control bytes shown as \xHH), lines joined by LF.
    std::string text_paths;
    CheckCounters counters;
    bool playable = false;
    bool can_win = false;
    bool can_lose = false;
};

// Runs the whole check over the overview rows (the scenario count is the number of rows). Run
// blank_check_nuls on the record first.
CheckResult check_missing_files(const ReportInputs& in, const CheckHeaderTexts& header,
                                Messages& messages);

// Saves the check's text (as the text window holds it, or as the check made it) to path, the
// text window's save: the report folder test first, then the text and one CR LF. A failure shows
// its message and writes nothing.
bool save_check_report(const Settings& settings, const NativePath& path, const std::string& text,
                       Messages& messages);

} // namespace mf7
