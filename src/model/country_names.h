#pragma once
// Country names by the one-byte codes of the scenario files, from the game's GUI97 file of the
// edition's text extension, or a built-in English table when that file cannot be read.
#include <array>
#include <optional>
#include <string>

namespace mf7 {

struct EditorState;
class Messages;

constexpr int kCountryCodes = 27; // 0 ("None") to 26

struct CountryTable {
    std::array<std::string, kCountryCodes> country_names;
    bool country_names_loaded = false;
    bool gui97_missing = false;
};

const std::array<std::string, kCountryCodes>& builtin_country_names();

// The name of a code; the table is filled on the first call of the run. A code above 26 has no
// name in the game and gives an empty one.
std::string country_lookup(EditorState& state, int code, Messages& messages);

// The overview's main-country line from the first scenario's file; nothing when the first
// scenario has no file name (the line keeps its text).
std::optional<std::string> get_main_country(EditorState& state, Messages& messages);

} // namespace mf7
