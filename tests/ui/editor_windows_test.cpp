// The window controller: windows made on first use (kept and returning: the editor flow's test),
// the help windows it opens, and every input named for screen readers.
#include "support/editor_fixture.h"
#include "ui/common/look.h"
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
