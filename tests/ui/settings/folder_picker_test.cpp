// The folder picker: moving through folders, the files it shows, and Cancel.
#include "platform/drives.h"
#include "support/editor_fixture.h"
#include "ui/settings/folder_picker.h"
#include "ui/settings/folder_settings_window.h"

#include <QComboBox>
#include <QLabel>

using namespace mf7;
using namespace mf7::test;

class FolderPickerTest : public QObject {
    Q_OBJECT
  private slots:
    // Opened with Enter on the text folder: its text files; a double-click on the game folder
    // or Enter on one of its folders moves there; Cancel leaves the field as it was.
    void movingThroughFoldersThenCancel() {
        Editor e;
        e.trigger("Set_edit");
        FolderSettingsWindow& settings = e.windows.folder_settings();
        settings.field(6)->setFocus();
        QTest::keyClick(settings.field(6), Qt::Key_Return);
        FolderPicker& p = e.windows.folder_picker();
        QCOMPARE(child<QLabel>(p, "Label1")->text(), QString("Marchfield - text-files."));
        QCOMPARE(p.dir_path(), e.state.settings.mf7_txt);
        QListWidget* files = child<QListWidget>(p, "File1");
        QVERIFY(rows(files).contains("demo.txt"));
        QCOMPARE(rows(files).filter(".txt").size(), files->count());
        QComboBox* drives = child<QComboBox>(p, "Drive1");
        QCOMPARE(drives->itemText(0), QString::fromStdString(main_drive()));
        QCOMPARE(drives->currentText().toStdString(), drive_of(p.dir_path(), drive_list()));

        QListWidget* dirs = child<QListWidget>(p, "Dir1");
        std::string game = e.game.dir.str();
        double_click_row(dirs, folder_row(dirs, game.substr(game.rfind('/') + 1).c_str()));
        QCOMPARE(p.dir_path(), game);
        QCOMPARE(child<QLineEdit>(p, "Text1")->text().toStdString(), game);
        QCOMPARE(rows(files), QStringList{"GUI97.TXT"});
        QVERIFY(show_active(p));
        dirs->setFocus();
        dirs->setCurrentRow(folder_row(dirs, "SCENARIO"));
        QTest::keyClick(dirs, Qt::Key_Return);
        QCOMPARE(p.dir_path(), e.state.settings.mf7_scn);
        QVERIFY(child<QPushButton>(p, "Command1")->isEnabled());

        click(p, "Command2");
        QVERIFY(!p.isVisible());
        QVERIFY(settings.isEnabled());
        QCOMPARE(settings.field(6)->text().toStdString(), e.state.settings.mf7_txt);
    }
};

QTEST_MAIN(FolderPickerTest)
#include "folder_picker_test.moc"
