// The window controller: windows made on first use and kept for the next, every input named for
// screen readers, and whole rounds through the wired windows, as a campaign maker makes them.
#include "model/campaign.h"
#include "support/editor_fixture.h"
#include "ui/common/text_window.h"
#include "ui/copy/copy_window.h"
#include "ui/editor/scenario_editor.h"
#include "ui/help/about_window.h"

#include <QAbstractSpinBox>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QPlainTextEdit>

using namespace mf7;
using namespace mf7::test;

namespace {

bool is_input(const QWidget* w) {
    return qobject_cast<const QLineEdit*>(w) || qobject_cast<const QAbstractItemView*>(w) ||
           qobject_cast<const QPlainTextEdit*>(w) || qobject_cast<const QComboBox*>(w) ||
           qobject_cast<const QAbstractSpinBox*>(w);
}

template <class T> const T* inside(const QWidget* w) {
    for (const QWidget* p = w->parentWidget(); p; p = p->parentWidget())
        if (auto* t = qobject_cast<const T*>(p))
            return t;
    return nullptr;
}

// A way out of the overview into another window and back; `focus` is the overview's input the
// user was in.
struct Return {
    const char* what;
    const char* focus;
    void (*there_and_back)(Editor&);
};
const Return kReturns[] = {
    {"row, editor, Escape", "List1",
     [](Editor& e) {
         double_click_row(e.list1(), 3);
         // The editor's own window, not the overview it belongs to, which counts as active too.
         QTRY_VERIFY(QApplication::activeWindow() == &e.windows.editor());
         QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
     }},
    {"row, copy window hiding the overview, close box", "List1",
     [](Editor& e) {
         click_row(e.list1(), 3);
         e.trigger("language_conversion");
         e.windows.copy_window().close();
     }},
    {"description, text window, close box", "Text5",
     [](Editor& e) {
         e.field("Text5")->setText("brief");
         QTest::mouseClick(e.field("Text5"), Qt::LeftButton, Qt::ShiftModifier, QPoint(5, 5));
         QVERIFY(e.windows.text_window().isVisible());
         e.windows.text_window().close();
     }},
};

// Enter on a focused push button presses it in every window; on a listed file it chooses it.
const struct {
    const char *what, *opener, *button;
} kEnterCases[] = {
    {"scenario editor", "edit", "Command2"},
    {"text window", "mnu_missing", "Command2"},
    {"about", "about", "Command1"},
    {"new campaign", "Mnew", "CancelButton"},
    {"folder settings", "Set_edit", "Command1"},
    {"chooser", "Mopen", "Command2"},
    {"chooser's file list", "Mopen", "File1"},
    {"copy", "language_conversion", "Command3"},
};

} // namespace

class EditorWindowsTest : public QObject {
    Q_OBJECT
  private slots:
    // Back from another window, the focus is where the user left the overview, never in the
    // first field (the read-only scenario count).
    void theFocusReturnsWhereTheUserWas_data() { case_rows(kReturns); }
    void theFocusReturnsWhereTheUserWas() {
        const Return& c = fetched(kReturns);
        Editor e(kShown);
        c.there_and_back(e);
        QTRY_VERIFY(e.overview().isActiveWindow() && e.overview().isEnabled());
        QCOMPARE(QApplication::focusWidget(), child<QWidget>(e.overview(), c.focus));
        QCOMPARE(e.list1()->currentRow(), c.focus == QString("List1") ? 3 : -1);
    }

