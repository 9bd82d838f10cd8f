// The folder settings window: filling, colours, saving, the extension and the picker it opens.
#include "platform/drives.h"
#include "support/editor_fixture.h"
#include "ui/common/look.h"
#include "ui/settings/form4.h"
#include "ui/settings/form5.h"

#include <QLabel>
#include <QLineEdit>

#include <filesystem>

using namespace mf7;
using namespace mf7::test;

namespace {

QStringList colours(Form4& w) {
    QStringList out;
    for (int n : {1, 2, 3, 4, 5, 6, 7, 9})
        out << (look::background(w.field(n)) == look::kLightGreen ? "green"
                : look::background(w.field(n)) == look::kLightRed ? "red"
                                                                  : "other");
    return out;
}

QStringList enabled_file_menus(Form1& w) {
    QStringList out;
    for (const char* n : {"Mnew", "Mopen", "Msave_as", "Mclose", "Mreport"})
        if (w.action(n)->isEnabled())
            out << n;
    return out;
}

Form4& open_settings(Editor& e) {
    e.trigger("Set_edit");
    return e.windows.form4();
}

QStringList all(const char* colour) {
    return QStringList(8, colour);
}

} // namespace

class Form4Test : public QObject {
    Q_OBJECT
  private slots:
    void openingFillsTheFieldsFromTheSettings() {
        Editor e;
        e.state.settings.settings_changed = true;
        Form4& w = open_settings(e);
        QVERIFY(w.isVisible());
        QVERIFY(!e.form1().isEnabled());
        QCOMPARE(w.windowTitle(), QString("MF7-editor, Folder settings"));
        QCOMPARE(w.field(1)->text().toStdString(), e.state.settings.program_folder);
        QCOMPARE(w.field(2)->text().toStdString(), e.state.settings.mf7_cam);
        QCOMPARE(w.field(7)->text().toStdString(), e.state.settings.mf7main);
        QCOMPARE(w.field(8)->text(), QString("txt"));
        QCOMPARE(w.field(9)->text().toStdString(), e.state.settings.mf7_rep);
        QCOMPARE(child<QLabel>(w, "Label7")->text(),
                 QString("Marchfield -Location of Gui97.txt (or deu / fra):"));
        QCOMPARE(colours(w), all("green"));
        QVERIFY(!e.state.settings.settings_changed);
    }

    void savingColoursTheFoldersAndWritesOnlyWhenAllExist() {
        Editor e;
        e.open();
        Form4& w = open_settings(e);
        std::string missing = e.game.dir.file("no-reports");
        w.field(9)->setText(QString::fromStdString(missing));
        child<QPushButton>(w, "Command2")->click();
        QCOMPARE(e.msgs.texts(), std::vector<std::string>{"You have to set the directory "
                                                          "settings correctly, before you can "
                                                          "continue."});
        QCOMPARE(colours(w), (QStringList(7, "green") << "red"));
        QVERIFY(w.isVisible());
        QCOMPARE(e.state.settings.mf7_rep, missing);
        QCOMPARE(enabled_file_menus(e.form1()), QStringList());

        e.msgs.clear();
        std::filesystem::create_directories(missing);
        child<QPushButton>(w, "Command2")->click();
        std::string ini = join_path(e.game.dir.str(), "mf7edit.ini");
        QCOMPARE(e.msgs.texts(), std::vector<std::string>{"Directory settings is saved in " + ini});
        QCOMPARE(colours(w), all("green"));
        QVERIFY(!w.isVisible());
        QVERIFY(e.form1().isEnabled());
        // The campaign still on screen can be saved again.
        QCOMPARE(enabled_file_menus(e.form1()),
                 (QStringList{"Mnew", "Mopen", "Msave_as", "Mclose", "Mreport"}));
        QVERIFY(read_all(ini).find("mf7_rep=" + missing + "\r\n") != std::string::npos);
    }

    void aNewExtensionIsInForceAtOnceAndCancelKeepsIt() {
        Editor e;
        Form4& w = open_settings(e);
        QVERIFY(show_active(w));
        w.field(8)->setFocus();
        w.field(8)->selectAll();
        QTest::keyClicks(w.field(8), "deu");
        QCOMPARE(e.state.settings.mf7text, std::string("*.deu"));
        QCOMPARE(e.state.settings.text_ext, std::string(".deu"));
        QVERIFY(e.state.settings.settings_changed);
        child<QPushButton>(w, "Command1")->click();
        QVERIFY(!w.isVisible());
        QVERIFY(e.form1().isEnabled());
        for (int n = 1; n <= 6; ++n)
            QCOMPARE(w.field(n)->text(), QString());
        QCOMPARE(w.field(8)->text(), QString("deu"));
        QCOMPARE(w.field(9)->text().toStdString(), e.state.settings.mf7_rep);
        QCOMPARE(e.state.settings.text_ext, std::string(".deu"));
        // The changed settings are not saved, so Exit asks.
        e.msgs.answers = {Answer::Yes};
        e.trigger("exit");
        QCOMPARE(e.msgs.texts(), std::vector<std::string>{"MF7-editor ini-file has changed. Do "
                                                          "you wish to save the changes?"});
        QCOMPARE(e.quits, 0);
    }

    void aFolderChosenInThePickerStaysRedUntilSaved() {
        Editor e;
        std::string good = e.state.settings.mf7_cam;
        e.state.settings.mf7_cam = e.game.dir.file("gone");
        check_paths(e.state.settings);
        Form4& w = open_settings(e);
        QCOMPARE(colours(w)[1], QString("red"));
        QVERIFY(show_active(w));
        QTest::mouseDClick(w.field(2), Qt::LeftButton);
        Form5& picker = e.windows.form5();
        QVERIFY(picker.isVisible());
        QVERIFY(!w.isEnabled());
        QCOMPARE(child<QLabel>(picker, "Label1")->text(), QString("Marchfield - campaigns."));
        QCOMPARE(child<QLineEdit>(picker, "Text1")->text().toStdString(), e.state.settings.mf7_cam);
        QPushButton* ok = child<QPushButton>(picker, "Command1");
        QVERIFY(!ok->isEnabled());
        // The missing folder opens at its nearest existing parent, the game folder.
        QListWidget* dirs = child<QListWidget>(picker, "Dir1");
        int row = folder_row(dirs, "CAMPAIGN");
        QVERIFY(row >= 0);
        click_row(dirs, row);
        QVERIFY(ok->isEnabled());
        QCOMPARE(rows(child<QListWidget>(picker, "File1")), QStringList{"DEMO.CAM"});
        ok->click();
        QVERIFY(!picker.isVisible());
        QVERIFY(w.isEnabled());
        QCOMPARE(w.field(2)->text().toStdString(), good);
        QCOMPARE(colours(w)[1], QString("red"));
        child<QPushButton>(w, "Command2")->click();
        QCOMPARE(e.state.settings.mf7_cam, good);
        QCOMPARE(colours(w), all("green"));
    }

    void aSettingOnNoDriveFallsBackAtOnce() {
        Editor e;
        e.state.settings.mf7_cam = "no-drive/campaigns";
        Form4& w = open_settings(e);
        QVERIFY(show_active(w));
        w.field(2)->setFocus();
        QTest::keyClick(w.field(2), Qt::Key_Return);
        QCOMPARE(e.state.settings.mf7_cam, main_drive());
        QVERIFY(e.state.settings.settings_changed);
        QVERIFY(e.windows.form5().isVisible());
        QCOMPARE(e.windows.form5().dir_path(), drive_root(main_drive()));
    }
};

QTEST_MAIN(Form4Test)
#include "form4_test.moc"
