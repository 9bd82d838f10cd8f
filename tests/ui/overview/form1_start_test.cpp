// The overview window at start: caption, menus and their states after the settings are read.
#include "model/state.h"
#include "support/fixtures.h"
#include "support/recording_messages.h"
#include "ui/overview/form1.h"

#include <QAction>
#include <QGroupBox>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QtTest>

using namespace mf7;
using namespace mf7::test;

class Form1StartTest : public QObject {
    Q_OBJECT
  private:
    static QStringList enabled_actions(const Form1& w) {
        QStringList out;
        for (const char* n : {"Mnew", "Mopen", "Msave_as", "Mclose", "language_conversion",
                              "Mreport", "exit", "Set_edit", "howto", "about"})
            if (w.action(n)->isEnabled())
                out << n;
        return out;
    }

  private slots:
    void captionsOfTheMenuBar() {
        EditorState state;
        RecordingMessages msgs;
        Form1 w(state, msgs);
        QCOMPARE(w.windowTitle(), QString("MF7-editor, Campaign overview."));
        QStringList top;
        for (QAction* a : w.menuBar()->actions())
            top << a->text().remove('&');
        QCOMPARE(top, (QStringList{"File", "Make Copy As..", "Reports", "Edit Folder settings",
                                   "Information"}));
        struct Entry {
            const char* name;
            const char* caption;
        } entries[] = {{"Mnew", "New"},
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
        for (const auto& e : entries)
            QCOMPARE(w.action(e.name)->text().remove('&'), QString(e.caption));
    }

    void withoutSettingsOnlyTheFolderSettingsAreUsable() {
        TempDir dir;
        EditorState state;
        state.start_folder = dir.str() + "/";
        RecordingMessages msgs;
        Form1 w(state, msgs);
        w.start();
        QCOMPARE(state.settings.program_folder, dir.str());
        QCOMPARE(msgs.shown.size(), size_t(1));
        QVERIFY(msgs.shown[0].text.find("read the ini-file from the MF7-editors root directory. "
                                        "Filename: mf7edit.ini") != std::string::npos);
        QCOMPARE(enabled_actions(w), (QStringList{"exit", "Set_edit", "howto", "about"}));
        QCOMPARE(w.findChild<QGroupBox*>("Frame2")->title(),
                 QString("Selected scenario # = None - (an asterix (*) indicates an alternative "
                         "GOTO)"));
        QVERIFY(!w.findChild<QPushButton*>("Command1")->isEnabled());
    }

    void withGoodSettingsNewAndOpenThenAFillEnablesTheRest() {
        DemoGame game;
        RecordingMessages msgs;
        write_ini(game);
        EditorState state;
        state.start_folder = game.dir.str();
        Form1 w(state, msgs);
        w.start();
        QVERIFY(msgs.shown.empty());
        QCOMPARE(enabled_actions(w),
                 (QStringList{"Mnew", "Mopen", "exit", "Set_edit", "howto", "about"}));
        state.camfil = demo::demo_campaign();
        w.udfyld_form1();
        QCOMPARE(enabled_actions(w),
                 (QStringList{"Mnew", "Mopen", "Msave_as", "Mclose", "language_conversion",
                              "Mreport", "exit", "Set_edit", "howto", "about"}));
        QCOMPARE(w.findChild<QListWidget*>("List1")->count(), 8);
    }

    void missingFolderDisablesTheFileCommands() {
        DemoGame game;
        RecordingMessages msgs;
        game.state.settings.mf7_rep = game.dir.file("no-reports");
        write_ini(game);
        EditorState state;
        state.start_folder = game.dir.str();
        Form1 w(state, msgs);
        w.start();
        QCOMPARE(msgs.shown.size(), size_t(1));
        QVERIFY(msgs.shown[0].text.rfind("You have to setup the directory settings", 0) == 0);
        QCOMPARE(enabled_actions(w), (QStringList{"exit", "Set_edit", "howto", "about"}));
    }

  private:
    // Writes the game's settings file beside the "program".
    static void write_ini(DemoGame& game) {
        RecordingMessages ignore;
        QVERIFY(write_settings(game.state.settings, "3.0.1", game.dir.str(), ignore));
    }
};

QTEST_MAIN(Form1StartTest)
#include "form1_start_test.moc"
