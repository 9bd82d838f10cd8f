// Whole rounds through the wired windows, as a campaign maker makes them.
#include "model/campaign.h"
#include "support/editor_fixture.h"
#include "ui/common/qt_text.h"
#include "ui/common/text_window.h"
#include "ui/copy/copy_window.h"
#include "ui/editor/scenario_editor.h"
#include "ui/editor/scenario_list_window.h"

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
        ScenarioEditor& editor = e.windows.editor();
        QVERIFY(editor.isVisible());
        QVERIFY(!e.overview().isEnabled());
        QVERIFY(QTest::qWaitForWindowActive(&editor));

        QLineEdit* v_goto = editor.field(20);
        v_goto->setFocus();
        v_goto->setText("6");
        editor.field(2)->setFocus(); // leaving the field applies the goto rule

        // SHIFT + left click on the victory text opens it; a save writes it and comes back.
        QLineEdit* v_txt = editor.field(25);
        QTest::mouseClick(v_txt, Qt::LeftButton, Qt::ShiftModifier);
        TextWindow& text = e.windows.text_window();
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
        QVERIFY(e.overview().isEnabled());
        QCOMPARE(e.list1()->item(2)->text().mid(35, 10), QString("        6*"));
        QVERIFY(e.state.campaign_changed);

        e.trigger("Msave_as");
        child<QLineEdit>(e.windows.chooser(), "Text1")->setText("edited");
        e.msgs.answers = {Answer::Yes};
        child<QPushButton>(e.windows.chooser(), "Command1")->click();
        std::string saved = read_all(join_path(e.state.settings.mf7_cam, "edited.cam"));
        QCOMPARE(saved.size(), size_t(31944));
        QCOMPARE(campaign_from_bytes(saved).scenarios[2].outcome[V].goto_scn, int16_t(6));
        QVERIFY(!e.state.campaign_changed);
    }

    // Every platform gets the usual keys, also one whose key theme has none for Save as or Quit.
    void theFileCommandsHaveTheirUsualKeys() {
        Editor e;
        QCOMPARE(e.overview().action("Mnew")->shortcut(), QKeySequence(QKeySequence::New));
        QCOMPARE(e.overview().action("Mopen")->shortcut(), QKeySequence(QKeySequence::Open));
        QVERIFY(!e.overview().action("Msave_as")->shortcut().isEmpty());
        QVERIFY(!e.overview().action("exit")->shortcut().isEmpty());
    }

    void theEditorsChooserFillsTheFieldAndComesBack() {
        Editor e;
        e.open();
        double_click_row(e.list1(), 0);
        ScenarioEditor& editor = e.windows.editor();
        QVERIFY(QTest::qWaitForWindowActive(&editor));
        QTest::mouseDClick(editor.field(7), Qt::LeftButton);
        FileChooser& chooser = e.windows.chooser();
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
        QVERIFY(e.windows.editor().isVisible());
        QVERIFY(e.windows.editor().isEnabled());
        child<QPushButton>(e.windows.editor(), "Command3")->click();
        ScenarioListWindow& list = e.windows.scenario_list();
        QVERIFY(list.isVisible());
        QVERIFY(list.isEnabled());
        QCOMPARE(list.lines().size(), 8);
        QCOMPARE(list.lines()[1].left(25), e.list1()->item(1)->text().left(25));
        child<QPushButton>(e.windows.editor(), "Command2")->click();
        click_row(e.list1(), 3);
        child<QPushButton>(e.overview(), "Command1")->click();
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
        TextWindow& text = e.windows.text_window();
        QVERIFY(text.isVisible());
        std::string report = join_path(e.state.settings.mf7_rep, "Missing-Files-List-DEMO.txt");
        QCOMPARE(text.windowTitle(), toQ(report));
        QVERIFY(text.text1()->toPlainText().contains("missing.smk"));
        child<QPushButton>(text, "Command1")->click();
        QVERIFY(file_exists(report));
        QVERIFY(e.overview().isEnabled());
    }

    void theCopyWindowHidesTheOverviewUntilItCloses() {
        Editor e;
        e.open();
        e.trigger("language_conversion");
        QVERIFY(!e.overview().isVisible());
        CopyWindow& copy = e.windows.copy_window();
        QVERIFY(copy.isVisible());
        child<QPushButton>(copy, "Command3")->click();
        QVERIFY(!copy.isVisible());
        QVERIFY(e.overview().isVisible());
    }
};

QTEST_MAIN(EditorFlowTest)
#include "editor_flow_test.moc"
