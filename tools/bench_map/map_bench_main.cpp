// mf7mapbench [--runs N]: times the full campaign map (analysis, layout, SVG) on generated
// campaigns shaped as campaign makers write them and on one with gotos all over it, against
// Graphviz's own `dot -Tsvg` on a plain drawing of the same campaign (a box per scenario, one WIN,
// one LOSE, an arrow per outcome), run side by side here. Prints medians and the ratio.
#include "bench_common/bench_runs.h"
#include "map/map_layout.h"
#include "model/campaign_flow.h"
#include "model/campaign_graph.h"
#include "model/overview.h"
#include "model/scenario_file.h"
#include "platform/command_line.h"
#include "reports/map_source.h"
#include "ui/map/map_scene.h"

#include <QApplication>
#include <QGraphicsScene>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using namespace mf7;

namespace {

using Gotos = std::function<void(int i, int n, OutcomeRecord* o, unsigned& seed)>;

unsigned next_random(unsigned& seed) {
    seed = seed * 1103515245u + 12345u;
    return (seed >> 16) & 0x7fff;
}

void set(OutcomeRecord& o, int go, int if_played = 0, int then_goto = 0) {
    o.goto_scn = static_cast<int16_t>(go);
    o.if_played = static_cast<int16_t>(if_played);
    o.then_goto = static_cast<int16_t>(then_goto);
}

// A main line, losses to LOSE, a skip every fifth scenario, side branches that rejoin, a replay
// after some losses, and an alternative every eighth scenario.
void realistic(int i, int n, OutcomeRecord* o, unsigned&) {
    int next = i + 1 < n ? i + 1 : kGotoWin;
    set(o[BV], i % 5 == 2 && i + 2 < n ? i + 2 : next);
    set(o[V], next);
    set(o[TV], i % 7 == 3 && i + 3 < n ? i + 3 : next);
    set(o[L], i % 6 == 4 ? i - 1 : kGotoLose);
    if (i % 8 == 5 && i + 4 < n)
        set(o[V], next, i - 3, i + 4);
}

// Every outcome anywhere in the campaign, now and then an ending, a quarter with alternatives.
void branchy(int, int n, OutcomeRecord* o, unsigned& seed) {
    for (int k = 0; k < kOutcomes; ++k) {
        unsigned r = next_random(seed);
        int go = r % 10 == 0 ? kGotoWin : r % 10 == 1 ? kGotoLose : static_cast<int>(r % n);
        set(o[k], go);
        if (next_random(seed) % 4 == 0)
            set(o[k], go, 1 + static_cast<int>(next_random(seed) % (n - 1)),
                static_cast<int>(next_random(seed) % n));
    }
}

struct Case {
    const char* name;
    int scenarios;
    Gotos gotos;
};

struct Map {
    CampaignRecord cam;
    std::vector<OverviewRow> rows;
};

Map make_map(const Case& c) {
    Map m;
    reset_campaign(m.cam);
    m.cam.scenario_count = static_cast<int16_t>(c.scenarios);
    unsigned seed = 20;
    for (int i = 0; i < c.scenarios; ++i) {
        ScenarioSlot& s = m.cam.scenarios[static_cast<std::size_t>(i)];
        s.scn_file = make_text_field("SCENARIO" + std::to_string(i) + ".SCN");
        c.gotos(i, c.scenarios, s.outcome.data(), seed);
        ScenarioSummary read{.named = true,
                             .found = true,
                             .date_text = std::to_string(1 + i % 28) + " JUN 1941",
                             .country = {}};
        m.rows.push_back(overview_row(s, i, read));
    }
    return m;
}

// The map as the editor makes it: analysis, graph, layout, drawing, SVG.
std::size_t full_map(const Map& m) {
    CampaignFlow flow = analyse_flow(m.cam);
    CampaignGraph graph = campaign_graph(m.cam, m.rows, NativePath());
    return static_cast<std::size_t>(render_campaign_map(graph, flow, "svg").size());
}

double seconds_of(const std::function<void()>& run) {
    auto start = std::chrono::steady_clock::now();
    run();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

} // namespace

int main(int argc, char** argv) {
    auto [runs, exit_status] = bench::read_runs(argc, argv, "usage: mf7mapbench [--runs N]\n", 3);
    if (exit_status)
        return *exit_status;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    fs::path dot_file = fs::temp_directory_path() / "mf7mapbench.dot";
    const Case cases[] = {
        {"30 realistic", 30, realistic},
        {"50 realistic", 50, realistic},
        {"50 branchy", 50, branchy},
    };
    std::printf("campaign map (analysis + layout + SVG) against dot -Tsvg on a plain drawing; "
                "median of %d runs\n",
                runs);
    for (const Case& c : cases) {
        Map m = make_map(c);
        {
            CampaignGraph graph = campaign_graph(m.cam, m.rows, NativePath());
            std::ofstream(dot_file) << graph_dot(graph, analyse_flow(m.cam));
        }
        std::string dot = "dot -Tsvg '" + dot_file.string() + "' -o /dev/null";
        // What the window does on the GUI thread with a finished layout: build its scene.
        CampaignFlow flow = analyse_flow(m.cam);
        CampaignGraph graph = campaign_graph(m.cam, m.rows, NativePath());
        MapLayout layout = layout_map(graph, flow);
        std::vector<double> ours, theirs, drawing;
        for (int r = 0; r < runs; ++r) {
            drawing.push_back(seconds_of([&] {
                QGraphicsScene scene;
                draw_map(scene, graph, flow, layout);
            }));
            ours.push_back(seconds_of([&] { full_map(m); }));
            theirs.push_back(seconds_of([&] {
                if (std::system(dot.c_str()) != 0)
                    std::fprintf(stderr, "mf7mapbench: dot failed\n");
            }));
        }
        double a = bench::median(ours), b = bench::median(theirs);
        std::printf("  %-14s map %7.3f s   dot -Tsvg %7.3f s   ratio %.3f   GUI thread %5.1f ms\n",
                    c.name, a, b, a / b, 1000 * bench::median(drawing));
    }
    std::error_code ec;
    fs::remove(dot_file, ec);
    return 0;
}
