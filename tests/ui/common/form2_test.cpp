// The file chooser: its list, and what its button and a double-click hand to the overview and
// to the scenario editor.
#include "demo/demo_game.h"
#include "support/editor_fixture.h"

#include <QGroupBox>
#include <QLineEdit>

using namespace mf7;
using namespace mf7::test;

namespace {

QPushButton* use_button(Editor& e) {
    return child<QPushButton>(e.windows.form2(), "Command1");
}

QLineEdit* overview_field(Editor& e, const char* name) {
    return child<QLineEdit>(e.form1(), name);
}

// The scenario editor as the chooser sees it: a window to return to and a dispatch.
struct FakeEditor {
    QWidget window;
    int dispatched = 0;
    std::string result;

    void plug_into(Editor& e) {
        e.windows.extra_window = [this](const std::string& name) {
            return name == "form3" ? &window : nullptr;
        };
        e.windows.form2().editor_dispatch = [this, &e] {
            ++dispatched;
            result = e.state.chooser_result;
        };
    }
    void ask(Editor& e, const char* target) {
        ChooserSetup setup;
        setup.folder = e.state.settings.mf7_smk;
        setup.pattern = "*.smk";
        setup.caption = "Select filename.";
        setup.button_caption = "Use smk-filename";
        setup.target = target;
        setup.return_form = "form3";
        window.show();
        e.windows.open_chooser(setup, &window);
    }
};

} // namespace

class Form2Test : public QObject {
    Q_OBJECT
  private slots:
    void theListMatchesThePatternIgnoringCase() {
        Editor e;
        const std::string& cam = e.state.settings.mf7_cam;
        for (const char* name : {"Old.CAM", "x.cam", "notes.txt", "cam"})
            QVERIFY(demo::write_bytes(join_path(cam, name), "x"));
        QVERIFY(demo::write_bytes(join_path(join_path(cam, "folder.cam"), "inside.cam"), "x"));
        e.trigger("Mopen");
        QStringList listed = rows(e.file1());
        listed.sort();
        QCOMPARE(listed, (QStringList{"DEMO.CAM", "Old.CAM", "x.cam"}));
    }

    void theButtonPutsTheNormalisedNameInTheFieldOnly() {
        Editor e;
        e.open();
        QVERIFY(demo::write_bytes(join_path(e.state.settings.mf7_smk, "Intro.SMK"), "x"));
        QTest::mouseDClick(overview_field(e, "Text3"), Qt::LeftButton);
        click_row(e.file1(), row_named(e.file1(), "Intro.SMK"));
        use_button(e)->click();
        QCOMPARE(overview_field(e, "Text3")->text(), QString("intro.smk"));
        QCOMPARE(field_text(e.state.camfil.win_smk), std::string("victory.smk"));
        QCOMPARE(child<QGroupBox>(e.form1(), "Frame2")->title(), QString());
        QVERIFY(!e.windows.form2().isVisible());
        QVERIFY(e.form1().isEnabled());

        QTest::mouseDClick(overview_field(e, "Text5"), Qt::LeftButton);
        QCOMPARE(e.windows.form2().pattern(), std::string("*.txt"));
        click_row(e.file1(), row_named(e.file1(), "demo.txt"));
        use_button(e)->click();
        QCOMPARE(overview_field(e, "Text5")->text(), QString("demo.txt"));
    }

    void aDoubleClickStoresTheNameAsListedAtOnce_data() {
        QTest::addColumn<QString>("field");
        QTest::newRow("win") << "Text3";
        QTest::newRow("lose") << "Text4";
    }
    void aDoubleClickStoresTheNameAsListedAtOnce() {
        QFETCH(QString, field);
        Editor e;
        e.open();
        QVERIFY(demo::write_bytes(join_path(e.state.settings.mf7_smk, "Intro.SMK"), "x"));
        click_row(e.list1(), 4);
        QString caption = child<QGroupBox>(e.form1(), "Frame2")->title();
        QTest::mouseDClick(overview_field(e, field.toLatin1().constData()), Qt::LeftButton);
        double_click_row(e.file1(), row_named(e.file1(), "Intro.SMK"));
        QCOMPARE(overview_field(e, field.toLatin1().constData())->text(), QString("Intro.SMK"));
        const TextField& stored =
            field == "Text3" ? e.state.camfil.win_smk : e.state.camfil.lose_smk;
        QCOMPARE(field_text(stored), std::string("Intro.SMK"));
        QCOMPARE(e.state.chooser_result, std::string("Intro.SMK"));
        QCOMPARE(child<QGroupBox>(e.form1(), "Frame2")->title(), caption);
        QVERIFY(e.form1().isEnabled());
    }

