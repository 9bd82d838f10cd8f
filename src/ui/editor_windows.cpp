#include "ui/editor_windows.h"

#include "model/state.h"
#include "ui/common/busy_cursor.h"
#include "ui/common/chooser_setup.h"
#include "ui/common/file_chooser.h"
#include "ui/common/qt_text.h"
#include "ui/common/text_window.h"
#include "ui/common/window_behaviour.h"
#include "ui/copy/copy_window.h"
#include "ui/editor/scenario_editor.h"
#include "ui/editor/scenario_list_window.h"
#include "ui/help/about_window.h"
#include "ui/help/how_to_window.h"
#include "ui/map/campaign_map_window.h"
#include "ui/overview/new_campaign_dialog.h"
#include "ui/overview/overview_window.h"
#include "ui/overview/reports_menu.h"
#include "ui/settings/first_start_window.h"
#include "ui/settings/folder_picker.h"
#include "ui/settings/folder_settings_window.h"

#include <QApplication>
#include <QCoreApplication>
#include <QIcon>

namespace mf7 {

EditorWindows::EditorWindows(EditorState& state, Messages& messages)
    : state_(state), messages_(messages),
      overview_(std::make_unique<OverviewWindow>(state, messages)) {
    quit = [] { QCoreApplication::exit(0); };
    // Every window of the editor carries the icon of the desktop's menu entry.
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/mf7edit.svg")));
    OverviewWindow* overview = overview_.get();
    connect(overview, &OverviewWindow::chooserRequested, this,
            [this, overview](const ChooserSetup& setup) { open_chooser(setup, overview); });
    connect(overview, &OverviewWindow::newCampaignRequested, this, [this, overview] {
        NewCampaignDialog& d = new_campaign_dialog();
        open_window(&d, overview);
        d.prepare();
    });
    connect(overview, &OverviewWindow::folderSettingsRequested, this, [this, overview] {
        FolderSettingsWindow& w = folder_settings();
        w.open_settings();
        open_window(&w, overview);
    });
    connect(overview, &OverviewWindow::firstStartRequested, this, [this, overview] {
        FirstStartWindow& w = first_start();
        w.prepare();
        open_window(&w, overview);
    });
    connect(overview, &OverviewWindow::howtoRequested, this,
            [this, overview] { open_window(&how_to(), overview); });
    connect(overview, &OverviewWindow::aboutRequested, this,
            [this, overview] { open_window(&about(), overview); });
    connect(overview, &OverviewWindow::quitRequested, this, [this] {
        if (quit)
            quit();
    });
    extra_window = [this](WindowId id) -> QWidget* {
        return id == WindowId::ScenarioEditor ? &editor() : nullptr;
    };
    connect_overview();
}

void EditorWindows::connect_overview() {
    OverviewWindow* overview = overview_.get();
    connect(overview, &OverviewWindow::scenarioEditRequested, this, &EditorWindows::edit_scenario);
    connect(overview, &OverviewWindow::textFileRequested, this, [this, overview] {
        overview->setEnabled(false);
        text_window_holds_overview_ = true;
        text_window().open_file(overview->text_file_path(), WindowId::Overview);
    });
    connect(overview, &OverviewWindow::scenarioListChanged, this,
            [this, overview] { scenario_list().rebuild(overview->rows()); });
    connect(overview, &OverviewWindow::scenarioListWindowHideRequested, this, [this] {
        if (scenario_list_)
            scenario_list_->close_list();
    });
    connect(overview, &OverviewWindow::reportRequested, this, [this, overview](Report report) {
        text_window_holds_overview_ = false; // the check's report leaves the overview usable
        if (report == Report::Map)
            open_campaign_map();
        else {
            BusyCursor busy; // the reports read every file the campaign names
            run_report(report, state_, messages_, *overview, text_window());
        }
    });
    connect(overview, &OverviewWindow::campaignReplaced, this, [this] {
        if (chooser_)
            chooser_->drop_save_as();
    });
    connect(overview, &OverviewWindow::rowsShown, this, [this, overview] {
        if (campaign_map_)
            campaign_map_->show_campaign(overview->rows());
    });
    // The copy hides the overview, and disables it too: the campaign map, which stays on screen,
    // then waits with it, or a double-click there would edit the campaign behind the copy's back.
    connect(overview, &OverviewWindow::copyRequested, this, [this, overview] {
        overview->setEnabled(false);
        overview->hide();
        CopyWindow& w = copy_window();
        w.show();
        w.raise();
        w.activateWindow();
    });
}

// The overview is disabled first: disabling a window disables the windows it owns (the campaign
// map too, which waits with it), and the editor must come out of that enabled.
void EditorWindows::edit_scenario() {
    OverviewWindow* overview = overview_.get();
    overview->setEnabled(false);
    if (!editor().open_scenario())
        overview->setEnabled(true);
}

void EditorWindows::open_campaign_map() {
    CampaignMapWindow& map = campaign_map();
    map.show_campaign(overview_->rows());
    map.show();
    map.raise();
    map.activateWindow();
}

CampaignMapWindow& EditorWindows::campaign_map() {
    if (!campaign_map_) {
        OverviewWindow* overview = overview_.get();
        campaign_map_ = new CampaignMapWindow(state_, messages_, overview);
        connect(campaign_map_, &CampaignMapWindow::scenarioSelected, overview,
                &OverviewWindow::select_row);
        connect(campaign_map_, &CampaignMapWindow::scenarioEditRequested, this,
                [this, overview](int n) {
                    overview->select_row(n);
                    edit_scenario();
                });
        // Queued: the overview records the selected row after the list has moved its highlight.
        connect(overview, &OverviewWindow::rowHighlightChanged, campaign_map_,
                &CampaignMapWindow::show_selection, Qt::QueuedConnection);
    }
    return *campaign_map_;
}

ScenarioEditor& EditorWindows::editor() {
    if (!editor_) {
        editor_ = new ScenarioEditor(state_, messages_, overview_.get());
        OverviewWindow* overview = overview_.get();
        connect(editor_, &ScenarioEditor::accepted, this,
                [overview](int index, const OverviewRow& row, bool main_country_changed,
                           const QString& label7) {
                    overview->replace_row(index, row);
                    overview->scenario_stored(index);
                    if (main_country_changed)
                        overview->set_main_country(fromQ(label7));
                });
        connect(editor_, &ScenarioEditor::closed, this, [this, overview] {
            scenario_list().rebuild(overview->rows());
            return_to_overview();
        });
        connect(editor_, &ScenarioEditor::chooserRequested, this,
                &EditorWindows::open_editor_chooser);
        connect(editor_, &ScenarioEditor::textFileRequested, this, [this](const QString& path) {
            text_window().open_file(pathFromQ(path), WindowId::ScenarioEditor);
        });
        connect(editor_, &ScenarioEditor::scenarioListRequested, this,
                [this, overview] { scenario_list().show_list(overview->rows()); });
    }
    return *editor_;
}

void EditorWindows::open_editor_chooser(int control) {
    std::optional<ChooserSetup> setup =
        editor_field_chooser(state_.settings, ChooserTarget::editor_field(control));
    if (!setup)
        return;
    FileChooser& file_chooser = chooser();
    file_chooser.editor_dispatch = [this](const ChooserTarget& target, const std::string& name) {
        bool field = target.kind == ChooserTarget::Kind::EditorField;
        editor().apply_chooser_result(field ? target.control : 0, name);
    };
    open_chooser(*setup, nullptr);
}

ScenarioListWindow& EditorWindows::scenario_list() {
    if (!scenario_list_)
        scenario_list_ = new ScenarioListWindow(state_, messages_, overview_.get());
    return *scenario_list_;
}

TextWindow& EditorWindows::text_window() {
    if (!text_window_) {
        text_window_ = new TextWindow(state_, messages_, overview_.get());
        connect(text_window_, &TextWindow::returned, this, [this](WindowId id) {
            if (id == WindowId::Overview)
                return_to_overview();
            else if (id == WindowId::ScenarioEditor)
                editor().reactivate();
        });
    }
    return *text_window_;
}

CopyWindow& EditorWindows::copy_window() {
    if (!copy_window_) {
        // Not a child of the overview: the overview is hidden while the copy window is open.
        copy_window_ = new CopyWindow(state_, messages_);
        copy_window_->setAttribute(Qt::WA_DeleteOnClose, false);
        connect(copy_window_, &CopyWindow::closed, this, [this] { return_to_overview(); });
    }
    return *copy_window_;
}

EditorWindows::~EditorWindows() {
    delete copy_window_;
}

void EditorWindows::start() {
    overview_->show();
    overview_->start();
}

OverviewWindow& EditorWindows::overview() {
    return *overview_;
}

FileChooser& EditorWindows::chooser() {
    if (!chooser_) {
        chooser_ = new FileChooser(state_, messages_, overview_.get());
        chooser_->resolve_window = [this](WindowId id) { return window_named(id); };
        chooser_->overview_dispatch = [this](const ChooserPick& pick) {
            overview_->chooser_picked(pick);
        };
    }
    return *chooser_;
}

NewCampaignDialog& EditorWindows::new_campaign_dialog() {
    if (!new_campaign_dialog_) {
        new_campaign_dialog_ = new NewCampaignDialog(state_, messages_, overview_.get());
        connect(new_campaign_dialog_, &NewCampaignDialog::created, overview_.get(),
                &OverviewWindow::new_campaign);
        connect(new_campaign_dialog_, &NewCampaignDialog::finished_dialog, this,
                [this] { return_to_overview(); });
    }
    return *new_campaign_dialog_;
}

FolderSettingsWindow& EditorWindows::folder_settings() {
    if (!folder_settings_) {
        folder_settings_ = new FolderSettingsWindow(state_, messages_, overview_.get());
        connect(folder_settings_, &FolderSettingsWindow::settingsSaved, overview_.get(),
                &OverviewWindow::settings_saved);
        connect(folder_settings_, &FolderSettingsWindow::returned, this,
                [this] { return_to_overview(); });
        connect(folder_settings_, &FolderSettingsWindow::pickerRequested, this,
                [this](const PickerSetup& setup) {
                    FolderPicker& picker = folder_picker();
                    picker.prepare(setup);
                    open_window(&picker, folder_settings_);
                });
    }
    return *folder_settings_;
}

FolderPicker& EditorWindows::folder_picker() {
    if (!folder_picker_) {
        folder_picker_ = new FolderPicker(state_, messages_, overview_.get());
        connect(folder_picker_, &FolderPicker::picked, this,
                [this](int field, const QString& folder) {
                    folder_settings().set_field(field, folder);
                });
        connect(folder_picker_, &FolderPicker::returned, this, [this] {
            folder_settings().picker_closed();
            return_to(folder_settings_);
        });
    }
    return *folder_picker_;
}

FirstStartWindow& EditorWindows::first_start() {
    if (!first_start_) {
        first_start_ = new FirstStartWindow(state_, messages_, overview_.get());
        connect(first_start_, &FirstStartWindow::returned, this, [this] { return_to_overview(); });
        // The settings file now exists: the start reads it as on any later start.
        connect(first_start_, &FirstStartWindow::demoMade, overview_.get(), &OverviewWindow::start);
        connect(first_start_, &FirstStartWindow::gameFolderChosen, this, [this] {
            FolderSettingsWindow& w = folder_settings();
            w.open_settings();
            w.propose(first_start_->proposed());
            open_window(&w, overview_.get());
        });
    }
    return *first_start_;
}

HowToWindow& EditorWindows::how_to() {
    if (!how_to_) {
        how_to_ = new HowToWindow(overview_.get());
        connect(how_to_, &HowToWindow::returned, this, [this] { return_to_overview(); });
    }
    return *how_to_;
}

AboutWindow& EditorWindows::about() {
    if (!about_) {
        about_ = new AboutWindow(state_.version_text, overview_.get());
        connect(about_, &AboutWindow::returned, this, [this] { return_to_overview(); });
    }
    return *about_;
}

bool EditorWindows::created(WindowId id) const {
    switch (id) {
    case WindowId::Overview:
        return true;
    case WindowId::FileChooser:
        return chooser_;
    case WindowId::NewCampaign:
        return new_campaign_dialog_;
    case WindowId::FolderSettings:
        return folder_settings_;
    case WindowId::FolderPicker:
        return folder_picker_;
    case WindowId::HowTo:
        return how_to_;
    case WindowId::About:
        return about_;
    case WindowId::ScenarioEditor:
        return editor_;
    case WindowId::ScenarioList:
        return scenario_list_;
    case WindowId::TextWindow:
        return text_window_;
    case WindowId::Copy:
        return copy_window_;
    }
    return false;
}

QWidget* EditorWindows::window_named(WindowId id) {
    if (id == WindowId::Overview)
        return overview_.get();
    return extra_window ? extra_window(id) : nullptr;
}

void EditorWindows::open_window(QWidget* child, QWidget* caller) {
    centre_over(*child, caller);
    if (caller)
        caller->setEnabled(false);
    child->setEnabled(true);
    child->show();
    child->raise();
    child->activateWindow();
}

QWidget* EditorWindows::window_above_overview() const {
    for (QWidget* w :
         std::initializer_list<QWidget*>{editor_, new_campaign_dialog_, folder_settings_,
                                         folder_picker_, first_start_, how_to_, about_})
        if (w && w->isVisible())
            return w;
    if (text_window_ && text_window_holds_overview_ && text_window_->isVisible())
        return text_window_;
    if (chooser_ && chooser_holds_overview_ && chooser_->isVisible())
        return chooser_;
    return nullptr;
}

void EditorWindows::return_to_overview() {
    if (QWidget* above = window_above_overview()) {
        above->raise();
        above->activateWindow();
        return;
    }
    overview_->setEnabled(true);
    overview_->show();
    overview_->activateWindow();
}

void EditorWindows::return_to(QWidget* caller) {
    if (!caller)
        return;
    caller->setEnabled(true);
    caller->activateWindow();
}

void EditorWindows::open_chooser(const ChooserSetup& setup, QWidget* caller) {
    FileChooser& file_chooser = chooser();
    file_chooser.prepare(setup);
    chooser_holds_overview_ = setup.disable_caller && caller == overview_.get();
    centre_over(file_chooser, window_named(setup.return_window));
    open_window(&file_chooser, setup.disable_caller ? caller : nullptr);
}

} // namespace mf7
