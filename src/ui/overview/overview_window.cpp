// The overview's layout (campaign header, scenario list with its headings and buttons, campaign
// trailer), its start, and its fill from the record.
#include "ui/overview/overview_window.h"

#include "model/overview.h"
#include "model/state.h"
#include "platform/paths.h"
#include "settings/settings.h"
#include "ui/common/busy_cursor.h"
#include "ui/common/look.h"
#include "ui/common/qt_text.h"
#include "ui/common/window_behaviour.h"
#include "ui/overview/campaign_history.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace mf7 {

namespace {

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
    connect_menus();
    enter_presses_buttons(*this);
    return_focus_after_waiting(*this);
}

QWidget* OverviewWindow::build_header() {
    auto* frame = new QGroupBox("Campaign Header", this);
    frame->setObjectName("Frame1");
    auto* g = new QGridLayout(frame);
    const QColor* grey = &look::kGrey;
    const QColor* cyan = &look::kCyan;
    scenario_count_ =
        field(frame, "Text1", "Displays actual number of scenarios in this Campaign.", 0, grey);
    scenario_count_->setReadOnly(true);
    start_prestige_ =
        field(frame, "Text2", "Type in Player start prestige.(0 - 65535)", 5, nullptr);
    win_film_ = field(frame, "Text3", "Type in filename or doubleclick to select filename.(*.smk)",
                      20, cyan);
    lose_film_ =
        field(frame, "Text4", "Doubleclick to select, or type in filename.(*.smk)", 20, cyan);
    main_country_ = label(frame, "Label7", "");
    g->addWidget(tied(label(frame, "Label1", "No of Scenarios", "Calculated by this program."),
                      scenario_count_),
                 0, 0);
    g->addWidget(scenario_count_, 0, 1);
    g->addWidget(tied(label(frame, "Label2", "Player start prestige"), start_prestige_), 1, 0);
    g->addWidget(start_prestige_, 1, 1);
    g->addWidget(tied(label(frame, "Label3", "Win Campaign SMK",
                            "Smk to be played if you win the campaign.(disabled in the game?)"),
                      win_film_),
                 0, 2);
    g->addWidget(win_film_, 0, 3);
    g->addWidget(tied(label(frame, "Label4", "Lose Campaign SMK",
                            "Smk to be played if you lose the campaign.(disabled in the game?)"),
                      lose_film_),
                 1, 2);
    g->addWidget(lose_film_, 1, 3);
    g->addWidget(main_country_, 0, 4, 2, 1);
    g->setColumnStretch(4, 1);
    return frame;
}

QWidget* OverviewWindow::build_list() {
    scenario_frame_ = new QGroupBox(this);
    scenario_frame_->setObjectName("Frame2");
    auto* v = new QVBoxLayout(scenario_frame_);
    QFont fixed = look::fixed_font("Courier New", 10);
    scenario_list_ = new QListWidget(scenario_frame_);
    scenario_list_->setObjectName("List1");
    scenario_list_->setToolTip("Doubleclick to edit.");
    scenario_list_->setAccessibleName("Scenario list");
    scenario_list_->setFont(fixed);
    scenario_list_->setSelectionMode(QAbstractItemView::SingleSelection);
    scenario_list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    QFontMetrics fm(fixed);
    int ch = fm.horizontalAdvance(QLatin1Char('0'));
    // Column headings stand over the fixed-width rows: the row's text starts after the list's
    // frame and the style's text margin, and every character is `ch` wide.
    auto* headings = new QWidget(scenario_frame_);
    auto* h = new QHBoxLayout(headings);
    int text_margin = scenario_list_->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr,
                                                           scenario_list_) +
                      1;
    h->setContentsMargins(scenario_list_->frameWidth() + text_margin, 0, 0, 0);
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
    scenario_list_->setMinimumWidth(
        ch * 86 + 2 * (scenario_list_->frameWidth() + text_margin) +
        scenario_list_->style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    scenario_list_->setMinimumHeight(fm.height() * 12);
    auto* buttons = new QHBoxLayout;
    insert_before_ = new QPushButton("Insert SCN before", scenario_frame_);
    insert_before_->setObjectName("Command1");
    insert_after_ = new QPushButton("Insert SCN after", scenario_frame_);
    insert_after_->setObjectName("Command2");
    delete_scn_ = new QPushButton("Delete SCN", scenario_frame_);
    delete_scn_->setObjectName("Command3");
    buttons->addWidget(insert_before_);
    buttons->addWidget(insert_after_);
    buttons->addWidget(delete_scn_);
    buttons->addStretch(1);
    v->addWidget(headings);
    v->addWidget(scenario_list_, 1);
    v->addLayout(buttons);
    list_layout_top_ = v->contentsMargins().top();
    scenario_frame_->setTitle(QStringLiteral("Selected scenario #"));
    captioned_top_ = scenario_frame_->contentsMargins().top();
    scenario_frame_->setTitle(QString());
    blank_top_ = scenario_frame_->contentsMargins().top();
    blank_selection_caption();
    return scenario_frame_;
}

QWidget* OverviewWindow::build_trailer() {
    auto* frame = new QGroupBox("Campaign trailer", this);
    frame->setObjectName("Frame3");
    auto* g = new QGridLayout(frame);
    description_ =
        field(frame, "Text5",
              "Textfilename: doubleclick to select, type in name, SHIFT + Leftclick to edit.", 20,
              &look::kYellow);
    trailer_ = field(frame, "Text6",
                     "Content of the 80 byte unknown/unused field in the campaign trailer.", 0,
                     &look::kGrey);
    trailer_->setReadOnly(true);
    trailer_->setAccessibleName("Unused bytes of the campaign trailer");
    trailer_->setFont(look::fixed_font("Courier New", 9));
    g->addWidget(tied(label(frame, "Label5", "Campaign description text file:",
                            "This file is the one that is displayed, when you select the campaign "
                            "in the game."),
                      description_),
                 0, 0);
    g->addWidget(description_, 0, 1);
    g->addWidget(trailer_, 1, 0, 1, 3);
    g->setColumnStretch(2, 1);
    return frame;
}

