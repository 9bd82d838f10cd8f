#pragma once
// The international copy window (`Form10`): the new text-file extension, what to copy, and the
// folder to copy into, chosen in drive, folder and file lists.
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
class Form11;
class Form12;

class Form10 : public QWidget {
    Q_OBJECT
  public:
    Form10(EditorState& state, Messages& messages, QWidget* parent = nullptr);
    ~Form10() override;

    // The folder the lists show (`Dir1`).
    QString folder() const;
    // Goes to folder as a change of `Dir1` does: lists, drive and `Text1` follow.
    void set_folder(const QString& folder);

    // Made on first use; nullptr until then.
    Form11* new_folder_window() const { return form11_.get(); }
    Form12* report_window() const { return form12_.get(); }

  signals:
    // The copy window (or its report) was left: the overview is to be shown again.
    void closed();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void make_copy();
    void make_new_folder();
    void drive_chosen(int index);
    void fill_lists();
    QString new_ext() const;

    EditorState& state_;
    Messages& messages_;
    std::string folder_;
    std::vector<std::string> drives_;
    QRadioButton *option1_, *option2_, *option3_;
    QCheckBox *check1_, *check2_, *check3_, *check4_;
    QComboBox* drive1_;
    QListWidget *dir1_, *file1_;
    QLineEdit* text1_;
    QPushButton *command1_, *command2_, *command3_;
    // Windows of their own, not children: disabling this window while the new-folder window is
    // open must not disable that one too.
    std::unique_ptr<Form11> form11_;
    std::unique_ptr<Form12> form12_;
};

} // namespace mf7
