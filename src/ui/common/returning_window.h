#pragma once
// A window of few words (about, how-to, first start): its button or its close box hides it and
// hands back to the window that opened it.
#include <QWidget>

namespace mf7 {

class ReturningWindow : public QWidget {
    Q_OBJECT
  public:
    explicit ReturningWindow(QWidget* parent = nullptr) : QWidget(parent, Qt::Window) {}

  signals:
    // The window closes, whatever the way.
    void returned();

  protected:
    void closeEvent(QCloseEvent* event) override;
    // Hidden and disabled until it is opened again.
    void leave();
};

} // namespace mf7
