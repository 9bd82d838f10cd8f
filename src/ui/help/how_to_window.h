#pragma once
// The how-to window: what the colours of the fields mean and how the keys work.
// Its object names ("Form6", "Text1", "Command1" ...) are the editor's documented control names:
// stable handles for tests and automation.
#include "ui/common/returning_window.h"

namespace mf7 {

class HowToWindow : public ReturningWindow {
    Q_OBJECT
  public:
    explicit HowToWindow(QWidget* parent = nullptr);
};

} // namespace mf7
