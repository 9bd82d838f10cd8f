// The scenario editor through its real fields: the rules on leaving a field, storing, cancelling,
// the text-window requests and the tab order.
#include "model/scenario_edit.h"
#include "support/fixtures.h"
#include "ui/editor/scenario_editor.h"

#include <QtTest>
#include <QtWidgets>
#include <memory>

using namespace mf7;
using namespace mf7::test;

class ScenarioEditorTest : public QObject {
    Q_OBJECT

    std::unique_ptr<DemoGame> game;
    RecordingMessages msgs;
    std::unique_ptr<ScenarioEditor> w;
    std::unique_ptr<QWidget> overview;

    EditorState& state() { return game->state; }
    QLineEdit* field(int n) { return w->field(n); }
    QPushButton* button(const char* name) { return w->findChild<QPushButton*>(name); }
    QString label3() { return w->findChild<QLabel*>("Label3")->text(); }

    bool open(int index) {
        // The overview stands behind the editor and is active before it opens, as in the program;
        // the editor's activation then always changes the active window.
        overview->show();
        overview->activateWindow();
        if (!QTest::qWaitForWindowActive(overview.get()))
            return false;
        state().selected_scn = static_cast<int16_t>(index);
        if (!w->open_scenario())
            return false;
        return QTest::qWaitForWindowActive(w.get()) && QApplication::activeWindow() == w.get();
    }
    // Enters field n as the keyboard does, types, and leaves it for another field.
    void type_into(int n, const QString& typed, bool leaving = true) {
        QLineEdit* f = field(n);
        f->setFocus(Qt::TabFocusReason);
        f->selectAll();
        QTest::keyClick(f, Qt::Key_Delete);
        QTest::keyClicks(f, typed);
        if (leaving)
            leave();
    }
    // Moves the focus to the accept button, as a click on it does.
    void leave() { button("Command1")->setFocus(Qt::MouseFocusReason); }
    void click(const char* name) { QTest::mouseClick(button(name), Qt::LeftButton); }
    void shift_click(int n) { QTest::mouseClick(field(n), Qt::LeftButton, Qt::ShiftModifier); }

  private slots:
    void init() {
        game = std::make_unique<DemoGame>();
        game->state.campaign = demo::demo_campaign();
        msgs = RecordingMessages();
        w = std::make_unique<ScenarioEditor>(game->state, msgs);
        overview = std::make_unique<QWidget>();
        overview->resize(200, 100);
    }
    void cleanup() {
        w.reset();
        overview.reset();
        game.reset();
    }

    void numberFieldsAreCorrectedOnLeaving() {
        QVERIFY(open(1));
        // "-7" and "300" tell the prestige rule (fold) from the goto rule (range) in every field.
        for (int n : kPrestigeControls) {
            type_into(n, "-7");
            QCOMPARE(field(n)->text(), QString("7"));
        }
        for (int n : kGotoControls) {
            type_into(n, "300");
            QCOMPARE(field(n)->text(), QString("0"));
        }
        // Leaving an untouched field applies the rule too: a -1 shown from the file becomes 0.
        state().campaign.scenarios[2].outcome[TV].if_played = -1;
        QVERIFY(open(2));
        QCOMPARE(field(30)->text(), QString("-1"));
        field(30)->setFocus(Qt::MouseFocusReason);
        leave();
        QCOMPARE(field(30)->text(), QString("0"));
        QVERIFY(!state().campaign_changed);
    }

    void acceptNeedsAScenarioFileName() {
        QVERIFY(open(2));
        QCOMPARE(label3(), QString("Main country for this scenario is: Germany"));
        CampaignRecord before = state().campaign;
        QSignalSpy accepted(w.get(), &ScenarioEditor::accepted);
        type_into(6, "");
        type_into(5, "777");
        click("Command1");
        QCOMPARE(msgs.texts(),
                 std::vector<std::string>{"F3-I01: You need to select a Scenario filename"});
        QVERIFY(msgs.shown[0].information_icon);
        QVERIFY(state().campaign == before);
        QVERIFY(w->isVisible());
        QCOMPARE(label3(), QString());

        type_into(6, "MALTA");
        click("Command1");
        const ScenarioSlot& s = state().campaign.scenarios[2];
        QCOMPARE(std::string(s.scn_file.data(), 20), std::string("MALTA.scn           "));
        QCOMPARE(s.player_start_prestige, uint16_t(777));
        QVERIFY(state().campaign_changed);
        QVERIFY(!w->isVisible() && !w->isEnabled());
        QCOMPARE(accepted.count(), 1);
        QCOMPARE(accepted[0][0].toInt(), 2);
        QVERIFY(accepted[0][1].toString().endsWith("2 JUL  1942"));
    }

