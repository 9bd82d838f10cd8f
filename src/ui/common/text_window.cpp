#include "ui/common/text_window.h"

#include "model/state.h"
#include "model/text_file.h"
#include "platform/messages.h"
#include "reports/missing_files_check.h"
#include "ui/common/qt_text.h"
#include "ui/common/window_behaviour.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>
#include <QVBoxLayout>

namespace mf7 {

namespace {

// A LF that does not follow a CR belongs inside its line on the game's platform. The text box
// would break the line there, so it shows as a mark and is written back as the byte it was. The
// marks lie outside Windows-1252, so a game text cannot hold one; the first the font has is used.
constexpr char16_t kLineFeedMarks[] = {u'\u240A', u'\u21B5', u'\u2193', u'\u2192', u'\u25BC'};
// Where the font has none of those: a visible ASCII mark that the text does not hold yet.
constexpr char kAsciiMarks[] = "|~^`#";

QChar line_feed_mark(const QFont& font, const std::string& bytes) {
    QFontMetrics fm(font);
    for (char16_t m : kLineFeedMarks)
        if (fm.inFont(QChar(m)))
            return QChar(m);
    for (const char* m = kAsciiMarks; *m; ++m)
        if (bytes.find(*m) == std::string::npos)
            return QLatin1Char(*m);
    return QLatin1Char(kAsciiMarks[0]);
}

QString to_window(const std::string& bytes, QChar mark) {
    QString out;
    std::string run;
    auto flush = [&] {
        out += toQ(run);
        run.clear();
    };
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        char c = bytes[i];
        if (c == '\r') {
            flush();
            out += u'\n';
            if (i + 1 < bytes.size() && bytes[i + 1] == '\n')
                ++i;
        } else if (c == '\n') {
            flush();
            out += mark;
        } else {
            run += c;
        }
    }
    flush();
    return out;
}

bool is_line_break(QChar c) {
    // The document separates its paragraphs (and SHIFT + Enter lines) with these two.
    return c == QChar::ParagraphSeparator || c == QChar::LineSeparator;
}

std::string from_window(const QString& raw, QChar mark) {
    std::string out;
    QString run;
    auto flush = [&] {
        out += fromQ(run);
        run.clear();
    };
    for (QChar c : raw) {
        if (is_line_break(c)) {
            flush();
            out += "\r\n";
        } else if (c == mark) {
            flush();
            out += '\n';
        } else {
            run += c;
        }
    }
    flush();
    return out;
}

// The characters of the text that a Windows-1252 file cannot hold, each named once as U+XXXX.
QStringList unstorable_characters(const QString& raw, QChar mark) {
    QStringList out;
    for (char32_t c : raw.toUcs4()) {
        QString one = QString::fromUcs4(&c, 1);
        if (one.size() == 1 && (is_line_break(one[0]) || one[0] == mark))
            continue;
        QString name = QStringLiteral("U+%1").arg(static_cast<uint>(c), 4, 16, QLatin1Char('0'));
        if (toQ(fromQ(one)) != one && !out.contains(name.toUpper()))
            out << name.toUpper();
    }
    return out;
}

} // namespace

TextWindow::TextWindow(EditorState& state, Messages& messages, QWidget* parent)
    : QWidget(parent, Qt::Window), state_(state), messages_(messages) {
    setObjectName("Form9");
    text_edit_ = new QPlainTextEdit(this);
    text_edit_->setObjectName("Text1");
    text_edit_->setAccessibleName("Text of the file");
    text_edit_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text_edit_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // Room for a report line of the check and a screenful of a game text.
    text_edit_->setMinimumSize(
        text_edit_->fontMetrics().horizontalAdvance(QString(72, QLatin1Char('x'))),
        text_edit_->fontMetrics().lineSpacing() * 24);
    save_button_ = new QPushButton("Save file", this);
    save_button_->setObjectName("Command1");
    save_button_->setToolTip(
        "Click to save the file. (Path and filename can be seen in the blue box "
        "on top of this form.)");
    cancel_button_ = new QPushButton("Cancel", this);
    cancel_button_->setObjectName("Command2");
    auto* h = new QHBoxLayout(this);
    h->addWidget(text_edit_, 1);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(save_button_);
    buttons->addWidget(cancel_button_);
    buttons->addStretch(1);
    h->addLayout(buttons);
    QFontMetrics fm(text_edit_->font());
    resize(fm.horizontalAdvance(QString(80, u'n')) + save_button_->sizeHint().width() + 60,
           fm.lineSpacing() * 25);
    connect(save_button_, &QPushButton::clicked, this, &TextWindow::save);
    connect(cancel_button_, &QPushButton::clicked, this, &TextWindow::cancel);
    enter_presses_buttons(*this);
}

