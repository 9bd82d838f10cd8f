#pragma once
// The first 11,350 bytes of a game scenario file (the scenario data). The editor reads scenario
// files and never writes them; the international copy changes two bytes in its copies only.
#include "model/campaign.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace mf7 {

struct EditorState;
struct Settings;
class CountryTable;
class Messages;
class FolderListings;

namespace scn_layout {
constexpr std::size_t kSize = 11350;
constexpr std::size_t kHidden = 0;
constexpr std::size_t kDay = 8;
constexpr std::size_t kMonth = 10;
constexpr std::size_t kYear = 12;
constexpr std::size_t kBvTurns = 14;
constexpr std::size_t kVTurns = 15;
constexpr std::size_t kTvTurns = 16;
constexpr std::size_t kMainCountry = 22; // then the four supporting countries
constexpr std::size_t kAiMainCountry = 119;
constexpr std::size_t kAiStance = 124;
constexpr std::size_t kPlayer3Country = 216;
constexpr std::size_t kPlayer4Country = 313;
constexpr std::size_t kMapFile = 11210;
constexpr std::size_t kIntroTxt = 11230;
constexpr std::size_t kOrigin = 11250;
} // namespace scn_layout

// The bytes as read, unnamed ranges included, with the named fields read from them.
struct ScenarioData {
    std::array<uint8_t, scn_layout::kSize> bytes{};

    uint8_t at(std::size_t offset) const { return bytes[offset]; }
    uint8_t scn_hidden() const { return at(scn_layout::kHidden); }
    uint8_t scn_day() const { return at(scn_layout::kDay); }
    uint8_t scn_month() const { return at(scn_layout::kMonth); }
    uint16_t scn_year() const;
    uint8_t bv_turns() const { return at(scn_layout::kBvTurns); }
    uint8_t v_turns() const { return at(scn_layout::kVTurns); }
    uint8_t tv_turns() const { return at(scn_layout::kTvTurns); }
    uint8_t main_country() const { return at(scn_layout::kMainCountry); }
    // k = 1 to 4
    uint8_t sup_country(int k) const;
    uint8_t ai_main_country() const { return at(scn_layout::kAiMainCountry); }
    uint8_t ai_sup_country(int k) const;
    uint8_t ai_stance() const { return at(scn_layout::kAiStance); }
    uint8_t player3_country() const { return at(scn_layout::kPlayer3Country); }
    uint8_t player4_country() const { return at(scn_layout::kPlayer4Country); }
    uint8_t scn_origin() const { return at(scn_layout::kOrigin); }
    TextField map_file() const { return field(scn_layout::kMapFile); }
    TextField intro_txt() const { return field(scn_layout::kIntroTxt); }
    void set_map_file(const TextField& f);

  private:
    TextField field(std::size_t offset) const;
};

// A scenario file image read as far as it goes, the rest zero.
ScenarioData scenario_data_from_bytes(const std::string& bytes);

// "JAN" to "DEC"; empty for a month outside 1 to 12.
std::string month_letters(int month);
// The game's year code: codes above 63635 count from 62035, the others from 1900.
int year_from_code(uint16_t code);
// " 1 SEP  1939" for day 1, month 9, year code 39; "ERR" for a bad month.
std::string scn_date(const ScenarioData& data);

// What the overview learns from a scenario file.
struct ScenarioSummary {
    bool named = false; // the name is not blank
    bool found = false; // the file exists
    // As the overview's date column shows it: the date, kDateNotFound for a file not found,
    // empty for a blank name, a file that could not be read or a 3 or 4 player scenario.
    std::string date_text;
    // The main country, when the file was read and its name looked up.
    std::optional<std::string> country;
};

// Reads a scenario file for the overview: date text and main country, with the campaign's
// checks and their messages. The country names are loaded on the first lookup.
ScenarioSummary read_scenario_summary(const Settings& settings, const CountryTable& countries,
                                      const std::string& name, Messages& messages,
                                      FolderListings* listings = nullptr);
// The same for the editor's windows, which remember the country it found (last_scn_country).
ScenarioSummary get_scn_data(EditorState& state, const std::string& name, Messages& messages,
                             FolderListings* listings = nullptr);

// A scenario file read for the reports.
struct ScenarioDetails {
    bool found = false;               // the file exists
    std::optional<ScenarioData> data; // the file was read
};
// Whether the scenario file of that name is in the scenario folder.
bool scenario_file_found(const Settings& settings, const std::string& name,
                         FolderListings* listings = nullptr);
// Reads a scenario file for the reports; a file that exists but cannot be read shows the
// file-error message. A run of reads passes its listings of the scenario folder.
ScenarioDetails read_scenario_details(const Settings& settings, const std::string& name,
                                      Messages& messages, FolderListings* listings = nullptr);
// Whether the scenario's map is one of the game's 32 stock maps.
bool check_map_type(const ScenarioData& scenario);
bool is_stock_map(const std::string& map_name);

} // namespace mf7
