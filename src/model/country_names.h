#pragma once
// Country names by the one-byte codes of the scenario files, from the game's GUI97 file of the
// edition's text extension, or a built-in English table when that file cannot be read.
#include <array>
#include <optional>
#include <string>

namespace mf7 {

struct EditorState;
struct Settings;
class Messages;

constexpr int kCountryCodes = 27; // 0 ("None") to 26

struct CountryTable {
    std::array<std::string, kCountryCodes> country_names;
    bool country_names_loaded = false;
    bool gui97_missing = false;
};

const std::array<std::string, kCountryCodes>& builtin_country_names();

// The name of a code; the table is filled on the first call of the run. A code above 26 has no
// name in the game and gives an empty one. Loading reads GUI97 from the game's main folder and
// tells when it has to fall back on the built-in names.
std::string country_lookup(CountryTable& countries, const Settings& settings, int code,
                           Messages& messages);

// The overview's main-country line from the first scenario's file; nothing when the first
// scenario has no file name (the line keeps its text). Turns the NULs of that name into blanks
// in the record, as the game's editor did (later saves keep them), and remembers the country
// found in main_country_text.
std::optional<std::string> get_main_country(EditorState& state, Messages& messages);

} // namespace mf7
