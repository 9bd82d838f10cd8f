// Undo and redo of every kind of campaign change, the recent campaigns, and campaigns opened
// from the command line or by a drop.
#include "support/editor_fixture.h"
#include "ui/editor/scenario_editor.h"
#include "ui/overview/campaign_history.h"
#include "ui/overview/recent_campaigns.h"

#include <QApplication>
#include <QMenu>
#include <QMimeData>
#include <QUndoStack>

using namespace mf7;
using namespace mf7::test;

namespace {

// The record as Save as would write it.
std::string saved_bytes(Editor& e) {
    CampaignRecord cam = e.state.campaign;
    blanks_to_nul(cam);
    return campaign_to_bytes(cam);
}

void set_prestige(Editor& e) {
    show_active(e.overview());
    e.type("Text2", "4321"); // typed: only typing counts as a change
    e.list1()->setFocus();
}

// Types over a header field's text as a user does, with a click into it first.
void type_over(Editor& e, const char* field, const char* text) {
    QTest::mouseClick(e.field(field), Qt::LeftButton);
    e.type(field, text);
}

void store_scenario(Editor& e) {
    ScenarioEditor& editor = e.edit(2);
    child<QLineEdit>(editor, "Text5")->setText("777");
    click(editor, "Command1");
}

const struct UndoCase {
    const char* what;
    std::function<void(Editor&)> change;
    QString step;
} kUndo[] = {
    {"prestige", set_prestige, "Change Player start prestige"},
    {"insert after", [](Editor& e) { click_row(e.list1(), 7), click(e.overview(), "Command2"); },
     "Insert SCN after 7"},
    {"delete",
     [](Editor& e) {
         e.answer(Answer::Yes), click_row(e.list1(), 3), click(e.overview(), "Command3");
     },
     "Delete SCN 3"},
    {"scenario editor", store_scenario, "Edit SCN 2"},
};

void drop_file(Editor& e, const NativePath& path) {
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(pathToQ(path))});
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, {});
    static_cast<QObject&>(e.overview()).event(&drop);
}

} // namespace

class OverviewDesktopTest : public QObject {
    Q_OBJECT
  private slots:
    void init() {
        for (const QString& path : recent_campaigns::list())
            recent_campaigns::remove(path);
    }

    void eachChangeIsUndoneAndRedone_data() { case_rows(kUndo); }
    void eachChangeIsUndoneAndRedone() {
        const UndoCase& c = fetched(kUndo);
        Editor e(kOpened);
        const CampaignRecord before = e.state.campaign;
        kUndo[1].change(e); // one step before: none is lost between two changes
        const CampaignRecord first = e.state.campaign;
        c.change(e);
        const CampaignRecord after = e.state.campaign;
        QVERIFY(after != first && e.state.campaign_changed && e.overview().isWindowModified());
        QCOMPARE(e.action("Mundo")->text(), "&Undo " + c.step);
        e.trigger("Mundo");
        QVERIFY(e.state.campaign == first && e.state.campaign_changed);
        e.trigger("Mundo");
        QVERIFY(e.state.campaign == before && !e.state.campaign_changed &&
                !e.overview().isWindowModified());
        e.trigger("Mredo");
        e.trigger("Mredo");
        QVERIFY(e.state.campaign == after && e.state.campaign_changed);
        QCOMPARE(rows(e.list1()).size(), int(e.state.campaign.scenario_count));
    }

