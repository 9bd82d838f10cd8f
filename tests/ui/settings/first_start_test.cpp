// The first start without a settings file: the way to a demo game and the way to the game's
// folder, each clicked through as a user does, in a home of the test's own.
#include "support/editor_fixture.h"
#include "ui/settings/first_start_window.h"
#include "ui/settings/folder_settings_window.h"

#include <filesystem>

using namespace mf7;
using namespace mf7::test;

namespace {

// A program folder without a settings file, and the user's folders in a temporary home.
struct FirstStart {
    TempDir home;
    EditorState state;
    RecordingMessages msgs;
    std::unique_ptr<EditorWindows> windows;

    // unreadable: something that is no file stands where the settings file belongs.
    explicit FirstStart(bool unreadable = false) {
        qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(home.file("config").str()));
        qputenv("XDG_DATA_HOME", QByteArray::fromStdString(home.file("data").str()));
        state.start_folder = home.file("bin");
        std::filesystem::create_directories(to_native(state.start_folder));
        if (unreadable)
            std::filesystem::create_directories(to_native(ini()));
        windows = std::make_unique<EditorWindows>(state, msgs);
        windows->start();
    }
    NativePath ini() const { return home.file("config/mf7edit/mf7edit.ini"); }
    NativePath demo() const { return home.file("data/mf7edit/demo-game"); }
    FirstStartWindow& window() { return windows->first_start(); }
    void click_button(const char* name) {
        QTest::mouseClick(child<QPushButton>(window(), name), Qt::LeftButton);
    }
};

} // namespace

class FirstStartTest : public QObject {
    Q_OBJECT
  private slots:
    // After the game's own message the window offers the demo; made, File > Open shows it at
    // once. A folder that holds anything but an earlier demo is not written into.
    void makingTheDemoGameLetsFileOpenShowIt() {
        // A new folder, then someone's folder with a file of theirs in it.
        for (const char* foreign_file : {"", "notes.txt"}) {
            const bool made = !*foreign_file;
            FirstStart f;
            if (!made)
                demo::write_bytes(join_path(f.demo(), foreign_file), "mine");
            QVERIFY(f.window().isVisible());
            QVERIFY(f.msgs.texts().at(0).starts_with("The error: >"));
            f.msgs.clear();
            f.click_button("MakeDemo");
            QCOMPARE(f.msgs.shown.size(), size_t(1));
            const std::string said = f.msgs.texts()[0];
            QVERIFY2(said.find(made ? f.ini().str() : f.demo().str()) != std::string::npos,
                     said.c_str());
            QCOMPARE(file_exists(f.ini()), made);
            QCOMPARE(f.window().isVisible(), !made);
            if (!made)
                continue;
            QVERIFY(f.windows->overview().isEnabled());
            menu_action(f.windows->overview(), "Mopen")->trigger();
            const QStringList listed = rows(child<QListWidget>(f.windows->chooser(), "File1"));
            QVERIFY2(listed.contains("DEMO.CAM"), qPrintable(listed.join(',')));
        }
    }

    // A settings file that is there but cannot be read gets the game's message alone.
    void anUnreadableSettingsFileIsNoFirstStart() {
        FirstStart f(true);
        QCOMPARE(f.msgs.shown.size(), size_t(1));
        QVERIFY(!f.window().isVisible() && f.windows->overview().isEnabled());
    }

    // A folder without the game's folders is named with what it lacks and the choice stays
    // open; the game's folder fills the folder settings, which save as they are.
    void choosingTheGameFolderFillsTheFolderSettings() {
        FirstStart f;
        TempDir game;
        std::string error;
        QVERIFY(demo::write_demo_game(game.path(), error));
        QStringList answers = {pathToQ(game.file("CAMPAIGN")), pathToQ(game.path())};
        f.window().ask_game_folder = [&](const QString&) { return answers.takeFirst(); };
        f.msgs.clear();
        f.click_button("ChooseFolder");
        QCOMPARE(f.msgs.shown.size(), size_t(1));
        QVERIFY(f.msgs.texts()[0].find("SCENARIO, SOUND, SMACK, TEXT") != std::string::npos);
        QVERIFY(f.window().isVisible());

        f.click_button("ChooseFolder");
        FolderSettingsWindow& w = f.windows->folder_settings();
        QVERIFY(!f.window().isVisible() && w.isVisible());
        const char* expected[] = {"CAMPAIGN", "SCENARIO", "SOUND", "SMACK", "TEXT"};
        for (int n = 2; n <= 6; ++n)
            QCOMPARE(pathFromQ(w.field(n)->text()), game.file(expected[n - 2]));
        QCOMPARE(pathFromQ(w.field(1)->text()), f.home.file("config/mf7edit"));
        QCOMPARE(pathFromQ(w.field(7)->text()), game.path());
        QCOMPARE(w.field(8)->text(), "txt");
        QCOMPARE(pathFromQ(w.field(9)->text()), game.file("REPORTS"));
        QTest::mouseClick(child<QPushButton>(w, "Command2"), Qt::LeftButton);
        QVERIFY(file_exists(f.ini()));
        QCOMPARE(enabled_actions(f.windows->overview()), kNoCampaign);
    }
};

QTEST_MAIN(FirstStartTest)
#include "first_start_test.moc"
