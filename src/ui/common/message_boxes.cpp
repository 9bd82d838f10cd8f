#include "ui/common/message_boxes.h"

#include <QApplication>
#include <QMessageBox>

namespace mf7 {

Answer MessageBoxes::show(const std::string& text, Buttons buttons, bool information_icon) {
    QMessageBox box(information_icon ? QMessageBox::Information : QMessageBox::NoIcon,
                    QStringLiteral("MF7-editor"), QString::fromStdString(message_to_utf8(text)),
                    QMessageBox::NoButton, QApplication::activeWindow());
    switch (buttons) {
    case Buttons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case Buttons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case Buttons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    case Buttons::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Cancel:
        return Answer::Cancel;
    default:
        return buttons == Buttons::OkCancel || buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel;
    }
}

} // namespace mf7
