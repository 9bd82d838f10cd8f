#pragma once
// The scenario editor: one scenario slot's prestige values, gotos and file names, and its byte
// blocks shown as hexadecimal. It stands alone; the overview, the file chooser, the text window and
// the scenarios-in-campaign list are wired to its signals from outside.
// Its object names ("Form3", "Text1", "Command1" ...) are the editor's documented control names:
// stable handles for tests and automation.
#include "model/scenario_edit.h"

#include <QWidget>
#include <array>
#include <optional>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace mf7 {

struct EditorState;
class Messages;

class ScenarioEditor : public QWidget {
    Q_OBJECT
  public:
    ScenarioEditor(EditorState& state, Messages& messages, QWidget* parent = nullptr);

    // Opens the editor on `selected_scn`: working copy, fields, main-country line, frame caption;
    // shows, enables and activates the window. False (and nothing shown) for an index outside 0
    // to 49.
    bool open_scenario();
    // Puts a name the file chooser handed over into field `control` (0 when the chooser worked
    // for no field of the editor), Text6 only when the scenario reader accepts the file.
    // Re-enabling is reactivate().
    void apply_chooser_result(int control, const std::string& name);
    // Enables and activates the editor again after the chooser or the text window.
    void reactivate();

    // The field "Text" + number (2 to 45); Text1 is the multi-line view, trailing_bytes().
    QLineEdit* field(int number) const;
    QPlainTextEdit* trailing_bytes() const { return trailing_bytes_; }

  signals:
    // The fields were stored into slot `index`; `row` is its rebuilt overview row. When slot 0
    // was stored and the main country was found again, main_country_changed is set and
    // main_country_line is the overview's new main-country line.
    void accepted(int index, const mf7::OverviewRow& row, bool main_country_changed,
                  const QString& main_country_line);
    // The editor closed (accept, cancel or the close box): the overview is to be enabled and
    // activated and the scenarios-in-campaign list rebuilt from the overview's rows.
    void closed();
    // File-name field `control` asked for the file chooser, which returns to the editor; the
    // editor is disabled. editor_field_chooser(settings, ChooserTarget::editor_field(control))
    // gives the chooser's set-up.
    void chooserRequested(int control);
    // SHIFT + left click on a text-file field with a usable name: the text window is to open the
    // file at path and return to the editor; the editor is disabled.
    void textFileRequested(const QString& path);
    // "Show scenarios in campaign".
    void scenarioListRequested();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    QWidget* build_header();
    QWidget* build_outcome(int outcome);
    void name_for_screen_readers(QWidget* parent, QLineEdit* field, int number);
    QLineEdit* make_field(QWidget* parent, int number, const char* tip);
    QLabel* make_caption(QWidget* parent, int number, const char* caption);
    void set_tab_order();

    void leave_field(QLineEdit* edit);
    void open_chooser(int number);
    void shift_click(int number);
    void accept();
    void close_editor();
    EditorTexts field_texts() const;

    EditorState& state_;
    Messages& messages_;
    std::optional<ScenarioEdits> scn_temp_;
    std::array<QLineEdit*, 46> fields_{};
    QPlainTextEdit* trailing_bytes_ = nullptr;
    QGroupBox* header_frame_ = nullptr;
    QLabel* main_country_ = nullptr;
    QPushButton *accept_button_ = nullptr, *cancel_button_ = nullptr, *list_button_ = nullptr;
};

} // namespace mf7