void OverviewWindow::connect_fields() {
    for (QLineEdit* f : {start_prestige_, win_film_, lose_film_, description_})
        f->installEventFilter(this);
    scenario_list_->installEventFilter(this);
    connect(start_prestige_, &QLineEdit::textChanged, this,
            [this] { trim_on_change(start_prestige_, false); });
    connect(win_film_, &QLineEdit::textChanged, this, [this] { trim_on_change(win_film_, false); });
    connect(lose_film_, &QLineEdit::textChanged, this,
            [this] { trim_on_change(lose_film_, false); });
    connect(description_, &QLineEdit::textChanged, this,
            [this] { trim_on_change(description_, true); });
    for (QLineEdit* f : {start_prestige_, win_film_, lose_film_, description_})
        connect(f, &QLineEdit::textEdited, this,
                [this, f](const QString& text) { field_edited(f, text); });

    connect(scenario_list_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { row_clicked(scenario_list_->row(item)); });
    // Arrow keys move the selection as a click does.
    connect(scenario_list_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            row_clicked(row);
    });
    connect(scenario_list_, &QListWidget::itemSelectionChanged, this,
            &OverviewWindow::keep_row_highlighted);
    connect(scenario_list_, &QListWidget::itemSelectionChanged, this,
            &OverviewWindow::rowHighlightChanged);
    connect(scenario_list_, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { edit_row(scenario_list_->row(item)); });
    connect(insert_before_, &QPushButton::clicked, this,
            [this] { list_command(ListCommand::InsertBefore); });
    connect(insert_after_, &QPushButton::clicked, this,
            [this] { list_command(ListCommand::InsertAfter); });
    connect(delete_scn_, &QPushButton::clicked, this,
            [this] { list_command(ListCommand::Delete); });
}

void OverviewWindow::set_selection_caption(int index) {
    QString which = index < 0 ? QStringLiteral("None") : QString::number(index);
    set_scenario_frame_caption("Selected scenario # = " + which + QString::fromLatin1(kAltNote));
}

void OverviewWindow::blank_selection_caption() {
    set_scenario_frame_caption(QString());
}

void OverviewWindow::set_scenario_frame_caption(const QString& caption) {
    // A blank caption takes no room in the frame, and the list would move under the pointer
    // between the two clicks of a double-click: the layout takes up that room, before the
    // caption changes so that the list never moves at all.
    int missing = caption.isEmpty() ? std::max(0, captioned_top_ - blank_top_) : 0;
    QMargins m = scenario_frame_->layout()->contentsMargins();
    m.setTop(list_layout_top_ + missing);
    scenario_frame_->layout()->setContentsMargins(m);
    scenario_frame_->setTitle(caption);
}

void OverviewWindow::start() {
    state_.version_text = kVersionText;
    // An installed program's folder cannot be written: its settings go to the user's folder.
    state_.settings.program_folder =
        settings_folder(strip_final_separator(state_.start_folder), default_user_config_folder());
    state_.countries.forget();
    // Nothing at all where the file belongs, rather than a file that cannot be read, means the
    // editor was never set up.
    bool first_start = !find_existing(join_path(state_.settings.program_folder, kSettingsFileName));
    SettingsResult r = read_settings(state_.settings, messages_);
    set_selection_caption(-1);
    state_.campaign_changed = false;
    menu_facts_ = {false, r != SettingsResult::Unreadable, r == SettingsResult::Ok};
    apply_menu_states();
    for (QPushButton* b : {insert_before_, insert_after_, delete_scn_})
        b->setEnabled(false);
    if (first_start && r == SettingsResult::Unreadable)
        emit firstStartRequested();
}

void OverviewWindow::fill_overview() {
    // Every scenario file of the campaign is read for its date.
    BusyCursor busy;
    OverviewFill fill = mf7::fill_overview(state_, messages_);
    clear_rows();
    scenario_count_->setText(toQ(fill.text1));
    start_prestige_->setText(toQ(fill.text2));
    win_film_->setText(toQ(fill.text3));
    lose_film_->setText(toQ(fill.text4));
    description_->setText(toQ(fill.text5));
    trailer_->setText(toQ(fill.text6));
    trailer_->setCursorPosition(0);
    for (const auto& row : fill.rows)
        scenario_list_->addItem(toQ(format_overview_row(row)));
    rows_ = std::move(fill.rows);
    if (fill.label7)
        main_country_->setText(toQ(*fill.label7));
    menu_facts_.campaign_shown = true;
    apply_menu_states();
    emit rowsShown();
}

} // namespace mf7

namespace mf7 {

void OverviewWindow::clear_rows() {
    scenario_list_->clear();
    rows_.clear();
}

void OverviewWindow::replace_row(int index, const OverviewRow& row) {
    if (index >= 0 && index < scenario_list_->count()) {
        scenario_list_->item(index)->setText(toQ(format_overview_row(row)));
        rows_[static_cast<std::size_t>(index)] = row;
    }
    emit rowsShown();
}

void OverviewWindow::set_main_country(const std::string& label7) {
    main_country_->setText(toQ(label7));
}

std::array<std::string, 3> OverviewWindow::header_file_texts() const {
    return {fromQ(win_film_->text()), fromQ(lose_film_->text()), fromQ(description_->text())};
}

} // namespace mf7
