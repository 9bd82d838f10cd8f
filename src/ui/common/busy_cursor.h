#pragma once
// The wait cursor over the whole program while something slow runs (reading every scenario of a
// campaign, a report, a copy); it goes when the guard does.
#include <QCursor>
#include <QGuiApplication>

namespace mf7 {

class BusyCursor {
  public:
    explicit BusyCursor(bool now = true) {
        if (now)
            start();
    }
    ~BusyCursor() {
        if (on_)
            QGuiApplication::restoreOverrideCursor();
    }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

    void start() {
        if (!on_)
            QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
        on_ = true;
    }

  private:
    bool on_ = false;
};

} // namespace mf7
