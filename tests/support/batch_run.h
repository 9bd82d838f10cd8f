#pragma once
// Running the batch tool in-process, as a script runs it, with what it printed.
#include "app/batch.h"
#include "support/fixtures.h"

#include <gtest/gtest.h>

#include <sstream>

namespace mf7::test {

struct BatchRun {
    int status;
    std::string out, err;
};

// The tool run as if installed in program (where it looks for its settings file).
inline BatchRun run_batch_in(const NativePath& program, const std::vector<std::string>& args) {
    std::ostringstream out, err;
    int status = run_batch(paths(args), program, out, err);
    return {status, out.str(), err.str()};
}

// A game with a settings file beside the (pretended) program, and a folder to copy into.
template <typename G> struct Batch : G {
    TempDir target;
    template <typename... Args> explicit Batch(Args... args) : G(args...) {
        EditorState& s = this->state;
        EXPECT_TRUE(write_settings(s.settings, "3.0.1", this->dir.path(), this->msgs));
        EXPECT_EQ(read_settings(s.settings, this->msgs), SettingsResult::Ok);
        if (s.cam_name.empty())
            s.cam_name = "DEMO.CAM"_path;
        // The folders as the file holds them (lower case on Windows), as the batch tool reads them.
        s.cam_folder = s.settings.mf7_cam;
        s.cam_path = join_path(s.cam_folder, s.cam_name);
        this->msgs.clear();
    }
    // Writes the campaign record into the campaign's file.
    void save() {
        EXPECT_TRUE(
            demo::write_bytes(this->state.cam_path, campaign_to_bytes(this->state.campaign)));
    }
    // Runs the tool with "$cam" and "$to" in args standing for the campaign and the target.
    BatchRun run(std::vector<std::string> args) {
        for (auto& a : args)
            a = a == "$cam"  ? join_path(this->settings().mf7_cam, this->state.cam_name).str()
                : a == "$to" ? target.str()
                             : a;
        return run_batch_in(this->dir.path(), args);
    }
};

using DemoBatch = Batch<DemoGame>;

} // namespace mf7::test
