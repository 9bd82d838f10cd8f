#pragma once
// The international copy window: the new text-file extension, what to copy, and the
// folder to copy into, chosen in drive, folder and file lists.
// Its object names ("Form10", "Text1", "Command1" ...) are the editor's documented control names:
// stable handles for tests and automation.
#include <QWidget>

#include <memory>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace mf7 {

struct EditorState;
class Messages;
class NewFolderWindow;
class CopyReportWindow;
class FolderBrowser;

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
    QString new_ext() const;

    EditorState& state_;
    Messages& messages_;
    QRadioButton *ext_txt_, *ext_deu_, *ext_fra_;
    QCheckBox *copy_scenarios_, *copy_campaign_, *make_grey_, *hide_in_game_;
    FolderBrowser* browser_;
    QLineEdit* target_folder_;
    QPushButton *copy_button_, *new_folder_button_, *cancel_button_;
    // Windows of their own, not children: disabling this window while the new-folder window is
    // open must not disable that one too.
    std::unique_ptr<NewFolderWindow> new_folder_window_;
    std::unique_ptr<CopyReportWindow> copy_report_window_;
};

} // namespace mf7
