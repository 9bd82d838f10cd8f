// The campaign map's drawing: what each box and arrow shows, its pictures and its layout.
#include "map/map_layout.h"
#include "model/campaign_graph.h"
#include "support/map_items.h"

#include <QGraphicsPathItem>
#include <QGraphicsPolygonItem>
#include <QImage>
#include <QImageReader>
#include <QSignalSpy>
#include <QSvgRenderer>

using namespace mf7;
using namespace mf7::test;

namespace {

// 0 goes to 1 or to -3; 1 wins, or loses once 2 was played, else goes back to 0; 2 is never
// reached. Edges 0-3 are 0's outcomes, 4-8 1's (8 the alternative), 9-12 2's.
std::vector<OverviewRow> small_campaign(EditorState& state) {
    reset_campaign(state.campaign);
    state.campaign.scenario_count = 3;
    int gotos[3][4] = {{1, 1, -3, 255}, {254, 254, 254, 255}, {254, 254, 254, 255}};
    state.campaign.scenarios[1].outcome[L].if_played = 2;
    state.campaign.scenarios[1].outcome[L].then_goto = 0;
    // A control byte in a name shows in every picture, and keeps the SVG well-formed (valid).
    state.campaign.scenarios[0].scn_file = make_text_field("A\x01"
                                                           "B\x1b.SCN");
    // The longest name a field holds, in the widest letter.
    state.campaign.scenarios[2].scn_file = make_text_field("WWWWWWWWWWWWWWWW.SCN");
    std::vector<OverviewRow> rows;
    for (std::size_t i = 0; i < 3; ++i) {
        for (std::size_t k = 0; k < 4; ++k)
            state.campaign.scenarios[i].outcome[k].goto_scn = static_cast<int16_t>(gotos[i][k]);
        rows.push_back(dated_row(state.campaign.scenarios[i], static_cast<int>(i),
                                 i == 2 ? "30 SEP 1944" : ""));
    }
    return rows;
}

// An arrow of the small campaign: the edges it carries, the words beside it, the colours of its
// bands (dashed for an alternative) and the node its head touches.
struct Arrow {
    QVariantList carried;
    QStringList words;
    QStringList bands;
    const char* to_kind;
    int to_number;
};
const char *kBV = "#1b7f3b", *kV = "#1f5fbf", *kTV = "#8d6e00", *kL = "#6a1b9a", *kRed = "#d32f2f";
const Arrow kArrows[] = {
    {{0, 1}, {"BV", "V"}, {kBV, kV}, "scenario", 1},
    {{2}, {"TV"}, {kRed}, "invalid", -3},
    {{3}, {}, {kL}, "lose", 0},
    {{4, 5, 6}, {"BV", "V", "TV"}, {kBV, kV, kTV}, "win", 1},
    {{7}, {}, {kL}, "lose", 1},
    {{8}, {"if 2 not played"}, {"#6a1b9a dashed"}, "scenario", 0},
    {{9, 10, 11}, {"BV", "V", "TV"}, {kBV, kV, kTV}, "win", 2},
    {{12}, {}, {kL}, "lose", 2},
};

} // namespace

