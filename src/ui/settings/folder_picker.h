#pragma once
// The folder picker: a drive list, a folder list and the files of the kind that belong in the
// folder being chosen. It serves one field of the folder settings window at a time.
// Its object names ("Form5", "Text1", "Command1" ...) are the editor's documented control names:
// stable handles for tests and automation.
#include "platform/native_path.h"

#include <QWidget>

#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace mf7 {

struct EditorState;
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
    NativePath dir_path() const { return dir_path_; }
    int field() const { return field_; }

  signals:
    // OK: the field gets the folder.
    void picked(int field, const QString& folder);
    // OK or Cancel: back to the settings window.
    void returned();

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Dir1 goes to folder (a missing one shows its nearest existing parent): lists refreshed.
    void set_dir(const NativePath& folder);
    void show_folder(const NativePath& folder);
    void fill_drives();
    void drive_chosen(int index);
    void dir_clicked(QListWidgetItem* item);
    void ok_clicked();
    void cancel_clicked();
    void leave();

    EditorState& state_;
    Messages& messages_;
    int field_ = 0;
    NativePath dir_path_;
    std::string pattern_;
    std::vector<NativePath> drives_;
    QComboBox* drive1_ = nullptr;
    QListWidget *dir1_ = nullptr, *file1_ = nullptr;
    QLineEdit* text1_ = nullptr;
    QLabel* label1_ = nullptr;
    QPushButton *command1_ = nullptr, *command2_ = nullptr;
};

} // namespace mf7
