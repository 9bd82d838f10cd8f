#include "ui/help/how_to_window.h"

#include "ui/common/look.h"
#include "ui/common/window_behaviour.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>

namespace mf7 {

namespace {

QLabel* wrapped(QWidget* parent, const char* name, const QString& text) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setWordWrap(true);
    return l;
}

} // namespace

HowToWindow::HowToWindow(QWidget* parent) : ReturningWindow(parent) {
    setObjectName("Form6");
    setWindowTitle("MF7-editor, How to");
    struct Legend {
        const char* name;
        const QColor* colour;
        const char* text;
        int lines; // as the text wraps at the window's width
    } legend[] = {
        {"Text1", nullptr, "Type in the data for fields with white background.\r\n", 1},
        {"Text2", &look::kLightGreen,
         "Doubleclick to select filenames, in all fields with green background.\r\n", 1},
        {"Text3", &look::kCyan,
         "Doubleclick to select or type in the data, in fields with a blue background. The "
         "fileextension will be added by the program.\r\n",
         2},
        {"Text4", &look::kGrey,
         "Fields with grey background is for information only. Typically they contain "
         "HEX-expansion of unused fields, or numbers calculated by the program.\r\n",
         2},
        {"Text5", &look::kLightRed,
         "The red background color is displayed in the Edit Folder Settings, when a Folder-path "
         "does not exist.\r\nThis should only happen the first time you run the program. Select "
         "the right Path(s) and click OK.\r\n",
         2},
        {"Text6", &look::kYellow,
         "Type in the filename, or doubleclick to select, or SHIFT + LEFTCLICK to edit file "
         "contents. (if the file does \r\nnot exists, it will be created). The fileextension will "
         "be added by the program.\r\n",
         2},
    };
    auto* picture = new QLabel(this);
    picture->setObjectName("Picture1");
    picture->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(48, 48));
    auto* campaign_note = wrapped(
        this, "Label1",
        "A campaign is a chain of up to 50 scenarios. For each scenario you choose the scenario "
        "file, the films, speech and texts shown before and after it, the prestige given, and "
        "which scenario is played next after each of the four ways the battle can end.");
    auto* legend_note =
        wrapped(this, "Label2",
                "To try to guide you, I have chosen to color the data-fields, "
                "according to how to use them. The following legend should tell you "
                "what you need.");
    auto* tooltips_note =
        wrapped(this, "Label4",
                "Instead of a help file, this page and the tooltips of the fields "
                "explain how the editor is used: rest the mouse on a field to read "
                "what it holds.");
    auto* menus_note =
        wrapped(this, "Label3",
                "Menu's are used in normal Windows style - they should give you no problems. ");
    auto* keys_note = wrapped(
        this, "Label5",
        "Generally it is possible to use the TAB-key to move from field to field. Using the "
        "SHIFT-LEFTARROW will select the text in the field, and it will be possible to write the "
        "new text in the field. Using the ENTER-key will give you the same result as "
        "doubleclicking the field.");
    auto* first_start_note = wrapped(
        this, "Label6",
        "How do I start without the game's folders set? At the first start, with no settings "
        "file, the editor offers \"Choose the game's folder...\", which fills in Edit Folder "
        "settings from the folder the game is installed in, and \"Make a demo game\", which "
        "writes a sample game to try the editor on and points the settings at it: File > Open "
        "then shows DEMO.CAM. Edit Folder settings changes the folders at any time.");
    auto* g = new QGridLayout(this);
    g->addWidget(picture, 0, 0, Qt::AlignTop);
    g->addWidget(campaign_note, 0, 1);
    g->addWidget(tooltips_note, 1, 1);
    g->addWidget(legend_note, 2, 1);
    int row = 3;
    QFontMetrics fm(font());
    for (const auto& l : legend) {
        auto* t = new QPlainTextEdit(QString::fromLatin1(l.text), this);
        t->setObjectName(QString::fromLatin1(l.name));
        t->setAccessibleName(QString::fromLatin1(l.text));
        t->setReadOnly(true);
        t->setFrameShape(QFrame::Box);
        t->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        t->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        t->setFixedHeight(fm.lineSpacing() * l.lines + 2 * t->frameWidth() +
                          2 * static_cast<int>(t->document()->documentMargin()) + 4);
        if (l.colour)
            look::set_background(t, *l.colour);
        g->addWidget(t, row++, 1);
    }
    g->addWidget(menus_note, row++, 1);
    g->addWidget(keys_note, row++, 1);
    g->addWidget(first_start_note, row++, 1);
    auto* return_button = new QPushButton("Return to the program", this);
    return_button->setObjectName("Command1");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(return_button);
    g->addLayout(buttons, row, 0, 1, 2);
    g->setColumnStretch(1, 1);
    setMinimumWidth(780);
    connect(return_button, &QPushButton::clicked, this, &HowToWindow::leave);
    enter_presses_buttons(*this);
}

} // namespace mf7
