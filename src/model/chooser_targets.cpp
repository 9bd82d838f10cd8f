#include "model/chooser_targets.h"

#include "model/field_rules.h"
#include "model/scenario_file.h"
#include "model/state.h"
#include "platform/messages.h"
#include "platform/text.h"

#include <algorithm>
#include <array>

namespace mf7 {

namespace {

constexpr std::array kFilmControls = {7, 14, 17, 23, 26, 32, 35, 41, 44};
constexpr std::array kSpeechControls = {8, 15, 24, 33, 42};
constexpr std::array kTextControls = {9, 16, 25, 34, 43};

template <std::size_t N> bool among(const std::array<int, N>& controls, int control) {
    return std::find(controls.begin(), controls.end(), control) != controls.end();
}

// A chosen name as its field takes it: lower case, trimmed, and the extension appended when
// the name does not end with it.
std::string normalised(const std::string& name, const std::string& extension) {
    std::string out = trim(lcase(name));
    append_extension(out, extension);
    return out;
}

} // namespace

std::optional<NameKind> editor_name_kind(int control) {
    if (control == 6)
        return NameKind::Scenario;
    if (among(kFilmControls, control))
        return NameKind::Film;
    if (among(kSpeechControls, control))
        return NameKind::Speech;
    if (among(kTextControls, control))
        return NameKind::Text;
    return std::nullopt;
}

std::string name_extension(NameKind kind, const Settings& settings) {
    switch (kind) {
    case NameKind::Scenario:
        return ".scn";
    case NameKind::Film:
        return ".smk";
    case NameKind::Speech:
        return ".mus";
    case NameKind::Text:
        break;
    }
    return settings.text_ext;
}

ChooserDispatch dispatch_to_editor(EditorState& state, int control, std::string name,
                                   Messages& messages) {
    ChooserDispatch d;
    std::optional<NameKind> kind = editor_name_kind(control);
    if (!kind) {
        messages.show("F2-E01: This program has got a bug, please report the errornumber.");
        return d;
    }
    d.control = control;
    name = normalised(name, name_extension(*kind, state.settings));
    if (*kind == NameKind::Scenario) {
        // Only a date from this very read counts: a failed read must not pass on an old one.
        ScenarioSummary read = get_scn_data(state, name, messages);
        if (read.date_text.empty())
            return d;
        d.label3 = "Main country for this scenario is: " + state.last_scn_country;
    }
    d.applied = true;
    d.text = name;
    return d;
}

} // namespace mf7