    void savingByDoubleClickWritesTheListedFileAfterTheQuestion() {
        Editor e;
        e.open();
        std::string old = join_path(e.state.settings.mf7_cam, "Old.CAM");
        QVERIFY(demo::write_bytes(old, "old"));
        e.trigger("Msave_as");
        e.msgs.answers = {Answer::Yes};
        double_click_row(e.file1(), row_named(e.file1(), "Old.CAM"));
        QCOMPARE(e.msgs.texts(),
                 std::vector<std::string>{"F1-I02: Do you want to save this file: " + old});
        QVERIFY(read_all(old) == read_all(e.game.campaign_path()));
        QCOMPARE(e.state.cam_name, std::string("Old.CAM"));
        QVERIFY(!child<QLineEdit>(e.windows.form2(), "Text1")->isVisible());
        QCOMPARE(e.state.chooser_target, std::string());
    }

    void forTheEditorTheButtonNeedsAClickedFile() {
        Editor e;
        FakeEditor editor;
        editor.plug_into(e);
        editor.ask(e, "text7");
        QVERIFY(!editor.window.isEnabled());
        QVERIFY(show_active(e.windows.form2()));
        use_button(e)->click();
        QCOMPARE(e.msgs.texts(),
                 std::vector<std::string>{"F2-I02: You have to select a filename first."});
        QVERIFY(e.msgs.shown[0].information_icon);
        QCOMPARE(editor.dispatched, 0);
        click_row(e.file1(), row_named(e.file1(), "bv.smk"));
        use_button(e)->click();
        QCOMPARE(editor.dispatched, 1);
        QCOMPARE(editor.result, std::string("bv.smk"));
        QVERIFY(editor.window.isEnabled());
        QVERIFY(!e.windows.form2().isVisible());

        editor.ask(e, "text14");
        double_click_row(e.file1(), row_named(e.file1(), "l.smk"));
        QCOMPARE(editor.dispatched, 2);
        QCOMPARE(editor.result, std::string("l.smk"));
    }

    void withoutTheEditorsDispatchTheTargetIsUnknown() {
        Editor e;
        FakeEditor editor;
        editor.plug_into(e);
        e.windows.form2().editor_dispatch = nullptr;
        editor.ask(e, "text7");
        double_click_row(e.file1(), 0);
        QCOMPARE(e.msgs.texts(), std::vector<std::string>{"F2-E01: This program has got a bug, "
                                                          "please report the errornumber."});
    }

    void aClickedFileCountsUntilTheChooserIsCoveredNotAfterARepaint() {
        Editor e;
        FakeEditor editor;
        editor.plug_into(e);
        editor.ask(e, "text7");
        QVERIFY(show_active(e.windows.form2()));
        click_row(e.file1(), 0);
        e.windows.form2().repaint();
        QCoreApplication::processEvents();
        QVERIFY(e.windows.form2().file_clicked());
        // Another window comes over the chooser and goes again.
        QWidget cover;
        QVERIFY(show_active(cover));
        cover.hide();
        QVERIFY(show_active(e.windows.form2()));
        QVERIFY(!e.windows.form2().file_clicked());
        use_button(e)->click();
        QCOMPARE(e.msgs.texts(),
                 std::vector<std::string>{"F2-I02: You have to select a filename first."});
    }

    void theCloseBoxStartsTheNextUseAfresh() {
        Editor e;
        e.trigger("Mopen");
        Form2& chooser = e.windows.form2();
        QVERIFY(!e.form1().isEnabled());
        chooser.close();
        QVERIFY(!chooser.isVisible());
        QVERIFY(e.form1().isEnabled());
        QCOMPARE(chooser.windowTitle(), QString("MF7-editor, filenames"));
        QCOMPARE(use_button(e)->text(), QString("Open file"));
        QVERIFY(use_button(e)->isEnabledTo(&chooser));
        QVERIFY(child<QLineEdit>(chooser, "Text1")->isHidden());
        QCOMPARE(chooser.pattern(), std::string("*.cam"));
    }
};

QTEST_MAIN(Form2Test)
#include "form2_test.moc"
