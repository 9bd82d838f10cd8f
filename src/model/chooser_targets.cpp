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

void normalise(EditorState& state, const std::string& extension) {
    state.chooser_result = trim(lcase(state.chooser_result));
    append_extension(state.chooser_result, extension);
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

void check_smk(EditorState& state) {
    normalise(state, ".smk");
}

void check_mus(EditorState& state) {
    normalise(state, ".mus");
}

void check_txt(EditorState& state) {
    normalise(state, state.settings.text_ext);
}

void check_scn(EditorState& state) {
    normalise(state, ".scn");
}

ChooserDispatch dispatch_to_editor(EditorState& state, Messages& messages) {
    ChooserDispatch d;
    const ChooserTarget& target = state.chooser_target;
    int control = target.kind == ChooserTarget::Kind::EditorField ? target.control : 0;
    std::optional<NameKind> kind = editor_name_kind(control);
    if (!kind) {
        messages.show("F2-E01: This program has got a bug, please report the errornumber.");
        return d;
    }
    d.control = control;
    switch (*kind) {
    case NameKind::Scenario: {
        check_scn(state);
        // Only a date from this very read counts: a failed read must not pass on an old one.
        state.scn_date_text.clear();
        get_scn_data(state, state.chooser_result, messages);
        if (state.scn_date_text.empty())
            return d;
        d.label3 = "Main country for this scenario is: " + state.scn_country_text;
        break;
    }
    case NameKind::Film:
        check_smk(state);
        break;
    case NameKind::Speech:
        check_mus(state);
        break;
    case NameKind::Text:
        check_txt(state);
        break;
    }
    d.applied = true;
    d.text = state.chooser_result;
    return d;
}

} // namespace mf7
