// The window controller: windows made on first use (kept and returning: the editor flow's test),
// the help windows it opens, and every input named for screen readers.
#include "support/editor_fixture.h"
#include "ui/common/look.h"
#include "ui/common/text_window.h"
#include "ui/copy/copy_window.h"
#include "ui/editor/scenario_editor.h"
#include "ui/help/about_window.h"
#include "ui/help/how_to_window.h"

#include <QAbstractSpinBox>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>

using namespace mf7;
using namespace mf7::test;

namespace {

bool is_input(const QWidget* w) {
    return qobject_cast<const QLineEdit*>(w) || qobject_cast<const QAbstractItemView*>(w) ||
           qobject_cast<const QPlainTextEdit*>(w) || qobject_cast<const QComboBox*>(w) ||
           qobject_cast<const QAbstractSpinBox*>(w);
}

// The combo box's own line edit and popup list are announced as part of it.
bool inside_combo_box(const QWidget* w) {
    for (const QWidget* p = w->parentWidget(); p; p = p->parentWidget())
        if (qobject_cast<const QComboBox*>(p))
            return true;
    return false;
}

QString frame_title(const QWidget* w) {
    for (const QWidget* p = w->parentWidget(); p; p = p->parentWidget())
        if (auto* g = qobject_cast<const QGroupBox*>(p))
            return g->title();
    return {};
}

// A way out of the overview into another window and back; `focus` is the overview's input the
// user was in.
struct Return {
    const char* what;
    const char* focus;
    void (*there_and_back)(Editor&);
};
const Return kReturns[] = {
    {"row, editor, Escape", "List1",
     [](Editor& e) {
         double_click_row(e.list1(), 3);
         // The editor's own window, not the overview it belongs to, which counts as active too.
         QTRY_VERIFY(QApplication::activeWindow() == &e.windows.editor());
         QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
         QVERIFY(!e.windows.editor().isVisible());
     }},
    {"row, copy window hiding the overview, close box", "List1",
     [](Editor& e) {
         click_row(e.list1(), 3);
         e.trigger("language_conversion");
         QVERIFY(!e.overview().isVisible());
         e.windows.copy_window().close();
     }},
    {"description, text window, close box", "Text5",
     [](Editor& e) {
         e.field("Text5")->setText("brief");
         QTest::mouseClick(e.field("Text5"), Qt::LeftButton, Qt::ShiftModifier, QPoint(5, 5));
         QVERIFY(e.windows.text_window().isVisible());
         e.windows.text_window().close();
     }},
};

bool centred_over(const QWidget& w, const QWidget& owner) {
    // Within the few pixels a window grows by when its style is applied on showing.
    QPoint off = w.frameGeometry().center() - owner.frameGeometry().center();
    return std::abs(off.x()) <= 4 && std::abs(off.y()) <= 4;
}

} // namespace

class EditorWindowsTest : public QObject {
    Q_OBJECT
  private slots:
    // Each box of the legend is painted in the colour it names; Return gives the overview back
    // the focus.
    void theLegendThenReturn() {
        Editor e;
        QVERIFY(show_active(e.overview()));
        e.trigger("howto");
        HowToWindow& w = e.windows.how_to();
        const std::pair<QColor, const char*> legend[] = {
            {Qt::white, "white"},     {look::kLightGreen, "green"},
            {look::kCyan, "blue"},    {look::kGrey, "grey"},
            {look::kLightRed, "red"}, {look::kYellow, "SHIFT + LEFTCLICK"}};
        for (int i = 0; i < 6; ++i) {
            auto* t = child<QPlainTextEdit>(w, qPrintable(QString("Text%1").arg(i + 1)));
            QVERIFY(t->isReadOnly() && t->toPlainText().contains(legend[i].second));
            QCOMPARE(look::background(t), legend[i].first);
        }
        click(w, "Command1");
        QTRY_VERIFY(e.overview().isActiveWindow());
    }

    // Back from another window, the focus is where the user left the overview, never in the
    // first field (the read-only scenario count).
    void theFocusReturnsWhereTheUserWas_data() { case_rows(kReturns); }
    void theFocusReturnsWhereTheUserWas() {
        const Return& c = fetched(kReturns);
        Editor e(kOpened);
        QVERIFY(show_active(e.overview()));
        c.there_and_back(e);
        QTRY_VERIFY(e.overview().isActiveWindow() && e.overview().isEnabled());
        QVERIFY(QApplication::focusWidget());
        QCOMPARE(QApplication::focusWidget()->objectName(), QString(c.focus));
        QCOMPARE(e.list1()->currentRow(), c.focus == QString("List1") ? 3 : -1);
    }

    // About and the choosers open centred over the window that opened them, wherever it was moved
    // since the last time; the editor, too, gets its focus back from its chooser.
    void choosersAndAboutOpenOverTheirWindow() {
        Editor e(kOpened);
        QVERIFY(show_active(e.overview()));
        for (QPoint at : {QPoint(0, 0), QPoint(60, 40)}) {
            e.overview().move(at);
            e.trigger("about");
            QVERIFY(centred_over(e.windows.about(), e.overview()));
            click(e.windows.about(), "Command1");
            QTest::mouseDClick(e.field("Text3"), Qt::LeftButton);
            QVERIFY(centred_over(e.windows.chooser(), e.overview()));
            e.windows.chooser().close();
        }
        double_click_row(e.list1(), 3);
        ScenarioEditor& editor = e.windows.editor();
        editor.move(30, 20);
        QTRY_VERIFY(QApplication::activeWindow() == &editor);
        QTest::mouseDClick(editor.field(7), Qt::LeftButton);
        QVERIFY(e.windows.chooser().isVisible());
        QVERIFY(centred_over(e.windows.chooser(), editor));
        // Back in the editor, the focus is in the field that asked for the chooser.
        e.windows.chooser().close();
        QTRY_VERIFY(QApplication::activeWindow() == &editor);
        QCOMPARE(QApplication::focusWidget(), editor.field(7));
    }

    // Screen readers announce each input by a name of its own, its label's text or a name saying
    // what it holds; the title of the frame around it is what they fall back to, and is no name.
    void everyInputHasANameOfItsOwn() {
        Editor e(kOpened);
        // Every window is made on its first use (the chooser's was Open): make them all.
        for (WindowId id : {WindowId::NewCampaign, WindowId::FolderSettings, WindowId::FolderPicker,
                            WindowId::HowTo, WindowId::About, WindowId::ScenarioEditor,
                            WindowId::ScenarioList, WindowId::TextWindow, WindowId::Copy})
            QVERIFY(!e.windows.created(id));
        e.windows.chooser(), e.windows.new_campaign_dialog(), e.windows.folder_settings();
        e.windows.folder_picker(), e.windows.how_to(), e.windows.about(), e.windows.editor();
        e.windows.scenario_list(), e.windows.text_window(), e.windows.copy_window();
        QStringList unnamed;
        int inputs = 0;
        for (QWidget* w : QApplication::allWidgets()) {
            if (!is_input(w) || inside_combo_box(w))
                continue;
            ++inputs;
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
            QString name = a ? a->text(QAccessible::Name).trimmed() : QString();
            if (name.isEmpty() || name == frame_title(w))
                unnamed << w->window()->objectName() + "/" + w->objectName() + " \"" + name + "\"";
        }
        QVERIFY(inputs > 30);
        unnamed.sort();
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(", ")));
    }
};

QTEST_MAIN(EditorWindowsTest)
#include "editor_windows_test.moc"
