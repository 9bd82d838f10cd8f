#include "ui/overview/reports_menu.h"

#include "model/state.h"
#include "reports/campaign_list.h"
#include "reports/file_list.h"
#include "reports/full_report.h"
#include "reports/missing_files_check.h"
#include "ui/common/qt_text.h"
#include "ui/common/text_window.h"
#include "ui/overview/overview_window.h"

#include <QDateTime>
#include <QLocale>

namespace mf7 {

ReportTime system_report_time() {
    QDateTime now = QDateTime::currentDateTime();
    QLocale locale = QLocale::system();
    return {fromQ(locale.toString(now.date(), QLocale::ShortFormat)),
            fromQ(locale.toString(now.time(), QLocale::ShortFormat))};
}

void run_report(Report report, EditorState& state, Messages& messages, OverviewWindow& overview,
                TextWindow& text_window) {
    std::vector<std::string> rows = overview.rows();
    switch (report) {
    case Report::CampaignList:
        write_campaign_list(state, rows, system_report_time(), messages);
        break;
    case Report::FullReport:
        write_full_report(state, rows, system_report_time(), messages);
        break;
    case Report::FileList:
        write_file_list(state, rows, system_report_time(), messages);
        break;
    case Report::MissingFiles: {
        auto texts = overview.header_file_texts();
        CheckResult result = check_missing_files(
            state, CheckHeaderTexts{texts[0], texts[1], texts[2]}, rows, messages);
        text_window.show_text(result.caption, result.text, WindowId::Overview);
        break;
    }
    case Report::Map:
        break;
    }
}

} // namespace mf7
