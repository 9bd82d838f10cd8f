// A fuzzed campaign and scenario file in a game tree of our own, run through the four reports,
// the save of the check and the international copy: nothing may be written anywhere in the
// scratch folder but into the report folder and the copy's target.
#include "copy/international_copy.h"
#include "fuzz_support.h"
#include "model/campaign.h"
#include "model/campaign_file.h"
#include "model/demo_game.h"
#include "model/overview.h"
#include "model/state.h"
#include "platform/text.h"
#include "reports/campaign_list.h"
#include "reports/file_list.h"
#include "reports/full_report.h"
#include "reports/missing_files_check.h"
#include "reports/report_nuls.h"

#include <cstdio>
#include <map>
#include <sys/stat.h>
#include <tuple>

using namespace mf7;
namespace fs = std::filesystem;

namespace {

struct Tree {
    NativePath root, target;
    Settings settings;
    std::map<std::string, std::string> scenarios; // the demo's scenario folder: name, bytes
};

const Tree& tree() {
    static const Tree t = [] {
        Tree t;
        t.root = join_path(fuzz::scratch_folder(), "game");
        std::string error;
        if (!demo::write_demo_game(t.root, error))
            std::abort();
        t.settings = demo::demo_settings(t.root);
        check_paths(t.settings);
        for (const auto& e : fs::directory_iterator(to_native(t.settings.mf7_scn))) {
            std::ifstream in(e.path(), std::ios::binary);
            t.scenarios[e.path().filename().string()] =
                std::string(std::istreambuf_iterator<char>(in), {});
        }
        // The target inside the scenario folder, and files one step above the source folders,
        // so that a name that climbs out of the target finds something to copy over the game.
        t.target = join_path(t.settings.mf7_scn, "COPY");
        fs::create_directories(to_native(t.target));
        fuzz::put_file("BAIT.SCN", t.scenarios.begin()->second, t.root);
        fuzz::put_file("BAIT.txt", "bait\r\n", t.root);
        return t;
    }();
    return t;
}

// Every entry of the scratch folder outside the two folders written into, with what tells a
// write apart: the file's identity, size and time of change.
using Snapshot = std::map<std::string, std::tuple<ino_t, off_t, long, long>>;
Snapshot snapshot() {
    Snapshot out;
    std::string report = to_native(tree().settings.mf7_rep).string();
    std::string target = to_native(tree().target).string();
    for (auto it = fs::recursive_directory_iterator(to_native(fuzz::scratch_folder()));
         it != fs::recursive_directory_iterator(); ++it) {
        std::string p = it->path().string();
        if (p == report || p == target) {
            it.disable_recursion_pending();
            continue;
        }
        struct stat st {};
        ::lstat(p.c_str(), &st);
        out[p] = {st.st_ino, st.st_size, st.st_ctim.tv_sec, st.st_ctim.tv_nsec};
    }
    return out;
}

void empty_folder(const NativePath& folder) {
    for (const auto& e : fs::directory_iterator(to_native(folder)))
        fs::remove_all(e.path());
}

// The first scenario's name when it names a file of the scenario folder itself.
std::string scenario_name(const CampaignRecord& cam) {
    std::string name = field_text(cam.scenarios[0].scn_file);
    bool plain = !name.empty() && name != "." && name != ".." &&
                 name.find_first_of("/\\:") == std::string::npos;
    return plain ? name : "";
}

void run_everything(EditorState& state, fuzz::QuietMessages& messages) {
    std::vector<OverviewRow> rows = fill_overview(state, messages).rows;
    int count = static_cast<int>(rows.size());
    ReportTime time{"07-12-2026", "04:00:00"};
    blank_campaign_list_nuls(state.campaign, state.settings);
    write_campaign_list(report_inputs(state, rows), time, messages);
    blank_full_report_nuls(state.campaign, state.settings, count);
    write_full_report(report_inputs(state, rows), state.countries, time, messages);
    blank_file_list_nuls(state.campaign, state.settings, count);
    write_file_list(report_inputs(state, rows), time, messages);
    OverviewFill fill = fill_overview(state, messages);
    blank_check_nuls(state.campaign, static_cast<int>(fill.rows.size()));
    CheckResult check = check_missing_files(report_inputs(state, fill.rows),
                                            {fill.text3, fill.text4, fill.text5}, messages);
    save_check_report(state.settings, check.caption, check.text, messages);
    CopyOptions options;
    options.target = tree().target;
    make_international_copy(state, options, messages);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const Tree& t = tree();
    std::string bytes = fuzz::bytes_of(data, size);
    std::string cam_bytes = bytes.substr(0, layout::kFileSize);
    std::string scn_bytes = bytes.size() > layout::kFileSize ? bytes.substr(layout::kFileSize) : "";
    fuzz::QuietMessages messages;
    EditorState state;
    state.settings = t.settings;
    state.cam_folder = t.settings.mf7_cam;
    state.cam_name = NativePath("DEMO.CAM");
    state.cam_path = fuzz::put_file(state.cam_name.str(), cam_bytes, state.cam_folder);
    std::string scn = scenario_name(campaign_from_bytes(cam_bytes));
    if (!scn.empty())
        fuzz::put_file(scn, scn_bytes, t.settings.mf7_scn);

    Snapshot before = snapshot();
    if (read_campaign(state, state.cam_path, messages))
        run_everything(state, messages);
    Snapshot after = snapshot();
    if (after != before) {
        for (const auto& [path, id] : after)
            if (!before.count(path) || before[path] != id)
                std::fprintf(stderr, "written outside the report and target folders: %s\n",
                             path.c_str());
        std::fprintf(stderr, "the tree outside the report and target folders changed\n");
        std::abort();
    }

    empty_folder(t.settings.mf7_rep);
    empty_folder(t.target);
    if (!scn.empty()) {
        auto kept = t.scenarios.find(scn);
        NativePath path = join_path(t.settings.mf7_scn, NativePath(scn));
        if (kept != t.scenarios.end())
            fuzz::put_file(scn, kept->second, t.settings.mf7_scn);
        else
            fs::remove(to_native(path));
    }
    return 0;
}
