// The scenarios-in-campaign list: lines cut from the overview rows, rebuilt or written over, and
// emptied by Close.
#include "support/fixtures.h"
#include "ui/editor/scenario_list_window.h"

#include <QtTest>
#include <QtWidgets>

using namespace mf7;
using namespace mf7::test;

class ScenarioListWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void linesAreNumberNameAndDate() {
        DemoGame game;
        RecordingMessages msgs;
        game.state.campaign = demo::demo_campaign();
        std::vector<std::string> rows = fill_overview(game.state, msgs).rows;
        ScenarioListWindow w(game.state, msgs);
        QCOMPARE(w.windowTitle(), QString("MF7_editor - Scenarios in Campaign"));
        w.rebuild(rows);
        QStringList lines = w.lines();
        QCOMPARE(lines.size(), 8);
        QCOMPARE(lines[0], QString(" 0   POLAND.SCN            1 SEP  1939"));
        QCOMPARE(lines[7], QString(" 7   SEELOW.SCN           16 APR  1945"));
        QVERIFY(!w.isVisible());

        // Rebuilding starts afresh; the show path writes over what the list holds.
        w.rebuild({rows[2], rows[3]});
        QCOMPARE(w.lines().size(), 2);
        w.show_list({rows[5]});
        QCOMPARE(w.lines(), (QStringList{" 5   MALTA.SCN             2 JUL  1942",
                                         " 3   DUNKIRK.SCN          26 MAY  1940"}));
        QVERIFY(w.isVisible());

        QTest::mouseClick(w.findChild<QPushButton*>("Command1"), Qt::LeftButton);
        QVERIFY(!w.isVisible());
        QVERIFY(w.lines().isEmpty());
    }
};

QTEST_MAIN(ScenarioListWindowTest)
#include "scenario_list_window_test.moc"
