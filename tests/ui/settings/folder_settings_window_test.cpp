// The folder settings window: filling, colours, saving, the extension, and the folder picker it
// opens.
#include "platform/drives.h"
#include "support/editor_fixture.h"
#include "ui/common/look.h"
#include "ui/settings/folder_picker.h"
#include "ui/settings/folder_settings_window.h"

#include <QComboBox>

#include <filesystem>

using namespace mf7;
using namespace mf7::test;

namespace {

// The colours of the folder fields Text1 to Text7 and Text9.
QStringList colours(FolderSettingsWindow& w) {
    QStringList out;
    for (int n : {1, 2, 3, 4, 5, 6, 7, 9})
        out << (look::background(w.field(n)) == look::kLightGreen ? "green"
                : look::background(w.field(n)) == look::kLightRed ? "red"
                                                                  : "other");
    return out;
}

FolderSettingsWindow& open_settings(Editor& e) {
    e.trigger("Set_edit");
    return e.windows.folder_settings();
}

} // namespace

class FolderSettingsWindowTest : public QObject {
    Q_OBJECT
  private slots:
    // Opening fills the fields from the settings. Save writes them only when every folder
    // exists; the colours follow each save.
    void savingColoursTheFoldersAndWritesOnlyWhenAllExist() {
        Editor e(kOpened);
        e.state.settings.settings_changed = true;
        FolderSettingsWindow& w = open_settings(e);
        const Settings& s = e.state.settings;
        const NativePath folders[] = {s.program_folder, s.mf7_cam, s.mf7_scn,  s.mf7_mus, s.mf7_smk,
                                      s.mf7_txt,        s.mf7main, "txt"_path, s.mf7_rep};
        for (int n = 1; n <= 9; ++n)
            QCOMPARE(pathFromQ(w.field(n)->text()), folders[n - 1]);
        QVERIFY(!e.state.settings.settings_changed);
        // A folder name beyond Windows-1252 passes whole from the field to the settings.
        NativePath missing = e.game.dir.file("Łódź 東京 Игры");
        w.field(9)->setText(pathToQ(missing));
        click(w, "Command2");
        QCOMPARE(e.msgs.texts(), Texts{"You have to set the directory settings correctly, before "
                                       "you can continue."});
        QCOMPARE(colours(w), (QStringList(7, "green") << "red"));
        QVERIFY(w.isVisible());
        QCOMPARE(e.state.settings.mf7_rep, missing);

        e.msgs.clear();
        std::filesystem::create_directories(to_native(missing));
        click(w, "Command2");
        QCOMPARE(e.msgs.shown.size(), size_t(1));
        QCOMPARE(colours(w), QStringList(8, "green"));
        QVERIFY(!w.isVisible() && e.overview().isEnabled());
        // The campaign still on screen can be saved again.
        QCOMPARE(enabled_actions(e.overview()), kCampaign);
    }

