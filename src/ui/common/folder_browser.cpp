#include "ui/common/folder_browser.h"

#include "platform/drives.h"
#include "platform/messages.h"
#include "platform/paths.h"
#include "ui/common/qt_text.h"

#include <QComboBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QListWidget>
#include <QStyle>

#include <algorithm>
#include <filesystem>

namespace fs = std::filesystem;

namespace mf7 {

namespace {

constexpr int kPathRole = Qt::UserRole;

// A folder without the separator it may end in; a top folder keeps its own.
fs::path plain_folder(const NativePath& folder) {
    fs::path p = to_native(folder).lexically_normal();
    if (!p.has_filename() && p != p.root_path())
        p = p.parent_path();
    return p;
}

// The folder and every folder above it up to top (or the file system's top), top first, as the
// folder list shows them open.
std::vector<NativePath> open_folders(const NativePath& folder, const NativePath& top) {
    fs::path stop = top.empty() ? fs::path() : plain_folder(top);
    std::vector<NativePath> chain;
    for (fs::path q = plain_folder(folder);; q = q.parent_path()) {
        chain.push_back(from_native(q));
        if (q == stop || q.parent_path() == q || q.parent_path().empty())
            break;
    }
    std::reverse(chain.begin(), chain.end());
    return chain;
}

// The top folder shows its whole path, every folder below it its own name.
NativePath shown_name(const NativePath& path, bool top) {
    NativePath name = from_native(to_native(path).filename());
    return top || name.empty() ? path : name;
}

} // namespace

FolderBrowser::FolderBrowser(Messages& messages, Look look, QWidget* parent)
    : QWidget(parent), messages_(messages), look_(look) {
    drive_list_ = new QComboBox(this);
    drive_list_->setObjectName("Drive1");
    drive_list_->setAccessibleName("Drive");
    folder_list_ = new QListWidget(this);
    folder_list_->setObjectName("Dir1");
    folder_list_->setAccessibleName("Folders");
    file_list_ = new QListWidget(this);
    file_list_->setObjectName("File1");
    file_list_->setAccessibleName("Files in the folder");
    file_list_->setSelectionMode(QAbstractItemView::NoSelection);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(drive_list_, 0, 0);
    grid->addWidget(folder_list_, 1, 0);
    grid->addWidget(file_list_, 0, 1, 2, 1);
    grid->setColumnStretch(0, 3);
    grid->setColumnStretch(1, 2);

    folder_list_->installEventFilter(this);
    connect(drive_list_, &QComboBox::activated, this, &FolderBrowser::drive_chosen);
    connect(folder_list_, &QListWidget::itemDoubleClicked, this, &FolderBrowser::open_item);
    connect(folder_list_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        emit folder_clicked(item->data(kPathRole).toString());
    });
    refresh_drives();
}

void FolderBrowser::refresh_drives() {
    drives_ = drive_list();
    drive_list_->clear();
    QIcon icon = look_.icons ? style()->standardIcon(QStyle::SP_DriveHDIcon) : QIcon();
    for (const NativePath& d : drives_)
        drive_list_->addItem(icon, pathToQ(d));
}

void FolderBrowser::go_to(const NativePath& folder) {
    folder_ = folder_exists(folder) ? resolve_path(folder) : nearest_existing_folder(folder);
    refresh();
    emit folder_shown(pathToQ(folder_));
}

void FolderBrowser::refresh() {
    fill_folders();
    fill_files(folder_);
    select_drive_of(folder_);
}

void FolderBrowser::show_files(const NativePath& folder) {
    fill_files(folder);
    select_drive_of(folder);
    emit folder_shown(pathToQ(folder));
}

QListWidgetItem* FolderBrowser::folder_item(const NativePath& path, const NativePath& name,
                                            int depth, bool open) const {
    QIcon icon;
    if (look_.icons)
        icon = style()->standardIcon(open ? QStyle::SP_DirOpenIcon : QStyle::SP_DirClosedIcon);
    auto* item = new QListWidgetItem(icon, QString(depth * 2, ' ') + pathToQ(name));
    item->setData(kPathRole, pathToQ(path));
    return item;
}

void FolderBrowser::fill_folders() {
    folder_list_->clear();
    NativePath top = look_.from_drive_top ? drive_root(drive_of(folder_, drives_)) : NativePath();
    std::vector<NativePath> open = open_folders(folder_, top);
    int depth = 0;
    for (const NativePath& f : open) {
        folder_list_->addItem(folder_item(f, shown_name(f, depth == 0), depth, true));
        ++depth;
    }
    folder_list_->setCurrentRow(depth - 1);
    for (const NativePath& sub : list_folders(folder_))
        folder_list_->addItem(
            folder_item(from_native(to_native(folder_) / to_native(sub)), sub, depth, false));
}

void FolderBrowser::fill_files(const NativePath& folder) {
    file_list_->clear();
    for (const NativePath& name : list_files(folder, pattern_))
        file_list_->addItem(pathToQ(name));
}

void FolderBrowser::select_drive_of(const NativePath& folder) {
    auto at = std::find(drives_.begin(), drives_.end(), drive_of(folder, drives_));
    if (at != drives_.end())
        drive_list_->setCurrentIndex(static_cast<int>(at - drives_.begin()));
}

void FolderBrowser::drive_chosen(int index) {
    if (index < 0 || index >= static_cast<int>(drives_.size()))
        return;
    const NativePath& drive = drives_[static_cast<std::size_t>(index)];
    NativePath root = drive_root(drive);
    if (!folder_exists(root)) {
        messages_.show(drive_not_responding(drive));
        // The game's tools went on from "C:\".
        root = drive_root(main_drive());
    }
    go_to(root);
}

void FolderBrowser::open_item(QListWidgetItem* item) {
    QString folder = item->data(kPathRole).toString();
    go_to(pathFromQ(folder));
    emit folder_opened(folder);
}

bool FolderBrowser::eventFilter(QObject* watched, QEvent* event) {
    // Enter on a folder opens it as a double-click does.
    if (watched == folder_list_ && event->type() == QEvent::KeyPress) {
        int key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && folder_list_->currentItem()) {
            open_item(folder_list_->currentItem());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace mf7
