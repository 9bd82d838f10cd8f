#pragma once
// Habits every window of the editor shares, whatever it shows.
class QCloseEvent;
class QWidget;

namespace mf7 {

// A window that waits for a window it opened is disabled: its close box then does nothing, or the
// window it waits for would return to a window that is gone. True when the event was refused.
bool refuse_close_while_waiting(QWidget& window, QCloseEvent* event);

// Enter presses the focused push button, as it does in a dialog box.
void enter_presses_buttons(QWidget& window);

} // namespace mf7
