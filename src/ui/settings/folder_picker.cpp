#include "ui/settings/folder_picker.h"

#include "model/state.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "ui/common/folder_browser.h"
#include "ui/common/qt_text.h"
#include "ui/common/window_behaviour.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace mf7 {

FolderPicker::FolderPicker(EditorState& state, Messages& messages, QWidget* parent)
    : QWidget(parent, Qt::Window), state_(state) {
    setObjectName("Form5");
    setWindowTitle("MF7-editor, Select folder");
    what_label_ = new QLabel(this);
    what_label_->setObjectName("Label1");
    QFont bold = what_label_->font();
    bold.setBold(true);
    what_label_->setFont(bold);
    browser_ = new FolderBrowser(messages, {.icons = true, .from_drive_top = true}, this);
    browser_->folder_list()->setToolTip("Click a folder to choose it, doubleclick to open it.");
    browser_->folder_list()->setMinimumSize(300, 260);
    browser_->file_list()->setMinimumSize(200, 260);
    chosen_folder_ = new QLineEdit(this);
    chosen_folder_->setObjectName("Text1");
    chosen_folder_->setAccessibleName("Chosen folder");
    ok_button_ = new QPushButton("OK", this);
    ok_button_->setObjectName("Command1");
    cancel_button_ = new QPushButton("Cancel", this);
    cancel_button_->setObjectName("Command2");

    auto* g = new QGridLayout(this);
    g->addWidget(what_label_, 0, 0);
    g->addWidget(chosen_folder_, 1, 0);
    g->addWidget(browser_, 2, 0);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok_button_);
    buttons->addWidget(cancel_button_);
    g->addLayout(buttons, 3, 0);

    connect(browser_, &FolderBrowser::folder_shown, this, [this](const QString& folder) {
        chosen_folder_->setText(pathToQ(trim_path(pathFromQ(folder))));
    });
    // A click chooses a folder without opening it; opening one chooses it too.
    connect(browser_, &FolderBrowser::folder_clicked, this, [this](const QString& folder) {
        browser_->show_files(pathFromQ(folder));
        ok_button_->setEnabled(true);
    });
    connect(browser_, &FolderBrowser::folder_opened, this,
            [this] { ok_button_->setEnabled(true); });
    connect(ok_button_, &QPushButton::clicked, this, &FolderPicker::ok_clicked);
    connect(cancel_button_, &QPushButton::clicked, this, &FolderPicker::cancel_clicked);
    enter_presses_buttons(*this);
}

void FolderPicker::prepare(const PickerSetup& setup) {
    field_ = setup.field;
    what_label_->setText(toQ(setup.label));
    browser_->set_pattern(setup.pattern);
    browser_->refresh_drives();
    browser_->go_to(setup.folder);
    chosen_folder_->setText(pathToQ(setup.folder));
    ok_button_->setEnabled(false);
}

NativePath FolderPicker::dir_path() const {
    return browser_->folder();
}

void FolderPicker::leave() {
    hide();
    setEnabled(false);
    emit returned();
}

void FolderPicker::ok_clicked() {
    emit picked(field_, chosen_folder_->text());
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
