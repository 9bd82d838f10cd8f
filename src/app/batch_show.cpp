#include "app/batch.h"

#include "model/overview.h"
#include "platform/cp1252.h"

namespace mf7 {

int batch_show(BatchContext& c) {
    if (!c.options.empty()) {
        c.err << "usage: mf7batch show CAMPAIGN [--ini FILE]\n";
        return 2;
    }
    OverviewFill fill = fill_overview(c.state, c.messages);
    // Names are shown as they are but for their control bytes, which would split a row or
    // reach the terminal as commands.
    auto line = [&](const std::string& text) {
        c.out << show_controls(cp1252_to_utf8(text)) << "\n";
    };
    line("No of Scenarios: " + fill.text1);
    line("Player start prestige: " + fill.text2);
    line("Win Campaign SMK: " + fill.text3);
    line("Lose Campaign SMK: " + fill.text4);
    line("Campaign description text file: " + fill.text5);
    line("Trailer: " + fill.text6);
    line(fill.label7.value_or(""));
    for (const auto& row : fill.rows)
        line(format_overview_row(row));
    return 0;
}

} // namespace mf7
