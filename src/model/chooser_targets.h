#pragma once
// The scenario editor's side of the file chooser: which fields take file names, and where a
// chosen name goes (the fields Text6 to Text44, by control number).

#include <optional>
#include <string>

namespace mf7 {

struct EditorState;
struct Settings;
class Messages;

enum class NameKind { Scenario, Film, Speech, Text };

// The kind of an editor file-name field by its control number; nothing for other controls.
std::optional<NameKind> editor_name_kind(int control);

// The extension a field of this kind completes its name with.
std::string name_extension(NameKind kind, const Settings& settings);

// What the editor does with a chosen name.
struct ChooserDispatch {
    bool applied = false; // a field takes the name
    int control = 0;      // the field ("Text" + number)
    std::string text;     // its new text
    // Text6 only: the new main-country line.
    std::optional<std::string> label3;
};

// Sends the chosen `name` to editor field `control`, lower case, trimmed and with the field's
// extension. A scenario file reaches Text6 only when the scenario reader leaves a start date (a
// missing file counts, a 3 or 4 player scenario does not). A control that is no file-name field
// (0 for a chooser that worked for no editor field) is reported as the bug it is.
ChooserDispatch dispatch_to_editor(EditorState& state, int control, std::string name,
                                   Messages& messages);

} // namespace mf7
