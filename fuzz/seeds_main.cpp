// mf7fuzzseeds FOLDER: the fuzz targets' first inputs, made by the demo generator, one folder
// per target.
#include "campaign_graph_input.h"
#include "demo/full_game.h"
#include "model/campaign.h"
#include "model/campaign_text.h"
#include "platform/paths.h"
#include "settings/settings.h"

#include <filesystem>
#include <fstream>
#include <iostream>

using namespace mf7;
namespace fs = std::filesystem;

namespace {

std::string read_bytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void put(const fs::path& folder, const std::string& name, const std::string& bytes) {
    fs::create_directories(folder);
    std::ofstream(folder / name, std::ios::binary) << bytes;
}

// Each file of the game tree goes to the targets that read its kind.
void sort_game_files(const fs::path& root, const fs::path& out) {
    std::string campaign;
    for (const auto& e : fs::directory_iterator(root / "CAMPAIGN"))
        campaign = read_bytes(e.path());
    for (const auto& e : fs::recursive_directory_iterator(root)) {
        if (!e.is_regular_file())
            continue;
        std::string name = e.path().filename().string();
        std::string ext = name.size() > 4 ? name.substr(name.size() - 4) : "";
        std::string bytes = read_bytes(e.path());
        if (ext == ".CAM")
            put(out / "campaign_file", name, bytes);
        else if (ext == ".SCN" || ext == ".scn") {
            put(out / "scenario_file", name, bytes);
            put(out / "game_tree", name, campaign + bytes);
        } else if (name == "GUI97.TXT")
            put(out / "country_names", name, bytes);
        else if (ext == ".txt" || ext == ".TXT")
            put(out / "text_file", name, bytes);
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: mf7fuzzseeds FOLDER\n";
        return 2;
    }
    fs::path out = argv[1];
    fs::path games = out / "games";
    fs::remove_all(games);
    std::string error;
    if (!demo::write_demo_game(from_native(games / "demo"), error) ||
        !demo::write_full_game(from_native(games / "full"), 6, error)) {
        std::cerr << "mf7fuzzseeds: " << error << "\n";
        return 1;
    }
    sort_game_files(games / "demo", out);
    sort_game_files(games / "full", out);
    put(out / "campaign_graph", "demo", fuzz::input_of_campaign(demo::demo_campaign()));
    put(out / "campaign_graph", "full", fuzz::input_of_campaign(demo::full_campaign(12)));
    put(out / "campaign_text", "demo.json", campaign_to_text(demo::demo_campaign()));
    put(out / "campaign_text", "full.json", campaign_to_text(demo::full_campaign(50)));
    put(out / "settings_file", "mf7edit.ini",
        settings_file_text(demo::demo_settings(from_native(games / "demo")), "3.0.1"));
    fs::remove_all(games);
    return 0;
}
