#include "ui/common/returning_window.h"

#include <QCloseEvent>

namespace mf7 {

void ReturningWindow::leave() {
    hide();
    setEnabled(false);
    emit returned();
}

void ReturningWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    if (isVisible())
        leave();
}

} // namespace mf7
