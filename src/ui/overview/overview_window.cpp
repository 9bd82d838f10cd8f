#include "ui/overview/overview_window.h"

#include "model/campaign_file.h"
#include "model/chooser_targets.h"
#include "model/field_rules.h"
#include "model/file_commands.h"
#include "model/list_editing.h"
#include "model/overview.h"
#include "model/state.h"
#include "model/text_file.h"
#include "platform/messages.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "settings/settings.h"
#include "ui/common/busy_cursor.h"
#include "ui/common/file_chooser.h"
#include "ui/common/look.h"
#include "ui/common/qt_text.h"
#include "ui/common/window_behaviour.h"
#include "ui/overview/campaign_history.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStandardPaths>
#include <QStyle>

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace mf7 {

namespace {

// Some platforms have no standard key for Save as or Quit (Windows, desktops without a key
// theme); users still expect the common ones.
QKeySequence standard_or(QKeySequence::StandardKey key, const char* fallback) {
    QKeySequence k(key);
    return k.isEmpty() ? QKeySequence(QString::fromLatin1(fallback)) : k;
}

const char* const kAltNote = " - (an asterix (*) indicates an alternative GOTO)";

QLabel* label(QWidget* parent, const char* name, const char* caption, const char* tip = nullptr) {
    auto* l = new QLabel(QString::fromLatin1(caption), parent);
    l->setObjectName(QString::fromLatin1(name));
    if (tip)
        l->setToolTip(QString::fromLatin1(tip));
    return l;
}

// A label read out as the name of its field.
QLabel* tied(QLabel* label, QWidget* field) {
    label->setBuddy(field);
    return label;
}

QLineEdit* field(QWidget* parent, const char* name, const char* tip, int max_length,
                 const QColor* colour) {
    auto* t = new QLineEdit(parent);
    t->setObjectName(QString::fromLatin1(name));
    t->setToolTip(QString::fromLatin1(tip));
    if (max_length > 0)
        t->setMaxLength(max_length);
    if (colour)
        look::set_background(t, *colour);
    return t;
}

} // namespace

OverviewWindow::OverviewWindow(EditorState& state, Messages& messages, QWidget* parent)
    : QMainWindow(parent), state_(state), messages_(messages) {
    setObjectName("Form1");
    // "[*]" shows the unsaved-changes mark after the caption.
    setWindowTitle("MF7-editor, Campaign overview.[*]");
    history_ = new CampaignHistory(
        state_, [this] { return header_file_texts(); },
        [this](const TypedNames& typed) { show_restored(typed); }, this);
    history_->settle = [this] { commit_focused_field(); };
    setAcceptDrops(true);
    build_menus();
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->addWidget(build_header());
    layout->addWidget(build_list(), 1);
    layout->addWidget(build_trailer());
    setCentralWidget(central);
    connect_fields();
    enter_presses_buttons(*this);
    return_focus_after_waiting(*this);
}

void OverviewWindow::build_menus() {
    auto add = [this](QMenu* menu, const char* name, const char* caption) {
        QAction* a = menu->addAction(QString::fromLatin1(caption));
        a->setObjectName(QString::fromLatin1(name));
        return a;
    };
    auto separator = [](QMenu* menu, const char* name) {
        menu->addSeparator()->setObjectName(QString::fromLatin1(name));
    };
    auto top = [this](const char* name, const char* caption) {
        QAction* a = menuBar()->addAction(QString::fromLatin1(caption));
        a->setObjectName(QString::fromLatin1(name));
        return a;
    };
    QMenu* file = menuBar()->addMenu("&File");
    file->setObjectName("File");
    add(file, "Mnew", "&New")->setShortcut(QKeySequence::New);
    add(file, "Mopen", "&Open")->setShortcut(QKeySequence::Open);
    separator(file, "skil01");
    add(file, "Msave_as", "Save &as")
        ->setShortcut(standard_or(QKeySequence::SaveAs, "Ctrl+Shift+S"));
    add(file, "Mexport", "&Export as text...");
    add(file, "Mclose", "&Clear");
    separator(file, "skil03");
    QAction* exit = add(file, "exit", "E&xit program");
    exit->setShortcut(standard_or(QKeySequence::Quit, "Ctrl+Q"));
    build_recent_menu(file, findChild<QAction*>("skil03"));
    QMenu* edit = menuBar()->addMenu("Edi&t");
    edit->setObjectName("Medit");
    QAction* undo = history_->make_undo_action(edit);
    undo->setObjectName("Mundo");
    undo->setShortcut(QKeySequence::Undo);
    QAction* redo = history_->make_redo_action(edit);
    redo->setObjectName("Mredo");
    redo->setShortcuts(
        {QKeySequence(QStringLiteral("Ctrl+Shift+Z")), QKeySequence(QStringLiteral("Ctrl+Y"))});
    edit->addAction(undo);
    edit->addAction(redo);
    top("language_conversion", "&Make Copy As..");
    QMenu* reports = menuBar()->addMenu("&Reports");
    reports->setObjectName("Mreport");
    reports->menuAction()->setObjectName("Mreport");
    reports_ = reports;
    add(reports, "mnu_missing", "&Check for missing files");
    add(reports, "mnu_camlst", "Make Campaign &List");
    separator(reports, "mn_skil20");
    add(reports, "skriv", "Make full Campaign &Report");
    add(reports, "Filelist", "Make Full Campaign &Filelist");
    add(reports, "mnu_map", "Campaign &map");
    top("Set_edit", "&Edit Folder settings");
    QMenu* help = menuBar()->addMenu("&Information");
    help->setObjectName("help");
    add(help, "howto", "&How do I...");
    add(help, "about", "&About");
}

QWidget* OverviewWindow::build_header() {
    auto* frame = new QGroupBox("Campaign Header", this);
    frame->setObjectName("Frame1");
    auto* g = new QGridLayout(frame);
    const QColor* grey = &look::kGrey;
    const QColor* cyan = &look::kCyan;
    text1_ =
        field(frame, "Text1", "Displays actual number of scenarios in this Campaign.", 0, grey);
    text1_->setReadOnly(true);
    text2_ = field(frame, "Text2", "Type in Player start prestige.(0 - 65535)", 5, nullptr);
    text3_ = field(frame, "Text3", "Type in filename or doubleclick to select filename.(*.smk)", 20,
                   cyan);
    text4_ = field(frame, "Text4", "Doubleclick to select, or type in filename.(*.smk)", 20, cyan);
    label7_ = label(frame, "Label7", "");
    g->addWidget(
        tied(label(frame, "Label1", "No of Scenarios", "Calculated by this program."), text1_), 0,
        0);
    g->addWidget(text1_, 0, 1);
    g->addWidget(tied(label(frame, "Label2", "Player start prestige"), text2_), 1, 0);
    g->addWidget(text2_, 1, 1);
    g->addWidget(tied(label(frame, "Label3", "Win Campaign SMK",
                            "Smk to be played if you win the campaign.(disabled in the game?)"),
                      text3_),
                 0, 2);
    g->addWidget(text3_, 0, 3);
    g->addWidget(tied(label(frame, "Label4", "Lose Campaign SMK",
                            "Smk to be played if you lose the campaign.(disabled in the game?)"),
                      text4_),
                 1, 2);
    g->addWidget(text4_, 1, 3);
    g->addWidget(label7_, 0, 4, 2, 1);
    g->setColumnStretch(4, 1);
    return frame;
}

QWidget* OverviewWindow::build_list() {
    frame2_ = new QGroupBox(this);
    frame2_->setObjectName("Frame2");
    auto* v = new QVBoxLayout(frame2_);
    QFont fixed = look::fixed_font("Courier New", 10);
    list1_ = new QListWidget(frame2_);
    list1_->setObjectName("List1");
    list1_->setToolTip("Doubleclick to edit.");
    list1_->setAccessibleName("Scenario list");
    list1_->setFont(fixed);
    list1_->setSelectionMode(QAbstractItemView::SingleSelection);
    list1_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    QFontMetrics fm(fixed);
    int ch = fm.horizontalAdvance(QLatin1Char('0'));
    // Column headings stand over the fixed-width rows: the row's text starts after the list's
    // frame and the style's text margin, and every character is `ch` wide.
    auto* headings = new QWidget(frame2_);
    auto* h = new QHBoxLayout(headings);
    int text_margin =
        list1_->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list1_) + 1;
    h->setContentsMargins(list1_->frameWidth() + text_margin, 0, 0, 0);
    h->setSpacing(0);
    const char* goto_tip =
        "A '*' displayed after this number indicates that the alternative goto's is used.";
    struct Heading {
        const char* name;
        const char* caption;
        const char* tip;
        int chars;    // the column's width in characters
        int trailing; // characters after it: the alternative-goto mark
        bool right;
    } cols[] = {
        {"Label8", " #       ", "This is the scn number you must use in your Goto's.", 5, 0, false},
        {"Label13", "Scn filename", "This is the filename of the scenario.", 20, 0, false},
        {"Label9", "BV-goto #", goto_tip, 9, 1, true},
        {"Label10", "V-goto #", goto_tip, 9, 1, true},
        {"Label11", "TV-goto #", goto_tip, 9, 1, true},
        {"Label12", "Lost-goto #", goto_tip, 9, 1, true},
        {"Label14", "Scenario start date", "This is the start-date found in the *.scn file.", 20, 0,
         true}};
    for (const auto& c : cols) {
        QLabel* l = label(headings, c.name, c.caption, c.tip);
        l->setFixedWidth(ch * c.chars);
        l->setAlignment((c.right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignBottom);
        h->addWidget(l);
        if (c.trailing)
            h->addSpacing(ch * c.trailing);
    }
    h->addStretch(1);
    // Wide enough for the 85-character row without a horizontal scroll bar.
    list1_->setMinimumWidth(ch * 86 + 2 * (list1_->frameWidth() + text_margin) +
                            list1_->style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    list1_->setMinimumHeight(fm.height() * 12);
    auto* buttons = new QHBoxLayout;
    command1_ = new QPushButton("Insert SCN before", frame2_);
    command1_->setObjectName("Command1");
    command2_ = new QPushButton("Insert SCN after", frame2_);
    command2_->setObjectName("Command2");
    command3_ = new QPushButton("Delete SCN", frame2_);
    command3_->setObjectName("Command3");
    buttons->addWidget(command1_);
    buttons->addWidget(command2_);
    buttons->addWidget(command3_);
    buttons->addStretch(1);
    v->addWidget(headings);
    v->addWidget(list1_, 1);
    v->addLayout(buttons);
    list_layout_top_ = v->contentsMargins().top();
    frame2_->setTitle(QStringLiteral("Selected scenario #"));
    captioned_top_ = frame2_->contentsMargins().top();
    frame2_->setTitle(QString());
    blank_top_ = frame2_->contentsMargins().top();
    blank_selection_caption();
    return frame2_;
}

QWidget* OverviewWindow::build_trailer() {
    auto* frame = new QGroupBox("Campaign trailer", this);
    frame->setObjectName("Frame3");
    auto* g = new QGridLayout(frame);
    text5_ = field(frame, "Text5",
                   "Textfilename: doubleclick to select, type in name, SHIFT + Leftclick to edit.",
                   20, &look::kYellow);
    text6_ = field(frame, "Text6",
                   "Content of the 80 byte unknown/unused field in the campaign trailer.", 0,
                   &look::kGrey);
    text6_->setReadOnly(true);
    text6_->setAccessibleName("Unused bytes of the campaign trailer");
    text6_->setFont(look::fixed_font("Courier New", 9));
    g->addWidget(tied(label(frame, "Label5", "Campaign description text file:",
                            "This file is the one that is displayed, when you select the campaign "
                            "in the game."),
                      text5_),
                 0, 0);
    g->addWidget(text5_, 0, 1);
    g->addWidget(text6_, 1, 0, 1, 3);
    g->setColumnStretch(2, 1);
    return frame;
}

void OverviewWindow::connect_fields() {
    for (QLineEdit* f : {text2_, text3_, text4_, text5_})
        f->installEventFilter(this);
    list1_->installEventFilter(this);
    connect(text2_, &QLineEdit::textChanged, this, [this] { trim_on_change(text2_, false); });
    connect(text3_, &QLineEdit::textChanged, this, [this] { trim_on_change(text3_, false); });
    connect(text4_, &QLineEdit::textChanged, this, [this] { trim_on_change(text4_, false); });
    connect(text5_, &QLineEdit::textChanged, this, [this] { trim_on_change(text5_, true); });
    for (QLineEdit* f : {text2_, text3_, text4_, text5_})
        connect(f, &QLineEdit::textEdited, this,
                [this, f](const QString& text) { field_edited(f, text); });

    connect(list1_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { row_clicked(list1_->row(item)); });
    // Arrow keys move the selection as a click does.
    connect(list1_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            row_clicked(row);
    });
    connect(list1_, &QListWidget::itemSelectionChanged, this,
            &OverviewWindow::keep_row_highlighted);
    connect(list1_, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { edit_row(list1_->row(item)); });
    connect(command1_, &QPushButton::clicked, this, [this] { list_command(1); });
    connect(command2_, &QPushButton::clicked, this, [this] { list_command(2); });
    connect(command3_, &QPushButton::clicked, this, [this] { list_command(3); });

    connect(action("Mnew"), &QAction::triggered, this, &OverviewWindow::new_clicked);
    connect(action("Mopen"), &QAction::triggered, this, &OverviewWindow::open_clicked);
    connect(action("Msave_as"), &QAction::triggered, this, &OverviewWindow::save_as_clicked);
    connect(action("Mexport"), &QAction::triggered, this, &OverviewWindow::export_text_clicked);
    connect(action("Mclose"), &QAction::triggered, this, &OverviewWindow::clear_clicked);
    connect(action("exit"), &QAction::triggered, this, &OverviewWindow::exit_clicked);
    connect(action("language_conversion"), &QAction::triggered, this,
            &OverviewWindow::copyRequested);
    for (const char* name : {"mnu_missing", "mnu_camlst", "skriv", "Filelist", "mnu_map"})
        connect(action(name), &QAction::triggered, this,
                [this, name] { emit reportRequested(QString::fromLatin1(name)); });
    connect(action("Set_edit"), &QAction::triggered, this,
            [this] { emit folderSettingsRequested(); });
    connect(action("howto"), &QAction::triggered, this, &OverviewWindow::howtoRequested);
    connect(action("about"), &QAction::triggered, this, &OverviewWindow::aboutRequested);
}

void OverviewWindow::apply_menu_states() {
    MenuStates states = menu_states(menu_facts_);
    for (const char* name : {"Mnew", "Mopen"})
        action(name)->setEnabled(states.file_entries);
    for (const char* name : {"language_conversion", "Msave_as", "Mexport", "Mclose"})
        action(name)->setEnabled(states.campaign_entries);
    // The menu itself, not only its entry in the bar: a re-enabled window enables every menu it
    // holds that was not disabled on its own, and the menu's entry in the bar follows the menu.
    reports_->setEnabled(states.campaign_entries);
    fill_recent_menu();
}

void OverviewWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::EnabledChange && isEnabled())
        apply_menu_states();
    // Other windows change the changed flag while this one waits disabled.
    if (event->type() == QEvent::EnabledChange || event->type() == QEvent::ActivationChange)
        sync_modified();
}

