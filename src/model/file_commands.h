#pragma once
// The rules behind the overview's file commands and the file chooser: names a chosen file
// becomes, and the questions that guard unsaved work.
#include "platform/native_path.h"

#include <string>

namespace mf7 {

struct EditorState;
class Messages;

// The campaign file name typed for Save as: lower case, trimmed, "newcamp.cam" when empty,
// ".cam" appended when missing.
NativePath save_as_name(const NativePath& typed);

// A chosen name normalised for a field of one type: lower case, trimmed, the extension appended
// when it is not blank and does not already end with it.
std::string check_name(const std::string& name, const std::string& extension);

// Whether the program may end: asks about unsaved campaign and settings changes. A Yes keeps
// the program open so that the user can save first; nothing is ever saved from here.
bool exit_may_end(EditorState& state, Messages& messages);

// Whether Open may go on to the chooser: with unsaved changes only a No to the question does.
bool open_may_continue(EditorState& state, Messages& messages);

// Whether Clear goes ahead: asks first.
bool clear_confirmed(Messages& messages);

} // namespace mf7
