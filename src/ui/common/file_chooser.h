#pragma once
// The file chooser: lists the files of one folder that match one pattern and hands the chosen
// name to the window that asked. The caller prepares it (ChooserSetup); its button, list and
// close box then act on the target and the window to return to that the setup gave.
// Its object names ("Form2", "Text1", "Command1" ...) are the editor's documented control names:
// stable handles for tests and automation.
#include "ui/common/chooser_setup.h"
#include "ui/window_handover.h"

#include <QWidget>

#include <functional>
#include <optional>
#include <string>

class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace mf7 {

struct EditorState;
class Messages;

// What the chooser hands to the overview.
struct ChooserPick {
    ChooserTarget target;
    // Command1: Text1 as the target's rule left it; double-click: the name as listed. A field
    // takes it as game text in `name`; Open and Save as take the campaign file's leaf in `file`.
    std::string name;
    NativePath file;
    NativePath folder; // the list's folder
    bool double_click = false;
};

class FileChooser : public QWidget {
    Q_OBJECT
  public:
    FileChooser(EditorState& state, Messages& messages, QWidget* parent = nullptr);

    // Sets folder, pattern, captions, Text1 and the hand-over texts, and lists the files.
    // Showing it and disabling the caller is the window controller's part.
    void prepare(const ChooserSetup& setup);
    // Reads the folder again.
    void refresh();
    // The campaign a Save as was opened for is gone: a chooser still saving closes unused.
    void drop_save_as();
    NativePath folder() const { return folder_; }
    std::string pattern() const { return pattern_; }
    bool file_clicked() const { return file_clicked_; }
    // Who the chooser works for now: none once a Save as is done or dropped.
    const ChooserTarget& target() const { return target_; }

    // Called when returning to the scenario editor with the chosen name; the scenario editor puts
    // it into the field the target names. Without it the target is unknown and "F2-E01" is shown.
    std::function<void(const ChooserTarget&, const std::string&)> editor_dispatch;
    // Called when returning to the overview: the overview takes the name for its field or command.
    std::function<void(const ChooserPick&)> overview_dispatch;
    // The window a setup's return_window names, to enable and activate it on return.
    std::function<QWidget*(WindowId)> resolve_window;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void file_chosen(QListWidgetItem* item);
    void file_double_clicked(QListWidgetItem* item);
    void choose_clicked();
    void cancel_clicked();
    void return_to_caller();
    void run_editor_dispatch(const std::string& name);
    // The selected entry as listed (a leaf on the disk), empty without one.
    QString selected_entry() const;
    // Campaign files (Open, Save as) are named by paths; the other fields take game text.
    bool picks_campaign_file() const;
    // An entry or Text1 as the target takes it: the pick's file or name, blanks trimmed.
    void take_entry(const QString& text, ChooserPick& pick) const;
    // The pick's name or file as Text1 shows it.
    QString shown(const ChooserPick& pick) const;
    void reset();

    EditorState& state_;
    Messages& messages_;
    NativePath folder_;
    std::string pattern_;
    ChooserTarget target_;
    WindowId return_window_ = WindowId::Overview;
    bool file_clicked_ = false;
    QListWidget* file_list_ = nullptr;
    QLineEdit* name_field_ = nullptr;
    QPushButton *choose_button_ = nullptr, *cancel_button_ = nullptr;
    QLabel* folder_label_ = nullptr;
};

} // namespace mf7
