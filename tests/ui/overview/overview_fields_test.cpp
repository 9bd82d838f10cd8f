// The overview's header and trailer fields (prestige folding, extensions, trimming, the clicks that
// count as changes, the SHIFT + left click of Text5) and its scenario list: selection, editing
// requests, and the insert and delete buttons.
#include "support/editor_fixture.h"
#include "ui/common/text_window.h"

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
    {"no Shift", "brief", Qt::LeftButton, {}, Ignored},
};

QStringList files(Editor& e) {
    QStringList out;
    for (const QString& row : rows(e.list1()))
        out << row.mid(5, 20).trimmed();
    return out;
}

const std::string kSure = "Are you sure you want to delete scenario # ",
                  kNone = "No Scenario selected, click on the scenario you want to delete.";
const struct ButtonCase {
    const char* what;
    QString button;
    int row;
    Answer answer;
    bool reopened; // DEMO.CAM opened again between the click on the row and the button
    int current;   // the row selected afterwards
    Texts said;
} kButtons[] = {
    {"insert before", "Command1", 0, Answer::Yes, false, 0, {}},
    {"insert after", "Command2", 7, Answer::Yes, false, 7, {}},
    {"delete the last", "Command3", 7, Answer::Yes, false, 6, {kSure + "7"}},
    {"delete answered No", "Command3", 3, Answer::No, false, 3, {kSure + "3"}},
    // A selection left from before Open names no row on screen: nothing is selected.
    {"delete after Open", "Command3", 7, Answer::Yes, true, -1, {kNone}},
};

} // namespace

class OverviewWindowFieldsTest : public QObject {
    Q_OBJECT
  private slots:
    void leavingAFieldFoldsOrCompletesIt_data() { case_rows(kLeaving); }
    void leavingAFieldFoldsOrCompletesIt() {
        const Leaving& c = fetched(kLeaving);
        Editor e(kShown);
        QLineEdit* f = e.field(c.field);
        f->setFocus();
        if (c.typed)
            e.type(c.field, c.entered);
        else
            f->setText(c.entered);
        QCOMPARE(f->text(), QString(c.entered).remove(QChar(0)).trimmed());
        e.field("Text1")->setFocus();
        QCOMPARE(f->text(), c.left);
        QCOMPARE(e.state.campaign_changed, c.changed);
        // The prestige is stored at once.
        const bool prestige = QByteArray(c.field) == "Text2";
        QCOMPARE(int(e.state.campaign.player_start_prestige), prestige ? c.left.toInt() : 1200);
    }

    void shiftClickOnTheDescription_data() { case_rows(kShiftClick); }
    void shiftClickOnTheDescription() {
        const ShiftClick& c = fetched(kShiftClick);
        Editor e(kShown);
        QLineEdit* t5 = e.field("Text5");
        t5->setText(c.text);
        QTest::mouseClick(t5, c.button, c.modifiers, QPoint(5, 5));
        QCOMPARE(e.msgs.texts(),
                 c.outcome == Refused
                     ? Texts{"You have to give me a filename before editing. Doubleclick the "
                             "yellow box to select, or type in a name yourself. I will give it "
                             "the filenameextension you have chosen in the 'Edit Directory "
                             "Settings'-form."}
                     : Texts{});
        QCOMPARE(e.state.campaign_changed, c.outcome == Opens);
        QCOMPARE(t5->text(), c.outcome == Opens ? c.text + ".txt" : c.text);
        // The text window opens for the overview, which waits for it.
        QCOMPARE(e.windows.created(WindowId::TextWindow) && e.windows.text_window().isVisible(),
                 c.outcome == Opens);
        QCOMPARE(e.overview().isEnabled(), c.outcome != Opens);
        if (c.outcome == Opens)
            QCOMPARE(e.overview().text_file_path(),
                     join_path(e.state.settings.mf7_txt, "brief.txt"));
    }

    // Tabbing into the list, or a CTRL + click on the selected row, leaves the highlighted row
    // and the selected one the same. Enter asks to edit the current row.
    void theHighlightedRowIsTheSelectedOneAndEnterEditsIt() {
        Editor e(kShown);
        auto highlighted = [&e] {
            auto items = e.list1()->selectedItems();
            return items.size() == 1 ? e.list1()->row(items[0]) : -1;
        };
        e.field("Text4")->setFocus();
        for (int i = 0; i < 10 && QApplication::focusWidget() != e.list1(); ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), e.list1());
        QCOMPARE(highlighted(), int(e.state.selected_scn));
        QVERIFY(child<QPushButton>(e.overview(), "Command3")->isEnabled() == (highlighted() >= 0));
        click_row(e.list1(), 3);
        QTest::mouseClick(e.list1()->viewport(), Qt::LeftButton, Qt::ControlModifier,
                          row_point(e.list1(), 3));
        QVERIFY(highlighted() == 3 && e.state.selected_scn == 3);
        QSignalSpy spy(&e.overview(), &OverviewWindow::scenarioEditRequested);
        e.list1()->setCurrentRow(5);
        QTest::keyClick(e.list1(), Qt::Key_Return);
        QVERIFY(spy.count() == 1 && e.state.selected_scn == 5);
    }

    // A click on a row selects it, names it in the caption and enables the buttons.
    void eachButtonActsOnTheClickedRow_data() { case_rows(kButtons); }
    void eachButtonActsOnTheClickedRow() {
        const auto& [what, button, row, answer, reopened, current, said] = fetched(kButtons);
        Editor e(kOpened);
        click_row(e.list1(), row);
        QCOMPARE(e.frame2(), QString("Selected scenario # = %1 - (an asterix (*) indicates an "
                                     "alternative GOTO)")
                                 .arg(row));
        if (reopened)
            e.open();
        QSignalSpy changed(&e.overview(), &OverviewWindow::scenarioListChanged);
        const bool changes = answer == Answer::Yes && !reopened;
        QStringList expected = files(e);
        if (button == "Command1" || button == "Command2")
            expected.insert(button == "Command1" ? row : row + 1, QString());
        else if (changes)
            expected.removeAt(row);
        e.answer(answer);
        click(e.overview(), button.toLatin1().constData());
        QCOMPARE(e.msgs.texts(), said);
        QCOMPARE(files(e), expected);
        QCOMPARE(e.field("Text1")->text(), QString::number(expected.size()));
        QCOMPARE(e.list1()->currentRow(), current);
        QCOMPARE(e.state.selected_scn, int16_t(current));
        QCOMPARE(changed.count(), changes ? 1 : 0);
        QCOMPARE(e.state.campaign_changed, changes);
    }
};

QTEST_MAIN(OverviewWindowFieldsTest)
#include "overview_fields_test.moc"
