// Whole rounds through the wired windows, as a campaign maker makes them.
#include "model/campaign.h"
#include "support/editor_fixture.h"
#include "ui/common/form9.h"
#include "ui/common/qt_text.h"
#include "ui/copy/form10.h"
#include "ui/editor/form3.h"
#include "ui/editor/form8.h"

#include <QLineEdit>
#include <QPlainTextEdit>

using namespace mf7;
using namespace mf7::test;

class EditorFlowTest : public QObject {
    Q_OBJECT
  private slots:
    void editAGotoAndItsTextThenSaveTheCampaign() {
        Editor e;
        e.open();
        double_click_row(e.list1(), 2);
        Form3& editor = e.windows.form3();
        QVERIFY(editor.isVisible());
        QVERIFY(!e.form1().isEnabled());
        QVERIFY(QTest::qWaitForWindowActive(&editor));

        QLineEdit* v_goto = editor.field(20);
        v_goto->setFocus();
        v_goto->setText("6");
        editor.field(2)->setFocus(); // leaving the field applies the goto rule

        // SHIFT + left click on the victory text opens it; a save writes it and comes back.
        QLineEdit* v_txt = editor.field(25);
        QTest::mouseClick(v_txt, Qt::LeftButton, Qt::ShiftModifier);
        Form9& text = e.windows.form9();
        QVERIFY(text.isVisible());
        std::string path = join_path(e.state.settings.mf7_txt, "SEDv.txt");
        QCOMPARE(text.windowTitle(), toQ(path));
        QVERIFY(text.text1()->toPlainText().startsWith("Through the Ardennes - v"));
        text.text1()->setPlainText("Well done.");
        child<QPushButton>(text, "Command1")->click();
        QCOMPARE(read_all(path), std::string("Well done.\r\n"));
        QVERIFY(!text.isVisible());
        QVERIFY(editor.isEnabled());

        child<QPushButton>(editor, "Command1")->click();
        QVERIFY(!editor.isVisible());
        QVERIFY(e.form1().isEnabled());
        QCOMPARE(e.list1()->item(2)->text().mid(35, 10), QString("        6*"));
        QVERIFY(e.state.campaign_changed);

        e.trigger("Msave_as");
        child<QLineEdit>(e.windows.form2(), "Text1")->setText("edited");
        e.msgs.answers = {Answer::Yes};
        child<QPushButton>(e.windows.form2(), "Command1")->click();
        std::string saved = read_all(join_path(e.state.settings.mf7_cam, "edited.cam"));
        QCOMPARE(saved.size(), size_t(31944));
        QCOMPARE(camfil_from_bytes(saved).scenarios[2].outcome[V].goto_scn, int16_t(6));
        QVERIFY(!e.state.campaign_changed);
    }

    // Every platform gets the usual keys, also one whose key theme has none for Save as or Quit.
    void theFileCommandsHaveTheirUsualKeys() {
        Editor e;
        QCOMPARE(e.form1().action("Mnew")->shortcut(), QKeySequence(QKeySequence::New));
        QCOMPARE(e.form1().action("Mopen")->shortcut(), QKeySequence(QKeySequence::Open));
        QVERIFY(!e.form1().action("Msave_as")->shortcut().isEmpty());
        QVERIFY(!e.form1().action("exit")->shortcut().isEmpty());
    }

    void theEditorsChooserFillsTheFieldAndComesBack() {
        Editor e;
        e.open();
        double_click_row(e.list1(), 0);
        Form3& editor = e.windows.form3();
        QVERIFY(QTest::qWaitForWindowActive(&editor));
        QTest::mouseDClick(editor.field(7), Qt::LeftButton);
        Form2& chooser = e.windows.form2();
        QVERIFY(chooser.isVisible());
        QVERIFY(!editor.isEnabled());
        QCOMPARE(chooser.windowTitle(), QString("Select filename."));
        QListWidget* files = e.file1();
        int row = row_named(files, "panzer.smk");
        QVERIFY(row >= 0);
        double_click_row(files, row);
        QVERIFY(!chooser.isVisible());
        QVERIFY(editor.isEnabled());
        QCOMPARE(editor.field(7)->text(), QString("panzer.smk"));
    }

    void theScenarioListFollowsInsertsAndTheEditor() {
        Editor e;
        e.open();
        double_click_row(e.list1(), 1);
        QVERIFY(e.windows.form3().isVisible());
        QVERIFY(e.windows.form3().isEnabled());
        child<QPushButton>(e.windows.form3(), "Command3")->click();
        Form8& list = e.windows.form8();
        QVERIFY(list.isVisible());
        QVERIFY(list.isEnabled());
        QCOMPARE(list.lines().size(), 8);
        QCOMPARE(list.lines()[1].left(25), e.list1()->item(1)->text().left(25));
        child<QPushButton>(e.windows.form3(), "Command2")->click();
        click_row(e.list1(), 3);
        child<QPushButton>(e.form1(), "Command1")->click();
        QCOMPARE(list.lines().size(), 9);
    }

    void reportsFromTheMenu() {
        Editor e;
        e.open();
        e.trigger("mnu_camlst");
        std::string list = join_path(e.state.settings.mf7_rep, "Small Campaignlist for DEMO.txt");
        QCOMPARE(e.msgs.texts(),
                 std::vector<std::string>{"Campaign Filelist is saved as: " + list});
        QVERIFY(file_exists(list));

        e.trigger("mnu_missing");
        Form9& text = e.windows.form9();
        QVERIFY(text.isVisible());
        std::string report = join_path(e.state.settings.mf7_rep, "Missing-Files-List-DEMO.txt");
        QCOMPARE(text.windowTitle(), toQ(report));
        QVERIFY(text.text1()->toPlainText().contains("missing.smk"));
        child<QPushButton>(text, "Command1")->click();
        QVERIFY(file_exists(report));
        QVERIFY(e.form1().isEnabled());
    }

    void theCopyWindowHidesTheOverviewUntilItCloses() {
        Editor e;
        e.open();
        e.trigger("language_conversion");
        QVERIFY(!e.form1().isVisible());
        Form10& copy = e.windows.form10();
        QVERIFY(copy.isVisible());
        child<QPushButton>(copy, "Command3")->click();
        QVERIFY(!copy.isVisible());
        QVERIFY(e.form1().isVisible());
    }
};

QTEST_MAIN(EditorFlowTest)
#include "editor_flow_test.moc"
