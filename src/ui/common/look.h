#pragma once
// The field colours and fonts of the legend users know from the how-to window.
#include <QColor>
#include <QFont>

class QWidget;

namespace mf7::look {

inline const QColor kGrey{224, 224, 224};       // information only
inline const QColor kCyan{192, 255, 255};       // file name: type or double-click
inline const QColor kYellow{255, 255, 192};     // text file: SHIFT + left click edits
inline const QColor kLightGreen{192, 255, 192}; // folder exists
inline const QColor kLightRed{255, 192, 192};   // folder missing

void set_background(QWidget* widget, const QColor& colour);
QColor background(const QWidget* widget);
// The named family where it exists (Windows), else the system's fixed-pitch font.
QFont fixed_font(const char* family, int point_size);

} // namespace mf7::look
