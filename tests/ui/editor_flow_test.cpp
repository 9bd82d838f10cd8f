// Whole rounds through the wired windows, as a campaign maker makes them.
#include "model/campaign.h"
#include "support/editor_fixture.h"
#include "ui/common/qt_text.h"
#include "ui/common/text_window.h"
#include "ui/editor/scenario_editor.h"

#include <QLabel>
#include <QPlainTextEdit>

using namespace mf7;
using namespace mf7::test;

namespace {
// Enter on a focused push button presses it in every window; on a listed file it chooses it.
const struct {
    const char *what, *opener, *button;
} kEnterCases[] = {
    {"scenario editor", "edit", "Command2"},
    {"text window", "mnu_missing", "Command2"},
    {"about", "about", "Command1"},
    {"how do I", "howto", "Command1"},
    {"new campaign", "Mnew", "CancelButton"},
    {"folder settings", "Set_edit", "Command1"},
    {"chooser", "Mopen", "Command2"},
    {"chooser's file list", "Mopen", "File1"},
    {"copy", "language_conversion", "Command3"},
};
} // namespace

class EditorFlowTest : public QObject {
    Q_OBJECT
  private slots:
    void reportsFromTheMenu() {
        Editor e(kOpened);
        e.trigger("mnu_camlst");
        std::string list = join_path(e.state.settings.mf7_rep, "Small Campaignlist for DEMO.txt");
        QVERIFY(file_exists(list));

        e.trigger("mnu_missing");
        TextWindow& text = e.windows.text_window();
        std::string report = join_path(e.state.settings.mf7_rep, "Missing-Files-List-DEMO.txt");
        QCOMPARE(text.windowTitle(), toQ(report));
        QVERIFY(text.text1()->toPlainText().contains("missing.smk"));
    }

    // The close box of a waiting editor, a click on another row, the return (a cancelled text
    // window, a file chosen for the field) and "Use these settings": the editor still stores
    // the scenario it was opened on.
    void aWaitingEditorStaysWithItsScenario_data() {
        QTest::addColumn<bool>("chooser");
        QTest::newRow("text window") << false;
        QTest::newRow("chooser") << true;
    }
    void aWaitingEditorStaysWithItsScenario() {
        QFETCH(bool, chooser);
        Editor e(kOpened);
        const ScenarioSlot slot5 = e.state.campaign.scenarios[5];
        double_click_row(e.list1(), 1);
        ScenarioEditor& editor = e.windows.editor();
        QVERIFY(QTest::qWaitForWindowActive(&editor));
        QWidget* waited_for = &e.windows.text_window();
        if (chooser) {
            QTest::mouseDClick(editor.field(7), Qt::LeftButton);
            waited_for = &e.windows.chooser();
        } else {
            QTest::mouseClick(editor.field(25), Qt::LeftButton, Qt::ShiftModifier);
            QCOMPARE(waited_for->windowTitle(),
                     toQ(join_path(e.state.settings.mf7_txt, "NORv.txt")));
        }
        QVERIFY(waited_for->isVisible());
        QVERIFY(!editor.close());
        QVERIFY(!e.overview().close());
        QVERIFY(editor.isVisible() && !e.overview().isEnabled() && e.quits == 0);
        click_row(e.list1(), 5);
        if (chooser)
            double_click_row(e.file1(), row_named(e.file1(), "panzer.smk"));
        else
            click(*waited_for, "Command2");
        QVERIFY(editor.isEnabled() && !e.overview().isEnabled());
        QCOMPARE(editor.field(7)->text(), chooser ? QString("panzer.smk") : QString("fjord.smk"));
        click(editor, "Command1");
        QVERIFY(e.overview().isEnabled());
        QCOMPARE(e.state.selected_scn, int16_t(1));
        QVERIFY(e.state.campaign.scenarios[5] == slot5);
    }

    // A blank selection caption keeps its line: both clicks of a double-click hit the same row.
    void aDoubleClickAfterSaveAsOpensTheRowUnderThePointer() {
        Editor e(kOpened);
        QVERIFY(show_active(e.overview()));
        e.save_as("again");
        QCOMPARE(e.frame2(), QString());
        // The pointer stays where it is in the window between the two clicks.
        QWidget* viewport = e.list1()->viewport();
        QWidget* f1 = &e.overview();
        const QPoint pointer = viewport->mapTo(f1, row_point(e.list1(), 5));
        QTest::mouseClick(viewport, Qt::LeftButton, {}, viewport->mapFrom(f1, pointer));
        QTest::qWait(20);
        QTest::mouseDClick(viewport, Qt::LeftButton, {}, viewport->mapFrom(f1, pointer));
        QVERIFY(e.windows.editor().isVisible());
        QCOMPARE(e.state.selected_scn, int16_t(5));
    }

    // Each window is kept for its next use; the overview waits while it is open (hidden for the
    // copy, usable behind the check's report). Its close box returns to the overview as Enter on
    // its focused button does.
    void theCloseBoxOrEnterReturns_data() { case_rows(kEnterCases); }
    void theCloseBoxOrEnterReturns() {
        const auto& [what, opener, button] = fetched(kEnterCases);
        Editor e(kOpened);
        const QByteArray entry = opener;
        auto open = [&e, &entry] {
            if (entry == "edit")
                double_click_row(e.list1(), 0);
            else
                e.trigger(entry);
            QWidget* window = nullptr;
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w->isVisible() && w != &e.overview())
                    window = w;
            return window;
        };
        QWidget* window = open();
        QVERIFY(window);
        QCOMPARE(e.overview().isVisible(), entry != "language_conversion");
        QCOMPARE(e.overview().isEnabled() && e.overview().isVisible(), entry == "mnu_missing");
        window->close();
        QVERIFY(!window->isVisible() && e.overview().isEnabled() && e.overview().isVisible());
        QCOMPARE(enabled_actions(e.overview()), kCampaign);
        QCOMPARE(open(), window);
        if (entry == "about") // shown a second time, it still names the version once
            QCOMPARE(child<QLabel>(*window, "Label5")->text(), QString("Version: 3.0.1"));
        e.state.campaign_changed = false;
        e.list1()->clear();
        const bool file = QByteArray(button) == "File1";
        QWidget* target = child<QWidget>(*window, button);
        if (file)
            e.file1()->setCurrentRow(row_named(e.file1(), "DEMO.CAM"));
        target->setFocus();
        QTest::keyClick(target, Qt::Key_Return);
        QVERIFY(!window->isVisible());
        QVERIFY(e.overview().isEnabled() && e.overview().isVisible());
        QCOMPARE(e.list1()->count(), file ? 8 : 0);
    }
};

QTEST_MAIN(EditorFlowTest)
#include "editor_flow_test.moc"
