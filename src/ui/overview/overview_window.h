#pragma once
// The overview window: campaign header, scenario list, campaign trailer and the menu bar. It
// never opens another window itself: it asks through its signals, and the window controller
// shows the window asked for and disables this one until it returns.
// Its object names ("Form1", "Text1", "Command1" ...) are the editor's documented control names:
// stable handles for tests and automation.
#include "model/menu_states.h"
#include "model/overview.h"
#include "platform/native_path.h"
#include "ui/overview/overview_commands.h"
#include "ui/window_handover.h"

#include <QMainWindow>

#include <QHash>

#include <array>
#include <functional>
#include <string>
#include <vector>

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QDragEnterEvent;
class QDropEvent;
class QPushButton;

namespace mf7 {

struct EditorState;
class Messages;
struct ChooserSetup;
struct ChooserPick;
class CampaignHistory;

// The overview's menu entries, for enabling them and for tests and automation to trigger.
struct OverviewMenuEntries {
    QAction *new_campaign = nullptr, *open = nullptr, *save = nullptr, *save_as = nullptr,
            *export_text = nullptr, *clear = nullptr, *exit = nullptr;
    QAction *undo = nullptr, *redo = nullptr;
    QAction* copy = nullptr;
    QAction *missing_files = nullptr, *campaign_list = nullptr, *full_report = nullptr,
            *file_list = nullptr, *campaign_map = nullptr;
    QAction *folder_settings = nullptr, *how_to = nullptr, *about = nullptr;
};

class OverviewWindow : public QMainWindow {
    Q_OBJECT
  public:
    OverviewWindow(EditorState& state, Messages& messages, QWidget* parent = nullptr);

    // Start of the window: version, program folder, settings, captions and menu states.
    void start();
    // Shows the record; the list is emptied first.
    void fill_overview();

    const OverviewMenuEntries& menu_entries() const { return menu_; }

    // The chooser hands over a name for a header field, or for Open or Save as.
    void chooser_picked(const ChooserPick& pick);
    // OK in the new-campaign dialog: an empty campaign with one empty scenario.
    void new_campaign();
    // The folder settings were saved (true) or refused for missing folders (false).
    void settings_saved(bool folders_ok);
    // Selects a row as a click on it does; a row the list does not have selects nothing.
    void select_row(int row);
    // The text file a SHIFT + left click on Text5 asked for: mf7_txt + separator + Text5.
    NativePath text_file_path() const;

    // The scenario rows the list shows, for the reports, the map and ScenarioListWindow.
    const std::vector<OverviewRow>& rows() const { return rows_; }
    // The scenario editor stored slot `index`: its rebuilt row replaces the old one.
    void replace_row(int index, const OverviewRow& row);
    void set_main_country(const std::string& label7);
    // Enables the menu entries as menu_states() gives them for what is known now.
    void apply_menu_states();
    // What Text3, Text4 and Text5 show, typed names included: the check tests these.
    std::array<std::string, 3> header_file_texts() const;

    // Asks where File > Export as text writes, proposing a path; empty for cancel. Tests set it;
    // unset, a save dialog asks.
    std::function<QString(const QString& proposed)> ask_text_export_path;

    // The undo history of the campaign record.
    CampaignHistory& history() const { return *history_; }
    // The scenario editor stored slot `index`: that is one undo step.
    void scenario_stored(int index);
    // Opens the campaign file at `path` as Open does, unsaved-changes question included
    // when `ask` is set; returns whether it was read.
    bool open_campaign_path(const NativePath& path, bool ask);
    // The campaign named on the command line, once the start checks let Open work.
    void open_argument(const QString& path);

