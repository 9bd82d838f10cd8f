#pragma once
// Inserting and deleting scenarios in the campaign record by moving whole slots. Gotos are not
// renumbered: after a move every goto names whatever scenario now stands in its slot, as in the
// game's own editor; the missing-files check reports gotos that fall out of range.
namespace mf7 {

struct EditorState;
class Messages;

struct ListEditResult {
    // The record changed: the overview must be filled again.
    bool changed = false;
    // The row to select afterwards (as if clicked); -1 selects nothing.
    int select = -1;
};

// `selected_scn` counts as a selection only when it names one of the `rows` rows the overview
// list shows; after Clear or Open it may be left over from another campaign, and acting on it
// would touch a scenario the user cannot see. Such a selection gets the no-selection message.
ListEditResult insert_scn_before(EditorState& state, int rows, Messages& messages);
ListEditResult insert_scn_after(EditorState& state, int rows, Messages& messages);
// Asks before deleting; a No still selects the row again.
ListEditResult delete_scn(EditorState& state, int rows, Messages& messages);

} // namespace mf7
