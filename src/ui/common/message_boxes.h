#pragma once
// Messages shown in message boxes with the program's title.
#include "platform/messages.h"

class QWidget;

namespace mf7 {

class MessageBoxes : public Messages {
  public:
    Answer show(const std::string& text, Buttons buttons, bool information_icon) override;
};

} // namespace mf7
