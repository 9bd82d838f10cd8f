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
    saved_as_ = new QLabel(this);
    saved_as_->setObjectName("Label1");
    saved_as_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    report_text_ = new QPlainTextEdit(this);
    report_text_->setObjectName("Text1");
    report_text_->setAccessibleName("Copy report");
    report_text_->setReadOnly(true);
    report_text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    report_text_->setFont(look::fixed_font("Courier New", 9));
    look::set_background(report_text_, look::kGrey);
    ok_button_ = new QPushButton("OK", this);
    ok_button_->setObjectName("Command1");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok_button_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(saved_as_);
    layout->addWidget(report_text_, 1);
    layout->addLayout(buttons);
    resize(720, 480);
    connect(ok_button_, &QPushButton::clicked, this, [this] {
        hide();
        emit done();
    });
    enter_presses_buttons(*this);
}

void CopyReportWindow::show_report(const QString& label, const QString& report) {
    saved_as_->setText(label);
    QString text = report;
    text.replace("\r\n", "\n");
    report_text_->setPlainText(text);
    show();
    raise();
    activateWindow();
}

void CopyReportWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    ok_button_->click();
}

} // namespace mf7