    // The typed extension and Enter on a folder on no drive (the main drive then) take effect at
    // once, and Cancel keeps the extension; the home folder's own drive lists from its top, and a
    // drive that stops answering gets the game's message, the picker going on at the main drive.
    void theExtensionAndTheDrivesTakeEffectAtOnce() {
        TempDir dir;
        NativePath home = dir.file("ann");
        std::filesystem::create_directories(to_native(join_path(home, "films")));
        QByteArray old_home = qgetenv("HOME");
        qputenv("HOME", QByteArray::fromStdString(home.str()));
        Editor e;
        e.state.settings.mf7_cam = "no-drive/campaigns"_path;
        e.state.settings.mf7_smk = join_path(home, "films");
        FolderSettingsWindow& w = open_settings(e);
        w.field(8)->setFocus();
        w.field(8)->selectAll();
        QTest::keyClicks(w.field(8), "deu");
        QCOMPARE(e.state.settings.text_ext, std::string(".deu"));
        QVERIFY(e.state.settings.settings_changed);
        e.state.settings.settings_changed = false;
        w.field(2)->setFocus();
        QTest::keyClick(w.field(2), Qt::Key_Return);
        FolderPicker& p = e.windows.folder_picker();
        QCOMPARE(e.state.settings.mf7_cam, main_drive());
        QVERIFY(e.state.settings.settings_changed && p.isVisible());
        QCOMPARE(p.dir_path(), drive_root(main_drive()));
        click(p, "Command2");

        w.field(5)->setFocus();
        QTest::keyClick(w.field(5), Qt::Key_Return);
        qputenv("HOME", old_home); // the picker has read its drives
        QCOMPARE(rows(child<QListWidget>(p, "Dir1")), (QStringList{pathToQ(home), "  films"}));
        std::filesystem::remove_all(to_native(home));
        auto* drives = child<QComboBox>(p, "Drive1");
        QCOMPARE(pathFromQ(drives->currentText()), home);
        drives->setFocus();
        QTest::keyClick(drives, Qt::Key_Up);
        QTest::keyClick(drives, Qt::Key_Down);
        QCOMPARE(e.msgs.texts(), Texts{drive_not_responding(home)});
        QCOMPARE(p.dir_path(), drive_root(main_drive()));
        QCOMPARE(drives->currentIndex(), 0);
        QCOMPARE(pathFromQ(child<QLineEdit>(p, "Text1")->text()), drive_root(main_drive()));
        click(p, "Command2");
        click(w, "Command1");
        QCOMPARE(e.state.settings.text_ext, std::string(".deu"));
    }

    // Enter on the text folder opens the picker there, showing its text files; Enter on the game
    // folder moves there; Cancel leaves the field, with the focus back in it.
    // The colours come from the last folder check, so a folder the picker found stays red.
    void thePickerMovesThroughFoldersAndWhatItFindsStaysRedUntilSaved() {
        Editor e;
        NativePath good = e.state.settings.mf7_cam;
        e.state.settings.mf7_cam = e.game.dir.file("gone");
        check_paths(e.state.settings);
        FolderSettingsWindow& w = open_settings(e);
        QCOMPARE(colours(w)[1], QString("red"));
        QTRY_VERIFY(QApplication::activeWindow() == &w);
        w.field(6)->setFocus();
        QTest::keyClick(w.field(6), Qt::Key_Return);
        FolderPicker& p = e.windows.folder_picker();
        QCOMPARE(p.dir_path(), e.state.settings.mf7_txt);
        QListWidget* dirs = child<QListWidget>(p, "Dir1");
        std::string game = e.game.dir.str();
        QVERIFY(show_active(p));
        dirs->setFocus();
        dirs->setCurrentRow(folder_row(dirs, game.substr(game.rfind('/') + 1).c_str()));
        QTest::keyClick(dirs, Qt::Key_Return);
        QCOMPARE(child<QLineEdit>(p, "Text1")->text().toStdString(), game);
        QCOMPARE(rows(child<QListWidget>(p, "File1")), QStringList{"GUI97.TXT"});
        click(p, "Command2");
        QVERIFY(!p.isVisible() && w.isEnabled());
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(w.field(6)));
        QCOMPARE(pathFromQ(w.field(6)->text()), e.state.settings.mf7_txt);

        // The missing folder opens at its nearest existing parent, the game folder.
        QVERIFY(show_active(w));
        QTest::mouseDClick(w.field(2), Qt::LeftButton);
        QPushButton* ok = child<QPushButton>(p, "Command1");
        QVERIFY(!w.isEnabled() && !ok->isEnabled());
        click_row(dirs, folder_row(dirs, "CAMPAIGN"));
        QVERIFY(ok->isEnabled());
        ok->click();
        QVERIFY(w.isEnabled());
        QCOMPARE(pathFromQ(w.field(2)->text()), good);
        QCOMPARE(colours(w)[1], QString("red"));
        click(w, "Command2");
        QCOMPARE(e.state.settings.mf7_cam, good);
        QCOMPARE(colours(w), QStringList(8, "green"));
    }
};

QTEST_MAIN(FolderSettingsWindowTest)
#include "folder_settings_window_test.moc"
