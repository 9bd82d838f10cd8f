#pragma once
// What the overview window shows of the campaign: header fields, the 85-character scenario rows
// and the main-country line. The batch tool prints the same.
#include "model/campaign.h"

#include <optional>
#include <string>
#include <vector>

namespace mf7 {

struct EditorState;
class Messages;

struct OverviewFill {
    std::string text1, text2, text3, text4, text5, text6;
    std::vector<std::string> rows;
    // The main-country line; nothing when it keeps its old text.
    std::optional<std::string> label7;
};

// One overview row: number in 2, three blanks, the 20-character scn_file, four goto columns of
// 9 characters each with a "*" mark for an alternative goto, the date right-aligned in 20.
std::string overview_row(const ScenarioSlot& scn, int index, const std::string& date_text);

// Fills the overview from the record, reading every scenario file for its date. A count of 0
// becomes 1 in the record; no more than 50 rows are ever built.
OverviewFill fill_overview(EditorState& state, Messages& messages);

} // namespace mf7
