#pragma once
// Every message and question of the editor goes through this one interface: the windows show
// message boxes, the batch tool writes to standard error, tests record and answer from a script.
#include <string>

namespace mf7 {

enum class Buttons { Ok, YesNo, YesNoCancel, OkCancel };
enum class Answer { Ok, Cancel, Yes, No };

class Messages {
  public:
    virtual ~Messages() = default;
    // text is Windows-1252, with the line breaks exactly as the message has them.
    virtual Answer show(const std::string& text, Buttons buttons = Buttons::Ok,
                        bool information_icon = false) = 0;
};

} // namespace mf7

namespace mf7 {

// A message text as UTF-8 for the screen: the game text converted, and each path that
// path_in_message carried whole shown as it is.
std::string message_to_utf8(const std::string& text);

// The one message for a failed file operation: "The error: >" + the system's text + "< was
// encountered, While trying to " + action + subject.
void report_file_error(Messages& messages, const std::string& subject, const std::string& action,
                       const std::string& error_text);

} // namespace mf7
