// The overview's scenario list: selection, editing requests, and the insert and delete buttons.
#include "support/editor_fixture.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QSignalSpy>

using namespace mf7;
using namespace mf7::test;

namespace {

const QString kNote = " - (an asterix (*) indicates an alternative GOTO)";
const char* const kFull = "The Campaign allready contain the maximum number of Scenarios.";

QString empty_row(int n) {
    return QString("%1   ").arg(n, 2) + QString(20, ' ') + QString("        0 ").repeated(4) +
           QString(20, ' ');
}

QPushButton* button(Editor& e, const char* name) {
    return child<QPushButton>(e.form1(), name);
}

// A campaign of n scenarios named S0.SCN ... shown in the overview.
void show_campaign(Editor& e, int n) {
    init_cam(e.state.camfil);
    e.state.camfil.scenario_count = static_cast<int16_t>(n);
    for (int i = 0; i < n; ++i)
        e.state.camfil.scenarios[static_cast<std::size_t>(i)].scn_file =
            make_text_field("S" + std::to_string(i) + ".SCN");
    e.form1().udfyld_form1();
}

QString file_of_row(Editor& e, int row) {
    return e.list1()->item(row)->text().mid(5, 20).trimmed();
}

} // namespace

class Form1ListTest : public QObject {
    Q_OBJECT
  private slots:
    void aClickSelectsTheRowAndEnablesTheButtons() {
        Editor e;
        e.open();
        for (const char* b : {"Command1", "Command2", "Command3"})
            QVERIFY(!button(e, b)->isEnabled());
        click_row(e.list1(), 3);
        QCOMPARE(e.state.selected_scn, int16_t(3));
        QCOMPARE(child<QGroupBox>(e.form1(), "Frame2")->title(), "Selected scenario # = 3" + kNote);
        for (const char* b : {"Command1", "Command2", "Command3"})
            QVERIFY(button(e, b)->isEnabled());
    }

    void doubleClickOrEnterAsksToEditTheRow() {
        Editor e;
        e.open();
        QVERIFY(show_active(e.form1()));
        QSignalSpy spy(&e.form1(), &Form1::scenarioEditRequested);
        double_click_row(e.list1(), 2);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(e.state.selected_scn, int16_t(2));
        e.list1()->setFocus();
        e.list1()->setCurrentRow(5);
        QTest::keyClick(e.list1(), Qt::Key_Return);
        QCOMPARE(spy.count(), 2);
        QCOMPARE(e.state.selected_scn, int16_t(5));
        // Below the last row there is nothing to edit.
        QPoint below(10, e.list1()->visualItemRect(e.list1()->item(7)).bottom() + 20);
        QTest::mouseClick(e.list1()->viewport(), Qt::LeftButton, {}, below);
        QTest::mouseDClick(e.list1()->viewport(), Qt::LeftButton, {}, below);
        QCOMPARE(spy.count(), 2);
    }

    void insertBeforeTheFirstScenario() {
        Editor e;
        e.open();
        QSignalSpy changed(&e.form1(), &Form1::scenarioListChanged);
        click_row(e.list1(), 0);
        button(e, "Command1")->click();
        QCOMPARE(e.list1()->count(), 9);
        QCOMPARE(e.list1()->item(0)->text(), empty_row(0));
        QCOMPARE(file_of_row(e, 1), QString("POLAND.SCN"));
        QCOMPARE(e.list1()->currentRow(), 0);
        QCOMPARE(e.state.selected_scn, int16_t(0));
        QCOMPARE(child<QLineEdit>(e.form1(), "Text1")->text(), QString("9"));
        QVERIFY(e.state.campaign_changed);
        QCOMPARE(changed.count(), 1);
        // Gotos are not renumbered: the old scenario 0 still goes to 1, now itself.
        QCOMPARE(e.list1()->item(1)->text().mid(25, 9), QString("        1"));
    }

