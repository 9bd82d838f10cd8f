#pragma once
// The folder picker: a drive list, a folder list and the files of the kind that belong in the
// folder being chosen. It serves one field of the folder settings window at a time.
// Its object names ("Form5", "Text1", "Command1" ...) are the editor's documented control names:
// stable handles for tests and automation.
#include "platform/native_path.h"

#include <QWidget>

#include <string>

class QLabel;
class QLineEdit;
class QPushButton;

namespace mf7 {

struct EditorState;
class FolderBrowser;
class Messages;

struct PickerSetup {
    int field = 0;     // the settings window's field number: 1 to 7 or 9
    NativePath folder; // where to start
    std::string pattern;
    std::string label; // what is being chosen
};

class FolderPicker : public QWidget {
    Q_OBJECT
  public:
    FolderPicker(EditorState& state, Messages& messages, QWidget* parent = nullptr);

    void prepare(const PickerSetup& setup);
    // The folder the lists show.
    NativePath dir_path() const;
    int field() const { return field_; }

  signals:
    // OK: the field gets the folder.
    void picked(int field, const QString& folder);
    // OK or Cancel: back to the settings window.
    void returned();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void ok_clicked();
    void cancel_clicked();
    void leave();

    EditorState& state_;
    int field_ = 0;
    FolderBrowser* browser_ = nullptr;
    QLineEdit* chosen_folder_ = nullptr;
    QLabel* what_label_ = nullptr;
    QPushButton *ok_button_ = nullptr, *cancel_button_ = nullptr;
};

} // namespace mf7
