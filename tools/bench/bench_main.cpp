// mf7bench [--runs N]: times the editor's work on a generated campaign of 50 scenarios with
// every file present, in-process, and prints the median of N runs per operation.
#include "bench_common/bench_runs.h"
#include "demo/full_game.h"
#include "model/campaign_file.h"
#include "model/campaign_flow.h"
#include "model/campaign_text.h"
#include "model/overview.h"
#include "model/state.h"
#include "platform/command_line.h"
#include "platform/files.h"
#include "platform/messages.h"
#include "platform/paths.h"
#include "reports/campaign_list.h"
#include "reports/file_list.h"
#include "reports/full_report.h"
#include "reports/missing_files_check.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <iostream>
#include <random>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using namespace mf7;

namespace {

constexpr int kScenarios = 50;

// Announcements and questions are counted, not shown: a benchmark must not wait for anyone.
class QuietMessages : public Messages {
  public:
    Answer show(const std::string&, Buttons buttons, bool) override {
        ++count;
        return buttons == Buttons::YesNo || buttons == Buttons::YesNoCancel ? Answer::No
                                                                            : Answer::Ok;
    }
    int count = 0;
};

// The generated game and what an operation works with. Each run gets a state freshly opened
// from the campaign file, as the editor has it after Open.
struct Bench {
    NativePath root;
    Settings settings;
    NativePath campaign_path;
    EditorState state;
    std::vector<OverviewRow> rows;
    QuietMessages messages;
    ReportTime time{"06-12-2026", "12:00:00"};
    std::string text; // the campaign as JSON text, for the import

    void open() {
        state = EditorState{};
        state.settings = settings;
        state.cam_path = campaign_path;
        state.cam_folder = settings.mf7_cam;
        state.cam_name = NativePath(demo::kFullCampaignName);
        read_campaign(state, campaign_path, messages);
        rows = fill_overview(state, messages).rows;
    }
};

// The hardest campaign for the path analysis: 50 scenarios, 16 of them named by alternatives,
// every goto a scenario. Scenarios 17 to 49 form a ring from which each of 1 to 16 can be
// played next, so every played set is reachable with every scenario.
CampaignRecord worst_flow_campaign() {
    CampaignRecord cam;
    reset_campaign(cam);
    cam.scenario_count = kScenarios;
    for (int i = 0; i < kScenarios; ++i) {
        auto& o = cam.scenarios[static_cast<std::size_t>(i)].outcome;
        auto set = [&](Outcome k, int go, int if_played, int then_goto) {
            o[k].goto_scn = static_cast<int16_t>(go);
            o[k].if_played = static_cast<int16_t>(if_played);
            o[k].then_goto = static_cast<int16_t>(then_goto);
        };
        int ring_next = 17 + (i + 1) % 33;
        set(BV, ring_next, 1 + i % 16, 17 + (i + 5) % 33);
        set(V, 1 + i % 16, 1 + (i + 3) % 16, ring_next);
        set(TV, 1 + (i * 5 + 3) % 16, 0, 0);
        set(L, 17 + (i * 7) % 33, 1 + (i + 8) % 16, 1 + (i + 1) % 16);
    }
    return cam;
}

struct Operation {
    const char* name;
    // Runs before each timed run, untimed.
    std::function<void(Bench&)> prepare;
    std::function<void(Bench&)> run;
};

// One row per operation; a new operation needs only a row here.
std::vector<Operation> operations() {
    auto opened = [](Bench& b) { b.open(); };
    return {
        {"open and fill", [](Bench&) {}, [](Bench& b) { b.open(); }},
        {"campaign list", opened,
         [](Bench& b) { write_campaign_list(report_inputs(b.state, b.rows), b.time, b.messages); }},
        {"full report", opened,
         [](Bench& b) {
             write_full_report(report_inputs(b.state, b.rows), b.state.countries, b.time,
                               b.messages);
         }},
        {"file list", opened,
         [](Bench& b) { write_file_list(report_inputs(b.state, b.rows), b.time, b.messages); }},
        {"missing-files check", opened,
         [](Bench& b) {
             CheckHeaderTexts header{"WON.SMK", "LOST.SMK", "full.txt"};
             check_missing_files(report_inputs(b.state, b.rows), header, b.messages);
         }},
        {"export as text", opened, [](Bench& b) { b.text = campaign_to_text(b.state.campaign); }},
        {"import text",
         [](Bench& b) {
             b.open();
             b.text = campaign_to_text(b.state.campaign);
         },
         [](Bench& b) {
             std::string error;
             if (!campaign_from_text(b.text, b.state.campaign, error))
                 std::fprintf(stderr, "mf7bench: %s\n", error.c_str());
         }},
        {"flow: demo campaign", [](Bench&) {},
         [](Bench&) {
             static const CampaignRecord demo = demo::demo_campaign();
             analyse_flow(demo);
         }},
        {"flow: worst case", [](Bench&) {},
         [](Bench&) {
             static const CampaignRecord worst = worst_flow_campaign();
             analyse_flow(worst);
         }},
    };
}

} // namespace

int main(int argc, char** argv) {
    ignore_file_size_signal();
    auto [runs, exit_status] = bench::read_runs(argc, argv, "usage: mf7bench [--runs N]\n", 21);
    if (exit_status)
        return *exit_status;
    std::random_device rd;
    fs::path dir = fs::temp_directory_path() / ("mf7bench-" + std::to_string(rd()));
    Bench bench;
    bench.root = mf7::from_native(dir);
    std::string error;
    if (!demo::write_full_game(bench.root, kScenarios, error)) {
        std::fprintf(stderr, "mf7bench: %s\n", error.c_str());
        return 1;
    }
    bench.settings = demo::demo_settings(bench.root);
    bench.campaign_path = join_path(bench.settings.mf7_cam, demo::kFullCampaignName);

    std::printf("%d scenarios, every file present; median of %d runs\n", kScenarios, runs);
    for (const Operation& op : operations()) {
        std::vector<double> ms;
        for (int r = 0; r < runs; ++r) {
            op.prepare(bench);
            auto start = std::chrono::steady_clock::now();
            op.run(bench);
            auto end = std::chrono::steady_clock::now();
            ms.push_back(std::chrono::duration<double, std::milli>(end - start).count());
        }
        std::printf("  %-22s %8.3f ms\n", op.name, bench::median(ms));
    }
    std::error_code ec;
    fs::remove_all(dir, ec);
    return 0;
}
