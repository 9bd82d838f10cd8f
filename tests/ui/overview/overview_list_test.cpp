// The overview's scenario list: selection, editing requests, and the insert and delete buttons
// (whose rules the list editing core test covers).
#include "support/editor_fixture.h"

#include <QSignalSpy>

using namespace mf7;
using namespace mf7::test;

namespace {

QStringList files(Editor& e) {
    QStringList out;
    for (const QString& row : rows(e.list1()))
        out << row.mid(5, 20).trimmed();
    return out;
}

const struct ButtonCase {
    const char* what;
    QString button;
    int row;
    Answer answer;
    int current; // the row selected afterwards
} kButtons[] = {
    {"insert before", "Command1", 0, Answer::Yes, 0},
    {"insert after", "Command2", 7, Answer::Yes, 7},
    {"delete the last", "Command3", 7, Answer::Yes, 6},
    {"delete answered No", "Command3", 3, Answer::No, 3},
};

} // namespace

class OverviewWindowListTest : public QObject {
    Q_OBJECT
  private slots:
    // Tabbing into the list, or a CTRL + click on the selected row, leaves the highlighted row
    // and the selected one the same. Enter then asks to edit the current row as a double-click
    // does (the editor flow's test); below the last row there is nothing to edit.
    void theHighlightedRowIsTheSelectedOneAndEnterEditsIt() {
        Editor e(kOpened);
        QVERIFY(show_active(e.overview()));
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
        QCOMPARE(highlighted(), 3);
        QCOMPARE(e.state.selected_scn, int16_t(3));
        QSignalSpy spy(&e.overview(), &OverviewWindow::scenarioEditRequested);
        e.list1()->setCurrentRow(5);
        QTest::keyClick(e.list1(), Qt::Key_Return);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(e.state.selected_scn, int16_t(5));
        QPoint below(10, e.list1()->visualItemRect(e.list1()->item(7)).bottom() + 20);
        QTest::mouseClick(e.list1()->viewport(), Qt::LeftButton, {}, below);
        QTest::mouseDClick(e.list1()->viewport(), Qt::LeftButton, {}, below);
        QCOMPARE(spy.count(), 1);
    }

    // A click on a row selects it, names it in the caption and enables the buttons.
    void eachButtonActsOnTheClickedRow_data() { case_rows(kButtons); }
    void eachButtonActsOnTheClickedRow() {
        const auto& [what, button, row, answer, current] = fetched(kButtons);
        Editor e(kOpened);
        click_row(e.list1(), row);
        QCOMPARE(e.frame2(), QString("Selected scenario # = %1 - (an asterix (*) indicates an "
                                     "alternative GOTO)")
                                 .arg(row));
        QSignalSpy changed(&e.overview(), &OverviewWindow::scenarioListChanged);
        QStringList expected = files(e);
        if (button == "Command1" || button == "Command2")
            expected.insert(button == "Command1" ? row : row + 1, QString());
        else if (answer == Answer::Yes)
            expected.removeAt(row);
        e.msgs.answers = {answer};
        click(e.overview(), button.toLatin1().constData());
        QCOMPARE(files(e), expected);
        QCOMPARE(e.field("Text1")->text(), QString::number(expected.size()));
        QCOMPARE(e.list1()->currentRow(), current);
        QCOMPARE(e.state.selected_scn, int16_t(current));
        QCOMPARE(changed.count(), answer == Answer::Yes ? 1 : 0);
        QCOMPARE(e.state.campaign_changed, answer == Answer::Yes);
    }

    // A selection left from before Open names no row on screen: the buttons say that nothing
    // is selected and change nothing.
    void aSelectionFromBeforeOpenIsNoSelection() {
        Editor e(kOpened);
        click_row(e.list1(), 7);
        e.open();
        e.msgs.answers = {Answer::Yes};
        click(e.overview(), "Command3");
        QCOMPARE(e.msgs.texts(),
                 Texts{"No Scenario selected, click on the scenario you want to delete."});
        QCOMPARE(e.list1()->count(), 8);
        QCOMPARE(e.list1()->currentRow(), -1);
    }
};

QTEST_MAIN(OverviewWindowListTest)
#include "overview_list_test.moc"