    void cancelLeavesTheRecordAsItWas() {
        CampaignRecord before = state().campaign;
        QSignalSpy closed(w.get(), &ScenarioEditor::closed);
        QVERIFY(open(3));
        type_into(2, "5");
        click("Command2");
        QVERIFY(!state().campaign_changed);
        QVERIFY(!w->isVisible());
        // Edits of names count as changes even when cancelled; the close box stores nothing either.
        QVERIFY(open(3));
        type_into(14, "other");
        w->close();
        QVERIFY(state().campaign_changed);
        QCOMPARE(closed.count(), 2);
        QVERIFY(state().campaign == before);
    }

    void shiftLeftClickAloneOpensTheTextFile() {
        QVERIFY(open(1));
        QSignalSpy requested(w.get(), &ScenarioEditor::textFileRequested);
        field(9)->setText("brief");
        struct Click {
            Qt::MouseButton button;
            Qt::KeyboardModifiers modifiers;
        } ignored[] = {{Qt::LeftButton, Qt::NoModifier},
                       {Qt::RightButton, Qt::ShiftModifier},
                       {Qt::LeftButton, Qt::ShiftModifier | Qt::ControlModifier}};
        for (const auto& c : ignored) {
            QTest::mouseClick(field(9), c.button, c.modifiers);
            QCOMPARE(requested.count(), 0);
            QVERIFY(w->isEnabled());
        }
        QCOMPARE(field(9)->text(), QString("brief"));
        QVERIFY(state().campaign_changed); // the plain left clicks
        state().campaign_changed = false;
        state().return_window = WindowId::Overview;

        shift_click(9);
        QCOMPARE(requested.count(), 1);
        QCOMPARE(requested[0][0].toString(),
                 QString::fromStdString(join_path(state().settings.mf7_txt, "brief.txt")));
        QCOMPARE(field(9)->text(), QString("brief.txt"));
        QVERIFY(state().return_window == WindowId::ScenarioEditor);
        QVERIFY(!w->isEnabled());
        QVERIFY(!state().campaign_changed);
        QVERIFY(msgs.shown.empty());
    }

    void textNamesThatCannotBeOpened() {
        QVERIFY(open(1));
        QSignalSpy requested(w.get(), &ScenarioEditor::textFileRequested);
        // The brilliant-victory text field refuses a name that starts with a dot; Text9 does not.
        field(16)->setText(".abc");
        shift_click(16);
        QCOMPARE(requested.count(), 0);
        QCOMPARE(msgs.shown.size(), size_t(1)); // the text is checked on the overview's field
        w->reactivate();
        field(9)->setText(".abc");
        shift_click(9);
        QCOMPARE(requested.count(), 1);
        QCOMPARE(field(9)->text(), QString(".abc.txt"));
    }

    void tabOrderFollowsTheGameEditor() {
        QVERIFY(open(1));
        field(6)->setFocus(Qt::TabFocusReason);
        QStringList visited;
        for (int i = 0; i < 19; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(visited,
                 (QStringList{"Text9", "Text10", "Text16", "Text11", "Text19", "Text25", "Text20",
                              "Text28", "Text34", "Text29", "Text37", "Text43", "Text38", "Text2",
                              "Text3", "Text4", "Text5", "Command1", "Text6"}));
        QVERIFY(!(button("Command2")->focusPolicy() & Qt::TabFocus));
    }
};

QTEST_MAIN(ScenarioEditorTest)
#include "scenario_editor_test.moc"
