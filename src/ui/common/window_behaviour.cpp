#include "ui/common/window_behaviour.h"

#include <QApplication>
#include <QCloseEvent>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace mf7 {

namespace {

// Remembers the window's last focused child while the window is enabled, and gives it the focus
// again when the window is active and enabled once more after waiting.
class FocusReturn : public QObject {
  public:
    explicit FocusReturn(QWidget& window) : QObject(&window), window_(window) {
        window.installEventFilter(this);
        connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
            if (now && now->window() == &window_ && window_.isEnabled())
                last_ = now;
        });
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != &window_)
            return false;
        if (event->type() == QEvent::ActivationChange || event->type() == QEvent::EnabledChange)
            give_back();
        // A window closed on its own starts afresh when it opens again; one hidden while it
        // waits (the overview behind the copy) returns to where it was.
        if (event->type() == QEvent::Hide && window_.isEnabled())
            last_ = nullptr;
        return false;
    }

  private:
    void give_back() {
        if (last_ && window_.isActiveWindow() && window_.isEnabled() && last_->isEnabled() &&
            last_->isVisible() && window_.focusWidget() != last_)
            last_->setFocus(Qt::ActiveWindowFocusReason);
    }

    QWidget& window_;
    QPointer<QWidget> last_;
};

} // namespace

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

void return_focus_after_waiting(QWidget& window) {
    new FocusReturn(window);
}

void centre_over(QWidget& window, const QWidget* owner) {
    if (!owner || !owner->isVisible())
        return;
    // A window shown for the first time takes its size from its layout only then.
    if (!window.isVisible() && !window.testAttribute(Qt::WA_Resized)) {
        window.adjustSize();
        window.setAttribute(Qt::WA_Resized, false);
    }
    QRect frame = window.frameGeometry();
    frame.moveCenter(owner->frameGeometry().center());
    if (const QScreen* screen = owner->screen()) {
        QRect room = screen->availableGeometry();
        int right_most = room.left() + room.width() - frame.width();
        int lowest = room.top() + room.height() - frame.height();
        frame.moveLeft(std::max(room.left(), std::min(frame.left(), right_most)));
        frame.moveTop(std::max(room.top(), std::min(frame.top(), lowest)));
    }
    window.move(frame.topLeft());
}

} // namespace mf7
