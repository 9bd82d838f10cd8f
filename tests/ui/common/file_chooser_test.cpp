// The file chooser: what its button and a double-click hand to the overview and
// to the scenario editor.
#include "demo/demo_game.h"
#include "support/editor_fixture.h"
#include "ui/common/qt_text.h"

using namespace mf7;
using namespace mf7::test;

namespace {

QPushButton* use_button(Editor& e) {
    return child<QPushButton>(e.windows.chooser(), "Command1");
}

// The scenario editor as the chooser sees it: a window to return to and a dispatch.
struct FakeEditor {
    QWidget window;
    int dispatched = 0;
    std::string result;

    explicit FakeEditor(Editor& e) {
        e.windows.extra_window = [this](WindowId id) {
            return id == WindowId::ScenarioEditor ? &window : nullptr;
        };
        e.windows.chooser().editor_dispatch = [this, &e] {
            ++dispatched;
            result = e.state.chooser_result;
        };
    }
    void ask(Editor& e, int control) {
        ChooserSetup setup;
        setup.folder = e.state.settings.mf7_smk;
        setup.pattern = "*.smk";
        setup.target = ChooserTarget::editor_field(control);
        setup.return_window = WindowId::ScenarioEditor;
        window.show();
        e.windows.open_chooser(setup, &window);
    }
};

const struct NameField {
    const char* what;
    QString name;
    bool enter, double_click;
} kNameFields[] = {
    {"Text3, button", "Text3", false, false},
    {"Text4 by Enter, double-click", "Text4", true, true},
    {"Text5, button", "Text5", false, false},
};

const char* const kSelectFirst = "F2-I02: You have to select a filename first.";

} // namespace

class FileChooserTest : public QObject {
    Q_OBJECT
  private slots:
    // Double-click or Enter in one of the overview's name fields opens the chooser on its
    // folder. The button puts the name, made lower case with its extension, into the field only
    // (Save as stores it); a double-click stores the name as listed at once and keeps the
    // selection caption.
    void theOverviewsNameFields_data() { case_rows(kNameFields); }
    void theOverviewsNameFields() {
        const auto& [what, name, enter, double_click] = fetched(kNameFields);
        Editor e(kOpened);
        QVERIFY(show_active(e.overview()));
        const bool text5 = name == "Text5";
        const QString listed = text5 ? "Brief.TXT" : "Intro.SMK";
        const Settings& s = e.state.settings;
        QVERIFY(demo::write_bytes(join_path(text5 ? s.mf7_txt : s.mf7_smk, fromQ(listed)), "x"));
        const TextField& stored = name == "Text3"   ? e.state.campaign.win_smk
                                  : name == "Text4" ? e.state.campaign.lose_smk
                                                    : e.state.campaign.description_txt;
        const std::string before = field_text(stored);
        click_row(e.list1(), 4);
        const QString caption = e.frame2();
        e.state.campaign_changed = false;
        e.state.chooser_result = "old";
        QLineEdit* f = e.field(name.toLatin1().constData());
        if (enter) {
            f->setFocus();
            QTest::keyClick(f, Qt::Key_Return);
        } else {
            QTest::mouseDClick(f, Qt::LeftButton);
        }
        FileChooser& chooser = e.windows.chooser();
        QCOMPARE(chooser.windowTitle(), QString("Select filename."));
        QCOMPARE(use_button(e)->text(), text5 ? "Use txt-filename" : "Use smk-filename");
        QVERIFY(!use_button(e)->isEnabled());
        QVERIFY(!child<QLineEdit>(chooser, "Text1")->isVisible());
        QVERIFY(e.state.chooser_target == ChooserTarget::overview_field(name.back().digitValue()));
        QVERIFY(e.state.return_window == WindowId::Overview);
        QCOMPARE(e.state.chooser_result, std::string());
        QVERIFY(e.state.campaign_changed);
        if (double_click) {
            double_click_row(e.file1(), row_named(e.file1(), listed.toLatin1().constData()));
        } else {
            click_row(e.file1(), row_named(e.file1(), listed.toLatin1().constData()));
            use_button(e)->click();
        }
        QCOMPARE(f->text(), double_click ? listed : listed.toLower());
        QCOMPARE(field_text(stored), double_click ? fromQ(listed) : before);
        QCOMPARE(e.frame2(), double_click ? caption : QString());
        QVERIFY(!chooser.isVisible());
        QVERIFY(e.overview().isEnabled());
    }

    // For the scenario editor the button needs a clicked file: a click counts until another
    // window covers the chooser, not after a mere repaint.
    void forTheEditor() {
        Editor e;
        FakeEditor editor(e);
        editor.ask(e, 7);
        QVERIFY(!editor.window.isEnabled());
        QVERIFY(show_active(e.windows.chooser()));
        use_button(e)->click();
        QCOMPARE(e.msgs.texts(), Texts{kSelectFirst});
        QVERIFY(e.msgs.shown[0].information_icon);
        click_row(e.file1(), row_named(e.file1(), "bv.smk"));
        QWidget cover;
        QVERIFY(show_active(cover));
        cover.hide();
        QVERIFY(show_active(e.windows.chooser()));
        use_button(e)->click();
        QCOMPARE(e.msgs.texts(), (Texts{kSelectFirst, kSelectFirst}));
        QCOMPARE(editor.dispatched, 0);
        click_row(e.file1(), row_named(e.file1(), "bv.smk"));
        e.windows.chooser().repaint();
        QCoreApplication::processEvents();
        use_button(e)->click();
        QCOMPARE(editor.dispatched, 1);
        QCOMPARE(editor.result, std::string("bv.smk"));
        QVERIFY(editor.window.isEnabled());
        QVERIFY(!e.windows.chooser().isVisible());

        // Cancel returns to the editor too, handing it nothing; only the asking window waits.
        editor.ask(e, 8);
        QVERIFY(e.overview().isEnabled());
        click(e.windows.chooser(), "Command2");
        QVERIFY(editor.window.isEnabled());
        QCOMPARE(editor.dispatched, 1);
        QVERIFY(e.state.chooser_target == ChooserTarget::editor_field(8));
    }

    void theCloseBoxStartsTheNextUseAfresh() {
        Editor e;
        e.trigger("Mopen");
        FileChooser& chooser = e.windows.chooser();
        chooser.close();
        QCOMPARE(chooser.windowTitle(), QString("MF7-editor, filenames"));
        QCOMPARE(use_button(e)->text(), QString("Open file"));
        QVERIFY(use_button(e)->isEnabledTo(&chooser));
        QVERIFY(child<QLineEdit>(chooser, "Text1")->isHidden());
        QCOMPARE(chooser.pattern(), std::string("*.cam"));
    }
};

QTEST_MAIN(FileChooserTest)
#include "file_chooser_test.moc"
