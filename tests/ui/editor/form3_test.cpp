// The scenario editor through its real fields: the rules on leaving a field, storing, cancelling,
// the chooser and text-window requests and the tab order.
#include "model/chooser_targets.h"
#include "model/state.h"
#include "model/text_file.h"
#include "support/fixtures.h"
#include "support/recording_messages.h"
#include "ui/common/look.h"
#include "ui/editor/form3.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>
#include <memory>

using namespace mf7;
using namespace mf7::test;

class Form3Test : public QObject {
    Q_OBJECT

    std::unique_ptr<DemoGame> game;
    RecordingMessages msgs;
    std::unique_ptr<Form3> w;
    std::unique_ptr<QWidget> overview;

    EditorState& state() { return game->state; }
    QLineEdit* field(int n) { return w->field(n); }
    QPushButton* button(const char* name) { return w->findChild<QPushButton*>(name); }
    QLabel* label3() { return w->findChild<QLabel*>("Label3"); }

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

  private slots:
    void init() {
        game = std::make_unique<DemoGame>();
        game->state.camfil = demo::demo_campaign();
        msgs = RecordingMessages();
        w = std::make_unique<Form3>(game->state, msgs);
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
        struct Case {
            int field;
            const char* typed;
            const char* shown;
        } cases[] = {
            {2, "-7", "7"},   {2, "70000", "4465"},   {37, "99999", "34464"}, {3, "abc", "0"},
            {10, "", "0"},    {19, "65535", "65535"}, {28, "12.5", "12.5"},   {11, "50", "0"},
            {20, "253", "0"}, {29, "256", "0"},       {38, "-1", "0"},        {12, "x", "0"},
            {13, "0", "0"},   {21, "49", "49"},       {31, "254", "254"},     {40, "255", "255"},
        };
        for (const auto& c : cases) {
            type_into(c.field, c.typed);
            QCOMPARE(field(c.field)->text(), QString(c.shown));
        }
        // Leaving an untouched field applies the rule too: a -1 shown from the file becomes 0.
        state().camfil.scenarios[2].outcome[TV].if_played = -1;
        QVERIFY(open(2));
        QCOMPARE(field(30)->text(), QString("-1"));
        field(30)->setFocus(Qt::MouseFocusReason);
        leave();
        QCOMPARE(field(30)->text(), QString("0"));
        QVERIFY(!state().campaign_changed);
    }

    void untouchedMinusOneIsStoredBackAsTheSameWord() {
        for (auto& o : state().camfil.scenarios[3].outcome)
            o.if_played = -1;
        QVERIFY(open(3));
        QCOMPARE(field(21)->text(), QString("-1"));
        click("Command1");
        for (const auto& o : state().camfil.scenarios[3].outcome)
            QCOMPARE(static_cast<uint16_t>(o.if_played), uint16_t(65535));
    }

    void hexViewsShowTheByteBlocks() {
        auto& s = state().camfil.scenarios[4];
        s.outcome[BV].extra = {};
        s.outcome[BV].extra[2] = 0x1A;
        s.scn_extra.fill(0xFF);
        QVERIFY(open(4));
        QString bv = field(18)->text();
        QCOMPARE(bv.size(), 72);
        QVERIFY(bv.startsWith("00 00 1A 00 "));
        QCOMPARE(w->text1()->toPlainText(), QString("FF ").repeated(100));
        QVERIFY(field(18)->isReadOnly() && w->text1()->isReadOnly());
        QVERIFY(QFontInfo(field(45)->font()).fixedPitch());
    }

