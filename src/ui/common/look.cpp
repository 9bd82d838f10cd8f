#include "ui/common/look.h"

#include <QWidget>

namespace mf7::look {

void set_background(QWidget* widget, const QColor& colour) {
    QPalette p = widget->palette();
    p.setColor(QPalette::Base, colour);
    p.setColor(QPalette::Window, colour);
    widget->setPalette(p);
}

QColor background(const QWidget* widget) {
    return widget->palette().color(QPalette::Base);
}

QFont fixed_font(const char* family, int point_size) {
    QFont f(QString::fromLatin1(family), point_size);
    f.setStyleHint(QFont::TypeWriter);
    f.setFixedPitch(true);
    return f;
}

} // namespace mf7::look
