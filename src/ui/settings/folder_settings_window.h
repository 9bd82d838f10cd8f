#pragma once
// The folder settings window: the seven game folders, the report folder and the text-file
// extension, each folder on light green when it exists and light red when it does not.
// Its object names ("Form4", "Text1", "Command1" ...) are the editor's documented control names:
// stable handles for tests and automation.
#include <QWidget>

#include <array>
#include <string>

class QLineEdit;
class QPushButton;

class QLabel;

namespace mf7 {

struct EditorState;
class Messages;
struct PickerSetup;
struct Settings;

class FolderSettingsWindow : public QWidget {
    Q_OBJECT
  public:
    FolderSettingsWindow(EditorState& state, Messages& messages, QWidget* parent = nullptr);

    // Fills the fields from the settings in force; clears settings_changed.
    void open_settings();
    // Fills the game's folders, the report folder and the extension from proposed settings,
    // for the user to check and save; the settings in force stay until then.
    void propose(const Settings& proposed);
    // The folder fields' colours from the last folder check.
    void color_texts();
    // The picker chose a folder for field n (1 to 7 or 9).
    void set_field(int n, const QString& folder);
    // The picker closed: check the folders again and colour them.
    void picker_closed();
    QLineEdit* field(int n) const;

  signals:
    // A folder field asks the picker, prepared so.
    void pickerRequested(const mf7::PickerSetup& setup);
    // Save Settings: true when the settings were written, false when folders are missing.
    void settingsSaved(bool folders_ok);
    // The window closes: back to the overview.
    void returned();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void open_picker(int n);
    void text8_changed();
    void save_clicked();
    void cancel_clicked();
    void leave();

    EditorState& state_;
    Messages& messages_;
    bool filling_ = false;
    std::array<QLineEdit*, 10> text_{}; // Text1 to Text9 at their numbers
    QPushButton *cancel_button_ = nullptr, *save_button_ = nullptr;
    // Which settings file Save Settings writes: the ini-file folder's mf7edit.ini.
    QLabel* saves_to_ = nullptr;
    void show_settings_file();
};

} // namespace mf7
