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

// The names are read on the first lookup of a run, which is also when a missing GUI97 file is
// told: a report that looks up no country shows no message about that file. The table is a
// cache of that file, so lookups work on a const table.
class CountryTable {
  public:
    // The name of a code (see country_lookup).
    std::string lookup(const Settings& settings, int code, Messages& messages) const;
    // The folder settings changed: the next lookup reads the file again.
    void forget() { loaded_ = false; }

  private:
    mutable std::array<std::string, kCountryCodes> names_;
    mutable bool loaded_ = false;
};

const std::array<std::string, kCountryCodes>& builtin_country_names();

// The name of a code; the table is filled on the first call of the run. A code above 26 has no
// name in the game and gives an empty one. Loading reads GUI97 from the game's main folder and
// tells when it has to fall back on the built-in names.
std::string country_lookup(const CountryTable& countries, const Settings& settings, int code,
                           Messages& messages);

// The overview's main-country line from the first scenario's file; nothing when the first
// scenario has no file name (the line keeps its text). Turns the NULs of that name into blanks
// in the record, as the game's editor did (later saves keep them), and remembers the country
// found in main_country_text.
std::optional<std::string> get_main_country(EditorState& state, Messages& messages);

} // namespace mf7
