// The campaign map window in the editor: waiting, export, following the overview, the worker.
#include "map/map_layout.h"
#include "model/campaign_graph.h"
#include "support/map_items.h"
#include "ui/copy/copy_window.h"
#include "ui/editor/scenario_editor.h"
#include "ui/editor/scenario_list_window.h"

#include <QElapsedTimer>
#include <QFileDialog>
#include <QGraphicsPathItem>
#include <QImage>
#include <QLabel>
#include <QTimer>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <functional>
#include <future>
#include <memory>

using namespace mf7;
using namespace mf7::test;

namespace {

// Clicks Export PNG and answers the file dialog it opens with `name` and Return; gives back the
// file the dialog offered first.
QString export_typing(CampaignMapWindow& map, const QString& name) {
    QString offered;
    int tries = 0;
    std::function<void()> answer = [&] {
        auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!d) {
            if (++tries < 300)
                QTimer::singleShot(10, answer);
            return;
        }
        offered = d->selectedFiles().value(0);
        auto* edit = d->findChild<QLineEdit*>("fileNameEdit");
        edit->setText(name); // typed keys would open the completer's list over the dialog
        QTest::keyClick(edit, Qt::Key_Return);
    };
    QTimer::singleShot(0, answer);
    QTest::mouseClick(child<QPushButton>(map, "ExportPng"), Qt::LeftButton);
    return offered;
}

// Counts the map's layouts on the worker and, when `held`, holds them until released. Shared
// with the layout function, which may outlive the window; a forgotten gate opens after 10 s.
struct Gate {
    std::promise<void> opened;
    std::shared_future<void> open = opened.get_future().share();
    std::atomic<int> started{0}, done{0};
    void release() { opened.set_value(); }
};

std::shared_ptr<Gate> count_layouts(CampaignMapWindow& map, bool held) {
    auto gate = std::make_shared<Gate>();
    if (!held)
        gate->release();
    map.lay_out = [gate](const CampaignGraph& graph, const CampaignFlow& flow) {
        ++gate->started;
        gate->open.wait_for(std::chrono::seconds(10));
        MapLayout layout = layout_map(graph, flow);
        ++gate->done;
        return layout;
    };
    return gate;
}

void insert_at_3(Editor& e) {
    click_row(e.list1(), 3);
    click(e.overview(), "Command2");
}

// What the user does while the insert's layout runs: a second change, whose picture alone is
// then shown, or leaving the map by closing it or by quitting.
enum class Then { Change, Close, Quit };
struct During {
    const char* what;
    Then then;
    void (*change)(Editor&);
    int scenarios; // in the overview after the change, or in a map opened again
};
const During kDuring[] = {
    {"insert again", Then::Change, insert_at_3, 10},
    {"undo", Then::Change, [](Editor& e) { e.trigger("Mundo"); }, 8},
    {"close the map", Then::Close, nullptr, 9},
    {"quit", Then::Quit, nullptr, 9},
};

} // namespace

class CampaignMapWindowTest : public QObject {
    Q_OBJECT
  private slots:
    // Export offers campaign-map.png in a report folder of any letters and writes where the user
    // chose; a name typed without its extension is asked about before an old file is replaced.
    void exportsIntoAFolderOfAnyNameAndAsksBeforeReplacing() {
        Editor e(kOpened);
        TempDir dir;
        const NativePath folder = dir.file("Łukasz/Игры");
        std::filesystem::create_directories(to_native(folder));
        e.state.settings.mf7_rep = folder;
        CampaignMapWindow& map = open_map(e);
        QCOMPARE(export_typing(map, "ziel"), pathToQ(join_path(folder, "campaign-map.png")));
        const NativePath target = join_path(folder, "ziel.png");
        QVERIFY(QImage(pathToQ(target)).width() > 100);

        // The name in other letters is the same file to the game's platform: asked too.
        for (auto [typed, answer] :
             {std::pair{"ziel", Answer::No}, {"ZIEL.PNG", Answer::No}, {"ziel", Answer::Yes}}) {
            QVERIFY(demo::write_bytes(target, "old"));
            e.answer(answer);
            export_typing(map, typed);
            QCOMPARE(e.msgs.shown.size(), std::size_t(1));
            QCOMPARE(e.msgs.shown[0].buttons, Buttons::YesNo);
            QCOMPARE(read_all(target) == "old", answer == Answer::No);
        }
        QCOMPARE(message_to_utf8(e.msgs.shown[0].text),
                 target.str() + " already exists.\nDo you want to replace it?");
    }