class MapDrawingTest : public QObject {
    Q_OBJECT
  private slots:
    // Outcomes to one target share one arrow, in a band of each one's colour and named beside it;
    // WIN and LOSE are markers beside each scenario; every arrow's head touches its target. The
    // findings, the PNG and the SVG follow.
    void drawsNodesEdgesAndFindingsThenExports() {
        EditorState state;
        std::vector<OverviewRow> rows = small_campaign(state);
        state.selected_scn = 1;
        RecordingMessages msgs;
        CampaignMapWindow w(state, msgs);
        w.show_campaign(rows);
        QVERIFY(show_active(w));
        QVERIFY(settle(w));

        // A WIN marker beside 1 and one beside 2.
        for (auto [kind, count] :
             {std::pair{"scenario", 3}, {"win", 2}, {"lose", 3}, {"invalid", 1}})
            QCOMPARE(items_of(w, kind).size(), count);
        QCOMPARE(shape(w, "scenario", 2)->brush().color(), QColor("#eeeeee"));
        QCOMPARE(shape(w, "scenario", 0)->brush().color(), QColor(Qt::white));
        QCOMPARE(shape(w, "invalid", -3)->pen().color(), QColor(kRed));
        QCOMPARE(items_of(w, "edge").size(), int(std::size(kArrows)));
        for (const Arrow& a : kArrows) {
            QGraphicsItem* arrow = items_of(w, "edge", a.carried[0].toInt()).value(0);
            QVERIFY(arrow);
            QCOMPARE(arrow->data(kMapItemEdges).toList(), a.carried);
            QStringList words, bands;
            QPointF tip;
            for (QGraphicsItem* i : QList<QGraphicsItem*>{arrow} + arrow->childItems()) {
                if (auto* text = dynamic_cast<QGraphicsSimpleTextItem*>(i))
                    words << text->text();
                else if (auto* band = dynamic_cast<QGraphicsPathItem*>(i))
                    bands << band->pen().color().name() +
                                 (band->pen().style() == Qt::DashLine ? " dashed" : "");
                else if (auto* head = dynamic_cast<QGraphicsPolygonItem*>(i))
                    tip = head->mapToScene(head->polygon().value(0));
            }
            QCOMPARE(words, a.words);
            QCOMPARE(bands, a.bands);
            QGraphicsItem* target = items_of(w, a.to_kind, a.to_number).value(0);
            QVERIFY(target);
            QVERIFY2(target->sceneBoundingRect().adjusted(-1, -1, 1, 1).contains(tip),
                     qPrintable(a.carried[0].toString()));
        }
        // Top to bottom from scenario 0, every box wide and high enough for its lines.
        QVERIFY(shape(w, "scenario", 0)->sceneBoundingRect().bottom() <
                shape(w, "scenario", 1)->sceneBoundingRect().top());
        // Only the name in the widest letters is shrunk to fit its box.
        QStringList shrunk;
        for (QGraphicsItem* box : items_of(w, "scenario"))
            for (QGraphicsItem* line : box->childItems()) {
                QVERIFY(line->sceneBoundingRect().isEmpty() ||
                        box->sceneBoundingRect().contains(line->sceneBoundingRect()));
                if (line->scale() < 1)
                    shrunk << static_cast<QGraphicsSimpleTextItem*>(line)->text();
            }
        QCOMPARE(shrunk, QStringList{"WWWWWWWWWWWWWWWW.SCN"});
        // A click selects the scenario whose box it hits, and nothing on a WIN marker; nothing
        // takes the legend for a scenario.
        QSignalSpy selected(&w, &CampaignMapWindow::scenarioSelected);
        QTest::mouseClick(w.view().viewport(), Qt::LeftButton, {},
                          w.view().mapFromScene(shape(w, "win", 1)->sceneBoundingRect().center()));
        QVERIFY(!map_node_of(items_of(w, "legend").value(0)));
        QTest::mouseClick(w.view().viewport(), Qt::LeftButton, {}, node_point(w, 2));
        QCOMPARE(selected.size(), 1);
        QCOMPARE(selected[0][0].toInt(), 2);

        auto* findings = child<QListWidget>(w, "Findings");
        QVERIFY(!findings->findItems("reaches scenario 2", Qt::MatchContains).isEmpty());

        TempDir dir;
        QVERIFY(w.export_to(pathToQ(dir.file("map.png"))));
        QVERIFY(QImage(pathToQ(dir.file("map.png"))).width() > 100);
        QVERIFY(w.export_to(pathToQ(dir.file("map.svg"))));
        QVERIFY(QSvgRenderer(pathToQ(dir.file("map.svg"))).isValid());
        // The selection is filled pale blue on screen, never in a picture.
        QCOMPARE(items_of(w, "selection", 1).size(), 1);
        QVERIFY(read_all(dir.file("map.svg")).find("#bbdefb") == std::string::npos);
        QCOMPARE(node_lines(w, 0), QStringList({"0", "A\\x01B\\x1B.SCN"}));
        // Export draws a PNG as the batch tool does: at twice the scene's size, scaled down
        // evenly beyond a side of 16384 pixels or 32 Mi pixels in all.
        w.scene().setSceneRect(0, 0, 30000, 1000);
        QVERIFY(w.export_to(pathToQ(dir.file("big.png"))));
        QCOMPARE(QImageReader(pathToQ(dir.file("big.png"))).size(), QSize(16384, 546));
        QCOMPARE(png_size({100, 50}), QSize(200, 100));
        QCOMPARE(png_size({10000, 10000}), QSize(5792, 5792));
    }

    // The key of a layout: the arrows and the number of scenarios, never names nor dates.
    void keysALayoutByTheArrowsOnly() {
        CampaignGraph base;
        base.scenarios = {{0, "A.SCN", "1 SEP 1939", true}, {1, "B.SCN", "", true}};
        base.edges = {{0, V, 1, GotoKind::Scenario, 0}, {0, L, 1, GotoKind::Scenario, 3}};
        // A date only labels a box (a rename is the window test's); the rest moves the boxes.
        const struct {
            const char* what;
            bool label_only;
            void (*change)(CampaignGraph&);
        } changes[] = {
            {"date", true, [](CampaignGraph& g) { g.scenarios[1].date = "2 SEP 1939"; }},
            {"count", false, [](CampaignGraph& g) { g.scenarios.emplace_back(); }},
            {"from", false, [](CampaignGraph& g) { g.edges[0].from = 1; }},
            {"outcome", false, [](CampaignGraph& g) { g.edges[0].outcome = TV; }},
            {"to", false, [](CampaignGraph& g) { g.edges[0].to = 0; }},
            {"kind", false, [](CampaignGraph& g) { g.edges[1].kind = GotoKind::Invalid; }},
            {"if played", false, [](CampaignGraph& g) { g.edges[1].if_played = 4; }},
        };
        const std::string key = layout_key(base);
        for (const auto& c : changes) {
            CampaignGraph changed = base;
            c.change(changed);
            if ((layout_key(changed) == key) != c.label_only)
                QFAIL(c.what);
        }
    }
};

QTEST_MAIN(MapDrawingTest)
#include "map_drawing_test.moc"
