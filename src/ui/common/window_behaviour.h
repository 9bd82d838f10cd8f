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

// When the window is active and enabled again after waiting for another, the focus goes back to
// the field or list it was in: disabling a window takes the focus from it, and Qt would give it
// to the window's first field instead.
void return_focus_after_waiting(QWidget& window);

// Places window (shown or about to be) with its centre over the centre of owner, kept on owner's
// screen; nothing when owner is missing or hidden.
void centre_over(QWidget& window, const QWidget* owner);

} // namespace mf7
