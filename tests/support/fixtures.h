#pragma once
// Test fixtures made by the demo generator's builders.
#include "demo/full_game.h"
#include "model/overview.h"
#include "model/scenario_file.h"
#include "model/state.h"
#include "reports/missing_files_check.h"
#include "reports/report_common.h"
#include "support/recording_messages.h"
#include "support/system_texts.h"
#include "support/temp_dir.h"

#include <algorithm>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace mf7::test {

// The row the overview shows for a scenario whose file was found and gave this date.
inline OverviewRow dated_row(const ScenarioSlot& scn, int index, const std::string& date) {
    return overview_row(scn, index, ScenarioSummary{true, true, date, std::nullopt});
}

// A game tree in a temporary folder, a state whose settings point at it, the messages shown.
struct Game {
    TempDir dir;
    EditorState state;
    RecordingMessages msgs;

    const Settings& settings() const { return state.settings; }
    std::vector<OverviewRow> rows() { return fill_overview(state, msgs).rows; }
    // What a report reads of the state, over rows that outlive it.
    ReportInputs inputs(const std::vector<OverviewRow>& rows) const {
        return report_inputs(state, rows);
    }
    // The missing-files check as the editor runs it, over the overview's rows and header.
    CheckResult check() {
        OverviewFill fill = fill_overview(state, msgs);
        return check_missing_files(inputs(fill.rows), {fill.text3, fill.text4, fill.text5}, msgs);
    }

  protected:
    template <typename Write> explicit Game(Write write) {
        std::string error;
        if (!write(dir.path(), error))
            throw std::runtime_error(error);
        state.settings = demo::demo_settings(dir.path());
        state.settings.program_folder = dir.path();
        state.start_folder = dir.path();
        check_paths(state.settings);
    }
};

// The demo game, its campaign in the record but not opened from its file.
struct DemoGame : Game {
    DemoGame() : Game(demo::write_demo_game) { state.campaign = demo::demo_campaign(); }
    NativePath campaign_path() const { return join_path(settings().mf7_cam, "DEMO.CAM"); }
};

// The generated campaign, every file it names present, opened but not yet filled into the overview.
struct FullGame : Game {
    explicit FullGame(int count)
        : Game([count](const NativePath& root, std::string& error) {
              return demo::write_full_game(root, count, error);
          }) {
        state.campaign = demo::full_campaign(count);
        state.cam_folder = state.settings.mf7_cam;
        state.cam_name = NativePath(demo::kFullCampaignName);
        state.cam_path = join_path(state.cam_folder, state.cam_name);
    }
};

// Writes a scenario file into the scenario folder of the settings.
inline void write_scenario(const Settings& settings, const std::string& name,
                           const demo::ScnSpec& fields) {
    // The name as the campaign holds it: game text.
    if (!demo::write_bytes(join_path(settings.mf7_scn, text_as_path(name)),
                           demo::make_scenario_bytes(fields)))
        throw std::runtime_error("cannot write " + name);
}

// A report's lines as the examples print them, every blank shown as a dot.
inline std::vector<std::string> dotted(std::vector<std::string> lines) {
    for (std::string& line : lines)
        std::replace(line.begin(), line.end(), ' ', '.');
    return lines;
}

// The date and time the reports' examples were generated at.
inline const ReportTime kTime{"06-12-2026", "19:47:14"};

inline bool has_line(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

// The index of the first line that starts with head (lines.size() when none does).
inline std::size_t index_of(const std::vector<std::string>& lines, const std::string& head) {
    auto it = std::find_if(lines.begin(), lines.end(),
                           [&](const std::string& l) { return l.starts_with(head); });
    return static_cast<std::size_t>(it - lines.begin());
}

// A file's path as reports and messages write it.
inline std::string in(const NativePath& folder, const std::string& name) {
    return join_path(folder, NativePath(name)).str();
}

inline std::string read_all(const NativePath& path) {
    std::ifstream in(to_native(path), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Lines joined again with LF ends, after an edit by line number.
inline std::string joined(const std::vector<std::string>& lines) {
    std::string out;
    for (const auto& l : lines)
        out += l + "\n";
    return out;
}

} // namespace mf7::test
