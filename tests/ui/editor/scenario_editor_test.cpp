// The scenario editor through its real fields: the rules on leaving a field, storing, cancelling
// and the text-window requests; and the scenario list it opens.
#include "model/scenario_edit.h"
#include "support/editor_fixture.h"
#include "ui/editor/scenario_editor.h"
#include "ui/editor/scenario_list_window.h"

#include <QtWidgets>
#include <memory>

using namespace mf7;
using namespace mf7::test;

class ScenarioEditorTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Editor> e;
    ScenarioEditor* w = nullptr;

    EditorState& state() { return e->state; }
    QLineEdit* field(int n) { return w->field(n); }
    QPushButton* button(const char* name) { return w->findChild<QPushButton*>(name); }
    QString label3() { return w->findChild<QLabel*>("Label3")->text(); }

    // A double-click on the overview's row, as in the program: the overview stands behind the
    // editor and is active before it opens.
    bool open(int index) {
        w = &e->edit(index);
        w->activateWindow();
        return QTest::qWaitFor([this] { return QApplication::activeWindow() == w; });
    }
    // Enters field n as the keyboard does, types, and leaves it for another field.
    void type_into(int n, const QString& typed) {
        QLineEdit* f = field(n);
        f->setFocus(Qt::TabFocusReason);
        f->selectAll();
        QTest::keyClick(f, Qt::Key_Delete);
        QTest::keyClicks(f, typed);
        leave();
    }
    // Moves the focus to the accept button, as a click on it does.
    void leave() { button("Command1")->setFocus(Qt::MouseFocusReason); }
    void click(const char* name) { QTest::mouseClick(button(name), Qt::LeftButton); }
    void shift_click(int n) { QTest::mouseClick(field(n), Qt::LeftButton, Qt::ShiftModifier); }

  private slots:
    void init() { e = std::make_unique<Editor>(kShown); }
    void cleanup() { e.reset(); }

    void numberFieldsAreCorrectedOnLeaving() {
        // Leaving an untouched field applies the rule too: a -1 shown from the file becomes 0.
        state().campaign.scenarios[2].outcome[TV].if_played = -1;
        QVERIFY(open(2));
        QCOMPARE(field(30)->text(), QString("-1"));
        field(30)->setFocus(Qt::MouseFocusReason);
        leave();
        QCOMPARE(field(30)->text(), QString("0"));
        // "-7" and "300" tell the prestige rule (fold) from the goto rule (range) in every field.
        for (int n : kPrestigeControls) {
            type_into(n, "-7");
            QCOMPARE(field(n)->text(), QString("7"));
        }
        for (int n : kGotoControls) {
            type_into(n, "300");
            QCOMPARE(field(n)->text(), QString("0"));
        }
        QVERIFY(!state().campaign_changed);
    }

    // Cancel and the close box store nothing; accept needs a scenario file name.
    void cancelStoresNothingAndAcceptNeedsAFileName() {
        CampaignRecord before = state().campaign;
        QVERIFY(open(3));
        type_into(2, "5");
        click("Command2");
        QVERIFY(!state().campaign_changed && !w->isVisible());
        // Edits of names count as changes even when cancelled; the close box stores nothing either.
        // Opened again, the editor starts in the scenario file field, not where it was left.
        QVERIFY(open(3));
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(field(6)));
        type_into(14, "other");
        w->close();
        QVERIFY(state().campaign_changed && state().campaign == before);

        QVERIFY(open(2));
        QCOMPARE(label3(), QString("Main country for this scenario is: Germany"));
        type_into(6, "");
        type_into(5, "777");
        click("Command1");
        QCOMPARE(e->msgs.texts(), Texts{"F3-I01: You need to select a Scenario filename"});
        QVERIFY(state().campaign == before && w->isVisible());
        QCOMPARE(label3(), QString());

        type_into(6, "MALTA");
        click("Command1");
        QCOMPARE(state().campaign.scenarios[2].player_start_prestige, uint16_t(777));
        QVERIFY(!w->isVisible() && !w->isEnabled());
        QVERIFY(e->list1()->item(2)->text().endsWith("2 JUL  1942"));
    }

    // Only a SHIFT + left click alone opens the text file, the extension added. The brilliant-
    // victory text field refuses a name that starts with a dot; Text9 does not.
    void shiftLeftClickAloneOpensTheTextFile() {
        QVERIFY(open(1));
        QSignalSpy requested(w, &ScenarioEditor::textFileRequested);
        field(16)->setText(".abc");
        shift_click(16);
        QCOMPARE(requested.count(), 0);
        QCOMPARE(e->msgs.shown.size(), size_t(1));
        w->reactivate();
        field(9)->setText(".abc");
        QTest::mouseClick(field(9), Qt::LeftButton);
        QTest::mouseClick(field(9), Qt::RightButton, Qt::ShiftModifier);
        QTest::mouseClick(field(9), Qt::LeftButton, Qt::ShiftModifier | Qt::ControlModifier);
        QVERIFY(requested.count() == 0 && w->isEnabled() && field(9)->text() == ".abc");
        QVERIFY(state().campaign_changed); // the plain left click
        state().campaign_changed = false;
        shift_click(9);
        QCOMPARE(requested.count(), 1);
        QCOMPARE(requested[0][0].toString(),
                 pathToQ(join_path(state().settings.mf7_txt, ".abc.txt")));
        QVERIFY(!w->isEnabled() && !state().campaign_changed);
    }

    // The scenario list's lines are cut from the overview rows; Close empties the list.
    void theScenarioListLinesAreNumberNameAndDate() {
        std::vector<OverviewRow> rows = e->game.rows();
        ScenarioListWindow w(state(), e->msgs);
        w.rebuild(rows);
        // Rebuilding starts afresh; the show path writes over what the list holds.
        w.rebuild({rows[2], rows[3]});
        w.show_list({rows[5]});
        QCOMPARE(w.lines(), (QStringList{" 5   MALTA.SCN             2 JUL  1942",
                                         " 3   DUNKIRK.SCN          26 MAY  1940"}));

        QTest::mouseClick(w.findChild<QPushButton*>("Command1"), Qt::LeftButton);
        QVERIFY(!w.isVisible() && w.lines().isEmpty());
    }
};

QTEST_MAIN(ScenarioEditorTest)
#include "scenario_editor_test.moc"
