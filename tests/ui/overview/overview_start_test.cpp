// The overview window at start: its title, the menus' keys, and their states after the settings
// are read (the states after a good start and a fill are the file commands' test).
#include "support/editor_fixture.h"
#include "ui/help/about_window.h"
#include "ui/settings/folder_settings_window.h"

using namespace mf7;
using namespace mf7::test;

class OverviewWindowStartTest : public QObject {
    Q_OBJECT
  private slots:
    // Without a settings file, or with a folder missing, only the folder settings are usable, also
    // after a return from a window. The title carries the unsaved mark, and every platform gets the
    // usual keys, also one whose theme has none for Save as or Quit.
    void withoutUsableSettings_data() {
        QTest::addColumn<bool>("has_file");
        QTest::addColumn<QString>("message");
        QTest::newRow("no settings file") << false << "The error: >";
        QTest::newRow("a missing folder") << true << "You have to setup the directory settings";
    }
    void withoutUsableSettings() {
        QFETCH(bool, has_file);
        QFETCH(QString, message);
        DemoGame game;
        game.state.settings.mf7_rep = game.dir.file("no-reports");
        if (has_file)
            QVERIFY(write_settings(game.state.settings, "3.0.1", game.dir.str(), game.msgs));
        RecordingMessages msgs;
        EditorState state;
        state.start_folder = game.dir.str() + "/";
        EditorWindows windows(state, msgs);
        windows.start();
        OverviewWindow& w = windows.overview();
        QCOMPARE(w.windowTitle(), QString("MF7-editor, Campaign overview.[*]"));
        QCOMPARE(w.action("Mnew")->shortcut(), QKeySequence(QKeySequence::New));
        QCOMPARE(w.action("Mopen")->shortcut(), QKeySequence(QKeySequence::Open));
        QVERIFY(!w.action("Msave_as")->shortcut().isEmpty());
        QVERIFY(!w.action("exit")->shortcut().isEmpty());
        QCOMPARE(state.settings.program_folder, game.dir.str());
        QCOMPARE(msgs.shown.size(), size_t(1));
        QVERIFY(QString::fromStdString(msgs.shown[0].text).startsWith(message));
        QCOMPARE(enabled_actions(w), kAlways);
        w.action("about")->trigger();
        QVERIFY(windows.about().close());
        w.action("Set_edit")->trigger();
        QVERIFY(windows.folder_settings().close());
        QCOMPARE(enabled_actions(w), kAlways);
        QCOMPARE(child<QGroupBox>(w, "Frame2")->title(),
                 QString("Selected scenario # = None - (an asterix (*) indicates an alternative "
                         "GOTO)"));
        QVERIFY(!child<QPushButton>(w, "Command1")->isEnabled());
    }
};

QTEST_MAIN(OverviewWindowStartTest)
#include "overview_start_test.moc"
