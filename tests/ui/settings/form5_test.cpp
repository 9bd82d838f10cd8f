// The folder picker: moving through folders, the files it shows, and Cancel.
#include "platform/drives.h"
#include "support/editor_fixture.h"
#include "ui/settings/form4.h"
#include "ui/settings/form5.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

using namespace mf7;
using namespace mf7::test;

namespace {

// The picker opened for the text folder from the folder settings window.
Form5& open_picker(Editor& e) {
    e.trigger("Set_edit");
    Form4& w = e.windows.form4();
    w.field(6)->setFocus();
    QTest::keyClick(w.field(6), Qt::Key_Return);
    return e.windows.form5();
}

} // namespace

class Form5Test : public QObject {
    Q_OBJECT
  private slots:
    void opensOnTheSettingWithItsFiles() {
        Editor e;
        Form5& p = open_picker(e);
        QCOMPARE(child<QLabel>(p, "Label1")->text(), QString("Marchfield - text-files."));
        QCOMPARE(p.dir_path(), e.state.settings.mf7_txt);
        QStringList files = rows(child<QListWidget>(p, "File1"));
        QVERIFY(files.contains("demo.txt"));
        QCOMPARE(files.filter(".txt").size(), files.size());
        QComboBox* drives = child<QComboBox>(p, "Drive1");
        QCOMPARE(drives->itemText(0), QString::fromStdString(main_drive()));
        QCOMPARE(drives->currentText().toStdString(), drive_of(p.dir_path(), drive_list()));
    }

    void doubleClickOrEnterOpensAFolderAndAClickChoosesOne() {
        Editor e;
        Form5& p = open_picker(e);
        QListWidget* dirs = child<QListWidget>(p, "Dir1");
        std::string game = e.game.dir.str();
        double_click_row(dirs, folder_row(dirs, game.substr(game.rfind('/') + 1).c_str()));
        QCOMPARE(p.dir_path(), e.game.dir.str());
        QCOMPARE(child<QLineEdit>(p, "Text1")->text().toStdString(), e.game.dir.str());
        QCOMPARE(rows(child<QListWidget>(p, "File1")), QStringList{"GUI97.TXT"});
        for (const char* sub : {"CAMPAIGN", "SCENARIO", "TEXT"})
            QVERIFY2(folder_row(dirs, sub) >= 0, sub);
        QVERIFY(show_active(p));
        dirs->setFocus();
        dirs->setCurrentRow(folder_row(dirs, "SCENARIO"));
        QTest::keyClick(dirs, Qt::Key_Return);
        QCOMPARE(p.dir_path(), e.state.settings.mf7_scn);
        QVERIFY(child<QPushButton>(p, "Command1")->isEnabled());
    }

    void cancelCopiesNothing() {
        Editor e;
        Form5& p = open_picker(e);
        QListWidget* dirs = child<QListWidget>(p, "Dir1");
        click_row(dirs, 0);
        child<QPushButton>(p, "Command2")->click();
        QVERIFY(!p.isVisible());
        QVERIFY(e.windows.form4().isEnabled());
        QCOMPARE(e.windows.form4().field(6)->text().toStdString(), e.state.settings.mf7_txt);
    }
};

QTEST_MAIN(Form5Test)
#include "form5_test.moc"