    // Typing a header name is a step of its own, and a name still being typed becomes one before
    // undo moves; the unsaved mark stays while a typed name differs from the saved one. Save as
    // (which puts the typed names into the record) and an unchanged "Use these settings" record
    // no step; undo back to the last save is clean again; Open starts a new history.
    void typedNamesAreStepsAndSavingMarksTheCleanState() {
        Editor e(kShown);
        QLineEdit *t3 = e.field("Text3"), *t4 = e.field("Text4");
        type_over(e, "Text3", "typed2");
        set_prestige(e);
        QTest::keyClick(e.list1(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(e.state.campaign.player_start_prestige, uint16_t(1200));
        QVERIFY(t3->text() == "typed2.smk" && e.overview().isWindowModified());
        QTest::keyClick(e.list1(), Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(t3->text() == "victory.smk" && !e.overview().isWindowModified());
        QTest::keyClick(e.list1(), Qt::Key_Y, Qt::ControlModifier);
        QTest::keyClick(e.list1(), Qt::Key_Y, Qt::ControlModifier);
        QVERIFY(t3->text() == "typed2.smk" && e.overview().isWindowModified());
        QCOMPARE(e.state.campaign.player_start_prestige, uint16_t(4321));

        type_over(e, "Text4", "typed3");
        e.trigger("Mundo");
        QVERIFY(t4->text() == "defeat.smk" && t3->text() == "typed2.smk");
        e.trigger("Mredo");
        QCOMPARE(t4->text(), QString("typed3.smk"));
        // Inserting a scenario shows the record again, typed names kept.
        kUndo[1].change(e);
        QVERIFY(t4->text() == "typed3.smk" && t3->text() == "typed2.smk");

        type_over(e, "Text3", "new");
        e.save_as("DEMO", Answer::Yes);
        const QString typed = "&Undo Type Win Campaign SMK";
        QCOMPARE(e.action("Mundo")->text(), typed);
        QVERIFY(show_active(e.overview()));
        click(e.edit(2), "Command1");
        QCOMPARE(e.action("Mundo")->text(), typed);
        QVERIFY(!e.state.campaign_changed && !e.overview().isWindowModified());
        kUndo[2].change(e);
        e.save_as("demo", Answer::Yes); // over DEMO.CAM
        std::string saved = saved_bytes(e);
        kUndo[1].change(e);
        e.trigger("Mundo");
        QVERIFY(saved_bytes(e) == saved && !e.state.campaign_changed);
        e.trigger("Mundo");
        QVERIFY(e.state.campaign_changed);
        // One recent entry per file, under its name on disk.
        QCOMPARE(recent_campaigns::list(), QStringList{pathToQ(e.game.campaign_path())});
        e.open();
        QVERIFY(!e.action("Mundo")->isEnabled());
    }

    // A change made outside any step (none should be) becomes a step of its own before the
    // next one, so that undo never skips it; a step that changed nothing records nothing.
    void aChangeOutsideAStepBecomesAStepOfItsOwn() {
        EditorState state;
        CampaignHistory history(
            state, [] { return TypedNames{}; }, [](const TypedNames&) {}, nullptr);
        auto change = [&](uint16_t prestige) {
            HistoryStep step(history, QString::number(prestige));
            state.campaign.player_start_prestige = prestige;
        };
        change(7);
        change(7);
        QCOMPARE(history.stack().count(), 1);
        state.campaign.player_start_prestige = 9;
        change(10);
        QCOMPARE(history.stack().count(), 3);
        for (uint16_t back : {9, 7, 0}) {
            history.stack().undo();
            QCOMPARE(state.campaign.player_start_prestige, back);
        }
    }

    // The command line and a drop open one file whatever its name; a file read as damaged is
    // shown as Open shows it, but stays out of the recent list: a picture opened as an argument,
    // and a campaign named notes.txt dropped.
    void anyNameOpensButDamageStaysOutOfRecent() {
        for (auto [drop, name, campaign] :
             {std::tuple{false, "picture.png", false}, {true, "notes.txt", true}}) {
            Editor e;
            NativePath path = e.game.dir.file(name);
            std::string picture = "\x89PNG\r\n\x1a\n" + std::string(300, 'x');
            QVERIFY(demo::write_bytes(path, campaign ? read_all(e.game.campaign_path()) : picture));
            if (drop)
                drop_file(e, path);
            else
                e.overview().open_argument(pathToQ(path));
            QCOMPARE(e.list1()->count(), campaign ? 8 : 50);
            QCOMPARE(e.msgs.shown.size(), std::size_t(campaign ? 0 : 1));
            QCOMPARE(recent_campaigns::list(),
                     campaign ? QStringList{pathToQ(path)} : QStringList{});
        }
    }

    // A recent entry and a drop ask about unsaved changes as Open does: a missing file leaves the
    // list (and the campaign on screen), the dropped one opens after a No.
    void recentEntriesAndDropsAskFirst() {
        Editor e(kOpened);
        recent_campaigns::add("/nowhere/gone.cam");
        e.overview().open_argument(pathToQ(e.game.campaign_path()));
        auto* recent = e.overview().findChild<QMenu*>("Mrecent");
        QCOMPARE(recent->actions().size(), 2);
        QVERIFY(recent->menuAction()->isEnabled());
        QVERIFY(show_active(e.overview()));
        type_over(e, "Text4", "kept");
        set_prestige(e);
        e.answer(Answer::No);
        recent->actions()[1]->trigger();
        QCOMPARE(e.msgs.shown.size(), std::size_t(2));
        QVERIFY(e.msgs.texts()[1].find("gone.camdoes not exist") != std::string::npos);
        QCOMPARE(recent_campaigns::list().size(), 1);
        QCOMPARE(rows(e.list1()).size(), 8);
        QCOMPARE(e.field("Text4")->text(), QString("kept.smk"));
        e.answer(Answer::No);
        drop_file(e, e.game.campaign_path());
        QCOMPARE(e.msgs.shown.size(), std::size_t(1));
        QCOMPARE(e.state.campaign.player_start_prestige, uint16_t(1200));
        QVERIFY(!e.state.campaign_changed);
        // A campaign that is there but cannot be read (Linux's memory file) stays in the list.
        if (file_exists("/proc/self/mem"_path)) {
            recent_campaigns::add("/proc/self/mem");
            emit recent->aboutToShow();
            e.msgs.clear();
            recent->actions()[0]->trigger();
            QVERIFY(e.msgs.texts().at(0).find("Read the file: ") != std::string::npos);
            QCOMPARE(recent_campaigns::list().size(), 2);
        }
    }
};

QTEST_MAIN(OverviewDesktopTest)
#include "overview_desktop_test.moc"
