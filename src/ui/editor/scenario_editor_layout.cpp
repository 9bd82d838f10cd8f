#include "ui/editor/scenario_editor.h"
#include "ui/editor/scenario_editor_fields.h"

#include "model/chooser_targets.h"
#include "model/field_rules.h"
#include "model/state.h"
#include "model/text_file.h"
#include "platform/messages.h"
#include "platform/text.h"
#include "ui/common/look.h"
#include "ui/common/qt_text.h"
#include "ui/common/window_behaviour.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QValidator>
#include <algorithm>

namespace mf7 {

using namespace editor_fields;

namespace {

// The longest text a user may type. Unlike QLineEdit's maximum length it leaves alone what the
// program puts in: a name that gets its extension appended shows more than 20 characters, and
// only the store cuts it.
class TypedLength : public QValidator {
  public:
    TypedLength(QLineEdit* edit, int max) : QValidator(edit), max_(max) {
        connect(edit, &QLineEdit::textChanged, this,
                [this](const QString& text) { committed_ = static_cast<int>(text.size()); });
    }
    State validate(QString& input, int&) const override {
        // Typing that would pass the limit is refused; deleting from a longer text is not.
        return input.size() <= max_ || input.size() <= committed_ ? Acceptable : Invalid;
    }

  private:
    int max_;
    int committed_ = 0;
};

// Blanks (only blanks) off both ends, as the game's editor trims.
QString trim_blanks(const QString& s) {
    qsizetype b = 0, e = s.size();
    while (b < e && s[b] == u' ')
        ++b;
    while (e > b && s[e - 1] == u' ')
        --e;
    return s.mid(b, e - b);
}

struct OutcomeTexts {
    const char* frame;
    const char* prestige;
    const char* go;
    const char* if_played;
    const char* then_goto;
    const char* extra;
};

const char* const kFilmTip = "Doubleclick to select, or type in filename.(*.smk)";
const char* const kSpeechTip = "Doubleclick to select, or type in filename.(*.mus)";
const char* const kTextTip =
    "Textfilename: doubleclick to select, type in name, SHIFT + Leftclick to edit.";
const char* const kIfPlayedTip = "If you have played this scenario number, you will play the "
                                 "scneario numbered in 'Then goto scn number'.(0=don't use)";
const char* const kThenGotoTip =
    "Scenario number to go to, if you have played the number in 'If this scn is played'. "
    "(0=don't use, 254=win campaign, 255=Lose campaign)";

const OutcomeTexts kOutcomeTexts[kOutcomes] = {
    {"Brilliant Victory", "Prestige for brilliant victory.(0 - 65.535)",
     "Scenario number you will play next, if you get a brilliant victory.(254=win campaign, "
     "255=Lose campaign)",
     kIfPlayedTip,
     "Type the scenrio number to go to, if you have played the number in 'If this scn is "
     "played'. (0=don't use, 254=win campaign, 255=Lose campaign)",
     "Content of the 24 byte field following the brilliant victory goto fields"},
    {"Victory", "Prestige for victory.(0 - 65.535)",
     "Scenario number you will play next, if you get a victory.(254=win campaign, 255=Lose "
     "campaign)",
     "If you have played this scenario, and get a victory, you will play the scneario numbered "
     "in 'Then goto scn number'.",
     "Type the scenario number to go to, if you have played the number in 'If this scn is "
     "played'. (0=don't use, 254=win campaign, 255=Lose campaign)",
     "Content of the 24 byte field following the victory goto fields"},
    {"Tactical Victory", "Prestige for tactical victory.( 0 - 65.535)",
     "Scenario number you will play next, if you get a tactical victory.(254=win campaign, "
     "255=Lose campaign)",
     kIfPlayedTip, kThenGotoTip,
     "Content of the 24 byte field following the tactical victory goto fields"},
    {"Losing the Scenario", "Prestige for losing.( 0 - 65.535)",
     "Scenario number you will play next, if you lose the scenario.(254=win campaign, 255=Lose "
     "campaign)",
     kIfPlayedTip, kThenGotoTip, "Content of the 24 byte field following the losing goto fields"},
};

// The first control of each outcome frame: prestige, goto, if_played, then_goto, smk, mus, txt,
// smk_after, then the byte block.
constexpr int kOutcomeFirst[kOutcomes] = {10, 19, 28, 37};

} // namespace

ScenarioEditor::ScenarioEditor(EditorState& state, Messages& messages, QWidget* parent)
    : QWidget(parent, Qt::Window), state_(state), messages_(messages) {
    setObjectName("Form3");
    setWindowTitle("MF7-editor, Campaign scenario editor");
    auto* v = new QVBoxLayout(this);
    v->addWidget(build_header());
    for (int k = 0; k < kOutcomes; ++k)
        v->addWidget(build_outcome(k));
    auto* buttons = new QHBoxLayout;
    accept_button_ = new QPushButton("Use these settings for this scenario", this);
    accept_button_->setObjectName("Command1");
    accept_button_->setToolTip(
        "Click this buton to insert these values in the current scenario number in the campaign.");
    cancel_button_ = new QPushButton("Cancel", this);
    cancel_button_->setObjectName("Command2");
    cancel_button_->setToolTip("Don't use these settings for current scenario.");
    list_button_ = new QPushButton("Show scenarios in campaign", this);
    list_button_->setObjectName("Command3");
    // Without a tab stop, but a click still takes the focus so that the field being left is
    // corrected before the button acts.
    cancel_button_->setFocusPolicy(Qt::ClickFocus);
    list_button_->setFocusPolicy(Qt::ClickFocus);
    buttons->addWidget(list_button_);
    buttons->addStretch(1);
    buttons->addWidget(accept_button_);
    buttons->addWidget(cancel_button_);
    v->addLayout(buttons);
    connect(accept_button_, &QPushButton::clicked, this, &ScenarioEditor::accept);
    connect(cancel_button_, &QPushButton::clicked, this, &ScenarioEditor::close_editor);
    connect(list_button_, &QPushButton::clicked, this, &ScenarioEditor::scenarioListRequested);
    set_tab_order();
    enter_presses_buttons(*this);
    return_focus_after_waiting(*this);
}

QLineEdit* ScenarioEditor::field(int number) const {
    return number >= 2 && number < static_cast<int>(fields_.size())
               ? fields_[static_cast<std::size_t>(number)]
               : nullptr;
}

QLabel* ScenarioEditor::make_caption(QWidget* parent, int number, const char* caption) {
    auto* l = new QLabel(QString::fromLatin1(caption), parent);
    l->setObjectName(QStringLiteral("Label_Text%1").arg(number));
    return l;
}

// The field's caption becomes its label; in an outcome frame the reader also hears which
// outcome, since every frame has the same captions.
void ScenarioEditor::name_for_screen_readers(QWidget* parent, QLineEdit* field, int number) {
    auto* caption = parent->findChild<QLabel*>(QStringLiteral("Label_Text%1").arg(number));
    QString text = caption ? caption->text().trimmed() : QStringLiteral("Unused bytes");
    if (text.endsWith(u':'))
        text.chop(1);
    if (caption)
        caption->setBuddy(field);
    auto* frame = qobject_cast<QGroupBox*>(parent);
    if (frame && !frame->title().isEmpty())
        field->setAccessibleName(frame->title() + QStringLiteral(": ") + text);
    else if (!caption)
        field->setAccessibleName(text);
}

QLineEdit* ScenarioEditor::make_field(QWidget* parent, int number, const char* tip) {
    auto* t = new QLineEdit(parent);
    t->setObjectName(QStringLiteral("Text%1").arg(number));
    t->setToolTip(QString::fromLatin1(tip));
    t->setProperty("control", number);
    fields_[static_cast<std::size_t>(number)] = t;
    name_for_screen_readers(parent, t, number);
    QFontMetrics fm(t->font());
    switch (kind_of(number)) {
    case Kind::Prestige:
        t->setValidator(new TypedLength(t, 5));
        t->setFixedWidth(fm.horizontalAdvance(QStringLiteral("0000000")) + 12);
        break;
    case Kind::Goto:
        t->setValidator(new TypedLength(t, 3));
        t->setFixedWidth(fm.horizontalAdvance(QStringLiteral("-00000")) + 12);
        // Only the goto itself has a tab stop; the alternative pair is reached by clicking.
        if (!among(std::array{11, 20, 29, 38}, number))
            t->setFocusPolicy(Qt::ClickFocus);
        break;
    case Kind::Name: {
        t->setValidator(new TypedLength(t, 20));
        t->setMinimumWidth(fm.horizontalAdvance(QString(22, u'M')) * 3 / 4);
        std::optional<NameKind> name = editor_name_kind(number);
        look::set_background(t, *name == NameKind::Text ? look::kYellow : look::kCyan);
        if (*name == NameKind::Film || *name == NameKind::Speech)
            t->setFocusPolicy(Qt::ClickFocus);
        // The game's names never start or end with a blank: every change loses them at once.
        connect(t, &QLineEdit::textChanged, t, [t](const QString& text) {
            QString trimmed = trim_blanks(text);
            if (trimmed == text)
                return;
            int lead = 0;
            while (lead < text.size() && text[lead] == u' ')
                ++lead;
            int caret = t->cursorPosition() - lead;
            t->setText(trimmed);
            t->setCursorPosition(std::clamp(caret, 0, static_cast<int>(trimmed.size())));
        });
        break;
    }
    case Kind::Hex:
        t->setReadOnly(true);
        t->setFont(look::fixed_font("Terminal", 9));
        look::set_background(t, look::kGrey);
        t->setFocusPolicy(Qt::ClickFocus);
        // 24 bytes as three characters each.
        t->setMinimumWidth(QFontMetrics(t->font()).horizontalAdvance(QString(73, u'0')) + 12);
        return t;
    }
    t->installEventFilter(this);
    return t;
}

QWidget* ScenarioEditor::build_header() {
    header_frame_ = new QGroupBox(this);
    header_frame_->setObjectName("Frame1");
    auto* g = new QGridLayout(header_frame_);
    struct Row {
        int number;
        const char* caption;
        const char* tip;
    };
    const Row prestige[] = {
        {2, "Max prestige cap:", "Maximum allowed prestige for previous scenario.( 0 - 65.535)"},
        {3, "Start prestige cap:", "Maximum start prestige for this scenario.( 0 - 65.535)"},
        {4, "AI prestige??:", "(Possible AI start prestige).( 0 - 65.535)"},
        {5, "Player start prestige:",
         "Type in the prestige you get at the start of this scenario, if you don't have more "
         "than 'Start max prestige'.(0-65.535)"}};
    const Row names[] = {
        {6, "Scenario filename:", "Doubleclick to select, or type in filename.(*.scn)"},
        {7, "Scenario smk filename:", kFilmTip},
        {8, "Scenario mus filename:", kSpeechTip},
        {9, "Scenario txt filename:", kTextTip}};
    for (int r = 0; r < 4; ++r) {
        g->addWidget(make_caption(header_frame_, prestige[r].number, prestige[r].caption), r, 0);
        g->addWidget(make_field(header_frame_, prestige[r].number, prestige[r].tip), r, 1,
                     Qt::AlignLeft);
        g->addWidget(make_caption(header_frame_, names[r].number, names[r].caption), r, 2);
        g->addWidget(make_field(header_frame_, names[r].number, names[r].tip), r, 3);
    }
    trailing_bytes_ = new QPlainTextEdit(header_frame_);
    trailing_bytes_->setObjectName("Text1");
    trailing_bytes_->setToolTip("Content of the 100 byte field in the end of every scenario.");
    trailing_bytes_->setAccessibleName("Unused bytes at the end of the scenario");
    trailing_bytes_->setReadOnly(true);
    trailing_bytes_->setFont(look::fixed_font("Terminal", 9));
    look::set_background(trailing_bytes_, look::kGrey);
    trailing_bytes_->setFocusPolicy(Qt::ClickFocus);
    trailing_bytes_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    trailing_bytes_->setWordWrapMode(QTextOption::WordWrap);
    trailing_bytes_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    {
        // Twenty bytes to a line: the 100 bytes in five lines.
        QFontMetrics fm(trailing_bytes_->font());
        int margins = static_cast<int>(2 * trailing_bytes_->document()->documentMargin()) +
                      2 * trailing_bytes_->frameWidth() + 4;
        trailing_bytes_->setFixedWidth(fm.horizontalAdvance(QString(60, u'0')) + margins);
        trailing_bytes_->setMinimumHeight(fm.lineSpacing() * 5 + margins);
    }
    g->addWidget(trailing_bytes_, 0, 4, 5, 1);
    main_country_ = new QLabel(header_frame_);
    main_country_->setObjectName("Label3");
    g->addWidget(main_country_, 4, 0, 1, 4);
    g->setColumnStretch(3, 1);
    return header_frame_;
}

QWidget* ScenarioEditor::build_outcome(int outcome) {
    const OutcomeTexts& t = kOutcomeTexts[outcome];
    int first = kOutcomeFirst[outcome];
    auto* frame = new QGroupBox(QString::fromLatin1(t.frame), this);
    frame->setObjectName(QStringLiteral("Frame%1").arg(outcome + 2));
    auto* g = new QGridLayout(frame);
    auto pair = [&](int row, int column, int number, const char* caption, const char* tip) {
        g->addWidget(make_caption(frame, number, caption), row, column);
        QLineEdit* e = make_field(frame, number, tip);
        g->addWidget(e, row, column + 1,
                     kind_of(number) == Kind::Name ? Qt::Alignment() : Qt::AlignLeft);
        return e;
    };
    pair(0, 0, first, "Prestige:", t.prestige);
    pair(1, 0, first + 1, "Goto scn number:", t.go);
    pair(0, 2, first + 4, "Smk filename:", kFilmTip);
    pair(1, 2, first + 6, "Text filename:", kTextTip);
    pair(0, 4, first + 5, "Mus filename:", kSpeechTip);
    pair(1, 4, first + 7, "Smk after text  file:", kFilmTip);
    // The alternative goto reads as one sentence: if this scenario is not played, go to that one.
    g->addWidget(make_caption(frame, first + 2, "If this scn# is not played:"), 2, 0);
    auto* alt = new QHBoxLayout;
    alt->setContentsMargins(0, 0, 0, 0);
    alt->addWidget(make_field(frame, first + 2, t.if_played));
    alt->addWidget(make_caption(frame, first + 3, "Goto scn #:"));
    alt->addWidget(make_field(frame, first + 3, t.then_goto));
    alt->addStretch(1);
    g->addLayout(alt, 2, 1);
    g->addWidget(make_field(frame, first + 8, t.extra), 2, 2, 1, 4);
    g->setColumnStretch(3, 1);
    g->setColumnStretch(5, 1);
    return frame;
}

void ScenarioEditor::set_tab_order() {
    const int order[] = {6, 9, 10, 16, 11, 19, 25, 20, 28, 34, 29, 37, 43, 38, 2, 3, 4, 5};
    QWidget* previous = nullptr;
    for (int n : order) {
        QWidget* w = field(n);
        if (previous)
            setTabOrder(previous, w);
        previous = w;
    }
    setTabOrder(previous, accept_button_);
}

} // namespace mf7
