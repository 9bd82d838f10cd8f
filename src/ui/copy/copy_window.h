#pragma once
// The international copy window: the new text-file extension, what to copy, and the
// folder to copy into, chosen in drive, folder and file lists.
// Its object names ("Form10", "Text1", "Command1" ...) are the editor's documented control names:
// stable handles for tests and automation.
#include "platform/native_path.h"

#include <QWidget>

#include <memory>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QRadioButton;

namespace mf7 {

struct EditorState;
class Messages;
class NewFolderWindow;
class CopyReportWindow;

class CopyWindow : public QWidget {
    Q_OBJECT
  public:
    CopyWindow(EditorState& state, Messages& messages, QWidget* parent = nullptr);
    ~CopyWindow() override;

    // The folder the lists show (`Dir1`).
    QString folder() const;
    // Goes to folder as a change of `Dir1` does: lists, drive and `Text1` follow.
    void set_folder(const QString& folder);

    // Made on first use; nullptr until then.
    NewFolderWindow* new_folder_window() const { return new_folder_window_.get(); }
    CopyReportWindow* report_window() const { return copy_report_window_.get(); }

  signals:
    // The copy window (or its report) was left: the overview is to be shown again.
    void closed();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    // Copies of more files than this show their progress.
    static constexpr int kProgressAbove = 20;

    void make_copy();
    void make_new_folder();
    void drive_chosen(int index);
    void fill_lists();
    QString new_ext() const;

    EditorState& state_;
    Messages& messages_;
    NativePath folder_;
    std::vector<NativePath> drives_;
    QRadioButton *option1_, *option2_, *option3_;
    QCheckBox *check1_, *check2_, *check3_, *check4_;
    QComboBox* drive1_;
    QListWidget *dir1_, *file1_;
    QLineEdit* text1_;
    QPushButton *command1_, *command2_, *command3_;
    // Windows of their own, not children: disabling this window while the new-folder window is
    // open must not disable that one too.
    std::unique_ptr<NewFolderWindow> new_folder_window_;
    std::unique_ptr<CopyReportWindow> copy_report_window_;
};

} // namespace mf7
