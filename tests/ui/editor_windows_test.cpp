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
            QCOMPARE(enabled_actions(e.overview()), kNoCampaign);
            if (first_about)
                QCOMPARE(w, first_about);
            else if (name == WindowId::About)
                first_about = w;
        }
        QVERIFY(!e.windows.created(WindowId::FolderPicker));
    }

    // Returning to the overview enables only what the state allows: no campaign, no reports.
    void theMenusFollowTheStateOnReturn_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<bool>("settings_file");
        QTest::newRow("about without settings") << "about" << false;
        QTest::newRow("folder settings, no settings") << "Set_edit" << false;
        QTest::newRow("a failed Save Settings") << "Set_edit" << true;
    }
    void theMenusFollowTheStateOnReturn() {
        QFETCH(QString, entry);
        QFETCH(bool, settings_file);
        DemoGame game;
        if (settings_file)
            QVERIFY(write_settings(game.state.settings, "3.0.1", game.dir.str(), game.msgs));
        EditorWindows windows(game.state, game.msgs);
        windows.start();
        OverviewWindow& f1 = windows.overview();
        f1.action(entry.toLatin1().constData())->trigger();
        QWidget* w = shown_besides(f1);
        QVERIFY(w);
        if (settings_file) {
            child<QLineEdit>(*w, "Text1")->setText(QString::fromStdString(game.dir.file("gone")));
            click(*w, "Command2");
        }
        QVERIFY(w->close());
        QCOMPARE(enabled_actions(f1), kAlways);
    }
};

QTEST_MAIN(EditorWindowsTest)
#include "editor_windows_test.moc"