  signals:
    // Open the file chooser prepared so (Text3/Text4/Text5, Open, Save as).
    void chooserRequested(const mf7::ChooserSetup& setup);
    void newCampaignRequested();
    void folderSettingsRequested();
    // The start found no settings file at all: the first-start window offers ways on.
    void firstStartRequested();
    void howtoRequested();
    void aboutRequested();
    // "Make Copy As..": the international copy window.
    void copyRequested();
    // A Reports entry was chosen.
    void reportRequested(mf7::Report report);
    // SHIFT + left click on Text5 passed its checks: open text_file_path() in the text window.
    void textFileRequested();
    // Double-click or Enter on a row: edit scenario selected_scn.
    void scenarioEditRequested();
    // The rows were filled, replaced or cleared: the campaign map follows them.
    void rowsShown();
    // The highlighted row of the list changed: the campaign map shows it too.
    void rowHighlightChanged();
    // An insert or delete changed the scenario rows.
    void scenarioListChanged();
    // New, Open, Save as and Clear hide the scenarios-in-campaign window and empty it.
    void scenarioListWindowHideRequested();
    // Exit, or the close box, was allowed: the program ends.
    void quitRequested();
    // Another campaign, or none, stands in the record now (Open, a recent entry, a drop, the
    // command line, New, Clear): a Save as chooser opened for the old one must not save it.
    void campaignReplaced();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void build_menus();
    void build_reports_menu();
    QWidget* build_header();
    QWidget* build_list();
    QWidget* build_trailer();
    void connect_fields();
    void connect_menus();
    void set_selection_caption(int index);
    void blank_selection_caption();
    void set_scenario_frame_caption(const QString& caption);

    // Field rules.
    // The header field a file-name field is, and back.
    HeaderField header_field(const QLineEdit* field) const;
    QLineEdit* field_of(HeaderField field) const;
    void trim_on_change(QLineEdit* field, bool drop_nul);
    void field_edited(QLineEdit* field, const QString& text);
    void leave_field(QLineEdit* field);
    void open_name_chooser(QLineEdit* field);
    void description_shift_click();
    void commit_focused_field();

    // List.
    void row_clicked(int row);
    void keep_row_highlighted();
    void edit_row(int row);
    void list_command(ListCommand command);

    // File commands.
    void new_clicked();
    void open_clicked();
    void save_clicked();
    void save_as_clicked();
    // The names typed into the header fields, stored in the record before a save.
    void store_typed_names();
    void saved_as(const NativePath& path);
    void export_text_clicked();
    void clear_clicked();
    void exit_clicked();
    void open_picked(const ChooserPick& pick);
    bool open_file(const NativePath& folder, const NativePath& name);
    // Undo and redo put a snapshot on screen: rows, fields, the typed names and the selection.
    void show_restored(const std::array<std::string, 3>& typed);
    // Text3, Text4 and Text5 show these names (a fill shows the record's).
    void show_typed_names(const std::array<std::string, 3>& typed);
    // The title's unsaved-changes mark follows the changed flag.
    void sync_modified();
    // Empties the list and its rows.
    void clear_rows();
    void build_recent_menu(QMenu* file, QAction* before);
    void fill_recent_menu();
    void recent_opened(const NativePath& path);
    void save_picked(const ChooserPick& pick);

    EditorState& state_;
    Messages& messages_;
    CampaignHistory* history_ = nullptr;
    QMenu* recent_menu_ = nullptr;
    bool ending_ = false;
    MenuFacts menu_facts_;
    OverviewMenuEntries menu_;
    QMenu* reports_menu_ = nullptr;
    QGroupBox* scenario_frame_ = nullptr;
    QLineEdit *scenario_count_ = nullptr, *start_prestige_ = nullptr, *win_film_ = nullptr,
              *lose_film_ = nullptr, *description_ = nullptr, *trailer_ = nullptr;
    QLabel* main_country_ = nullptr;
    QListWidget* scenario_list_ = nullptr;
    // The rows scenario_list_ shows, one for one.
    std::vector<OverviewRow> rows_;
    // Frame2's top margin with and without a caption, and its layout's own: a blank caption
    // keeps the height.
    int captioned_top_ = 0, blank_top_ = 0, list_layout_top_ = 0;
    QPushButton *insert_before_ = nullptr, *insert_after_ = nullptr, *delete_scn_ = nullptr;
    // The text of each editable field after its last change, to tell a real edit from blanks.
    QHash<const QLineEdit*, QString> last_text_;
};

} // namespace mf7
