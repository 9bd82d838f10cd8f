#include "model/text_file.h"

#include "platform/files.h"
#include "platform/messages.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "settings/settings.h"

namespace mf7 {

const char* const kNeedTextFileName =
    "You have to give me a filename before editing. Doubleclick the yellow box to select, or type "
    "in a name yourself. I will give it the filenameextension you have chosen in the 'Edit "
    "Directory Settings'-form.";

std::string text_from_file_bytes(const std::string& bytes) {
    return join_lines_crlf(split_lines_cr(bytes));
}

bool get_text_file(const NativePath& path, std::string& text, Messages& messages) {
    text.clear();
    if (!file_exists(path))
        return true;
    std::string bytes;
    FileError error;
    if (!read_file(path, bytes, error)) {
        report_file_error(messages, path_in_message(path), "read the file: ", error.text);
        return false;
    }
    text = text_from_file_bytes(bytes);
    return true;
}

bool save_text_file(const NativePath& path, const std::string& text, Messages& messages) {
    FileError error;
    if (!write_file_atomic(path, text + "\r\n", error)) {
        report_file_error(messages, path_in_message(path), "write the file: ", error.text);
        return false;
    }
    return true;
}

namespace {

std::string tested(const std::string& text, NameTest test) {
    return test == NameTest::Trimmed ? trim(text) : text;
}

} // namespace

bool text_name_refused(const std::string& text, const std::string& text_ext, NameTest test) {
    std::string t = tested(text, test);
    if (t.empty() || lcase(t) == text_ext)
        return true;
    return test == NameTest::Trimmed && t[0] == '.';
}

std::string text_name_with_extension(const std::string& text, const std::string& text_ext,
                                     NameTest test) {
    if (lcase(right(tested(text, test), 4)) != text_ext)
        return text + text_ext;
    return text;
}

NativePath text_file_path(const Settings& settings, const std::string& name) {
    return join_game_name(settings.mf7_txt, name);
}

} // namespace mf7
