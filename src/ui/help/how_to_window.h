#pragma once
// The how-to window: what the colours of the fields mean and how the keys work.
// Its object names ("Form6", "Text1", "Command1" ...) are the editor's documented control names:
// stable handles for tests and automation.
#include <QWidget>

namespace mf7 {

class HowToWindow : public QWidget {
    Q_OBJECT
  public:
    explicit HowToWindow(QWidget* parent = nullptr);

  signals:
    // "Return to the program", or the close box.
    void returned();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void leave();
};

} // namespace mf7