    // Reports > Campaign map on the demo: a click selects, a double-click edits; the map waits
    // while the editor is open, follows a stored edit, an insert and a rename, and outlines the
    // overview's selection. The editor's scenario list follows the overview too.
    void followsTheOverviewAndOpensTheEditor() {
        Editor e(kOpened);
        CampaignMapWindow& map = open_map(e);
        auto gate = count_layouts(map, false);
        QCOMPARE(items_of(map, "scenario").size(), 8);
        // The demo's skips are bent around the boxes they pass: no arrow runs through a box.
        for (QGraphicsItem* arrow : items_of(map, "edge"))
            for (QGraphicsItem* box : items_of(map, "scenario"))
                for (int k = 1; k < 50; ++k) {
                    QPainterPath path = dynamic_cast<QGraphicsPathItem*>(arrow)->path();
                    QPointF p = path.pointAtPercent(k / 50.0);
                    QVERIFY(!box->sceneBoundingRect().adjusted(3, 3, -3, -3).contains(p));
                }
        QTest::mouseClick(map.view().viewport(), Qt::LeftButton, {}, node_point(map, 5));
        QCOMPARE(e.list1()->currentRow(), 5);
        click_row(e.list1(), 2);
        QTRY_COMPARE(items_of(map, "selection", 2).size(), 1);
        QCOMPARE(items_of(map, "selection").size(), 1);
        // While the copy holds the overview, hidden, the map waits too.
        e.trigger("language_conversion");
        QVERIFY(e.windows.copy_window().isVisible());
        QTest::mouseClick(map.view().viewport(), Qt::LeftButton, {}, node_point(map, 3));
        QTest::mouseDClick(map.view().viewport(), Qt::LeftButton, {}, node_point(map, 3));
        QVERIFY(!e.windows.created(WindowId::ScenarioEditor));
        QCOMPARE(e.list1()->currentRow(), 2);
        e.windows.copy_window().close();
        QVERIFY(e.overview().isVisible() && map.isEnabled());
        QTest::mouseDClick(map.view().viewport(), Qt::LeftButton, {}, node_point(map, 3));
        ScenarioEditor& editor = e.windows.editor();
        QVERIFY(editor.isVisible() && !map.isEnabled() && !e.overview().isEnabled());
        QCOMPARE(e.state.selected_scn, 3);
        editor.field(20)->setText("20"); // V goto: a slot beyond the campaign
        click(editor, "Command3");
        ScenarioListWindow& list = e.windows.scenario_list();
        QVERIFY(list.isVisible() && list.isEnabled());
        QCOMPARE(list.lines().size(), 8);
        click(editor, "Command1");
        QVERIFY(map.isEnabled());
        QVERIFY(settle(map));
        QCOMPARE(items_of(map, "invalid", 20).size(), 1);
        click(e.overview(), "Command2");
        QCOMPARE(list.lines().size(), 9);
        QVERIFY(settle(map));
        QCOMPARE(items_of(map, "scenario").size(), 9);
        // Undo comes back to a structure laid out before: drawn from the layout the map has.
        e.trigger("Mundo");
        QTRY_COMPARE(items_of(map, "scenario").size(), 8);
        QCOMPARE(node_lines(map, 3).value(1), QString("DUNKIRK.SCN"));
        // A rename moves no arrow either.
        double_click_row(e.list1(), 3);
        editor.field(6)->setText("RENAMED.SCN");
        click(editor, "Command3");
        click(editor, "Command1");
        QTRY_COMPARE(node_lines(map, 3).value(1), QString("RENAMED.SCN"));
        QCOMPARE(gate->done.load(), 2);
    }

    // While a layout runs the map keeps its picture, marked as updating, and the editor answers
    // at once; a change made meanwhile shows only its own picture. Closing or quitting waits for
    // nothing, the late layout touches no window that is gone, and a reopened map shows the newest.
    void aRunningLayoutNeitherBlocksNorWins_data() { case_rows(kDuring); }
    void aRunningLayoutNeitherBlocksNorWins() {
        const During& c = fetched(kDuring);
        auto e = std::make_unique<Editor>(kOpened);
        CampaignMapWindow& map = open_map(*e);
        auto gate = count_layouts(map, true);
        std::vector<qsizetype> shown;
        connect(&map, &CampaignMapWindow::laidOut, &map,
                [&] { shown.push_back(items_of(map, "scenario").size()); });
        insert_at_3(*e);
        QTRY_COMPARE(gate->started.load(), 1);
        QVERIFY(map.updating() && child<QLabel>(map, "Updating")->isVisible());
        QCOMPARE(items_of(map, "scenario").size(), 8);
        if (c.then == Then::Change) {
            c.change(*e);
            QCOMPARE(e->list1()->count(), c.scenarios);
            gate->release();
            QVERIFY(settle(map));
            QCOMPARE(shown, std::vector<qsizetype>{c.scenarios});
            return;
        }
        QElapsedTimer timer;
        timer.start();
        if (c.then == Then::Quit)
            e.reset();
        else
            QVERIFY(map.close());
        QVERIFY(timer.elapsed() < 5000);
        gate->release();
        QTRY_COMPARE(gate->done.load(), 1);
        QTest::qWait(100); // the finished layout's report arrives
        if (e)
            QCOMPARE(items_of(open_map(*e), "scenario").size(), c.scenarios);
    }

    // Fifty scenarios open with readable labels, at the top or around the selected scenario,
    // and Fit to window shows them all.
    void opensReadableOnALargeCampaign_data() {
        QTest::addColumn<int>("selected");
        QTest::newRow("nothing selected") << -1;
        QTest::newRow("scenario 30 selected") << 30;
    }
    void opensReadableOnALargeCampaign() {
        QFETCH(int, selected);
        FullGame game(50);
        game.state.selected_scn = static_cast<int16_t>(selected);
        CampaignMapWindow w(game.state, game.msgs);
        w.show_campaign(game.rows());
        QVERIFY(show_active(w));
        QVERIFY(settle(w));
        QVERIFY(w.view().transform().m11() >= 0.8); // labels of 8 px or more
        QRect port = w.view().viewport()->rect();
        QVERIFY(port.contains(node_point(w, std::max(selected, 0))));
        QCOMPARE(items_of(w, "selection").size(), selected < 0 ? 0 : 1);
        QTest::mouseClick(child<QPushButton>(w, "Fit"), Qt::LeftButton);
        QVERIFY(w.view().transform().m11() < 0.8);
        QVERIFY(port.adjusted(-1, -1, 1, 1)
                    .contains(w.view().mapFromScene(w.scene().sceneRect()).boundingRect()));
    }
};

QTEST_MAIN(CampaignMapWindowTest)
#include "campaign_map_window_test.moc"
