#pragma once
// The about window: the program's name, what it is for, and its version.
// Its object names ("Form7", "Text1", "Command1" ...) are the editor's documented control names:
// stable handles for tests and automation.
#include <QWidget>

#include <string>

namespace mf7 {

class AboutWindow : public QWidget {
    Q_OBJECT
  public:
    explicit AboutWindow(const std::string& version_text, QWidget* parent = nullptr);

  signals:
    // OK, or the close box.
    void returned();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void leave();
};

} // namespace mf7
