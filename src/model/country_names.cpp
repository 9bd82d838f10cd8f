#include "model/country_names.h"

#include "model/scenario_file.h"
#include "model/state.h"
#include "platform/files.h"
#include "platform/messages.h"
#include "platform/paths.h"

namespace mf7 {

const std::array<std::string, kCountryCodes>& builtin_country_names() {
    static const std::array<std::string, kCountryCodes> kNames = {
        "None",        "Austria",   "Belgium",     "Bulgaria",       "Czechoslovakia",
        "Denmark",     "Finland",   "France",      "Germany",        "Greece",
        "USA",         "Hungary",   "Turkey",      "Italy",          "Netherlands",
        "Norway",      "Poland",    "Portugal",    "Romania",        "Spain",
        "Russia",      "Sweden",    "Switzerland", "United Kingdom", "Yugoslavia",
        "Nationalist", "Republican"};
    return kNames;
}

namespace {

std::array<std::string, kCountryCodes> read_country_names(const Settings& s, Messages& messages) {
    std::array<std::string, kCountryCodes> names;
    NativePath path = join_path(s.mf7main, NativePath("GUI97" + s.text_ext));
    std::string text;
    FileError error;
    std::vector<std::string> lines;
    bool ok = file_exists(path) && read_file(path, text, error);
    if (ok) {
        // Hand-made files on Linux end their lines with LF alone; accept those too.
        lines = split_lines_any(text);
        ok = lines.size() >= kCountryCodes - 1;
    }
    if (ok) {
        names[0] = "None";
        for (int k = 1; k < kCountryCodes; ++k)
            names[static_cast<std::size_t>(k)] = lines[static_cast<std::size_t>(k - 1)];
    } else {
        messages.show("Gui97" + s.text_ext +
                      " not found, unable to read real names, Default OKD-countrynames will be "
                      "used.\n\rTried to locate: " +
                      path_in_message(path) +
                      "\n\rCheck directory settings, and make sure that the mf7main directory "
                      "points to the directory where GUI97" +
                      s.text_ext + " is located, if you want to use the real names.");
        names = builtin_country_names();
    }
    return names;
}

} // namespace

std::string CountryTable::lookup(const Settings& settings, int code, Messages& messages) const {
    if (!loaded_) {
        names_ = read_country_names(settings, messages);
        loaded_ = true;
    }
    if (code < 0 || code >= kCountryCodes)
        return {};
    return names_[static_cast<std::size_t>(code)];
}

std::string country_lookup(const CountryTable& countries, const Settings& settings, int code,
                           Messages& messages) {
    return countries.lookup(settings, code, messages);
}

std::optional<std::string> get_main_country(EditorState& state, Messages& messages) {
    TextField& first = state.campaign.scenarios[0].scn_file;
    field_nul_to_blank(first);
    std::string name = field_text(first);
    if (name.empty())
        return std::nullopt;
    NativePath path = join_game_name(state.settings.mf7_scn, name);
    if (!file_exists(path))
        return "Main Country = Unknown";
    std::string raw;
    FileError error;
    if (!read_file(path, raw, error, scn_layout::kSize)) {
        report_file_error(messages, path_in_message(path),
                          "read Main Country from file: ", error.text);
        return "Main Country = Unknown";
    }
    int code = scenario_data_from_bytes(raw).main_country();
    if (code >= kCountryCodes) {
        // Make sure the table is loaded so its message, if any, comes first.
        country_lookup(state.countries, state.settings, 0, messages);
        report_file_error(messages, path_in_message(path), "read Main Country from file: ",
                          "Main country code " + std::to_string(code) + " is out of range");
        return "Main Country = Unknown";
    }
    state.main_country_text = country_lookup(state.countries, state.settings, code, messages);
    return "Main Country : " + state.main_country_text;
}

} // namespace mf7