    void fieldsWearTheColoursOfTheirKind() {
        QVERIFY(open(0));
        for (int n = 2; n <= 45; ++n) {
            QColor expected = QColor(Qt::white);
            if (n == 18 || n == 27 || n == 36 || n == 45)
                expected = look::kGrey;
            else if (auto kind = editor_name_kind(n))
                expected = *kind == NameKind::Text ? look::kYellow : look::kCyan;
            if (expected != QColor(Qt::white))
                QCOMPARE(look::background(field(n)), expected);
        }
        QCOMPARE(w->windowTitle(), QString("MF7-editor, Campaign scenario editor"));
        QCOMPARE(w->findChild<QLabel*>("Label_Text17")->text(), QString("Smk after text  file:"));
        QCOMPARE(field(22)->toolTip(),
                 QString("Type the scenario number to go to, if you have played the number in "
                         "'If this scn is played'. (0=don't use, 254=win campaign, 255=Lose "
                         "campaign)"));
        QCOMPARE(field(16)->toolTip(), QString("Textfilename: doubleclick to select, type in "
                                               "name, SHIFT + Leftclick to edit."));
    }

    void typedLengthsAreLimitedButExtensionsStillFit() {
        QVERIFY(open(1));
        struct Case {
            int field;
            QString typed, shown;
        } cases[] = {{2, "1234567", "12345"}, {11, "1234", "123"}, {7, QString(25, 'a'), ""}};
        for (auto& c : cases) {
            QLineEdit* f = field(c.field);
            f->setFocus(Qt::TabFocusReason);
            f->selectAll();
            QTest::keyClick(f, Qt::Key_Delete);
            QTest::keyClicks(f, c.typed);
            QCOMPARE(f->text(), c.shown.isEmpty() ? QString(20, 'a') : c.shown);
        }
        // 16 characters and the extension fill the 20 of the record; 17 lose the last one.
        type_into(7, "ABCDEFGHIJKLMNOP");
        type_into(8, "ABCDEFGHIJKLMNOPQ");
        QCOMPARE(field(7)->text(), QString("ABCDEFGHIJKLMNOP.smk"));
        QCOMPARE(field(8)->text(), QString("ABCDEFGHIJKLMNOPQ.mus"));
        // Deleting from a name longer than the limit is still possible.
        field(8)->setFocus(Qt::MouseFocusReason);
        field(8)->end(false);
        QTest::keyClick(field(8), Qt::Key_Backspace);
        QCOMPARE(field(8)->text().size(), 20);
        QTest::keyClick(field(8), Qt::Key_A);
        QCOMPARE(field(8)->text().size(), 20);
        type_into(8, "ABCDEFGHIJKLMNOPQ");
        click("Command1");
        const scn_record& s = state().camfil.scenarios[1];
        QCOMPARE(std::string(s.scn_smk.data(), 20), std::string("ABCDEFGHIJKLMNOP.smk"));
        QCOMPARE(std::string(s.scn_mus.data(), 20), std::string("ABCDEFGHIJKLMNOPQ.mu"));
    }

    void namesLoseBlanksAndGetTheirExtensionOnLeaving() {
        QVERIFY(open(1));
        QVERIFY(!state().campaign_changed);
        field(14)->setFocus(Qt::TabFocusReason);
        field(14)->selectAll();
        QTest::keyClicks(field(14), " intro ");
        QCOMPARE(field(14)->text(), QString("intro"));
        leave();
        QCOMPARE(field(14)->text(), QString("intro.smk"));
        QVERIFY(state().campaign_changed);
        state().campaign_changed = false;
        type_into(15, "INTRO.MUS");
        type_into(23, "");
        type_into(16, "brief");
        QCOMPARE(field(15)->text(), QString("INTRO.MUS"));
        QCOMPARE(field(23)->text(), QString(""));
        QCOMPARE(field(16)->text(), QString("brief.txt"));
        type_into(6, "sedan");
        QCOMPARE(field(6)->text(), QString("sedan.scn"));
    }

