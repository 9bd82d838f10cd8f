// The overview's file commands (New, Open, Save as, Export as text, Clear, Exit) and the names the
// file chooser hands back.
#include "ui/overview/overview_window.h"

#include "model/campaign_file.h"
#include "model/campaign_text.h"
#include "model/file_commands.h"
#include "model/state.h"
#include "platform/files.h"
#include "platform/messages.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "ui/common/file_chooser.h"
#include "ui/common/qt_text.h"
#include "ui/common/window_behaviour.h"
#include "ui/overview/campaign_history.h"

#include <QCloseEvent>
#include <QFileDialog>
#include <QFileInfo>

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

namespace mf7 {

namespace {

// Where the record keeps the name a header field shows.
TextField& stored_name(CampaignRecord& cam, HeaderField field) {
    switch (field) {
    case HeaderField::WinSmk:
        return cam.win_smk;
    case HeaderField::LoseSmk:
        return cam.lose_smk;
    case HeaderField::Description:
        break;
    }
    return cam.description_txt;
}

} // namespace

// ---- File commands --------------------------------------------------------------------------

void OverviewWindow::new_clicked() {
    emit scenarioListWindowHideRequested();
    blank_selection_caption();
    // The changed flag is cleared only once the dialog's OK replaces the campaign: a Cancel
    // leaves the old campaign on screen, and its unsaved changes still count.
    emit newCampaignRequested();
}

void OverviewWindow::new_campaign() {
    clear_rows();
    reset_campaign(state_.campaign);
    state_.selected_scn = -1;
    fill_overview();
    state_.campaign_changed = false;
    history_->restart();
    sync_modified();
    emit campaignReplaced();
}

void OverviewWindow::open_clicked() {
    emit scenarioListWindowHideRequested();
    if (!open_may_continue(state_, messages_))
        return;
    // The changed flag is cleared when the chosen file has been read, so that
    // cancelling the chooser keeps the campaign on screen counted as unsaved.
    ChooserSetup setup = open_campaign_chooser(state_.settings);
    emit chooserRequested(setup);
}

void OverviewWindow::save_as_clicked() {
    commit_focused_field();
    emit scenarioListWindowHideRequested();
    blank_selection_caption();
    CampaignRecord& cam = state_.campaign;
    // Typed file names reach the record here. Typing them was a step already, and the fields
    // show the same names after as before: no step of its own.
    history_->begin_step();
    cam.lose_smk = make_text_field(fromQ(lose_film_->text()));
    cam.win_smk = make_text_field(fromQ(win_film_->text()));
    cam.description_txt = make_text_field(fromQ(description_->text()));
    history_->take_as_base();
    if (state_.cam_folder.empty())
        state_.cam_folder = state_.settings.mf7_cam;
    if (state_.cam_name.empty())
        state_.cam_name = NativePath("newcamp.cam");
    state_.cam_path = join_path(trim_path(state_.cam_folder), trim_path(state_.cam_name));
    ChooserSetup setup = save_campaign_chooser(state_.cam_folder, trim_path(state_.cam_name));
    // The changed flag stays set until the file has been written (save_picked).
    emit chooserRequested(setup);
}

void OverviewWindow::export_text_clicked() {
    commit_focused_field();
    // The record as Save as would write it, typed names applied and blanks turned into NULs, in
    // a copy: an export changes nothing in the campaign.
    CampaignRecord cam = state_.campaign;
    cam.lose_smk = make_text_field(fromQ(lose_film_->text()));
    cam.win_smk = make_text_field(fromQ(win_film_->text()));
    cam.description_txt = make_text_field(fromQ(description_->text()));
    blanks_to_nul(cam);
    std::string name = trim_path(state_.cam_name).str();
    name = name.empty() ? "newcamp" : name.substr(0, name.find_last_of('.'));
    const NativePath& folder =
        state_.cam_folder.empty() ? state_.settings.mf7_cam : state_.cam_folder;
    QString proposed = pathToQ(join_path(trim_path(folder), NativePath(name + ".json")));
    QString chosen = ask_text_export_path
                         ? ask_text_export_path(proposed)
                         : QFileDialog::getSaveFileName(this, "Export the campaign as text",
                                                        proposed, "JSON text (*.json)");
    if (chosen.isEmpty())
        return;
    QString path = QFileInfo(chosen).suffix().isEmpty() ? chosen + ".json" : chosen;
    NativePath target = pathFromQ(path);
    // The dialog asked before replacing the name as given, not one with the extension added.
    if (path != chosen && file_exists(target) &&
        messages_.show(path_in_message(target) + " already exists.\nDo you want to replace it?",
                       Buttons::YesNo) != Answer::Yes)
        return;
    FileError error;
    if (!write_file_atomic(target, campaign_to_text(cam), error))
        report_file_error(messages_, path_in_message(target), "write the file: ", error.text);
}

void OverviewWindow::clear_clicked() {
    bool yes = clear_confirmed(messages_);
    emit scenarioListWindowHideRequested();
    blank_selection_caption();
    if (!yes)
        return;
    clear_rows();
    scenario_count_->setText("0");
    start_prestige_->setText("0");
    for (QLineEdit* f : {win_film_, lose_film_, description_, trailer_})
        f->clear();
    main_country_->clear();
    state_.clear_campaign_path();
    reset_campaign(state_.campaign);
    state_.campaign_changed = false;
    state_.selected_scn = -1;
    menu_facts_.campaign_shown = false;
    apply_menu_states();
    emit rowsShown();
    history_->restart();
    sync_modified();
    emit campaignReplaced();
}

void OverviewWindow::exit_clicked() {
    if (!exit_may_end(state_, messages_))
        return;
    ending_ = true;
    emit quitRequested();
}

void OverviewWindow::closeEvent(QCloseEvent* event) {
    if (refuse_close_while_waiting(*this, event))
        return;
    if (!ending_ && !exit_may_end(state_, messages_)) {
        event->ignore();
        return;
    }
    event->accept();
    if (!ending_) {
        ending_ = true;
        emit quitRequested();
    }
}

void OverviewWindow::settings_saved(bool folders_ok) {
    // A campaign already on screen can be saved again once the folders are right.
    menu_facts_.settings_read = true;
    menu_facts_.folders_ok = folders_ok;
    apply_menu_states();
}

// ---- What the file chooser hands back ----------------------------------------------------

void OverviewWindow::chooser_picked(const ChooserPick& pick) {
    if (pick.target.kind == ChooserTarget::Kind::OverviewField) {
        HeaderField picked = pick.target.field;
        HistoryStep step(*history_, name_step("Pick", picked));
        field_of(picked)->setText(toQ(pick.name));
        // A double-click stores the name in the record at once (`insert_w_smk`, ...).
        if (pick.double_click)
            stored_name(state_.campaign, picked) = make_text_field(pick.name);
    } else if (pick.target.kind == ChooserTarget::Kind::Open) {
        open_picked(pick);
    } else if (pick.target.kind == ChooserTarget::Kind::SaveAs) {
        save_picked(pick);
    }
    if (!pick.double_click)
        blank_selection_caption();
    sync_modified();
}

void OverviewWindow::open_picked(const ChooserPick& pick) {
    open_file(pick.folder, pick.file);
}

void OverviewWindow::save_picked(const ChooserPick& pick) {
    state_.cam_name = pick.file;
    state_.cam_folder = pick.folder;
    state_.cam_path = join_path(state_.cam_folder, state_.cam_name);
    if (write_campaign_file(state_, messages_) == SaveResult::Saved) {
        state_.campaign_changed = false;
        history_->mark_saved();
        recent_opened(state_.cam_path);
    }
    sync_modified();
}

} // namespace mf7
