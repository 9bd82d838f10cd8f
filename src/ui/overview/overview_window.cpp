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
#include "ui/common/file_chooser.h"
#include "ui/common/look.h"
#include "ui/common/qt_text.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
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
    setWindowTitle("MF7-editor, Campaign overview.");
    build_menus();
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->addWidget(build_header());
    layout->addWidget(build_list(), 1);
    layout->addWidget(build_trailer());
    setCentralWidget(central);
    connect_fields();
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
    add(file, "Mclose", "&Clear");
    separator(file, "skil03");
    QAction* exit = add(file, "exit", "E&xit program");
    exit->setShortcut(standard_or(QKeySequence::Quit, "Ctrl+Q"));
    top("language_conversion", "&Make Copy As..");
    QMenu* reports = menuBar()->addMenu("&Reports");
    reports->setObjectName("Mreport");
    reports->menuAction()->setObjectName("Mreport");
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
    g->addWidget(label(frame, "Label1", "No of Scenarios", "Calculated by this program."), 0, 0);
    g->addWidget(text1_, 0, 1);
    g->addWidget(label(frame, "Label2", "Player start prestige"), 1, 0);
    g->addWidget(text2_, 1, 1);
    g->addWidget(label(frame, "Label3", "Win Campaign SMK",
                       "Smk to be played if you win the campaign.(disabled in the game?)"),
                 0, 2);
    g->addWidget(text3_, 0, 3);
    g->addWidget(label(frame, "Label4", "Lose Campaign SMK",
                       "Smk to be played if you lose the campaign.(disabled in the game?)"),
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
    text6_->setFont(look::fixed_font("Courier New", 9));
    g->addWidget(label(frame, "Label5", "Campaign description text file:",
                       "This file is the one that is displayed, when you select the campaign in "
                       "the game."),
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
    connect(list1_, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { edit_row(list1_->row(item)); });
    connect(command1_, &QPushButton::clicked, this, [this] { list_command(1); });
    connect(command2_, &QPushButton::clicked, this, [this] { list_command(2); });
    connect(command3_, &QPushButton::clicked, this, [this] { list_command(3); });

    connect(action("Mnew"), &QAction::triggered, this, &OverviewWindow::new_clicked);
    connect(action("Mopen"), &QAction::triggered, this, &OverviewWindow::open_clicked);
    connect(action("Msave_as"), &QAction::triggered, this, &OverviewWindow::save_as_clicked);
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

void OverviewWindow::set_campaign_menus(bool enabled) {
    for (const char* name : {"language_conversion", "Msave_as", "Mclose", "Mreport"})
        action(name)->setEnabled(enabled);
}

void OverviewWindow::set_file_menus_for_settings(bool usable) {
    action("Mnew")->setEnabled(usable);
    action("Mopen")->setEnabled(usable);
    if (!usable)
        set_campaign_menus(false);
}

void OverviewWindow::set_selection_caption(int index) {
    QString which = index < 0 ? QStringLiteral("None") : QString::number(index);
    frame2_->setTitle("Selected scenario # = " + which + QString::fromLatin1(kAltNote));
}

void OverviewWindow::blank_selection_caption() {
    frame2_->setTitle(QString());
}

void OverviewWindow::start() {
    state_.version_text = kVersionText;
    state_.return_form = "form1";
    state_.settings.program_folder = strip_final_separator(state_.start_folder);
    state_.countries.country_names_loaded = false;
    SettingsResult r = read_settings(state_.settings, messages_);
    set_selection_caption(-1);
    state_.campaign_changed = false;
    set_campaign_menus(false);
    set_file_menus_for_settings(r == SettingsResult::Ok);
    for (QPushButton* b : {command1_, command2_, command3_})
        b->setEnabled(false);
}

void OverviewWindow::fill_overview() {
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
    set_campaign_menus(true);
    emit rowsShown();
}

QAction* OverviewWindow::action(const char* name) const {
    return findChild<QAction*>(QString::fromLatin1(name));
}

// ---- Header and trailer fields -------------------------------------------------------------

void OverviewWindow::trim_on_change(QLineEdit* field, bool drop_nul) {
    QString text = field->text();
    if (drop_nul)
        text.remove(QChar(0));
    std::string trimmed = trim(fromQ(text));
    QString wanted = toQ(trimmed);
    if (wanted != field->text()) {
        int leading = 0;
        while (leading < text.size() && text[leading] == QLatin1Char(' '))
            ++leading;
        int cursor = std::clamp(static_cast<int>(field->cursorPosition()) - leading, 0,
                                static_cast<int>(wanted.size()));
        field->setText(wanted);
        field->setCursorPosition(cursor);
    }
    last_text_[field_index(field)] = wanted;
}

int OverviewWindow::field_index(const QLineEdit* field) const {
    return field == text2_ ? 2 : field == text3_ ? 3 : field == text4_ ? 4 : 5;
}

void OverviewWindow::field_edited(QLineEdit* field, const QString& text) {
    // Typing counts as an edit as a click does, so that keyboard users are asked on exit too;
    // blanks that the field drops at once change nothing.
    if (trim(fromQ(text)) != trim(fromQ(last_text_[field_index(field)])))
        state_.campaign_changed = true;
}

void OverviewWindow::leave_field(QLineEdit* field) {
    if (field == text2_) {
        // Stored at once, as the game keeps it: low byte first.
        PrestigeFold fold = fold_prestige(fromQ(text2_->text()));
        text2_->setText(toQ(fold.text));
        state_.campaign.player_start_prestige = fold.value;
        return;
    }
    std::string ext = field == text5_ ? state_.settings.text_ext : std::string(".smk");
    std::string name = fromQ(field->text());
    if (append_extension(name, ext)) {
        field->setText(toQ(name));
        state_.campaign_changed = true;
    }
}

void OverviewWindow::commit_focused_field() {
    QWidget* f = focusWidget();
    if (f == text2_ || f == text3_ || f == text4_ || f == text5_)
        leave_field(static_cast<QLineEdit*>(f));
}

void OverviewWindow::open_name_chooser(QLineEdit* field) {
    state_.chooser_result.clear();
    state_.return_form = "form1";
    EditorChooserSetup names =
        name_chooser_setup(field == text5_ ? NameKind::Text : NameKind::Film, state_.settings);
    ChooserSetup setup;
    setup.caption = names.caption;
    setup.folder = names.folder;
    setup.pattern = names.pattern;
    setup.button_caption = names.button_caption;
    setup.button_enabled = false;
    setup.text1 = std::string();
    setup.text1_visible = false;
    setup.return_form = "form1";
    setup.target = field == text5_ ? "text5" : field == text3_ ? "text3" : "text4";
    state_.campaign_changed = true;
    emit chooserRequested(setup);
}

void OverviewWindow::text5_shift_click() {
    const std::string& ext = state_.settings.text_ext;
    std::string text = fromQ(text5_->text());
    if (text_name_refused(text, ext, NameTest::Trimmed)) {
        messages_.show(kNeedTextFileName);
        return;
    }
    text5_->setText(toQ(text_name_with_extension(text, ext, NameTest::Trimmed)));
    state_.return_form = "form1";
    state_.campaign_changed = true;
    emit textFileRequested();
}

std::string OverviewWindow::text_file_path() const {
    return mf7::text_file_path(state_.settings, fromQ(text5_->text()));
}

bool OverviewWindow::eventFilter(QObject* watched, QEvent* event) {
    auto is_enter = [](QEvent* e) {
        if (e->type() != QEvent::KeyPress)
            return false;
        int key = static_cast<QKeyEvent*>(e)->key();
        return key == Qt::Key_Return || key == Qt::Key_Enter;
    };
    if (watched == list1_) {
        if (is_enter(event)) {
            edit_row(list1_->currentRow());
            return true;
        }
        return false;
    }
    auto* field = qobject_cast<QLineEdit*>(watched);
    if (!field)
        return false;
    switch (event->type()) {
    case QEvent::FocusOut:
        // Leaving the field even without a change: editingFinished would not come then.
        leave_field(field);
        break;
    case QEvent::MouseButtonPress: {
        auto* m = static_cast<QMouseEvent*>(event);
        if (field == text5_) {
            if (m->button() == Qt::LeftButton && m->buttons() == Qt::LeftButton &&
                m->modifiers() == Qt::ShiftModifier)
                text5_shift_click();
        } else {
            state_.campaign_changed = true;
        }
        break;
    }
    case QEvent::MouseButtonDblClick:
        if (field != text2_) {
            open_name_chooser(field);
            return true;
        }
        break;
    default:
        if (field != text2_ && is_enter(event)) {
            open_name_chooser(field);
            return true;
        }
        break;
    }
    return false;
}

// ---- Scenario list --------------------------------------------------------------------------

void OverviewWindow::row_clicked(int row) {
    if (row < 0 || row >= list1_->count())
        return;
    state_.selected_scn = static_cast<int16_t>(row);
    set_selection_caption(row);
    for (QPushButton* b : {command1_, command2_, command3_})
        b->setEnabled(true);
}

void OverviewWindow::select_row(int row) {
    if (row < 0 || row >= list1_->count())
        return;
    list1_->setCurrentRow(row);
    row_clicked(row);
}

void OverviewWindow::edit_row(int row) {
    if (row < 0 || row >= list1_->count())
        return;
    row_clicked(row);
    emit scenarioEditRequested();
}

void OverviewWindow::list_command(int which) {
    int rows = list1_->count();
    ListEditResult r = which == 1   ? insert_scn_before(state_, rows, messages_)
                       : which == 2 ? insert_scn_after(state_, rows, messages_)
                                    : delete_scn(state_, rows, messages_);
    if (r.changed) {
        fill_overview();
        emit scenarioListChanged();
    }
    select_row(r.select);
}

// ---- File commands --------------------------------------------------------------------------

void OverviewWindow::new_clicked() {
    emit scenarioListWindowHideRequested();
    blank_selection_caption();
    // The changed flag is cleared only once the dialog's OK replaces the campaign: a Cancel
    // leaves the old campaign on screen, and its unsaved changes still count.
    emit newCampaignRequested();
}

void OverviewWindow::new_campaign() {
    list1_->clear();
    reset_campaign(state_.campaign);
    state_.selected_scn = -1;
    fill_overview();
    state_.campaign_changed = false;
}

void OverviewWindow::open_clicked() {
    emit scenarioListWindowHideRequested();
    if (!open_may_continue(state_, messages_))
        return;
    // The changed flag is cleared when the chosen file has been read, so that
    // cancelling the chooser keeps the campaign on screen counted as unsaved.
    ChooserSetup setup;
    setup.target = "open";
    setup.return_form = "form1";
    setup.folder = state_.settings.mf7_cam;
    setup.pattern = "*.cam";
    setup.caption = "Open existing Campaign file";
    setup.button_caption = "Open Campaign";
    setup.button_enabled = false;
    setup.text1_visible = false;
    state_.return_form = "form1";
    state_.chooser_target = "open";
    emit chooserRequested(setup);
}

void OverviewWindow::save_as_clicked() {
    commit_focused_field();
    emit scenarioListWindowHideRequested();
    blank_selection_caption();
    CampaignRecord& cam = state_.campaign;
    cam.lose_smk = make_text_field(fromQ(text4_->text()));
    cam.win_smk = make_text_field(fromQ(text3_->text()));
    cam.description_txt = make_text_field(fromQ(text5_->text()));
    if (state_.cam_folder.empty())
        state_.cam_folder = state_.settings.mf7_cam;
    if (state_.cam_name.empty())
        state_.cam_name = "newcamp.cam";
    state_.cam_path = join_path(trim(state_.cam_folder), trim(state_.cam_name));
    ChooserSetup setup;
    setup.target = "gem";
    setup.return_form = "form1";
    setup.folder = state_.cam_folder;
    setup.pattern = "*.cam";
    setup.caption = "Gem campaign fil";
    setup.button_caption = "write file to disk";
    // The name to save under stands in Text1 already, so the button works without a click.
    setup.button_enabled = true;
    setup.text1 = trim(state_.cam_name);
    setup.text1_visible = true;
    setup.disable_caller = false;
    state_.return_form = "form1";
    state_.chooser_target = "gem";
    // The changed flag stays set until the file has been written (save_picked).
    emit chooserRequested(setup);
}

void OverviewWindow::clear_clicked() {
    bool yes = clear_confirmed(messages_);
    emit scenarioListWindowHideRequested();
    blank_selection_caption();
    if (!yes)
        return;
    list1_->clear();
    text1_->setText("0");
    text2_->setText("0");
    for (QLineEdit* f : {text3_, text4_, text5_, text6_})
        f->clear();
    label7_->clear();
    state_.clear_campaign_path();
    reset_campaign(state_.campaign);
    state_.campaign_changed = false;
    state_.selected_scn = -1;
    set_campaign_menus(false);
    emit rowsShown();
}

void OverviewWindow::exit_clicked() {
    if (!exit_may_end(state_, messages_))
        return;
    ending_ = true;
    emit quitRequested();
}

void OverviewWindow::closeEvent(QCloseEvent* event) {
    if (!ending_ && !exit_may_end(state_, messages_)) {
        event->ignore();
        return;
    }
    event->accept();
    if (!ending_) {
        ending_ = true;
        emit quitRequested();
    }
}

void OverviewWindow::settings_saved(bool folders_ok) {
    set_file_menus_for_settings(folders_ok);
    // A campaign already on screen can be saved again once the folders are right.
    if (folders_ok && list1_->count() > 0)
        set_campaign_menus(true);
}

// ---- What the file chooser hands back ----------------------------------------------------

void OverviewWindow::chooser_picked(const ChooserPick& pick) {
    if (pick.target == "text3" || pick.target == "text4" || pick.target == "text5") {
        QLineEdit* field = pick.target == "text3"   ? text3_
                           : pick.target == "text4" ? text4_
                                                    : text5_;
        field->setText(toQ(pick.name));
        if (pick.double_click) {
            // A double-click stores the name in the record at once (`insert_w_smk`, ...).
            state_.chooser_result = pick.name;
            TextField stored = make_text_field(state_.chooser_result);
            if (pick.target == "text3")
                state_.campaign.win_smk = stored;
            else if (pick.target == "text4")
                state_.campaign.lose_smk = stored;
            else
                state_.campaign.description_txt = stored;
        }
    } else if (pick.target == "open") {
        open_picked(pick);
    } else if (pick.target == "gem") {
        save_picked(pick);
    }
    if (!pick.double_click)
        blank_selection_caption();
}

void OverviewWindow::open_picked(const ChooserPick& pick) {
    std::string old_path = state_.cam_path, old_folder = state_.cam_folder,
                old_name = state_.cam_name;
    state_.cam_name = pick.name;
    state_.cam_folder = pick.folder;
    state_.cam_path = join_path(state_.cam_folder, state_.cam_name);
    list1_->clear();
    if (read_campaign(state_, state_.cam_path, messages_)) {
        state_.campaign_changed = false;
        state_.selected_scn = -1;
        fill_overview();
        return;
    }
    // The record is as it was: show it again under the name it came from, so that a later
    // Save as does not offer to overwrite the file that could not be read.
    state_.cam_path = old_path;
    state_.cam_folder = old_folder;
    state_.cam_name = old_name;
    if (action("Msave_as")->isEnabled())
        fill_overview();
}

void OverviewWindow::save_picked(const ChooserPick& pick) {
    state_.cam_name = pick.name;
    state_.cam_folder = pick.folder;
    state_.cam_path = join_path(state_.cam_folder, state_.cam_name);
    if (write_campaign_file(state_, messages_) == SaveResult::Saved)
        state_.campaign_changed = false;
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
