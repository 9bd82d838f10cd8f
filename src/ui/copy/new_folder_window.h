#pragma once
// A new folder for an international copy to go into.
// Its object names ("Form11", "Text1", "Command1" ...) are the editor's documented control names:
// stable handles for tests and automation.
#include <QWidget>

class QLineEdit;
class QPushButton;

namespace mf7 {

class Messages;

class NewFolderWindow : public QWidget {
    Q_OBJECT
  public:
    explicit NewFolderWindow(Messages& messages, QWidget* parent = nullptr);

    // Shows the window for a new folder inside parent_folder.
    void start(const QString& parent_folder);

  signals:
    void folder_made(const QString& folder);
    void cancelled();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void make_folder();

    Messages& messages_;
    QLineEdit *parent_folder_, *folder_name_;
    QPushButton *make_button_, *cancel_button_;
};

} // namespace mf7
