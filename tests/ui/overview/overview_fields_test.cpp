// The overview's header and trailer fields: prestige folding, extensions, trimming, the clicks
// that count as changes and the SHIFT + left click of Text5 (the chooser they open is the
// chooser's test).
#include "support/editor_fixture.h"

#include <QSignalSpy>

using namespace mf7;
using namespace mf7::test;

namespace {

// Typed in, or put there without a key (as a paste does). Names are trimmed at every change
// (Text5 drops NULs too); leaving folds the prestige (the folding is the field rules' core
// test) and adds a missing extension. Typing, or an added extension, counts as a change.
const struct Leaving {
    const char *what, *field;
    QString entered;
    bool typed;
    QString left;
    bool changed;
} kLeaving[] = {
    {"prestige typed, above 65535", "Text2", "70000", true, "4465", true},
    {"prestige not typed, with a blank", "Text2", " -99", false, "99", false},
    {"film", "Text3", " Intro  ", false, "Intro.smk", true},
    {"film with its extension", "Text3", "INTRO.SMK", false, "INTRO.SMK", false},
    {"losing film", "Text4", "end", false, "end.smk", true},
    {"description", "Text5", QString("a.d") + QChar(0) + "eu ", false, "a.deu.txt", true},
};

enum Outcome { Opens, Refused, Ignored };
const Qt::KeyboardModifiers kShift(Qt::ShiftModifier);
const struct ShiftClick {
    const char* what;
    QString text;
    Qt::MouseButton button;
    Qt::KeyboardModifiers modifiers;
    Outcome outcome; // only an opened file gets its extension
} kShiftClick[] = {
    {"name", "brief", Qt::LeftButton, kShift, Opens},
    {"starts with a dot", ".brief", Qt::LeftButton, kShift, Refused},
    {"Shift and Ctrl", "brief", Qt::LeftButton, kShift | Qt::ControlModifier, Ignored},
    {"no Shift", "brief", Qt::LeftButton, {}, Ignored},
    {"right button", "brief", Qt::RightButton, kShift, Ignored},
};

} // namespace

class OverviewWindowFieldsTest : public QObject {
    Q_OBJECT
  private slots:
    void leavingAFieldFoldsOrCompletesIt_data() { case_rows(kLeaving); }
    void leavingAFieldFoldsOrCompletesIt() {
        const Leaving& c = fetched(kLeaving);
        Editor e(kOpened);
        QVERIFY(show_active(e.overview()));
        QLineEdit* f = e.field(c.field);
        f->setFocus();
        if (c.typed) {
            f->selectAll();
            QTest::keyClicks(f, c.entered);
        } else {
            f->setText(c.entered);
        }
        QCOMPARE(f->text(), QString(c.entered).remove(QChar(0)).trimmed());
        e.field("Text1")->setFocus();
        QCOMPARE(f->text(), c.left);
        QCOMPARE(e.state.campaign_changed, c.changed);
        // The prestige is stored at once; typed names reach the record only on Save as.
        const bool prestige = QByteArray(c.field) == "Text2";
        QCOMPARE(int(e.state.campaign.player_start_prestige), prestige ? c.left.toInt() : 1200);
        QCOMPARE(field_text(e.state.campaign.win_smk), std::string("victory.smk"));
    }

    // Typing counts as a change, except blanks the field drops at once (that a click in a name
    // field counts is the file commands' test; a click on Text5 is the shift-click table's).
    void typingCountsAsAChangeExceptDroppedBlanks() {
        Editor e(kOpened);
        QVERIFY(show_active(e.overview()));
        QLineEdit* t3 = e.field("Text3");
        t3->end(false);
        QTest::keyClicks(t3, "   ");
        QCOMPARE(t3->text(), QString("victory.smk"));
        QVERIFY(!e.state.campaign_changed);
        QTest::keyClick(t3, Qt::Key_Backspace);
        QVERIFY(e.state.campaign_changed);
    }

    void shiftClickOnTheDescription_data() { case_rows(kShiftClick); }
    void shiftClickOnTheDescription() {
        const ShiftClick& c = fetched(kShiftClick);
        Editor e(kOpened);
        QVERIFY(show_active(e.overview()));
        e.state.return_window = WindowId::ScenarioEditor;
        QLineEdit* t5 = e.field("Text5");
        t5->setText(c.text);
        QSignalSpy spy(&e.overview(), &OverviewWindow::textFileRequested);
        QTest::mouseClick(t5, c.button, c.modifiers, QPoint(5, 5));
        QCOMPARE(e.msgs.texts(),
                 c.outcome == Refused
                     ? Texts{"You have to give me a filename before editing. Doubleclick the "
                             "yellow box to select, or type in a name yourself. I will give it "
                             "the filenameextension you have chosen in the 'Edit Directory "
                             "Settings'-form."}
                     : Texts{});
        QCOMPARE(spy.count(), c.outcome == Opens ? 1 : 0);
        QCOMPARE(e.state.campaign_changed, c.outcome == Opens);
        QCOMPARE(t5->text(), c.outcome == Opens ? c.text + ".txt" : c.text);
        QVERIFY(e.state.return_window ==
                (c.outcome == Opens ? WindowId::Overview : WindowId::ScenarioEditor));
        if (c.outcome == Opens)
            QCOMPARE(e.overview().text_file_path(),
                     join_path(e.state.settings.mf7_txt, "brief.txt"));
    }
};

QTEST_MAIN(OverviewWindowFieldsTest)
#include "overview_fields_test.moc"
