#include "app/batch.h"

#include "model/overview.h"
#include "reports/campaign_list.h"
#include "reports/file_list.h"
#include "reports/full_report.h"
#include "reports/missing_files_check.h"
#include "reports/report_nuls.h"

#include <clocale>
#include <ctime>

namespace mf7 {

namespace {

// Runs the report over the overview rows: its NUL step on the record, then the report itself.
using Writer = ReportWritten (*)(EditorState&, const std::vector<OverviewRow>&, Messages&);

ReportWritten campaign_list(EditorState& state, const std::vector<OverviewRow>& rows,
                            Messages& messages) {
    blank_campaign_list_nuls(state.campaign, state.settings);
    return write_campaign_list(report_inputs(state, rows), locale_report_time(), messages);
}

ReportWritten full_report(EditorState& state, const std::vector<OverviewRow>& rows,
                          Messages& messages) {
    blank_full_report_nuls(state.campaign, state.settings, static_cast<int>(rows.size()));
    return write_full_report(report_inputs(state, rows), state.countries, locale_report_time(),
                             messages);
}

ReportWritten file_list(EditorState& state, const std::vector<OverviewRow>& rows,
                        Messages& messages) {
    blank_file_list_nuls(state.campaign, state.settings, static_cast<int>(rows.size()));
    return write_file_list(report_inputs(state, rows), locale_report_time(), messages);
}

int write_report(BatchContext& c, const char* name, Writer writer) {
    if (!c.options.empty()) {
        c.err << "usage: mf7batch " << name << " CAMPAIGN [--ini FILE]\n";
        return 2;
    }
    OverviewFill fill = fill_overview(c.state, c.messages);
    ReportWritten path = writer(c.state, fill.rows, c.messages);
    if (!path)
        return 2;
    c.out << path->str() << "\n";
    return 0;
}

} // namespace

ReportTime locale_report_time() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    // The user's short formats come from the environment's locale; the process keeps its own.
    const char* previous = std::setlocale(LC_ALL, nullptr);
    std::string saved = previous ? previous : "C";
    std::setlocale(LC_ALL, "");
    auto format = [&](const char* pattern) {
        char buf[128];
        std::size_t n = std::strftime(buf, sizeof buf, pattern, &local);
        return std::string(buf, n);
    };
    ReportTime t{format("%x"), format("%X")};
    std::setlocale(LC_ALL, saved.c_str());
    return t;
}

int batch_list(BatchContext& c) {
    return write_report(c, "list", campaign_list);
}

int batch_report(BatchContext& c) {
    return write_report(c, "report", full_report);
}

int batch_files(BatchContext& c) {
    return write_report(c, "files", file_list);
}

int batch_check(BatchContext& c) {
    bool save = false;
    for (const auto& option : c.options) {
        if (option.str() != "--save") {
            c.err << "usage: mf7batch check CAMPAIGN [--save] [--ini FILE]\n";
            return 2;
        }
        save = true;
    }
    OverviewFill fill = fill_overview(c.state, c.messages);
    CheckHeaderTexts header{fill.text3, fill.text4, fill.text5};
    blank_check_nuls(c.state.campaign, static_cast<int>(fill.rows.size()));
    CheckResult result = check_missing_files(report_inputs(c.state, fill.rows), header, c.messages);
    print_text(c.out, result.text_paths, false);
    c.out << "\n";
    if (save && !save_check_report(c.state.settings, result.caption, result.text, c.messages))
        return 2;
    return result.playable ? 0 : 1;
}

} // namespace mf7
