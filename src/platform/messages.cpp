#include "platform/messages.h"

#include "platform/cp1252.h"

namespace mf7 {

std::string message_to_utf8(const std::string& text) {
    std::string out;
    bool in_path = false;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\0', start)) != std::string::npos; start = end + 1) {
        std::string_view part(text.data() + start, end - start);
        out += in_path ? std::string(part) : cp1252_to_utf8(part);
        in_path = !in_path;
    }
    std::string_view rest(text.data() + start, text.size() - start);
    return out + (in_path ? std::string(rest) : cp1252_to_utf8(rest));
}

void report_file_error(Messages& messages, const std::string& subject, const std::string& action,
                       const std::string& error_text) {
    messages.show("The error: >" + error_text + "< was encountered, While trying to " + action +
                  subject);
}

} // namespace mf7
