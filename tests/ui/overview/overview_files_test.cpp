// The overview's file commands (New, Open, Save as, Save, Export, Clear, Exit, the close box) with
// the questions that guard unsaved work and the menu states they leave.
#include "model/campaign_text.h"
#include "support/editor_fixture.h"
#include "ui/common/message_boxes.h"
#include "ui/overview/new_campaign_dialog.h"
#include "ui/overview/recent_campaigns.h"

#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTimer>
#include <filesystem>

using namespace mf7;
using namespace mf7::test;

namespace {

// What the header and trailer show: Text1 to Text5 and the main country.
QStringList shown(Editor& e) {
    QStringList out;
    for (const char* name : {"Text1", "Text2", "Text3", "Text4", "Text5"})
        out << e.field(name)->text();
    return out << child<QLabel>(e.overview(), "Label7")->text();
}

const struct ExitCase {
    const char* what;
    bool close_box, changed;
    Answer answer;
} kExits[] = {
    {"Exit, nothing changed", false, false, Answer::Yes},
    {"Exit, Yes", false, true, Answer::Yes},
    {"close box, Yes", true, true, Answer::Yes},
    {"close box, No", true, true, Answer::No},
};

const std::string kOpenQuestion =
    "Current Campaign has changed, do you wish to save it, before you read the next?";
const std::string kClearQuestion = "Do you want to clear the content of this Campaign? ";
const struct Question {
    const char *what, *entry;
    Answer answer;
} kQuestions[] = {
    {"Open, Yes", "Mopen", Answer::Yes},       {"Open, No", "Mopen", Answer::No},
    {"Open, Cancel", "Mopen", Answer::Cancel}, {"Clear, Yes", "Mclose", Answer::Yes},
    {"Clear, No", "Mclose", Answer::No},
};

// What replaces the campaign a Save as chooser was opened for: another file (every way of opening
// one reads it alike; here C2.CAM, a copy of the demo's, from Recent campaigns), New, or Clear.
const struct Replacement {
    const char* what;
    std::function<void(Editor&, const QString&)> replace;
} kReplacements[] = {
    {"recent entry",
     [](Editor& e, const QString& c2) {
         recent_campaigns::add(c2);
         e.overview().apply_menu_states();
         e.overview().findChild<QMenu*>("Mrecent")->actions()[0]->trigger();
     }},
    {"New",
     [](Editor& e, const QString&) {
         e.trigger("Mnew");
         NewCampaignDialog& d = e.windows.new_campaign_dialog();
         QTest::keyClicks(child<QLineEdit>(d, "Text1"), "fresh");
         QTest::mouseClick(child<QPushButton>(d, "OKButton"), Qt::LeftButton);
     }},
    {"Clear",
     [](Editor& e, const QString&) {
         e.answer(Answer::Yes);
         e.trigger("Mclose");
     }},
};

// What Save as proposes: folder and name.
std::pair<NativePath, QString> save_as_proposal(Editor& e) {
    e.trigger("Msave_as");
    auto out = std::make_pair(e.windows.chooser().folder(), e.chooser_name()->text());
    click(e.windows.chooser(), "Command2");
    return out;
}

} // namespace

