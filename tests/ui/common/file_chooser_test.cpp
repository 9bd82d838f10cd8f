// The file chooser: what its button and a double-click hand to the overview and
// to the scenario editor.
#include "support/editor_fixture.h"
#include "ui/common/chooser_setup.h"
#include "ui/editor/scenario_editor.h"

using namespace mf7;
using namespace mf7::test;

namespace {

QPushButton* use_button(Editor& e) {
    return child<QPushButton>(e.windows.chooser(), "Command1");
}

const struct NameField {
    const char *what, *name, *listed;
    TextField CampaignRecord::*stored;
    bool enter_then_double_click; // else a double-click on the field, a click and the button
} kOverviewNameFields[] = {
    {"Text3, button", "Text3", "Intro.SMK", &CampaignRecord::win_smk, false},
    {"Text4 by Enter, double-click", "Text4", "Intro.SMK", &CampaignRecord::lose_smk, true},
};

} // namespace

class FileChooserTest : public QObject {
    Q_OBJECT
  private slots:
    // Double-click or Enter in an overview name field opens the chooser on its folder. The button
    // puts the name, lower case with its extension, into the field only (Save as stores it); a
    // double-click stores the name as listed at once and keeps the selection caption.
    void theOverviewsNameFields_data() { case_rows(kOverviewNameFields); }
    void theOverviewsNameFields() {
        const auto& [what, name, listed, stored_in, keys] = fetched(kOverviewNameFields);
        Editor e(kOpened);
        QVERIFY(show_active(e.overview()));
        QVERIFY(demo::write_bytes(join_path(e.state.settings.mf7_smk, listed), "x"));
        const TextField& stored = e.state.campaign.*stored_in;
        const std::string before = field_text(stored);
        click_row(e.list1(), 4);
        const QString caption = e.frame2();
        e.state.campaign_changed = false;
        QLineEdit* f = e.field(name);
        if (keys) {
            f->setFocus();
            QTest::keyClick(f, Qt::Key_Return);
        } else {
            QTest::mouseDClick(f, Qt::LeftButton);
        }
        QVERIFY(!use_button(e)->isEnabled() && e.state.campaign_changed);
        if (keys) {
            double_click_row(e.file1(), row_named(e.file1(), listed));
        } else {
            click_row(e.file1(), row_named(e.file1(), listed));
            use_button(e)->click();
        }
        QCOMPARE(f->text(), keys ? QString(listed) : QString(listed).toLower());
        QCOMPARE(field_text(stored), keys ? std::string(listed) : before);
        QCOMPARE(e.frame2(), keys ? caption : QString());
        QVERIFY(!e.windows.chooser().isVisible() && e.overview().isEnabled());
    }

    // Each editor name field's chooser: its folder, pattern and button, and the editor it
    // returns to, which disabled itself; any other field has none.
    void theEditorsFieldSetUps() {
        Settings s;
        s.mf7_scn = "scn"_path;
        s.mf7_smk = "smk"_path;
        s.mf7_mus = "mus"_path;
        s.mf7_txt = "deu"_path; // each kind's folder named after its extension
        s.set_mf7text("*.deu");
        for (auto [control, ext] : {std::pair{6, "scn"}, {44, "smk"}, {42, "mus"}, {9, "deu"}}) {
            auto setup = editor_field_chooser(s, ChooserTarget::editor_field(control));
            QVERIFY2(setup, ext);
            QCOMPARE(setup->caption, std::string("Select filename."));
            QCOMPARE(setup->folder, NativePath(ext));
            QCOMPARE(setup->pattern, "*." + std::string(ext));
            QCOMPARE(setup->button_caption, "Use " + std::string(ext) + "-filename");
            QVERIFY(setup->return_window == WindowId::ScenarioEditor && !setup->disable_caller);
        }
        QVERIFY(!editor_field_chooser(s, ChooserTarget::editor_field(10))); // no name field
    }

    // For the scenario editor the button needs a clicked file: a click counts until another
    // window covers the chooser, not after a mere repaint. The close box hands the editor nothing
    // and gives back the chooser's own title and button.
    void forTheEditor() {
        Editor e(kOpened);
        ScenarioEditor& editor = e.edit(0);
        QVERIFY(QTest::qWaitForWindowActive(&editor));
        QTest::mouseDClick(editor.field(7), Qt::LeftButton);
        QVERIFY(show_active(e.windows.chooser()));
        QVERIFY(!use_button(e)->isEnabled());
        click_row(e.file1(), row_named(e.file1(), "bv.smk"));
        QWidget cover;
        QVERIFY(show_active(cover));
        cover.hide();
        QVERIFY(show_active(e.windows.chooser()));
        use_button(e)->click();
        QCOMPARE(e.msgs.texts(), Texts{"F2-I02: You have to select a filename first."});
        click_row(e.file1(), row_named(e.file1(), "bv.smk"));
        e.windows.chooser().repaint();
        QCoreApplication::processEvents();
        use_button(e)->click();
        QCOMPARE(editor.field(7)->text(), QString("bv.smk"));
        QVERIFY(editor.isEnabled() && !e.windows.chooser().isVisible());

        const QString before = editor.field(8)->text();
        QTest::mouseDClick(editor.field(8), Qt::LeftButton);
        e.windows.chooser().close();
        QVERIFY(editor.isEnabled());
        QCOMPARE(editor.field(8)->text(), before);
        QCOMPARE(e.windows.chooser().windowTitle(), QString("MF7-editor, filenames"));
        QCOMPARE(use_button(e)->text(), QString("Open file"));
        QVERIFY(use_button(e)->isEnabledTo(&e.windows.chooser()));
    }
};

QTEST_MAIN(FileChooserTest)
#include "file_chooser_test.moc"
