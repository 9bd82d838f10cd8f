#include "ui/common/window_behaviour.h"

#include <QCloseEvent>
#include <QPushButton>
#include <QWidget>

namespace mf7 {

bool refuse_close_while_waiting(QWidget& window, QCloseEvent* event) {
    if (window.isEnabled())
        return false;
    event->ignore();
    return true;
}

void enter_presses_buttons(QWidget& window) {
    // Outside a QDialog a push button answers Space only; auto-default adds Enter and Return.
    for (QPushButton* b : window.findChildren<QPushButton*>())
        b->setAutoDefault(true);
}

} // namespace mf7
