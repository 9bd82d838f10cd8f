#include "platform/messages.h"

namespace mf7 {

void report_file_error(Messages& messages, const std::string& subject, const std::string& action,
                       const std::string& error_text) {
    messages.show("The error: >" + error_text + "< was encountered, While trying to " + action +
                  subject);
}

} // namespace mf7