void OverviewWindow::set_selection_caption(int index) {
    QString which = index < 0 ? QStringLiteral("None") : QString::number(index);
    set_frame2_caption("Selected scenario # = " + which + QString::fromLatin1(kAltNote));
}

void OverviewWindow::blank_selection_caption() {
    set_frame2_caption(QString());
}

void OverviewWindow::set_frame2_caption(const QString& caption) {
    // A blank caption takes no room in the frame, and the list would move under the pointer
    // between the two clicks of a double-click: the layout takes up that room, before the
    // caption changes so that the list never moves at all.
    int missing = caption.isEmpty() ? std::max(0, captioned_top_ - blank_top_) : 0;
    QMargins m = frame2_->layout()->contentsMargins();
    m.setTop(list_layout_top_ + missing);
    frame2_->layout()->setContentsMargins(m);
    frame2_->setTitle(caption);
}

void OverviewWindow::start() {
    state_.version_text = kVersionText;
    state_.return_window = WindowId::Overview;
    // An installed program's folder cannot be written: its settings go to the user's folder.
    std::string user_folder =
        pathFromQ(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation));
    state_.settings.program_folder =
        settings_folder(strip_final_separator(state_.start_folder), user_folder);
    state_.countries.country_names_loaded = false;
    SettingsResult r = read_settings(state_.settings, messages_);
    set_selection_caption(-1);
    state_.campaign_changed = false;
    menu_facts_ = {false, r != SettingsResult::Unreadable, r == SettingsResult::Ok};
    apply_menu_states();
    for (QPushButton* b : {command1_, command2_, command3_})
        b->setEnabled(false);
}

