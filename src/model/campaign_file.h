#pragma once
// Reading and saving the campaign file of the state.
#include "platform/native_path.h"

namespace mf7 {

struct EditorState;
class Messages;

// Reads the campaign file at path into campaign. The record changes only when the
// whole read succeeds. A damaged scenario count is reported as a read error; the record is
// still taken and shown as far as it can be. Returns whether the record was replaced.
bool read_campaign(EditorState& state, const NativePath& path, Messages& messages);

// Writes the record to cam_path without asking: the whole 31,944 bytes, plus
// whatever a longer existing file holds beyond them, through a temporary file.
bool save_campaign(EditorState& state, Messages& messages);

enum class SaveResult { Declined, Saved, Failed };
// Asks "F1-I02: ...", then converts blanks to NUL and writes.
SaveResult write_campaign_file(EditorState& state, Messages& messages);

} // namespace mf7
