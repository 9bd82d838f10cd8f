#include "ui/settings/folder_picker.h"

#include "model/state.h"
#include "platform/drives.h"
#include "platform/messages.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "ui/common/qt_text.h"
#include "ui/common/window_behaviour.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>

namespace mf7 {

namespace {

constexpr int kPathRole = Qt::UserRole;

} // namespace

FolderPicker::FolderPicker(EditorState& state, Messages& messages, QWidget* parent)
    : QWidget(parent, Qt::Window), state_(state), messages_(messages) {
    setObjectName("Form5");
    setWindowTitle("MF7-editor, Select folder");
    label1_ = new QLabel(this);
    label1_->setObjectName("Label1");
    QFont bold = label1_->font();
    bold.setBold(true);
    label1_->setFont(bold);
    drive1_ = new QComboBox(this);
    drive1_->setObjectName("Drive1");
    drive1_->setAccessibleName("Drive");
    dir1_ = new QListWidget(this);
    dir1_->setObjectName("Dir1");
    dir1_->setAccessibleName("Folders");
    dir1_->setToolTip("Click a folder to choose it, doubleclick to open it.");
    dir1_->setMinimumSize(300, 260);
    file1_ = new QListWidget(this);
    file1_->setObjectName("File1");
    file1_->setAccessibleName("Files in the folder");
    file1_->setSelectionMode(QAbstractItemView::NoSelection);
    file1_->setMinimumSize(200, 260);
    text1_ = new QLineEdit(this);
    text1_->setObjectName("Text1");
    text1_->setAccessibleName("Chosen folder");
    command1_ = new QPushButton("OK", this);
    command1_->setObjectName("Command1");
    command2_ = new QPushButton("Cancel", this);
    command2_->setObjectName("Command2");

    auto* g = new QGridLayout(this);
    g->addWidget(label1_, 0, 0, 1, 2);
    g->addWidget(text1_, 1, 0, 1, 2);
    g->addWidget(drive1_, 2, 0);
    g->addWidget(dir1_, 3, 0);
    g->addWidget(file1_, 2, 1, 2, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(command1_);
    buttons->addWidget(command2_);
    g->addLayout(buttons, 4, 0, 1, 2);
    g->setColumnStretch(0, 3);
    g->setColumnStretch(1, 2);

    dir1_->installEventFilter(this);
    connect(drive1_, &QComboBox::activated, this, &FolderPicker::drive_chosen);
    connect(dir1_, &QListWidget::itemClicked, this, &FolderPicker::dir_clicked);
    connect(dir1_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        set_dir(pathFromQ(item->data(kPathRole).toString()));
        command1_->setEnabled(true);
    });
    connect(command1_, &QPushButton::clicked, this, &FolderPicker::ok_clicked);
    connect(command2_, &QPushButton::clicked, this, &FolderPicker::cancel_clicked);
    enter_presses_buttons(*this);
}

void FolderPicker::prepare(const PickerSetup& setup) {
    field_ = setup.field;
    pattern_ = setup.pattern;
    label1_->setText(toQ(setup.label));
    fill_drives();
    set_dir(setup.folder);
    text1_->setText(pathToQ(setup.folder));
    command1_->setEnabled(false);
}

void FolderPicker::fill_drives() {
    drives_ = drive_list();
    drive1_->clear();
    for (const auto& d : drives_)
        drive1_->addItem(style()->standardIcon(QStyle::SP_DriveHDIcon), pathToQ(d));
}

void FolderPicker::show_folder(const NativePath& folder) {
    file1_->clear();
    for (const auto& name : list_files(folder, pattern_))
        file1_->addItem(pathToQ(name));
    NativePath drive = drive_of(folder, drives_);
    for (std::size_t i = 0; i < drives_.size(); ++i)
        if (drives_[i] == drive)
            drive1_->setCurrentIndex(static_cast<int>(i));
    text1_->setText(pathToQ(trim_path(folder)));
}

void FolderPicker::set_dir(const NativePath& folder) {
    dir_path_ = nearest_existing_folder(folder);
    dir1_->clear();
    QIcon open_icon = style()->standardIcon(QStyle::SP_DirOpenIcon);
    QIcon closed_icon = style()->standardIcon(QStyle::SP_DirClosedIcon);
    auto chain = folder_chain(dir_path_, drive_of(dir_path_, drives_));
    int depth = 0;
    for (const auto& f : chain) {
        NativePath shown = depth == 0 ? f : leaf_name(f);
        auto* item = new QListWidgetItem(open_icon, QString(depth * 2, ' ') + pathToQ(shown));
        item->setData(kPathRole, pathToQ(f));
        dir1_->addItem(item);
        ++depth;
    }
    for (const auto& name : list_folders(dir_path_)) {
        auto* item = new QListWidgetItem(closed_icon, QString(depth * 2, ' ') + pathToQ(name));
        item->setData(kPathRole, pathToQ(child_path(dir_path_, name)));
        dir1_->addItem(item);
    }
    dir1_->setCurrentRow(std::max(0, depth - 1));
    show_folder(dir_path_);
}

void FolderPicker::drive_chosen(int index) {
    if (index < 0 || index >= static_cast<int>(drives_.size()))
        return;
    NativePath drive = drives_[static_cast<std::size_t>(index)];
    if (!folder_exists(drive_root(drive))) {
        messages_.show(drive_not_responding(drive));
        drive = main_drive();
    }
    set_dir(drive_root(drive));
}

void FolderPicker::dir_clicked(QListWidgetItem* item) {
    show_folder(pathFromQ(item->data(kPathRole).toString()));
    command1_->setEnabled(true);
}

bool FolderPicker::eventFilter(QObject* watched, QEvent* event) {
    if (watched == dir1_ && event->type() == QEvent::KeyPress) {
        int key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && dir1_->currentItem()) {
            set_dir(pathFromQ(dir1_->currentItem()->data(kPathRole).toString()));
            command1_->setEnabled(true);
            return true;
        }
    }
    return false;
}

void FolderPicker::leave() {
    hide();
    setEnabled(false);
    emit returned();
}

void FolderPicker::ok_clicked() {
    emit picked(field_, text1_->text());
    leave();
}

void FolderPicker::cancel_clicked() {
    leave();
}

void FolderPicker::closeEvent(QCloseEvent* event) {
    event->accept();
    if (isVisible())
        leave();
}

} // namespace mf7
