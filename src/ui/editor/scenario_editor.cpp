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

bool ScenarioEditor::open_scenario() {
    std::optional<EditorOpening> o = open_editor(state_, messages_);
    if (!o)
        return false;
    scn_temp_ = o->temp;
    for (std::size_t i = 0; i < kPrestigeFields; ++i)
        field(kPrestigeControls[i])->setText(toQ(o->texts.prestige[i]));
    for (std::size_t i = 0; i < kGotoFields; ++i)
        field(kGotoControls[i])->setText(toQ(o->texts.gotos[i]));
    for (std::size_t i = 0; i < kNameFields; ++i)
        field(kNameControls[i])->setText(toQ(o->texts.names[i]));
    trailing_bytes_->setPlainText(toQ(o->scn_extra_hex));
    for (std::size_t k = 0; k < kOutcomes; ++k)
        field(kExtraControls[k])->setText(toQ(o->extra_hex[k]));
    main_country_->setText(toQ(o->label3));
    header_frame_->setTitle(toQ(o->frame1));
    setEnabled(true);
    show();
    raise();
    activateWindow();
    // Start in the scenario file field, never in a goto left focused by the last scenario: a
    // goto the user does not enter keeps its stored word.
    field(6)->setFocus(Qt::OtherFocusReason);
    return true;
}

void ScenarioEditor::reactivate() {
    setEnabled(true);
    show();
    raise();
    activateWindow();
}

void ScenarioEditor::apply_chooser_result(int control, const std::string& name) {
    ChooserDispatch d = dispatch_to_editor(state_, control, name, messages_);
    if (!d.applied)
        return;
    if (QLineEdit* e = field(d.control))
        e->setText(toQ(d.text));
    if (d.label3)
        main_country_->setText(toQ(*d.label3));
}

EditorTexts ScenarioEditor::field_texts() const {
    EditorTexts t;
    for (std::size_t i = 0; i < kPrestigeFields; ++i)
        t.prestige[i] = fromQ(field(kPrestigeControls[i])->text());
    for (std::size_t i = 0; i < kGotoFields; ++i)
        t.gotos[i] = fromQ(field(kGotoControls[i])->text());
    for (std::size_t i = 0; i < kNameFields; ++i)
        t.names[i] = fromQ(field(kNameControls[i])->text());
    return t;
}

void ScenarioEditor::leave_field(QLineEdit* edit) {
    int number = edit->property("control").toInt();
    std::string text = fromQ(edit->text());
    switch (kind_of(number)) {
    case Kind::Prestige:
        put_text(edit, toQ(fold_prestige(text).text));
        break;
    case Kind::Goto:
        put_text(edit, toQ(goto_rule(text)));
        break;
    case Kind::Name:
        if (append_extension(text, name_extension(*editor_name_kind(number), state_.settings))) {
            put_text(edit, toQ(text));
            state_.campaign_changed = true;
        }
        break;
    case Kind::Hex:
        break;
    }
}

void ScenarioEditor::open_chooser(int number) {
    state_.campaign_changed = true;
    setEnabled(false);
    emit chooserRequested(number);
}

void ScenarioEditor::shift_click(int number) {
    QLineEdit* edit = field(number);
    // The brilliant-victory text field tests the name as the overview's description field does.
    NameTest test = number == 16 ? NameTest::Trimmed : NameTest::Plain;
    const std::string& ext = state_.settings.text_ext;
    std::string text = fromQ(edit->text());
    if (text_name_refused(text, ext, test)) {
        messages_.show(kNeedTextFileName);
        return;
    }
    put_text(edit, toQ(text_name_with_extension(text, ext, test)));
    NativePath path = text_file_path(state_.settings, fromQ(edit->text()));
    emit textFileRequested(pathToQ(path));
    setEnabled(false);
}

bool ScenarioEditor::eventFilter(QObject* watched, QEvent* event) {
    auto* edit = qobject_cast<QLineEdit*>(watched);
    if (!edit)
        return QWidget::eventFilter(watched, event);
    int number = edit->property("control").toInt();
    bool name = kind_of(number) == Kind::Name;
    switch (event->type()) {
    case QEvent::FocusIn:
        // A field entered from the keyboard shows its text selected; a click places the caret.
        if (static_cast<QFocusEvent*>(event)->reason() != Qt::MouseFocusReason)
            edit->selectAll();
        break;
    case QEvent::FocusOut:
        // Every leaving counts, also when the text did not change (editingFinished would not
        // come then): a shown -1 becomes 0 once the user has been in the field.
        leave_field(edit);
        break;
    case QEvent::MouseButtonPress: {
        if (!name)
            break;
        auto* m = static_cast<QMouseEvent*>(event);
        bool text_field = editor_name_kind(number) == NameKind::Text;
        if (text_field && m->button() == Qt::LeftButton && m->buttons() == Qt::LeftButton &&
            m->modifiers() == Qt::ShiftModifier) {
            shift_click(number);
            return true;
        }
        if (m->button() == Qt::LeftButton)
            state_.campaign_changed = true;
        break;
    }
    case QEvent::MouseButtonDblClick:
        if (name && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            open_chooser(number);
            return true;
        }
        break;
    case QEvent::KeyPress: {
        int key = static_cast<QKeyEvent*>(event)->key();
        if (name && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
            open_chooser(number);
            return true;
        }
        break;
    }
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void ScenarioEditor::accept() {
    // A click moves the focus before the button acts, so the field being left is already
    // corrected; a button pressed some other way gets the same correction here.
    if (auto* edit = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        edit && edit->window() == this)
        leave_field(edit);
    if (trim(fromQ(field(6)->text())).empty()) {
        messages_.show("F3-I01: You need to select a Scenario filename", Buttons::Ok, true);
        main_country_->clear();
        return;
    }
    std::optional<StoreResult> r = store_scenario_edits(state_, field_texts(), messages_);
    if (r)
        emit accepted(r->index, r->row, r->main_country.has_value(),
                      toQ(r->main_country.value_or(std::string())));
    close_editor();
}

void ScenarioEditor::close_editor() {
    main_country_->clear();
    hide();
    setEnabled(false);
    emit closed();
}

void ScenarioEditor::keyPressEvent(QKeyEvent* event) {
    // Escape leaves the editor as Cancel does, as it leaves a dialog box.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier)
        cancel_button_->click();
    else
        QWidget::keyPressEvent(event);
}

void ScenarioEditor::closeEvent(QCloseEvent* event) {
    // While the chooser or the text window works for this editor, the editor must stay: they
    // return to it, and "Use these settings" stores into the slot it was opened on.
    if (refuse_close_while_waiting(*this, event))
        return;
    event->accept();
    close_editor();
}

} // namespace mf7
