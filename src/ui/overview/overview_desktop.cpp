// The overview's everyday-editor parts: undo history, the unsaved mark in the title, recent
// campaigns, and opening a campaign dropped on the window or named on the command line.
#include "ui/overview/overview_window.h"

#include "model/campaign_file.h"
#include "model/file_commands.h"
#include "model/state.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "ui/common/qt_text.h"
#include "ui/overview/campaign_history.h"
#include "ui/overview/recent_campaigns.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>

namespace mf7 {

namespace {

// The one local file a drag carries, or an empty string. Its name does not matter, as on the
// command line: a campaign may be named anything, and what is no campaign says so when read.
QString dropped_campaign(const QMimeData* mime) {
    if (!mime || !mime->hasUrls() || mime->urls().size() != 1)
        return {};
    QString path = mime->urls().first().toLocalFile();
    return !path.isEmpty() && QFileInfo(path).isFile() ? path : QString();
}

} // namespace

void OverviewWindow::show_restored(const TypedNames& typed) {
    int selected = state_.selected_scn;
    fill_overview();
    show_typed_names(typed);
    emit scenarioListChanged();
    if (selected >= 0 && selected < scenario_list_->count()) {
        select_row(selected);
    } else {
        state_.selected_scn = -1;
        set_selection_caption(-1);
        for (QPushButton* b : {insert_before_, insert_after_, delete_scn_})
            b->setEnabled(false);
    }
    sync_modified();
}

void OverviewWindow::show_typed_names(const TypedNames& typed) {
    win_film_->setText(toQ(typed[0]));
    lose_film_->setText(toQ(typed[1]));
    description_->setText(toQ(typed[2]));
}

void OverviewWindow::sync_modified() {
    setWindowModified(state_.campaign_changed);
}

void OverviewWindow::scenario_stored(int index) {
    // Use these settings with nothing changed is no step and leaves the mark as it was.
    history_->end_step(QStringLiteral("Edit SCN %1").arg(index), IfUnchanged::RestoreMark);
    sync_modified();
}

// ---- Opening a named file -------------------------------------------------------------------

bool OverviewWindow::open_campaign_path(const NativePath& path, bool ask) {
    emit scenarioListWindowHideRequested();
    if (ask && !open_may_continue(state_, messages_))
        return false;
    QFileInfo info(pathToQ(path));
    bool read = open_file(pathFromQ(info.absolutePath()), pathFromQ(info.fileName()));
    if (!read && !file_exists(path))
        recent_campaigns::remove(pathToQ(path));
    fill_recent_menu();
    return read;
}

void OverviewWindow::open_argument(const QString& path) {
    if (menu_.open->isEnabled())
        open_campaign_path(pathFromQ(QFileInfo(path).absoluteFilePath()), false);
}

bool OverviewWindow::open_file(const NativePath& folder, const NativePath& name) {
    NativePath old_path = state_.cam_path, old_folder = state_.cam_folder,
               old_name = state_.cam_name;
    TypedNames typed = header_file_texts();
    state_.cam_name = name;
    state_.cam_folder = folder;
    state_.cam_path = join_path(state_.cam_folder, state_.cam_name);
    clear_rows();
    if (read_campaign(state_, state_.cam_path, messages_)) {
        state_.campaign_changed = false;
        state_.selected_scn = -1;
        fill_overview();
        history_->restart();
        // A file read as damaged (no campaign at all, often) is shown, but not offered again.
        if (!count_is_damaged(state_.campaign))
            recent_opened(state_.cam_path);
        sync_modified();
        emit campaignReplaced();
        return true;
    }
    // The record is as it was: show it again under the name it came from, so that a later
    // Save as does not offer to overwrite the file that could not be read, with the names
    // typed into it.
    state_.cam_path = old_path;
    state_.cam_folder = old_folder;
    state_.cam_name = old_name;
    if (menu_facts_.campaign_shown) {
        fill_overview();
        show_typed_names(typed);
    }
    return false;
}

void OverviewWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (menu_.open->isEnabled() && !dropped_campaign(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void OverviewWindow::dropEvent(QDropEvent* event) {
    QString path = dropped_campaign(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    open_campaign_path(pathFromQ(path), true);
}

// ---- Recent campaigns -----------------------------------------------------------------------

void OverviewWindow::build_recent_menu(QMenu* file, QAction* before) {
    recent_menu_ = new QMenu(QStringLiteral("&Recent campaigns"), file);
    recent_menu_->setObjectName("Mrecent");
    recent_menu_->menuAction()->setObjectName("Mrecent");
    file->insertMenu(before, recent_menu_);
    // Another running editor may have added to the list since.
    connect(recent_menu_, &QMenu::aboutToShow, this, &OverviewWindow::fill_recent_menu);
    fill_recent_menu();
}

void OverviewWindow::fill_recent_menu() {
    if (!recent_menu_)
        return;
    recent_menu_->clear();
    const QStringList paths = recent_campaigns::list();
    for (int i = 0; i < paths.size(); ++i) {
        QString path = paths[i];
        QAction* a = recent_menu_->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(path));
        connect(a, &QAction::triggered, this,
                [this, path] { open_campaign_path(pathFromQ(path), true); });
    }
    recent_menu_->menuAction()->setEnabled(!paths.isEmpty() && menu_.open->isEnabled());
}

void OverviewWindow::recent_opened(const NativePath& path) {
    recent_campaigns::add(pathToQ(path));
    fill_recent_menu();
}

} // namespace mf7
