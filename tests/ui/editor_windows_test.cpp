// The window controller: windows made on first use and kept, the opener disabled meanwhile.
#include "support/editor_fixture.h"

#include <QApplication>

using namespace mf7;
using namespace mf7::test;

namespace {

QWidget* shown_besides(QWidget& overview) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w != &overview)
            return w;
    return nullptr;
}

} // namespace

class EditorWindowsTest : public QObject {
    Q_OBJECT
  private slots:
    // Each window is made on its first use and kept; its close box returns to the overview as
    // its own button does.
    void windowsAreMadeOnFirstUseAndTheCloseBoxReturns() {
        Editor e;
        const char* windows[][2] = {
            {"Mnew", "dialog"}, {"Mopen", "form2"}, {"Set_edit", "form4"},
            {"howto", "form6"}, {"about", "form7"}, {"about", "form7"},
        };
        QWidget* first_about = nullptr;
        for (const auto& [entry, name] : windows) {
            QVERIFY2(e.windows.created(name) == (first_about != nullptr), name);
            e.trigger(entry);
            QVERIFY(e.windows.created(name));
            QWidget* w = shown_besides(e.form1());
            QVERIFY2(w && !e.form1().isEnabled(), entry);
            QVERIFY(w->close());
            QVERIFY2(!w->isVisible() && e.form1().isEnabled(), entry);
            if (first_about)
                QCOMPARE(w, first_about);
            else if (QLatin1String(name) == "form7")
                first_about = w;
        }
        QVERIFY(!e.windows.created("form5"));
    }

    void theChooserReturnsToTheWindowItsCallerNames() {
        Editor e;
        QWidget editor;
        e.windows.extra_window = [&editor](const std::string& name) {
            return name == "form3" ? &editor : nullptr;
        };
        QCOMPARE(e.windows.window_named("form1"), static_cast<QWidget*>(&e.form1()));
        QCOMPARE(e.windows.window_named("form3"), &editor);
        QCOMPARE(e.windows.window_named("form9"), static_cast<QWidget*>(nullptr));
        ChooserSetup setup;
        setup.folder = e.state.settings.mf7_mus;
        setup.pattern = "*.mus";
        setup.target = "text8";
        setup.return_form = "form3";
        e.windows.open_chooser(setup, &editor);
        QVERIFY(!editor.isEnabled());
        QVERIFY(e.form1().isEnabled());
        click(e.windows.form2(), "Command2");
        QVERIFY(editor.isEnabled());
        QCOMPARE(e.state.chooser_target, std::string("text8"));
    }
};

QTEST_MAIN(EditorWindowsTest)
#include "editor_windows_test.moc"