class OverviewWindowFilesTest : public QObject {
    Q_OBJECT
  private slots:
    // Without a settings file, or with a folder missing, only the folder settings are usable.
    void withoutUsableSettings() {
        for (auto [has_file, message] : {std::pair{false, "The error: >"},
                                         {true, "You have to setup the directory settings"}}) {
            DemoGame game;
            // Without a file beside the program the settings are the user's, not the folder's.
            QByteArray old_config = qgetenv("XDG_CONFIG_HOME");
            qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(game.dir.file("config").str()));
            game.state.settings.mf7_rep = game.dir.file("no-reports");
            if (has_file)
                QVERIFY(write_settings(game.state.settings, "3.0.1", game.dir.path(), game.msgs));
            RecordingMessages msgs;
            EditorState state;
            state.start_folder = NativePath(game.dir.str() + "/");
            // Recent campaigns open as File > Open does: not without the folders either.
            recent_campaigns::add(pathToQ(game.campaign_path()));
            EditorWindows windows(state, msgs);
            windows.start();
            OverviewWindow& w = windows.overview();
            QVERIFY(!menu_action(w, "Mrecent")->isEnabled());
            recent_campaigns::remove(pathToQ(game.campaign_path()));
            qputenv("XDG_CONFIG_HOME", old_config);
            QCOMPARE(msgs.shown.size(), size_t(1));
            QVERIFY(QString::fromStdString(msgs.shown[0].text).startsWith(message));
            QCOMPARE(enabled_actions(w), kAlways);
            // The caption's note after the number is the one every selection shows.
            QVERIFY(
                child<QGroupBox>(w, "Frame2")->title().startsWith("Selected scenario # = None - "));
            QVERIFY(!child<QPushButton>(w, "Command1")->isEnabled());
        }
    }

    // New asks nothing, even with unsaved changes: OK makes an empty campaign to be saved
    // under the typed name.
    void okMakesAnEmptyCampaignUnderTheTypedName() {
        for (auto [typed, name] : {std::pair{" abc ", "abc.cam"}, {"ABC.CAM", "ABC.CAM"}}) {
            Editor e(kOpened);
            click_row(e.list1(), 1);
            e.state.campaign_changed = true;
            QSignalSpy hide(&e.overview(), &OverviewWindow::scenarioListWindowHideRequested);
            e.trigger("Mnew");
            NewCampaignDialog& d = e.windows.new_campaign_dialog();
            QLineEdit* text1 = child<QLineEdit>(d, "Text1");
            QPushButton* ok = child<QPushButton>(d, "OKButton");
            QVERIFY(show_active(d) && !ok->isEnabled());
            QVERIFY(hide.count() == 1 && e.msgs.shown.empty() && e.frame2().isEmpty());
            QTest::keyClicks(text1, typed);
            QTest::mouseClick(ok, Qt::LeftButton);
            QVERIFY(!d.isVisible() && e.overview().isEnabled() && !e.state.campaign_changed);
            QCOMPARE(e.list1()->count(), 1); // one empty scenario
            QCOMPARE(save_as_proposal(e), std::make_pair(e.state.settings.mf7_cam, QString(name)));
            // The dialog keeps the last name for the next New, with OK disabled. Cancel keeps the
            // campaign on screen with its unsaved changes, but without a file name.
            e.state.campaign_changed = true;
            e.trigger("Mnew");
            QVERIFY(text1->text() == name && !ok->isEnabled());
            text1->setText("abc");
            click(d, "CancelButton");
            QVERIFY(text1->text().isEmpty() && e.state.campaign_changed);
            QVERIFY(e.state.cam_path.empty() && e.state.cam_folder.empty() &&
                    e.state.cam_name.empty());
            QCOMPARE(save_as_proposal(e),
                     std::make_pair(e.state.settings.mf7_cam, QString("newcamp.cam")));
        }
    }

    // Export as text (to a bare name + ".json") and Save as (offering the campaign's own name and
    // folder) write it byte for byte with the typed film name; Export leaves the record as it was,
    // and the change counts until a write succeeds.
    void openThenSaveAs() {
        Editor e(kShown);
        QCOMPARE(shown(e), (QStringList{"8", "1200", "victory.smk", "defeat.smk", "demo.txt",
                                        "Main Country : Germany"}));
        QCOMPARE(enabled_actions(e.overview()), kCampaign);
        e.type("Text3", "won");
        // The file's bytes with win_smk (offset 4, 20 bytes) holding the typed name.
        std::string expected = read_all(e.game.campaign_path());
        expected.replace(4, 20, std::string("won.smk") + std::string(13, '\0'));
        const CampaignRecord before = e.state.campaign;
        QString proposed;
        NativePath chosen = join_path(e.game.dir.path(), "demo-text");
        e.overview().ask_text_export_path = [&](const QString& p) {
            proposed = p;
            return pathToQ(chosen);
        };
        e.trigger("Mexport");
        QCOMPARE(proposed, pathToQ(join_path(e.state.settings.mf7_cam, "DEMO.json")));
        CampaignRecord written;
        std::string error;
        QVERIFY2(campaign_from_text(read_all(NativePath(chosen.str() + ".json")), written, error),
                 error.c_str());
        QVERIFY(campaign_to_bytes(written) == expected && e.state.campaign == before);
        // The prestige typed is folded and stored when Save as takes the focus from the field.
        e.type("Text2", "70000");
        e.trigger("Msave_as");
        FileChooser& chooser = e.windows.chooser();
        QCOMPARE(e.chooser_name()->text(), QString("DEMO.CAM"));
        click(chooser, "Command2");
        QVERIFY(e.msgs.shown.empty() && e.state.campaign_changed);

        // Answered No, or a folder that does not exist (one more message): nothing is written.
        const NativePath& folder = e.state.settings.mf7_cam;
        for (auto [answer, typed, asked] :
             {std::tuple{Answer::No, "other", 1}, std::tuple{Answer::Yes, "nowhere/x", 2}}) {
            e.save_as(typed, answer);
            QCOMPARE(e.msgs.shown.size(), size_t(asked));
            QVERIFY(e.state.campaign_changed);
        }
        QVERIFY(!file_exists(join_path(folder, "other.cam")));

        e.save_as("MyCamp", Answer::Yes);
        expected.replace(2, 2, "\x71\x11"); // 4465, low byte first
        QVERIFY(read_all(join_path(folder, "mycamp.cam")) == expected);
        QVERIFY(!e.state.campaign_changed && !chooser.isVisible());
        QVERIFY(e.windows.chooser().target() == ChooserTarget{});

        // A double-click saves under the name as listed.
        NativePath old = join_path(folder, "Old.CAM");
        QVERIFY(demo::write_bytes(old, "old"));
        e.trigger("Msave_as");
        e.answer(Answer::Yes);
        double_click_row(e.file1(), row_named(e.file1(), "Old.CAM"));
        QVERIFY(read_all(old) == expected && !chooser.isVisible());
        QCOMPARE(e.state.cam_name, "Old.CAM"_path);
    }

    // A Save as chooser belongs to the campaign it was opened for: whatever replaces that
    // campaign closes it, and the next Save as offers the new campaign's own name.
    void saveChooserFollowsTheCampaign_data() { case_rows(kReplacements); }
    void saveChooserFollowsTheCampaign() {
        const Replacement& c = fetched(kReplacements);
        Editor e(kOpened);
        NativePath c2 = join_path(e.state.settings.mf7_cam, "C2.CAM");
        QVERIFY(demo::write_bytes(c2, read_all(e.game.campaign_path())));
        QVERIFY(show_active(e.overview()));
        e.trigger("Msave_as");
        FileChooser& chooser = e.windows.chooser();
        QVERIFY(chooser.isVisible());
        c.replace(e, pathToQ(c2));
        QVERIFY(!chooser.isVisible() && chooser.target().kind != ChooserTarget::Kind::SaveAs);
        if (QByteArray(c.what) == "Clear")
            return; // nothing left to save
        e.trigger("Msave_as");
        QVERIFY(e.chooser_name()->text() != "DEMO.CAM");
    }

    // File > Save (Ctrl+S) writes the campaign to its own file after Save as's question; a new
    // campaign has none, so Ctrl+S opens Save as. The title names the file, then the unsaved mark.
    void saveWritesTheOwnFile() {
        Editor e(kShown);
        QCOMPARE(e.overview().windowTitle(),
                 QString("MF7-editor, Campaign overview. - DEMO.CAM[*]"));
        const NativePath path = e.game.campaign_path();
        std::string expected = read_all(path);
        e.type("Text2", "1300");
        for (Answer answer : {Answer::No, Answer::Yes}) {
            e.answer(answer);
            QTest::keyClick(e.field("Text2"), Qt::Key_S, Qt::ControlModifier);
            QCOMPARE(e.msgs.texts(), Texts{"F1-I02: Do you want to save this file: " + path.str()});
            QCOMPARE(e.overview().isWindowModified(), answer == Answer::No);
        }
        expected.replace(2, 2, "\x14\x05"); // 1300, low byte first
        QVERIFY(read_all(path) == expected && !e.windows.chooser().isVisible());

        kReplacements[1].replace(e, QString()); // New
        QCOMPARE(e.overview().windowTitle(), QString("MF7-editor, Campaign overview.[*]"));
        QVERIFY(!e.action("Msave")->isEnabled());
        QVERIFY(show_active(e.overview()));
        e.msgs.clear();
        QTest::keyClick(e.field("Text2"), Qt::Key_S, Qt::ControlModifier);
        QVERIFY(e.msgs.shown.empty() && e.windows.chooser().isVisible());
        QCOMPARE(e.windows.chooser().target().kind, ChooserTarget::Kind::SaveAs);
        click(e.windows.chooser(), "Command2");

        // The Save as question, there to check the target, names it whole, letters beyond
        // Windows-1252 included, and so does the message box that shows it.
        NativePath folder = e.game.dir.file("Łódź Игры");
        std::filesystem::create_directories(to_native(folder));
        e.state.cam_folder = folder;
        e.save_as("saved");
        QCOMPARE(e.msgs.shown.size(), std::size_t(1));
        const QString whole = QString::fromStdString(
            "F1-I02: Do you want to save this file: " + folder.str() + "/saved.cam");
        QString boxed;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box) {
                boxed = box->text();
                box->button(QMessageBox::No)->click();
            }
        });
        QCOMPARE(MessageBoxes().show(e.msgs.shown[0].text, Buttons::YesNo, false), Answer::No);
        QCOMPARE(boxed, whole);
    }

    // Which question goes with which change is the file commands' core test; here both ways
    // out reach it, and each answer ends the program or not.
    void exitAndTheCloseBox_data() { case_rows(kExits); }
    void exitAndTheCloseBox() {
        const auto& [what, close_box, changed, answer] = fetched(kExits);
        Editor e(kOpened);
        e.state.campaign_changed = changed;
        e.answer(answer);
        std::string before = read_all(e.game.campaign_path());
        bool ends = !changed || answer == Answer::No;
        if (close_box)
            QCOMPARE(e.overview().close(), ends);
        else
            e.trigger("exit");
        QCOMPARE(e.msgs.shown.size(), size_t(changed ? 1 : 0));
        QCOMPARE(e.quits, ends ? 1 : 0);
        QCOMPARE(e.overview().isVisible(), !(close_box && ends));
        // Exit never saves anything itself.
        QVERIFY(read_all(e.game.campaign_path()) == before);
    }

    // Open and Clear hide the scenario list and ask first when the campaign changed (a click in a
    // name field counts). Only Open's No goes on to the chooser, on the campaign folder, and only
    // Clear's Yes clears. The list buttons stay enabled once a row was clicked.
    void openAndClearAskFirst_data() { case_rows(kQuestions); }
    void openAndClearAskFirst() {
        const auto& [what, entry, answer] = fetched(kQuestions);
        const bool open = QByteArray(entry) == "Mopen", chooser = open && answer == Answer::No;
        Editor e(kShown);
        click_row(e.list1(), 2);
        QTest::mouseClick(e.field("Text3"), Qt::LeftButton);
        QSignalSpy hide(&e.overview(), &OverviewWindow::scenarioListWindowHideRequested);
        e.answer(answer);
        e.trigger(entry);
        QCOMPARE(e.msgs.texts(), Texts{open ? kOpenQuestion : kClearQuestion});
        QCOMPARE(e.msgs.shown[0].buttons, open ? Buttons::YesNoCancel : Buttons::YesNo);
        QCOMPARE(hide.count(), 1);
        if (!open)
            QCOMPARE(e.frame2(), QString());
        QCOMPARE(e.windows.chooser().isVisible(), chooser);
        if (chooser) {
            QCOMPARE(e.windows.chooser().folder(), e.state.settings.mf7_cam);
            QVERIFY(!child<QPushButton>(e.windows.chooser(), "Command1")->isEnabled());
            // Cancelling the chooser keeps the campaign on screen counted as unsaved.
            click(e.windows.chooser(), "Command2");
        }
        QVERIFY(child<QPushButton>(e.overview(), "Command1")->isEnabled());
        if (open || answer == Answer::No) {
            QCOMPARE(e.list1()->count(), 8);
            QVERIFY(e.state.campaign_changed);
            return;
        }
        QCOMPARE(e.list1()->count(), 0);
        QCOMPARE(shown(e), (QStringList{"0", "0", "", "", "", ""}));
        QCOMPARE(e.field("Text6")->text(), QString());
        QVERIFY(e.state.cam_path.empty() && e.state.cam_folder.empty() && e.state.cam_name.empty());
        CampaignRecord empty;
        reset_campaign(empty);
        QVERIFY(e.state.campaign == empty && !e.state.campaign_changed);
        QCOMPARE(enabled_actions(e.overview()), kNoCampaign);
    }
};

QTEST_MAIN(OverviewWindowFilesTest)
#include "overview_files_test.moc"
