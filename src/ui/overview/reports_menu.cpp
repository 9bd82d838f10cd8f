#include "ui/overview/reports_menu.h"

#include "model/state.h"
#include "reports/campaign_list.h"
#include "reports/file_list.h"
#include "reports/full_report.h"
#include "reports/missing_files_check.h"
#include "reports/report_nuls.h"
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
    const std::vector<OverviewRow>& rows = overview.rows();
    int count = static_cast<int>(rows.size());
    switch (report) {
    case Report::CampaignList:
        blank_campaign_list_nuls(state.campaign, state.settings);
        write_campaign_list(report_inputs(state, rows), system_report_time(), messages);
        break;
    case Report::FullReport:
        blank_full_report_nuls(state.campaign, state.settings, count);
        write_full_report(report_inputs(state, rows), state.countries, system_report_time(),
                          messages);
        break;
    case Report::FileList:
        blank_file_list_nuls(state.campaign, state.settings, count);
        write_file_list(report_inputs(state, rows), system_report_time(), messages);
        break;
    case Report::MissingFiles: {
        auto texts = overview.header_file_texts();
        blank_check_nuls(state.campaign, count);
        CheckResult result = check_missing_files(
            report_inputs(state, rows), CheckHeaderTexts{texts[0], texts[1], texts[2]}, messages);
        text_window.show_text(result.caption, result.text, WindowId::Overview);
        break;
    }
    case Report::Map:
        break;
    }
}

} // namespace mf7
