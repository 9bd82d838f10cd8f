#include "model/scenario_file.h"

#include "model/country_names.h"
#include "model/overview.h"
#include "model/state.h"
#include "platform/files.h"
#include "platform/messages.h"
#include "platform/paths.h"
#include "platform/text.h"

#include <algorithm>

namespace mf7 {

uint16_t ScenarioData::scn_year() const {
    return static_cast<uint16_t>(at(scn_layout::kYear) | (at(scn_layout::kYear + 1) << 8));
}

uint8_t ScenarioData::sup_country(int k) const {
    return at(scn_layout::kMainCountry + static_cast<std::size_t>(k));
}

uint8_t ScenarioData::ai_sup_country(int k) const {
    return at(scn_layout::kAiMainCountry + static_cast<std::size_t>(k));
}

TextField ScenarioData::field(std::size_t offset) const {
    TextField f;
    for (std::size_t i = 0; i < f.size(); ++i)
        f[i] = static_cast<char>(bytes[offset + i]);
    return f;
}

void ScenarioData::set_map_file(const TextField& f) {
    for (std::size_t i = 0; i < f.size(); ++i)
        bytes[scn_layout::kMapFile + i] = static_cast<uint8_t>(f[i]);
}

ScenarioData scenario_data_from_bytes(const std::string& raw) {
    ScenarioData d;
    std::size_t n = std::min(raw.size(), d.bytes.size());
    for (std::size_t i = 0; i < n; ++i)
        d.bytes[i] = static_cast<uint8_t>(raw[i]);
    return d;
}

std::string month_letters(int month) {
    static const char* kMonths[] = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                    "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};
    return month >= 1 && month <= 12 ? kMonths[month - 1] : "";
}

int year_from_code(uint16_t code) {
    return code > 63635 ? code - 62035 : code + 1900;
}

std::string scn_date(const ScenarioData& d) {
    std::string month = month_letters(d.scn_month());
    return str_number(d.scn_day()) + " " + (month.empty() ? "ERR" : month) + " " +
           str_number(year_from_code(d.scn_year()));
}

namespace {

// Reads the scenario data from path; on failure the file-error message with the action "read".
std::optional<ScenarioData> read_scenario_data(const NativePath& path, Messages& messages) {
    std::string raw;
    FileError error;
    if (!read_file(path, raw, error, scn_layout::kSize)) {
        report_file_error(messages, path_in_message(path), "read", error.text);
        return std::nullopt;
    }
    return scenario_data_from_bytes(raw);
}

} // namespace

ScenarioSummary read_scenario_summary(const Settings& settings, const CountryTable& countries,
                                      const std::string& name, Messages& messages,
                                      FolderListings* listings) {
    ScenarioSummary s;
    if (name.empty())
        return s;
    s.named = true;
    NativePath path = join_game_name(settings.mf7_scn, name, listings);
    s.found = file_exists(path, listings);
    if (!s.found) {
        s.date_text = kDateNotFound;
        return s;
    }
    std::optional<ScenarioData> d = read_scenario_data(path, messages);
    if (!d)
        return s;
    if (d->player3_country() > 0 || d->player4_country() > 0) {
        messages.show("You have chosen a 3 or 4 player scenario, this will not work in a campaign");
        return s;
    }
    s.country = country_lookup(countries, settings, d->main_country(), messages);
    if (month_letters(d->scn_month()).empty())
        messages.show("Error in month for scenario: " + name);
    s.date_text = scn_date(*d);
    return s;
}

ScenarioSummary get_scn_data(EditorState& state, const std::string& name, Messages& messages,
                             FolderListings* listings) {
    ScenarioSummary s =
        read_scenario_summary(state.settings, state.countries, name, messages, listings);
    if (s.country)
        state.last_scn_country = *s.country;
    return s;
}

bool scenario_file_found(const Settings& settings, const std::string& name,
                         FolderListings* listings) {
    return file_exists(join_game_name(settings.mf7_scn, name, listings), listings);
}

ScenarioDetails read_scenario_details(const Settings& settings, const std::string& name,
                                      Messages& messages, FolderListings* listings) {
    ScenarioDetails d;
    NativePath path = join_game_name(settings.mf7_scn, name, listings);
    d.found = file_exists(path, listings);
    if (d.found)
        d.data = read_scenario_data(path, messages);
    return d;
}

bool is_stock_map(const std::string& map_name) {
    static const char* kStock[] = {"ARRACT.MAP",   "CAEN.MAP",     "CHIR.MAP",     "CIECHANO.MAP",
                                   "DESSAU.MAP",   "DUNKIRK.MAP",  "GREECE.MAP",   "KANEV.MAP",
                                   "KISHINEV.MAP", "KLIN.MAP",     "KONRAD.MAP",   "LENIN.MAP",
                                   "LILLEHAM.MAP", "MADRID.MAP",   "MALTA.MAP",    "METZ.MAP",
                                   "NORDWIND.MAP", "NOVGOROD.MAP", "OAKRIDGE.MAP", "PROKHORV.MAP",
                                   "PTOBRUK.MAP",  "RATOBRUK.MAP", "SALERNO.MAP",  "SAVANNAH.MAP",
                                   "SEDAN.MAP",    "SEELOW.MAP",   "SOUMUSSA.MAP", "STLO.MAP",
                                   "TOBRUK.MAP",   "VIIPURI.MAP",  "VOLOKOL.MAP",  "WINDSOR.MAP"};
    std::string m = ucase(trim(map_name));
    return std::any_of(std::begin(kStock), std::end(kStock), [&](const char* s) { return m == s; });
}

bool check_map_type(const ScenarioData& scenario) {
    // field_raw reads the name's NULs as blanks, as the game's editor made them before testing.
    return is_stock_map(field_raw(scenario.map_file()));
}

} // namespace mf7
