// The overview window at start: caption, menus and their states after the settings are read
// (the states after a good start and a fill are the file commands' test).
#include "support/editor_fixture.h"

#include <QMenuBar>

using namespace mf7;
using namespace mf7::test;

class OverviewWindowStartTest : public QObject {
    Q_OBJECT
  private slots:
    void captionsOfTheMenuBar() {
        EditorState state;
        RecordingMessages msgs;
        OverviewWindow w(state, msgs);
        QCOMPARE(w.windowTitle(), QString("MF7-editor, Campaign overview.[*]"));
        QStringList top;
        for (QAction* a : w.menuBar()->actions())
            top << a->text().remove('&');
        QCOMPARE(top, (QStringList{"File", "Edit", "Make Copy As..", "Reports",
                                   "Edit Folder settings", "Information"}));
        const char* entries[][2] = {{"Mnew", "New"},
                                    {"Mopen", "Open"},
                                    {"Msave_as", "Save as"},
                                    {"Mclose", "Clear"},
                                    {"exit", "Exit program"},
                                    {"mnu_missing", "Check for missing files"},
                                    {"mnu_camlst", "Make Campaign List"},
                                    {"skriv", "Make full Campaign Report"},
                                    {"Filelist", "Make Full Campaign Filelist"},
                                    {"howto", "How do I..."},
                                    {"about", "About"}};
        for (const auto& [name, caption] : entries)
            QCOMPARE(w.action(name)->text().remove('&'), QString(caption));
    }

    // Without a settings file, or with a folder missing, only the folder settings are usable.
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
        OverviewWindow w(state, msgs);
        w.start();
        QCOMPARE(state.settings.program_folder, game.dir.str());
        QCOMPARE(msgs.shown.size(), size_t(1));
        QVERIFY(QString::fromStdString(msgs.shown[0].text).startsWith(message));
        QCOMPARE(enabled_actions(w), kAlways);
        QCOMPARE(child<QGroupBox>(w, "Frame2")->title(),
                 QString("Selected scenario # = None - (an asterix (*) indicates an alternative "
                         "GOTO)"));
        QVERIFY(!child<QPushButton>(w, "Command1")->isEnabled());
    }
};

QTEST_MAIN(OverviewWindowStartTest)
#include "overview_start_test.moc"
