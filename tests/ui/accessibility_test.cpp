// Screen readers announce each input by a name of its own, its label's text or a name saying
// what it holds; the title of the frame around it is what they fall back to, and is no name.
#include "support/editor_fixture.h"

#include <QAbstractSpinBox>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
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

class AccessibilityTest : public QObject {
    Q_OBJECT
  private slots:
    void everyInputHasANameOfItsOwn() {
        Editor e(kOpened);
        // Every window is made on first use: make them all.
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

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