void OverviewWindow::fill_overview() {
    // Every scenario file of the campaign is read for its date.
    BusyCursor busy;
    OverviewFill fill = mf7::fill_overview(state_, messages_);
    list1_->clear();
    text1_->setText(toQ(fill.text1));
    text2_->setText(toQ(fill.text2));
    text3_->setText(toQ(fill.text3));
    text4_->setText(toQ(fill.text4));
    text5_->setText(toQ(fill.text5));
    text6_->setText(toQ(fill.text6));
    text6_->setCursorPosition(0);
    for (const auto& row : fill.rows)
        list1_->addItem(toQ(row));
    if (fill.label7)
        label7_->setText(toQ(*fill.label7));
    menu_facts_.campaign_shown = true;
    apply_menu_states();
    emit rowsShown();
}

QAction* OverviewWindow::action(const char* name) const {
    return findChild<QAction*>(QString::fromLatin1(name));
}

} // namespace mf7

namespace mf7 {

std::vector<std::string> OverviewWindow::rows() const {
    std::vector<std::string> out;
    for (int i = 0; i < list1_->count(); ++i)
        out.push_back(fromQ(list1_->item(i)->text()));
    return out;
}

void OverviewWindow::replace_row(int index, const std::string& row) {
    if (index >= 0 && index < list1_->count())
        list1_->item(index)->setText(toQ(row));
    emit rowsShown();
}

void OverviewWindow::set_main_country(const std::string& label7) {
    label7_->setText(toQ(label7));
}

std::array<std::string, 3> OverviewWindow::header_file_texts() const {
    return {fromQ(text3_->text()), fromQ(text4_->text()), fromQ(text5_->text())};
}

} // namespace mf7