    // Screen readers announce each input by a name of its own, its label's text or a name saying
    // what it holds; the title of the frame around it is what they fall back to, and is no name.
    void everyInputHasANameOfItsOwn() {
        Editor e(kOpened);
        // Every window is made on its first use: make them all.
        e.windows.chooser(), e.windows.new_campaign_dialog(), e.windows.folder_settings();
        e.windows.folder_picker(), e.windows.how_to(), e.windows.about(), e.windows.editor();
        e.windows.scenario_list(), e.windows.text_window(), e.windows.copy_window();
        QStringList unnamed;
        int inputs = 0;
        for (QWidget* w : QApplication::allWidgets()) {
            // The combo box's own line edit and popup list are announced as part of it.
            if (!is_input(w) || inside<QComboBox>(w))
                continue;
            ++inputs;
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
            QString name = a ? a->text(QAccessible::Name).trimmed() : QString();
            const QGroupBox* frame = inside<QGroupBox>(w);
            if (name.isEmpty() || (frame && name == frame->title()))
                unnamed << w->window()->objectName() + "/" + w->objectName() + " \"" + name + "\"";
        }
        QVERIFY(inputs > 30);
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(", ")));
    }

    // Each Reports entry writes its own report, leaving blanks in the record where the names it
    // read had NULs, as the game's editor did: the list its title's, the check the scenarios'.
    void reportsFromTheMenu() {
        Editor e(kOpened);
        auto has_nul = [](const TextField& f) { return std::count(f.begin(), f.end(), '\0') > 0; };
        CampaignRecord& cam = e.state.campaign;
        QVERIFY(has_nul(cam.description_txt) && has_nul(cam.scenarios[1].outcome[TV].txt));
        e.trigger("mnu_camlst");
        NativePath list = join_path(e.state.settings.mf7_rep, "Small Campaignlist for DEMO.txt");
        QVERIFY(file_exists(list));
        QVERIFY(!has_nul(cam.description_txt) && has_nul(cam.scenarios[1].outcome[TV].txt));

        e.trigger("mnu_missing");
        QVERIFY(!has_nul(cam.scenarios[1].outcome[TV].txt) && has_nul(cam.win_smk));
        NativePath report = join_path(e.state.settings.mf7_rep, "Missing-Files-List-DEMO.txt");
        QCOMPARE(e.windows.text_window().windowTitle(), pathToQ(report));
        QVERIFY(e.windows.text_window().text_edit()->toPlainText().contains("missing.smk"));
        for (auto [entry, file] : {std::pair{"skriv", "Full Campaign Report on DEMO.txt"},
                                   std::pair{"Filelist", "Filelist for DEMO.txt"}}) {
            NativePath path = join_path(e.state.settings.mf7_rep, NativePath(file));
            e.trigger(entry);
            QVERIFY2(file_exists(path), entry);
        }
    }

    // A waiting editor refuses its close box; a click on another row, the return and "Use these
    // settings" leave it storing the scenario it was opened on.
    void aWaitingEditorStaysWithItsScenario() {
        for (bool chooser : {false, true}) {
            Editor e(kOpened);
            const ScenarioSlot slot5 = e.state.campaign.scenarios[5];
            ScenarioEditor& editor = e.edit(1);
            QVERIFY(QTest::qWaitForWindowActive(&editor));
            QWidget* waited_for = &e.windows.text_window();
            if (chooser) {
                QTest::mouseDClick(editor.field(7), Qt::LeftButton);
                waited_for = &e.windows.chooser();
            } else {
                QTest::mouseClick(editor.field(25), Qt::LeftButton, Qt::ShiftModifier);
                QCOMPARE(waited_for->windowTitle(),
                         pathToQ(join_path(e.state.settings.mf7_txt, "NORv.txt")));
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
            QCOMPARE(editor.field(7)->text(),
                     chooser ? QString("panzer.smk") : QString("fjord.smk"));
            // Back in the editor, the focus is in the field that asked for the other window.
            QTRY_COMPARE(QApplication::focusWidget(), editor.field(chooser ? 7 : 25));
            click(editor, "Command1");
            QVERIFY(e.overview().isEnabled());
            QCOMPARE(e.state.selected_scn, int16_t(1));
            QVERIFY(e.state.campaign.scenarios[5] == slot5);
        }
    }

    // A Save as chooser left open still saves after the scenario editor opened a text file: the
    // text window's way back is its own, not the chooser's. The selection caption is blank after
    // the save but keeps its line: both clicks of a double-click then hit the same row.
    void aSaveChooserLeftOpenStillSaves() {
        Editor e(kShown);
        e.trigger("Msave_as");
        e.chooser_name()->setText("later");
        QVERIFY(show_active(e.overview()));
        ScenarioEditor& editor = e.edit(1);
        QVERIFY(QTest::qWaitForWindowActive(&editor));
        QTest::mouseClick(editor.field(25), Qt::LeftButton, Qt::ShiftModifier);
        click(e.windows.text_window(), "Command2");
        click(editor, "Command2");
        QVERIFY(e.overview().isEnabled() && e.windows.chooser().isEnabled());
        e.answer(Answer::Yes);
        click(e.windows.chooser(), "Command1");
        QVERIFY(file_exists(join_path(e.state.settings.mf7_cam, "later.cam")));
        QVERIFY(!e.windows.chooser().isVisible());
        QCOMPARE(e.frame2(), QString());
        // The pointer stays where it is in the window between the two clicks.
        QWidget* viewport = e.list1()->viewport();
        const QPoint pointer = viewport->mapTo(&e.overview(), row_point(e.list1(), 5));
        QTest::mouseClick(viewport, Qt::LeftButton, {}, viewport->mapFrom(&e.overview(), pointer));
        QTest::qWait(20);
        QTest::mouseDClick(viewport, Qt::LeftButton, {}, viewport->mapFrom(&e.overview(), pointer));
        QVERIFY(e.windows.editor().isVisible());
        QCOMPARE(e.state.selected_scn, int16_t(5));
    }

    // Each window is kept for its next use; the overview waits while it is open (hidden for the
    // copy, usable behind the check's report). The close box and Enter on a button return to it.
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
        e.state.campaign_changed = false;
        e.list1()->clear();
        const bool file = QByteArray(button) == "File1";
        QWidget* target = child<QWidget>(*window, button);
        if (file)
            e.file1()->setCurrentRow(row_named(e.file1(), "DEMO.CAM"));
        target->setFocus();
        QTest::keyClick(target, Qt::Key_Return);
        QVERIFY(!window->isVisible() && e.overview().isEnabled() && e.overview().isVisible());
        QCOMPARE(e.list1()->count(), file ? 8 : 0);
    }
};

QTEST_MAIN(EditorWindowsTest)
#include "editor_windows_test.moc"
