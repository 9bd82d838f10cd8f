#pragma once
// The demo game: a small game tree made from nothing (no files of the game) for trying the
// editor, and the byte builders it is made with, which the tests' fixtures use too.
#include "model/campaign.h"
#include "settings/settings.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace mf7::demo {

// What a scenario file holds that the editor reads; the unnamed ranges get a fixed pattern of
// bytes so that a copy that loses them is caught.
struct ScnSpec {
    int day = 1;
    int month = 9;
    uint16_t year_code = 39;
    uint8_t main_country = 8;
    uint8_t sup_country[4] = {0, 0, 0, 0};
    uint8_t ai_main_country = 16;
    uint8_t ai_sup_country[4] = {0, 0, 0, 0};
    uint8_t ai_stance = 1;
    uint8_t player3_country = 0;
    uint8_t player4_country = 0;
    uint8_t bv_turns = 10, v_turns = 14, tv_turns = 18;
    std::string map_file = "CIECHANO.MAP";
    std::string intro_txt;
    uint8_t scn_hidden = 0;
    uint8_t scn_origin = 1;
    std::size_t size = 11350; // real files are much longer; the editor reads the first 11,350
};

std::string make_scenario_bytes(const ScnSpec& fields);

// A map file: its first two bytes are the map number.
std::string make_map_bytes(int16_t number);

// Windows-1252 text with CR LF line ends.
std::string crlf_text(const std::vector<std::string>& lines);

bool write_bytes(const NativePath& path, const std::string& bytes);

// The files of a game tree, gathered first, then written with the tree's report folder.
class GameFiles {
  public:
    // The names are game text, as the campaign and the scenarios name the files.
    void add(const NativePath& folder, const std::string& name, std::string bytes);
    // False with the reason at the first file or folder that cannot be made.
    bool write(const NativePath& reports, std::string& error) const;

  private:
    std::vector<std::pair<NativePath, std::string>> files_;
};

// The settings of a game tree laid out as write_demo_game lays it out under root.
Settings demo_settings(const NativePath& root);

// The demo campaign: eight scenarios with branches, alternative gotos, a win and a loss.
CampaignRecord demo_campaign();

// Whether the demo game may be written under root: a new or empty folder, or an earlier demo
// game; otherwise false with the reason.
bool demo_root_usable(const NativePath& root, std::string& error);

// Writes the whole sample game under root (made from nothing, no files of the game). Returns
// false with a reason when a file cannot be written.
bool write_demo_game(const NativePath& root, std::string& error);

} // namespace mf7::demo
