#pragma once
// The about window: the program's name, what it is for, and its version.
// Its object names ("Form7", "Text1", "Command1" ...) are the editor's documented control names:
// stable handles for tests and automation.
#include "ui/common/returning_window.h"

#include <string>

namespace mf7 {

class AboutWindow : public ReturningWindow {
    Q_OBJECT
  public:
    explicit AboutWindow(const std::string& version_text, QWidget* parent = nullptr);
};

} // namespace mf7
