#pragma once
// What the overview window shows of the campaign: header fields, one typed row per scenario and
// the main-country line. The list formats the rows for display; the reports, the check, the map
// and the scenario list take the typed rows. The batch tool prints the same.
#include "model/campaign.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace mf7 {

struct EditorState;
struct ScenarioSummary;
class Messages;

// The date column of a scenario whose file is named but cannot be found.
constexpr const char* kDateNotFound = "**not found**";

// One scenario as the overview shows it, taken from its slot when the row was made, with the
// start date read from its file.
struct OverviewRow {
    int number = 0;
    TextField file{};
    std::array<int16_t, kOutcomes> gotos{};
    // An alternative goto is set (if_played above 0): the row marks the goto with "*".
    std::array<bool, kOutcomes> alternative{};
    // " 1 SEP  1939", a date with "ERR" for a bad month, kDateNotFound, or empty for a blank
    // name, a 3 or 4 player scenario or a file that could not be read.
    std::string date;
    // The file is named but was not found.
    bool file_missing = false;

    // The file name as the row shows it: 20 characters, NULs as blanks.
    std::string file_column() const { return field_raw(file); }
    // The file name trimmed.
    std::string file_name() const { return field_text(file); }
    // The last n characters of the date column (the date right-aligned in 20).
    std::string date_column_end(std::size_t n) const;
};

OverviewRow overview_row(const ScenarioSlot& scn, int index, const ScenarioSummary& read);

// The row as the list shows it: number in 2, three blanks, the 20-character file name, four
// goto columns of 9 characters each with a "*" mark for an alternative goto, the date
// right-aligned in 20.
std::string format_overview_row(const OverviewRow& row);

struct OverviewFill {
    std::string text1, text2, text3, text4, text5, text6;
    std::vector<OverviewRow> rows;
    // The main-country line; nothing when it keeps its old text.
    std::optional<std::string> label7;
};

// Fills the overview from the record, reading every scenario file for its date. A count of 0
// becomes 1 in the record; no more than 50 rows are ever built.
OverviewFill fill_overview(EditorState& state, Messages& messages);

} // namespace mf7
