#include "ui/copy/new_folder_window.h"

#include "copy/international_copy.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "ui/common/look.h"
#include "ui/common/qt_text.h"
#include "ui/common/window_behaviour.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace mf7 {

NewFolderWindow::NewFolderWindow(Messages& messages, QWidget* parent)
    : QWidget(parent, Qt::Window), messages_(messages) {
    setObjectName("Form11");
    setWindowTitle("MF7-editor, New Foldername");
    parent_folder_ = new QLineEdit(this);
    parent_folder_->setObjectName("Text1");
    parent_folder_->setReadOnly(true);
    look::set_background(parent_folder_, look::kGrey);
    folder_name_ = new QLineEdit(this);
    folder_name_->setObjectName("Text2");
    folder_name_->setToolTip("Type the name of the new folder.");
    make_button_ = new QPushButton("Make Folder", this);
    make_button_->setObjectName("Command1");
    cancel_button_ = new QPushButton("Cancel", this);
    cancel_button_->setObjectName("Command2");

    auto* grid = new QGridLayout;
    auto* inside = new QLabel("The new folder is made inside:", this);
    inside->setBuddy(parent_folder_);
    grid->addWidget(inside, 0, 0);
    grid->addWidget(parent_folder_, 0, 1);
    auto* name = new QLabel("Name of the new folder:", this);
    name->setBuddy(folder_name_);
    grid->addWidget(name, 1, 0);
    grid->addWidget(folder_name_, 1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(make_button_);
    buttons->addWidget(cancel_button_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    resize(520, 120);

    // The name loses its blanks at both ends at every change, as the game's tools trim names.
    connect(folder_name_, &QLineEdit::textChanged, this, [this](const QString& text) {
        QString trimmed = pathToQ(trim_path(pathFromQ(text)));
        if (trimmed != text)
            folder_name_->setText(trimmed);
    });
    connect(make_button_, &QPushButton::clicked, this, &NewFolderWindow::make_folder);
    connect(cancel_button_, &QPushButton::clicked, this, [this] {
        hide();
        emit cancelled();
    });
    enter_presses_buttons(*this);
}

void NewFolderWindow::start(const QString& parent_folder) {
    parent_folder_->setText(pathToQ(trim_path(pathFromQ(parent_folder))));
    show();
    raise();
    activateWindow();
    folder_name_->setFocus();
}

void NewFolderWindow::make_folder() {
    auto folder = make_copy_folder(pathFromQ(parent_folder_->text()),
                                   pathFromQ(folder_name_->text()), messages_);
    if (!folder)
        return;
    hide();
    emit folder_made(pathToQ(*folder));
}

void NewFolderWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    cancel_button_->click();
}

} // namespace mf7
