#include "ui/help/about_window.h"

#include "ui/common/qt_text.h"
#include "ui/common/window_behaviour.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

namespace mf7 {

AboutWindow::AboutWindow(const std::string& version_text, QWidget* parent)
    : ReturningWindow(parent) {
    setObjectName("Form7");
    setWindowTitle("About MF7-editor");
    auto label = [this](const char* name, const QString& text) {
        auto* l = new QLabel(text, this);
        l->setObjectName(QString::fromLatin1(name));
        l->setWordWrap(true);
        return l;
    };
    auto* picture = new QLabel(this);
    picture->setObjectName("Picture1");
    picture->setPixmap(style()->standardIcon(QStyle::SP_ComputerIcon).pixmap(48, 48));
    QLabel* title = label("Label4", "Marchfield Campaign editor.");
    QFont big = title->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.4);
    title->setFont(big);
    QLabel* summary = label("Label1", "An easy-to-use editor for Marchfield campaigns. File names "
                                      "are picked from the game's own folders by doubleclick, and "
                                      "the campaign is saved in the game's own layout.");
    // Set when the window is made; the version never changes during a run.
    QLabel* version = label("Label5", "Version: " + toQ(version_text));
    QLabel* licence = label("Label2", "Free to use and to share. Keep a copy of your campaign "
                                      "files before you edit them: the editor overwrites the file "
                                      "you save to.");
    QLabel* credits = label("Label3", "Made by Marchfield campaign makers, for campaign makers.");
    auto* ok_button = new QPushButton("OK", this);
    ok_button->setObjectName("Command1");
    ok_button->setDefault(true);
    auto* g = new QGridLayout(this);
    g->addWidget(picture, 0, 0, 2, 1, Qt::AlignTop);
    g->addWidget(title, 0, 1);
    g->addWidget(summary, 1, 1);
    g->addWidget(version, 2, 1);
    g->addWidget(licence, 3, 1);
    g->addWidget(credits, 4, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok_button);
    g->addLayout(buttons, 5, 0, 1, 2);
    g->setColumnStretch(1, 1);
    setMinimumWidth(420);
    connect(ok_button, &QPushButton::clicked, this, &AboutWindow::leave);
    enter_presses_buttons(*this);
}

} // namespace mf7
