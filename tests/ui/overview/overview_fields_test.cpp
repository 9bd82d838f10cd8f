// The overview's header and trailer fields: prestige folding, extensions, trimming, the clicks
// that count as changes and the SHIFT + left click of Text5 (the chooser they open is the
// chooser's test).
#include "support/editor_fixture.h"

#include <QSignalSpy>

using namespace mf7;
using namespace mf7::test;

namespace {

// Typed in, or put there without a key (as a paste does): leaving the field folds the
// prestige either way, but only typing counts as a change.
const struct Prestige {
    const char* what;
    QString entered;
    bool typed;
    QString shown;
    int stored;
} kPrestige[] = {
    {"above 65535 loses 65535", "70000", true, "4465", 4465},
    {"negative loses its sign", "-5", true, "5", 5},
    {"not a number", "abc", true, "0", 0},
    {"a fraction stays in the field", "12.5", true, "12.5", 12},
    {"not typed, with a blank", " -99", false, "99", 99},
};

// Names are trimmed at every change (Text5 drops NULs too); leaving adds the extension.
const struct Extension {
    const char* what;
    const char* field;
    QString entered, left;
    bool changed;
} kExtension[] = {
    {"film", "Text3", " Intro  ", "Intro.smk", true},
    {"film with its extension", "Text3", "INTRO.SMK", "INTRO.SMK", false},
    {"blanks only", "Text3", "   ", "", false},
    {"losing film", "Text4", "end", "end.smk", true},
    {"description", "Text5", QString("ab") + QChar(0) + "c ", "abc.txt", true},
    {"description with extension", "Text5", "About.TXT", "About.TXT", false},
    {"description, other extension", "Text5", "a.deu", "a.deu.txt", true},
};

enum Outcome { Opens, Refused, Ignored };
const Qt::KeyboardModifiers kShift(Qt::ShiftModifier);
const struct ShiftClick {
    const char* what;
    QString text;
    Qt::MouseButton button;
    Qt::KeyboardModifiers modifiers;
    Outcome outcome;
    QString after;
} kShiftClick[] = {
    {"name", "brief", Qt::LeftButton, kShift, Opens, "brief.txt"},
    {"with extension", "Brief.TXT", Qt::LeftButton, kShift, Opens, "Brief.TXT"},
    {"empty", "", Qt::LeftButton, kShift, Refused, ""},
    {"extension only", ".TXT", Qt::LeftButton, kShift, Refused, ".TXT"},
    {"starts with a dot", ".brief", Qt::LeftButton, kShift, Refused, ".brief"},
    {"Shift and Ctrl", "brief", Qt::LeftButton, kShift | Qt::ControlModifier, Ignored, "brief"},
    {"no Shift", "brief", Qt::LeftButton, {}, Ignored, "brief"},
    {"right button", "brief", Qt::RightButton, kShift, Ignored, "brief"},
};

} // namespace

class OverviewWindowFieldsTest : public QObject {
    Q_OBJECT
  private slots:
    void prestigeFoldsWhenLeavingTheField_data() { case_rows(kPrestige); }
    void prestigeFoldsWhenLeavingTheField() {
        const Prestige& c = fetched(kPrestige);
        Editor e(kOpened);
        QVERIFY(show_active(e.overview()));
        QLineEdit* t2 = e.field("Text2");
        t2->setFocus();
        if (c.typed) {
            t2->selectAll();
            QTest::keyClicks(t2, c.entered);
        } else {
            t2->setText(c.entered);
        }
        QCOMPARE(t2->text(), c.entered.trimmed());
        e.field("Text3")->setFocus();
        QCOMPARE(t2->text(), c.shown);
        QCOMPARE(int(e.state.campaign.player_start_prestige), c.stored);
        QCOMPARE(e.state.campaign_changed, c.typed);
    }

    void extensionIsAppendedWhenLeaving_data() { case_rows(kExtension); }
    void extensionIsAppendedWhenLeaving() {
        const Extension& c = fetched(kExtension);
        Editor e(kOpened);
        QVERIFY(show_active(e.overview()));
        QLineEdit* f = e.field(c.field);
        f->setText(c.entered);
        QCOMPARE(f->text(), QString(c.entered).remove(QChar(0)).trimmed());
        f->setFocus();
        e.field("Text1")->setFocus();
        QCOMPARE(f->text(), c.left);
        QCOMPARE(e.state.campaign_changed, c.changed);
        // Typed names reach the record only on Save as.
        QCOMPARE(field_text(e.state.campaign.win_smk), std::string("victory.smk"));
    }

    // A click on Text5 changes nothing: the shift-click table's "no Shift" row.
    void typingOrAClickInPrestigeOrAFilmCountsAsAChange() {
        Editor e(kOpened);
        QVERIFY(show_active(e.overview()));
        for (const char* name : {"Text2", "Text3", "Text4"}) {
            e.state.campaign_changed = false;
            QTest::mouseClick(e.field(name), Qt::LeftButton);
            QVERIFY2(e.state.campaign_changed, name);
        }
        QLineEdit* t3 = e.field("Text3");
        t3->end(false);
        e.state.campaign_changed = false;
        QTest::keyClicks(t3, "   "); // blanks the field drops at once change nothing
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
        QCOMPARE(t5->text(), c.after);
        QVERIFY(e.state.return_window ==
                (c.outcome == Opens ? WindowId::Overview : WindowId::ScenarioEditor));
        if (c.outcome == Opens)
            QCOMPARE(e.overview().text_file_path(),
                     join_path(e.state.settings.mf7_txt, c.after.toStdString()));
    }
};

QTEST_MAIN(OverviewWindowFieldsTest)
#include "overview_fields_test.moc"
