#pragma once
// What the scenario editor's layout and its field rules both need: the kind of a field by its
// control number, and how a field takes a new text.
#include "model/field_rules.h"

#include <QLineEdit>
#include <algorithm>
#include <array>

namespace mf7::editor_fields {

enum class Kind { Prestige, Goto, Name, Hex };

template <std::size_t N> inline bool among(const std::array<int, N>& controls, int number) {
    return std::find(controls.begin(), controls.end(), number) != controls.end();
}

inline Kind kind_of(int number) {
    if (among(kPrestigeControls, number))
        return Kind::Prestige;
    if (among(kGotoControls, number))
        return Kind::Goto;
    if (among(kNameControls, number))
        return Kind::Name;
    return Kind::Hex;
}

// Sets the text only when it differs, so an unchanged field keeps its caret and selection.
inline void put_text(QLineEdit* edit, const QString& text) {
    if (edit->text() != text)
        edit->setText(text);
}

} // namespace mf7::editor_fields