    void insertAfterKeepsTheSelectionOnTheSelectedScenario() {
        Editor e;
        e.open();
        click_row(e.list1(), 7);
        button(e, "Command2")->click();
        QCOMPARE(e.list1()->count(), 9);
        QCOMPARE(e.list1()->item(8)->text(), empty_row(8));
        QCOMPARE(e.list1()->currentRow(), 7);
        QCOMPARE(file_of_row(e, 7), QString("SEELOW.SCN"));
    }

    void fortyNineGrowToFiftyThenTheMaximumMessage() {
        Editor e;
        e.open();
        show_campaign(e, 49);
        click_row(e.list1(), 48);
        button(e, "Command2")->click();
        QCOMPARE(e.list1()->count(), 50);
        QVERIFY(e.msgs.shown.empty());
        for (const char* b : {"Command1", "Command2"}) {
            e.msgs.clear();
            QSignalSpy changed(&e.form1(), &Form1::scenarioListChanged);
            button(e, b)->click();
            QCOMPARE(e.msgs.texts(), std::vector<std::string>{kFull});
            QCOMPARE(e.list1()->count(), 50);
            QCOMPARE(e.list1()->currentRow(), 48);
            QCOMPARE(changed.count(), 0);
        }
    }

    void deleteAsksAndNoKeepsEverything() {
        Editor e;
        e.open();
        click_row(e.list1(), 3);
        e.state.campaign_changed = false;
        QStringList before = rows(e.list1());
        e.msgs.answers = {Answer::No};
        button(e, "Command3")->click();
        QCOMPARE(e.msgs.texts(),
                 std::vector<std::string>{"Are you sure you want to delete scenario # 3"});
        QCOMPARE(rows(e.list1()), before);
        QCOMPARE(e.list1()->currentRow(), 3);
        QVERIFY(!e.state.campaign_changed);
    }

    void deleteTheLastThenTheOnlyScenario() {
        Editor e;
        e.open();
        show_campaign(e, 2);
        click_row(e.list1(), 1);
        QSignalSpy changed(&e.form1(), &Form1::scenarioListChanged);
        e.msgs.answers = {Answer::Yes, Answer::Yes};
        button(e, "Command3")->click();
        QCOMPARE(e.list1()->count(), 1);
        QCOMPARE(e.list1()->currentRow(), 0);
        QCOMPARE(e.state.selected_scn, int16_t(0));
        button(e, "Command3")->click();
        // A campaign without scenarios shows as one empty scenario 0.
        QCOMPARE(rows(e.list1()), QStringList{empty_row(0)});
        QCOMPARE(e.state.camfil.scenario_count, int16_t(1));
        QCOMPARE(e.list1()->currentRow(), 0);
        QCOMPARE(changed.count(), 2);
        QVERIFY(e.state.campaign_changed);
    }

    // A selection left from before Clear or Open names no row on screen: the buttons say that
    // nothing is selected and change nothing.
    void aSelectionFromBeforeClearOrOpenIsNoSelection() {
        Editor e;
        e.open();
        click_row(e.list1(), 7);
        e.msgs.answers = {Answer::Yes};
        e.trigger("Mclose");
        e.msgs.clear();
        button(e, "Command1")->click();
        QCOMPARE(e.msgs.texts(),
                 std::vector<std::string>{"No Scenario selected, click on the scenario you want "
                                          "to insert a new scenario before."});
        QCOMPARE(e.list1()->count(), 0);
        QCOMPARE(e.state.camfil.scenario_count, int16_t(0));

        e.open();
        e.msgs.clear();
        e.msgs.answers = {Answer::Yes};
        button(e, "Command3")->click();
        QCOMPARE(e.msgs.texts(),
                 std::vector<std::string>{
                     "No Scenario selected, click on the scenario you want to delete."});
        QCOMPARE(e.list1()->count(), 8);
        QCOMPARE(e.list1()->currentRow(), -1);
    }
};

QTEST_MAIN(Form1ListTest)
#include "form1_list_test.moc"