    void acceptNeedsAScenarioFileName() {
        QVERIFY(open(2));
        QCOMPARE(label3()->text(), QString("Main country for this scenario is: Germany"));
        QCOMPARE(w->findChild<QGroupBox*>("Frame1")->title(),
                 QString("Scenario data - Scenario number 2"));
        Camfil before = state().camfil;
        QSignalSpy accepted(w.get(), &Form3::accepted);
        QSignalSpy closed(w.get(), &Form3::closed);
        type_into(6, "");
        type_into(5, "777");
        click("Command1");
        QCOMPARE(msgs.shown.size(), size_t(1));
        QCOMPARE(msgs.shown[0].text, std::string("F3-I01: You need to select a Scenario filename"));
        QVERIFY(msgs.shown[0].information_icon);
        QVERIFY(state().camfil == before);
        QVERIFY(w->isVisible());
        QCOMPARE(label3()->text(), QString());
        QCOMPARE(accepted.count() + closed.count(), 0);

        type_into(6, "MALTA");
        click("Command1");
        QCOMPARE(accepted.count(), 1);
        QCOMPARE(closed.count(), 1);
        const scn_record& s = state().camfil.scenarios[2];
        QCOMPARE(std::string(s.scn_file.data(), 20), std::string("MALTA.scn           "));
        QCOMPARE(s.player_start_prestige, uint16_t(777));
        QVERIFY(state().campaign_changed);
        QVERIFY(!w->isVisible());
        QVERIFY(!w->isEnabled());
        QCOMPARE(accepted[0][0].toInt(), 2);
        QVERIFY(accepted[0][1].toString().endsWith("2 JUL  1942"));
        QCOMPARE(accepted[0][2].toBool(), false);
    }

    void acceptedRowOfScenarioSevenWithGotoTwelve() {
        QVERIFY(open(7));
        QSignalSpy accepted(w.get(), &Form3::accepted);
        for (int n : {11, 20, 29, 38})
            type_into(n, "12");
        for (int n : {12, 13, 21, 22, 30, 31, 39, 40})
            type_into(n, "0");
        click("Command1");
        QCOMPARE(accepted.count(), 1);
        QString row = accepted[0][1].toString();
        QCOMPARE(row.left(25), QString(" 7   SEELOW.SCN          "));
        QCOMPARE(row.mid(25, 40), QString("       12 ").repeated(4));
        QCOMPARE(row.size(), 85);
    }

    void storingTheFirstScenarioGivesTheMainCountryLine() {
        QVERIFY(open(0));
        QSignalSpy accepted(w.get(), &Form3::accepted);
        type_into(6, "MALTA.SCN");
        click("Command1");
        QCOMPARE(accepted.count(), 1);
        QCOMPARE(accepted[0][2].toBool(), true);
        QCOMPARE(accepted[0][3].toString(), QString("Main Country : Italy"));
    }

    void cancelLeavesTheRecordAsItWas() {
        QVERIFY(open(3));
        Camfil before = state().camfil;
        QSignalSpy closed(w.get(), &Form3::closed);
        type_into(2, "5");
        type_into(11, "7");
        click("Command2");
        QVERIFY(state().camfil == before);
        QVERIFY(!state().campaign_changed);
        QCOMPARE(closed.count(), 1);
        QVERIFY(!w->isVisible());

        // Edits of names count as changes even when cancelled.
        QVERIFY(open(3));
        type_into(14, "other");
        click("Command2");
        QVERIFY(state().camfil == before);
        QVERIFY(state().campaign_changed);

        // The close box stores nothing either.
        QVERIFY(open(3));
        type_into(2, "9");
        w->close();
        QCOMPARE(closed.count(), 3);
        QVERIFY(state().camfil == before);
    }

    void shiftLeftClickAloneOpensTheTextFile() {
        QVERIFY(open(1));
        QSignalSpy requested(w.get(), &Form3::textFileRequested);
        field(9)->setText("brief");
        struct Click {
            Qt::MouseButton button;
            Qt::KeyboardModifiers modifiers;
        } ignored[] = {{Qt::LeftButton, Qt::NoModifier},
                       {Qt::RightButton, Qt::ShiftModifier},
                       {Qt::LeftButton, Qt::ShiftModifier | Qt::ControlModifier},
                       {Qt::LeftButton, Qt::ShiftModifier | Qt::AltModifier}};
        for (const auto& c : ignored) {
            QTest::mouseClick(field(9), c.button, c.modifiers);
            QCOMPARE(requested.count(), 0);
            QVERIFY(w->isEnabled());
        }
        QCOMPARE(field(9)->text(), QString("brief"));
        QVERIFY(state().campaign_changed); // the plain left clicks
        state().campaign_changed = false;
        state().return_form = "form1";

        QTest::mouseClick(field(9), Qt::LeftButton, Qt::ShiftModifier);
        QCOMPARE(requested.count(), 1);
        QCOMPARE(requested[0][0].toString(),
                 QString::fromStdString(join_path(state().settings.mf7_txt, "brief.txt")));
        QCOMPARE(field(9)->text(), QString("brief.txt"));
        QCOMPARE(state().return_form, std::string("form3"));
        QVERIFY(!w->isEnabled());
        QVERIFY(!state().campaign_changed);
        QVERIFY(msgs.shown.empty());
    }

