#include "ui/editor/scenario_list_window.h"

#include "model/scenario_edit.h"
#include "ui/common/look.h"
#include "ui/common/qt_text.h"
#include "ui/common/window_behaviour.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace mf7 {

ScenarioListWindow::ScenarioListWindow(EditorState&, Messages&, QWidget* parent)
    : QWidget(parent, Qt::Window) {
    setObjectName("Form8");
    setWindowTitle("MF7_editor - Scenarios in Campaign");
    QFont fixed = look::fixed_font("Courier New", 10);
    QFontMetrics fm(fixed);
    auto* v = new QVBoxLayout(this);
    // The headings stand over the columns of the fixed-width lines: number and file name in 25
    // characters, a blank, the start date in 12.
    auto* headings = new QHBoxLayout;
    headings->setSpacing(0);
    headings->setContentsMargins(4, 0, 0, 0);
    struct Heading {
        const char* caption;
        const char* tip;
        int chars;
    } cols[] = {{"Scn #", "This is the scn number you must use in your Goto's.", 5},
                {"Scenario name", "This is the scenario file-name.", 21},
                {"Scn start date", "This is the start date read from the *.scn file.", 12}};
    for (const auto& c : cols) {
        auto* l = new QLabel(QString::fromLatin1(c.caption), this);
        l->setToolTip(QString::fromLatin1(c.tip));
        l->setMinimumWidth(fm.horizontalAdvance(QString(c.chars, u'M')));
        headings->addWidget(l);
    }
    headings->addStretch(1);
    scenario_list_ = new QListWidget(this);
    scenario_list_->setObjectName("List1");
    scenario_list_->setAccessibleName("Scenarios in the campaign");
    scenario_list_->setFont(fixed);
    look::set_background(scenario_list_, look::kGrey);
    scenario_list_->setMinimumWidth(fm.horizontalAdvance(QString(38, u'M')) + 30);
    scenario_list_->setMinimumHeight(fm.lineSpacing() * 16);
    close_button_ = new QPushButton("Close", this);
    close_button_->setObjectName("Command1");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(close_button_);
    v->addLayout(headings);
    v->addWidget(scenario_list_, 1);
    v->addLayout(buttons);
    connect(close_button_, &QPushButton::clicked, this, &ScenarioListWindow::close_list);
    enter_presses_buttons(*this);
}

void ScenarioListWindow::close_list() {
    hide();
    scenario_list_->clear();
}

void ScenarioListWindow::rebuild(const std::vector<OverviewRow>& overview_rows) {
    scenario_list_->clear();
    fill_more(overview_rows);
}

void ScenarioListWindow::fill_more(const std::vector<OverviewRow>& overview_rows) {
    std::vector<std::string> lines = scenario_list_lines(overview_rows);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        int row = static_cast<int>(i);
        if (row < scenario_list_->count())
            scenario_list_->item(row)->setText(toQ(lines[i]));
        else
            scenario_list_->addItem(toQ(lines[i]));
    }
}

void ScenarioListWindow::show_list(const std::vector<OverviewRow>& overview_rows) {
    fill_more(overview_rows);
    // It stays usable beside the editor, while the overview that owns it is disabled.
    setEnabled(true);
    show();
    raise();
    activateWindow();
}

QStringList ScenarioListWindow::lines() const {
    QStringList out;
    for (int i = 0; i < scenario_list_->count(); ++i)
        out << scenario_list_->item(i)->text();
    return out;
}

} // namespace mf7
