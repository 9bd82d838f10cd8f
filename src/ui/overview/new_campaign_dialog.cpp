#include "ui/overview/new_campaign_dialog.h"

#include "model/state.h"
#include "platform/messages.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "ui/common/qt_text.h"
#include "ui/common/window_behaviour.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace mf7 {

NewCampaignDialog::NewCampaignDialog(EditorState& state, Messages& messages, QWidget* parent)
    : QDialog(parent), state_(state), messages_(messages) {
    setObjectName("Dialog");
    setWindowTitle("New Campaign.");
    auto* caption = new QLabel("Campaign file name:", this);
    text1_ = new QLineEdit(this);
    text1_->setObjectName("Text1");
    text1_->setMaxLength(20);
    text1_->setToolTip(
        "Type in the name for your campaign.(The '.cam' is automatically add'ed by the program)");
    caption->setBuddy(text1_);
    ok_ = new QPushButton("OK", this);
    ok_->setObjectName("OKButton");
    ok_->setDefault(true);
    cancel_ = new QPushButton("Cancel", this);
    cancel_->setObjectName("CancelButton");
    auto* v = new QVBoxLayout(this);
    v->addWidget(caption);
    v->addWidget(text1_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    v->addLayout(buttons);
    setMinimumWidth(320);
    connect(text1_, &QLineEdit::textChanged, this, &NewCampaignDialog::text_changed);
    connect(ok_, &QPushButton::clicked, this, &NewCampaignDialog::ok_clicked);
    connect(cancel_, &QPushButton::clicked, this, &NewCampaignDialog::cancel_clicked);
    enter_presses_buttons(*this);
}

void NewCampaignDialog::prepare() {
    setWindowTitle("New Campaign.");
    ok_->setEnabled(false);
    text1_->setFocus();
    text1_->selectAll();
}

void NewCampaignDialog::text_changed() {
    state_.cam_name = trim_path(pathFromQ(text1_->text()));
    ok_->setEnabled(!state_.cam_name.empty());
    state_.cam_folder.clear();
    state_.cam_path.clear();
}

void NewCampaignDialog::ok_clicked() {
    if (state_.cam_name.empty()) {
        messages_.show("D1-I01: Write a New Campaign filename.");
        return;
    }
    // The field holds 20 characters; the name keeps its ".cam" even when the field cannot.
    NativePath name = state_.cam_name;
    if (fold_case(right(name.str(), 4)) != ".cam")
        name = NativePath(name.str() + ".cam");
    text1_->setText(pathToQ(name));
    state_.cam_name = name;
    emit created();
    hide();
    setEnabled(false);
    emit finished_dialog();
}

void NewCampaignDialog::cancel_clicked() {
    state_.cam_path.clear();
    text1_->clear();
    state_.cam_name.clear();
    state_.cam_folder.clear();
    hide();
    setEnabled(false);
    emit finished_dialog();
}

void NewCampaignDialog::reject() {
    cancel_clicked();
}

void NewCampaignDialog::closeEvent(QCloseEvent* event) {
    event->accept();
    if (isVisible())
        cancel_clicked();
}

} // namespace mf7
