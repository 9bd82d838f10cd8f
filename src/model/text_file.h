#pragma once
// The game's text files as the text window edits them: single-byte Windows-1252 text, lines read
// with the game platform's line rule, written back with CR LF.
#include "platform/native_path.h"

#include <string>

namespace mf7 {

struct Settings;
class Messages;

// The window's text for a file's bytes: each line (a line ends at CR; a LF right after it belongs
// to that line end, a LF anywhere else stays in the line) followed by CR LF.
std::string text_from_file_bytes(const std::string& bytes);

// Loads the file at path into text (`get_text_file`). A missing file is no error: the text is
// empty and the first save creates the file. A file that exists but cannot be read is reported
// ("read the file: ") and gives false with an empty text.
bool get_text_file(const NativePath& path, std::string& text, Messages& messages);

// Writes text followed by one CR LF to path, replacing the file whole. A failure is reported
// ("write the file: ") and gives false; the file is then as it was.
bool save_text_file(const NativePath& path, const std::string& text, Messages& messages);

// Which name test a text-file field uses. The campaign description field and the editor's
// brilliant-victory text field trim the name and also refuse one beginning with "."; the other
// fields take the text as it stands.
enum class NameTest { Plain, Trimmed };

// Whether a field's text may not be opened for editing: empty, or nothing but the extension.
bool text_name_refused(const std::string& text, const std::string& text_ext, NameTest test);
// The field's text with the extension appended when it does not end with it.
std::string text_name_with_extension(const std::string& text, const std::string& text_ext,
                                     NameTest test);
// The file a text-file field names: the text folder and the name.
NativePath text_file_path(const Settings& settings, const std::string& name);

// The message for a refused name.
extern const char* const kNeedTextFileName;

} // namespace mf7