std::string TextWindow::text_bytes() const {
    // toPlainText would turn no-break spaces (byte 0xA0) into blanks; the raw text keeps them.
    return from_window(text_edit_->document()->toRawText(), line_feed_mark_);
}

void TextWindow::set_text_bytes(const std::string& text) {
    line_feed_mark_ = line_feed_mark(text_edit_->font(), text);
    text_edit_->setPlainText(to_window(text, line_feed_mark_));
}

bool TextWindow::storable_or_accepted() {
    QStringList lost = unstorable_characters(text_edit_->document()->toRawText(), line_feed_mark_);
    if (lost.isEmpty())
        return true;
    if (lost.size() > 12)
        lost = lost.mid(0, 12) << QStringLiteral("...");
    std::string question =
        "The text holds characters that a game text file (Windows-1252) cannot hold: " +
        fromQ(lost.join(QLatin1Char(' '))) +
        ".\nEach of them would be stored as \"?\".\n\nSave the file anyway?";
    return messages_.show(question, Buttons::YesNo) == Answer::Yes;
}

bool TextWindow::get_text_file() {
    std::string text;
    bool ok = mf7::get_text_file(pathFromQ(windowTitle()), text, messages_);
    set_text_bytes(text);
    save_button_->setEnabled(ok);
    return ok;
}

bool TextWindow::open_file(const NativePath& path, WindowId return_window) {
    return_window_ = return_window;
    setWindowTitle(pathToQ(path));
    check_text_ = false;
    text_edit_->clear();
    present();
    return get_text_file();
}

void TextWindow::show_text(const NativePath& caption, const std::string& text,
                           WindowId return_window) {
    return_window_ = return_window;
    setWindowTitle(pathToQ(caption));
    check_text_ = true;
    set_text_bytes(text);
    save_button_->setEnabled(true);
    present();
}

void TextWindow::present() {
    setEnabled(true);
    show();
    raise();
    activateWindow();
    text_edit_->setFocus(Qt::OtherFocusReason);
}

void TextWindow::save() {
    if (!storable_or_accepted())
        return;
    // On a failure the message has been shown and the window stays as it is, the text included.
    NativePath path = pathFromQ(windowTitle());
    bool saved = check_text_ ? save_check_report(state_.settings, path, text_bytes(), messages_)
                             : save_text_file(path, text_bytes(), messages_);
    if (!saved)
        return;
    hide();
    emit returned(return_window_);
}

bool TextWindow::may_discard() {
    return !text_edit_->document()->isModified() ||
           messages_.show("Close without saving your changes to the text?", Buttons::YesNo) ==
               Answer::Yes;
}

void TextWindow::cancel() {
    if (!may_discard())
        return;
    hide();
    emit returned(return_window_);
}

void TextWindow::closeEvent(QCloseEvent* event) {
    // The close box gives control back as Cancel does, or the window that opened this one would
    // stay disabled.
    if (!may_discard()) {
        event->ignore();
        return;
    }
    event->accept();
    hide();
    emit returned(return_window_);
}

void TextWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        text_edit_->setFocus(Qt::ActiveWindowFocusReason);
    QWidget::changeEvent(event);
}

void TextWindow::focusInEvent(QFocusEvent* event) {
    text_edit_->setFocus(event->reason());
}

void TextWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    text_edit_->setFocus(Qt::OtherFocusReason);
}

} // namespace mf7
