// mf7copybench: times the international copy of a generated 50-scenario campaign (scenario files
// of 300 KB) against the system's `cp` on the same files, in the same run, and prints the ratio.
#include "bench_common/bench_runs.h"
#include "copy/international_copy.h"
#include "model/demo_game.h"
#include "model/state.h"
#include "platform/command_line.h"
#include "platform/files.h"
#include "platform/messages.h"
#include "platform/paths.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <random>
#include <spawn.h>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace fs = std::filesystem;
using namespace mf7;

namespace {

constexpr int kScenarios = 50;
constexpr std::size_t kScenarioSize = 300 * 1024;
constexpr int kRounds = 9;
constexpr double kAim = 1.2;

// The copy's question is answered OK; anything else it says is a failure of the run.
class BenchMessages : public Messages {
  public:
    Answer show(const std::string& text, Buttons buttons, bool) override {
        if (buttons == Buttons::OkCancel)
            return Answer::Ok;
        std::cerr << "mf7copybench: " << text << "\n";
        failed = true;
        return Answer::Ok;
    }
    bool failed = false;
};

// Writes the game under root and returns every source file the copy reads.
std::vector<std::string> make_game(const NativePath& root, EditorState& state) {
    state.settings = demo::demo_settings(root);
    const Settings& s = state.settings;
    CampaignRecord& cam = state.campaign;
    reset_campaign(cam);
    cam.scenario_count = kScenarios;
    cam.description_txt = make_text_field("bench.txt");
    std::vector<std::string> sources;
    auto put = [&](const NativePath& folder, const std::string& name, const std::string& b) {
        NativePath path = join_path(folder, NativePath(name));
        if (!demo::write_bytes(path, b))
            throw std::runtime_error("cannot write " + path.str());
        sources.push_back(path.str());
    };
    std::string text(1500, 'x');
    for (int k = 0; k < kScenarios; ++k) {
        std::string stem = "SCN" + std::to_string(100 + k);
        ScenarioSlot& scn = cam.scenarios[static_cast<std::size_t>(k)];
        scn.scn_file = make_text_field(stem + ".SCN");
        scn.scn_txt = make_text_field(stem + "b.txt");
        const char* tags[] = {"bv", "v", "tv", "l"};
        for (int o = 0; o < kOutcomes; ++o)
            scn.outcome[static_cast<std::size_t>(o)].txt = make_text_field(stem + tags[o] + ".txt");
        demo::ScnSpec fields;
        fields.size = kScenarioSize;
        put(s.mf7_scn, stem + ".SCN", demo::make_scenario_bytes(fields));
        put(s.mf7_txt, stem + ".txt", text);
        put(s.mf7_txt, stem + "b.txt", text);
        for (const char* tag : tags)
            put(s.mf7_txt, stem + tag + ".txt", text);
    }
    put(s.mf7_txt, "bench.txt", text);
    put(s.mf7_cam, "BENCH.CAM", campaign_to_bytes(cam));
    state.cam_name = NativePath("BENCH.CAM");
    state.cam_folder = s.mf7_cam;
    state.cam_path = join_path(s.mf7_cam, state.cam_name);
    return sources;
}

double seconds_since(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Each round writes into folders of its own: removing the last round's files first would make
// the file system hunt for inodes to reuse, which would time the removal rather than the copy.
void fresh_folder(const std::string& path) {
    fs::create_directories(path);
}

double time_copy(const EditorState& state, const std::string& target) {
    fresh_folder(target);
    CopyOptions options;
    options.target = NativePath(target);
    options.new_ext = "deu";
    BenchMessages messages;
    auto start = std::chrono::steady_clock::now();
    CopyResult r = make_international_copy(state, options, messages);
    double t = seconds_since(start);
    if (!r.done || messages.failed || r.not_found != 0)
        throw std::runtime_error("the copy did not copy everything");
    return t;
}

double time_cp(const std::vector<std::string>& sources, const std::string& target) {
    fresh_folder(target);
    std::vector<std::string> args = {"cp"};
    args.insert(args.end(), sources.begin(), sources.end());
    args.push_back(target);
    std::vector<char*> argv;
    for (auto& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    auto start = std::chrono::steady_clock::now();
    pid_t pid;
    if (posix_spawnp(&pid, "cp", nullptr, nullptr, argv.data(), environ) != 0)
        throw std::runtime_error("cannot start cp");
    int status = 0;
    waitpid(pid, &status, 0);
    double t = seconds_since(start);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        throw std::runtime_error("cp failed");
    return t;
}

} // namespace

int main(int argc, char** argv) {
    ignore_file_size_signal();
    std::vector<std::string> args(argv + 1, argv + argc);
    const char* usage = "usage: mf7copybench\n";
    if (auto status = answer_command_line(args, {}, usage, std::cout, std::cerr))
        return *status;
    if (!args.empty()) {
        std::cerr << usage;
        return 2;
    }
    std::random_device rd;
    fs::path root = fs::temp_directory_path() / ("mf7copybench-" + std::to_string(rd()));
    int status = 0;
    try {
        EditorState state;
        std::vector<std::string> sources = make_game(from_native(root / "game"), state);
        std::vector<double> copy_times, cp_times;
        // Alternating rounds share whatever the machine is doing meanwhile.
        for (int round = 0; round < kRounds; ++round) {
            std::string n = std::to_string(round);
            copy_times.push_back(time_copy(state, (root / ("copy" + n)).string()));
            cp_times.push_back(time_cp(sources, (root / ("cp" + n)).string()));
        }
        double copy = bench::median(copy_times), cp = bench::median(cp_times);
        double ratio = copy / cp;
        std::printf("international copy: %d scenarios of %zu KB, %zu files, median of %d rounds\n",
                    kScenarios, kScenarioSize / 1024, sources.size(), kRounds);
        std::printf("  mf7 copy %8.1f ms\n  cp       %8.1f ms\n  ratio    %8.2f (aim: %.1f) %s\n",
                    copy * 1000, cp * 1000, ratio, kAim,
                    ratio <= kAim ? "within the aim" : "ABOVE THE AIM");
    } catch (const std::exception& e) {
        std::cerr << "mf7copybench: " << e.what() << "\n";
        status = 2;
    }
    std::error_code ec;
    fs::remove_all(root, ec);
    return status;
}