    void textNamesThatCannotBeOpened() {
        QVERIFY(open(1));
        QSignalSpy requested(w.get(), &Form3::textFileRequested);
        struct Case {
            int field;
            const char* text;
            bool opens;
        } cases[] = {{9, "", false},
                     {25, ".txt", false},
                     {16, ".abc", false},
                     {9, ".abc", true},
                     {43, "x", true}};
        for (const auto& c : cases) {
            msgs.clear();
            w->reactivate();
            field(c.field)->setText(c.text);
            int before = static_cast<int>(requested.count());
            QTest::mouseClick(field(c.field), Qt::LeftButton, Qt::ShiftModifier);
            QCOMPARE(requested.count() - before, c.opens ? 1 : 0);
            QCOMPARE(msgs.shown.size(), c.opens ? size_t(0) : size_t(1));
            if (!c.opens)
                QCOMPARE(msgs.shown[0].text, std::string(kNeedTextFileName));
        }
        QCOMPARE(field(9)->text(), QString(".abc.txt"));
        // A film field has no text to edit: SHIFT + click is an ordinary click there.
        w->reactivate();
        QTest::mouseClick(field(7), Qt::LeftButton, Qt::ShiftModifier);
        QVERIFY(w->isEnabled());
    }

    void doubleClickAndEnterAskForTheChooser() {
        QVERIFY(open(1));
        QSignalSpy requested(w.get(), &Form3::chooserRequested);
        state().chooser_result = "old";
        QTest::mouseDClick(field(14), Qt::LeftButton);
        QCOMPARE(requested.count(), 1);
        QCOMPARE(state().chooser_target, std::string("text14"));
        QCOMPARE(state().return_form, std::string("form3"));
        QCOMPARE(state().chooser_result, std::string());
        QVERIFY(state().campaign_changed);
        QVERIFY(!w->isEnabled());

        state().chooser_result = "BV2.SMK";
        w->apply_chooser_result();
        QCOMPARE(field(14)->text(), QString("bv2.smk"));
        w->reactivate();
        QVERIFY(w->isEnabled());

        field(6)->setFocus(Qt::TabFocusReason);
        QTest::keyClick(field(6), Qt::Key_Return);
        QCOMPARE(requested.count(), 2);
        QCOMPARE(state().chooser_target, std::string("text6"));
        state().chooser_result = "Sedan.SCN";
        w->apply_chooser_result();
        QCOMPARE(field(6)->text(), QString("sedan.scn"));
        QCOMPARE(label3()->text(), QString("Main country for this scenario is: Germany"));

        // Number fields ask for nothing.
        w->reactivate();
        QTest::mouseDClick(field(11), Qt::LeftButton);
        QCOMPARE(requested.count(), 2);
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
        QVERIFY(!(button("Command3")->focusPolicy() & Qt::TabFocus));
    }

    void showScenariosAsksForTheList() {
        QVERIFY(open(1));
        QSignalSpy requested(w.get(), &Form3::scenarioListRequested);
        click("Command3");
        QCOMPARE(requested.count(), 1);
        QVERIFY(w->isEnabled());
    }

    void slotsBeyondTheRecordDoNotOpen() {
        state().selected_scn = 50;
        QVERIFY(!w->open_scenario());
        QVERIFY(!w->isVisible());
    }
};

QTEST_MAIN(Form3Test)
#include "form3_test.moc"
