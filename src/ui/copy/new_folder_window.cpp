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
    text1_ = new QLineEdit(this);
    text1_->setObjectName("Text1");
    text1_->setReadOnly(true);
    look::set_background(text1_, look::kGrey);
    text2_ = new QLineEdit(this);
    text2_->setObjectName("Text2");
    text2_->setToolTip("Type the name of the new folder.");
    command1_ = new QPushButton("Make Folder", this);
    command1_->setObjectName("Command1");
    command2_ = new QPushButton("Cancel", this);
    command2_->setObjectName("Command2");

    auto* grid = new QGridLayout;
    auto* inside = new QLabel("The new folder is made inside:", this);
    inside->setBuddy(text1_);
    grid->addWidget(inside, 0, 0);
    grid->addWidget(text1_, 0, 1);
    auto* name = new QLabel("Name of the new folder:", this);
    name->setBuddy(text2_);
    grid->addWidget(name, 1, 0);
    grid->addWidget(text2_, 1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(command1_);
    buttons->addWidget(command2_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    resize(520, 120);

    // The name loses its blanks at both ends at every change, as the game's tools trim names.
    connect(text2_, &QLineEdit::textChanged, this, [this](const QString& text) {
        QString trimmed = pathToQ(trim_path(pathFromQ(text)));
        if (trimmed != text)
            text2_->setText(trimmed);
    });
    connect(command1_, &QPushButton::clicked, this, &NewFolderWindow::make_folder);
    connect(command2_, &QPushButton::clicked, this, [this] {
        hide();
        emit cancelled();
    });
    enter_presses_buttons(*this);
}

void NewFolderWindow::start(const QString& parent_folder) {
    text1_->setText(pathToQ(trim_path(pathFromQ(parent_folder))));
    show();
    raise();
    activateWindow();
    text2_->setFocus();
}

void NewFolderWindow::make_folder() {
    auto folder = make_copy_folder(pathFromQ(text1_->text()), pathFromQ(text2_->text()), messages_);
    if (!folder)
        return;
    hide();
    emit folder_made(pathToQ(*folder));
}

void NewFolderWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    command2_->click();
}

} // namespace mf7
