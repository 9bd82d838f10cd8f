// The overview's header and trailer fields and its scenario list: what typing, clicks and keys
// in them do.
#include "ui/overview/overview_window.h"

#include "model/chooser_targets.h"
#include "model/field_rules.h"
#include "model/list_editing.h"
#include "model/state.h"
#include "model/text_file.h"
#include "platform/messages.h"
#include "platform/text.h"
#include "ui/common/file_chooser.h"
#include "ui/common/qt_text.h"
#include "ui/overview/campaign_history.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>

namespace mf7 {

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
    last_text_[field] = wanted;
}

HeaderField OverviewWindow::header_field(const QLineEdit* field) const {
    return field == win_film_    ? HeaderField::WinSmk
           : field == lose_film_ ? HeaderField::LoseSmk
                                 : HeaderField::Description;
}

QLineEdit* OverviewWindow::field_of(HeaderField field) const {
    switch (field) {
    case HeaderField::WinSmk:
        return win_film_;
    case HeaderField::LoseSmk:
        return lose_film_;
    case HeaderField::Description:
        break;
    }
    return description_;
}

void OverviewWindow::field_edited(QLineEdit* field, const QString& text) {
    // Typing counts as an edit as a click does, so that keyboard users are asked on exit too;
    // blanks that the field drops at once change nothing.
    if (trim(fromQ(text)) != trim(fromQ(last_text_.value(field))))
        state_.campaign_changed = true;
}

void OverviewWindow::leave_field(QLineEdit* field) {
    if (field == start_prestige_) {
        // Stored at once, as the game keeps it: low byte first.
        PrestigeFold fold = fold_prestige(fromQ(start_prestige_->text()));
        {
            HistoryStep step(*history_, QStringLiteral("Change Player start prestige"));
            start_prestige_->setText(toQ(fold.text));
            state_.campaign.player_start_prestige = fold.value;
        }
        sync_modified();
        return;
    }
    std::string ext = field == description_ ? state_.settings.text_ext : std::string(".smk");
    std::string name = fromQ(field->text());
    if (append_extension(name, ext)) {
        field->setText(toQ(name));
        state_.campaign_changed = true;
    }
    // The name typed is a step of its own, so that undo and redo never drop it.
    history_->end_step(name_step("Type", header_field(field)));
    sync_modified();
}

void OverviewWindow::commit_focused_field() {
    QWidget* f = focusWidget();
    if (f == start_prestige_ || f == win_film_ || f == lose_film_ || f == description_)
        leave_field(static_cast<QLineEdit*>(f));
}

void OverviewWindow::open_name_chooser(QLineEdit* field) {
    ChooserSetup setup =
        name_chooser(field == description_ ? NameKind::Text : NameKind::Film, state_.settings,
                     ChooserTarget::overview_field(header_field(field)));
    state_.campaign_changed = true;
    emit chooserRequested(setup);
}

void OverviewWindow::description_shift_click() {
    const std::string& ext = state_.settings.text_ext;
    std::string text = fromQ(description_->text());
    if (text_name_refused(text, ext, NameTest::Trimmed)) {
        messages_.show(kNeedTextFileName);
        return;
    }
    description_->setText(toQ(text_name_with_extension(text, ext, NameTest::Trimmed)));
    state_.campaign_changed = true;
    emit textFileRequested();
}

NativePath OverviewWindow::text_file_path() const {
    return mf7::text_file_path(state_.settings, fromQ(description_->text()));
}

bool OverviewWindow::eventFilter(QObject* watched, QEvent* event) {
    auto is_enter = [](QEvent* e) {
        if (e->type() != QEvent::KeyPress)
            return false;
        int key = static_cast<QKeyEvent*>(e)->key();
        return key == Qt::Key_Return || key == Qt::Key_Enter;
    };
    sync_modified();
    if (watched == scenario_list_) {
        if (is_enter(event)) {
            edit_row(scenario_list_->currentRow());
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
        if (field == description_) {
            if (m->button() == Qt::LeftButton && m->buttons() == Qt::LeftButton &&
                m->modifiers() == Qt::ShiftModifier)
                description_shift_click();
        } else {
            state_.campaign_changed = true;
        }
        break;
    }
    case QEvent::MouseButtonDblClick:
        if (field != start_prestige_) {
            open_name_chooser(field);
            return true;
        }
        break;
    default:
        if (field != start_prestige_ && is_enter(event)) {
            open_name_chooser(field);
            return true;
        }
        break;
    }
    return false;
}

// ---- Scenario list --------------------------------------------------------------------------

void OverviewWindow::row_clicked(int row) {
    if (row < 0 || row >= scenario_list_->count())
        return;
    state_.selected_scn = static_cast<int16_t>(row);
    // Tabbing into the list makes a row current without highlighting it: the row the buttons
    // and the editor act on is always the one shown.
    scenario_list_->item(row)->setSelected(true);
    set_selection_caption(row);
    for (QPushButton* b : {insert_before_, insert_after_, delete_scn_})
        b->setEnabled(true);
}

void OverviewWindow::keep_row_highlighted() {
    // A CTRL + click takes the highlight off the selected row; the selection itself stays.
    int row = state_.selected_scn;
    if (scenario_list_->selectedItems().isEmpty() && row >= 0 && row < scenario_list_->count())
        scenario_list_->item(row)->setSelected(true);
}

void OverviewWindow::select_row(int row) {
    if (row < 0 || row >= scenario_list_->count())
        return;
    scenario_list_->setCurrentRow(row);
    row_clicked(row);
}

void OverviewWindow::edit_row(int row) {
    if (row < 0 || row >= scenario_list_->count())
        return;
    row_clicked(row);
    history_->begin_step();
    emit scenarioEditRequested();
}

namespace {

const char* step_name(ListCommand command) {
    switch (command) {
    case ListCommand::InsertBefore:
        return "Insert SCN before %1";
    case ListCommand::InsertAfter:
        return "Insert SCN after %1";
    case ListCommand::Delete:
        break;
    }
    return "Delete SCN %1";
}

ListEditResult run_list_command(ListCommand command, EditorState& state, int rows,
                                Messages& messages) {
    switch (command) {
    case ListCommand::InsertBefore:
        return insert_scn_before(state, rows, messages);
    case ListCommand::InsertAfter:
        return insert_scn_after(state, rows, messages);
    case ListCommand::Delete:
        break;
    }
    return delete_scn(state, rows, messages);
}

} // namespace

void OverviewWindow::list_command(ListCommand command) {
    int rows = scenario_list_->count();
    int row = state_.selected_scn;
    ListEditResult r;
    {
        HistoryStep step(*history_, QString::fromLatin1(step_name(command)).arg(row));
        r = run_list_command(command, state_, rows, messages_);
        if (r.changed) {
            state_.selected_scn = static_cast<int16_t>(r.select);
            // The fill blanks the first scenario's name as shown: part of the step. Names typed
            // into the header stay: they reach the record only at Save as.
            TypedNames typed = header_file_texts();
            fill_overview();
            show_typed_names(typed);
        }
    }
    if (r.changed)
        emit scenarioListChanged();
    select_row(r.select);
    sync_modified();
}

} // namespace mf7
