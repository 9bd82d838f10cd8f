#include "ui/copy/copy_report_window.h"

#include "ui/common/look.h"
#include "ui/common/window_behaviour.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace mf7 {

CopyReportWindow::CopyReportWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("Form12");
    setWindowTitle("MF7-editor, Make International Copy - report.");
    label1_ = new QLabel(this);
    label1_->setObjectName("Label1");
    label1_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    text1_ = new QPlainTextEdit(this);
    text1_->setObjectName("Text1");
    text1_->setAccessibleName("Copy report");
    text1_->setReadOnly(true);
    text1_->setLineWrapMode(QPlainTextEdit::NoWrap);
    text1_->setFont(look::fixed_font("Courier New", 9));
    look::set_background(text1_, look::kGrey);
    command1_ = new QPushButton("OK", this);
    command1_->setObjectName("Command1");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(command1_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label1_);
    layout->addWidget(text1_, 1);
    layout->addLayout(buttons);
    resize(720, 480);
    connect(command1_, &QPushButton::clicked, this, [this] {
        hide();
        emit done();
    });
    enter_presses_buttons(*this);
}

void CopyReportWindow::show_report(const QString& label, const QString& report) {
    label1_->setText(label);
    QString text = report;
    text.replace("\r\n", "\n");
    text1_->setPlainText(text);
    show();
    raise();
    activateWindow();
}

void CopyReportWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    command1_->click();
}

} // namespace mf7
