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
        const std::pair<const char*, WindowId> windows[] = {
            {"Mnew", WindowId::NewCampaign},
            {"Mopen", WindowId::FileChooser},
            {"Set_edit", WindowId::FolderSettings},
            {"howto", WindowId::HowTo},
            {"about", WindowId::About},
            {"about", WindowId::About},
        };
        QWidget* first_about = nullptr;
        for (const auto& [entry, name] : windows) {
            QVERIFY2(e.windows.created(name) == (first_about != nullptr), entry);
            e.trigger(entry);
            QVERIFY(e.windows.created(name));
            QWidget* w = shown_besides(e.overview());
            QVERIFY2(w && !e.overview().isEnabled(), entry);
            QVERIFY(w->close());
            QVERIFY2(!w->isVisible() && e.overview().isEnabled(), entry);
            if (first_about)
                QCOMPARE(w, first_about);
            else if (name == WindowId::About)
                first_about = w;
        }
        QVERIFY(!e.windows.created(WindowId::FolderPicker));
    }
};

QTEST_MAIN(EditorWindowsTest)
#include "editor_windows_test.moc"
