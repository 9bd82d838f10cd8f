#pragma once
// Test fixtures made by the demo generator's builders: a game tree in a temporary folder and a
// state whose settings point at it.
#include "demo/demo_game.h"
#include "model/state.h"
#include "support/temp_dir.h"

#include <fstream>
#include <string>

namespace mf7::test {

struct DemoGame {
    TempDir dir;
    EditorState state;

    DemoGame() {
        std::string error;
        if (!demo::write_demo_game(dir.str(), error))
            throw std::runtime_error(error);
        state.settings = demo::demo_settings(dir.str());
        state.settings.program_folder = dir.str();
        state.start_folder = dir.str();
        check_paths(state.settings);
    }
    std::string campaign_path() const { return join_path(state.settings.mf7_cam, "DEMO.CAM"); }
};

inline std::string read_all(const std::string& path) {
    std::ifstream in(to_native(path), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

} // namespace mf7::test
