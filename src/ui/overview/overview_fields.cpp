#include "ui/overview/overview_window.h"

#include "model/campaign_file.h"
#include "model/chooser_setup.h"
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
#include "ui/overview/campaign_history.h"

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
        history_->begin_step();
        text2_->setText(toQ(fold.text));
        state_.campaign.player_start_prestige = fold.value;
        history_->end_step(QStringLiteral("Change Player start prestige"));
        sync_modified();
        return;
    }
    std::string ext = field == text5_ ? state_.settings.text_ext : std::string(".smk");
    std::string name = fromQ(field->text());
    if (append_extension(name, ext)) {
        field->setText(toQ(name));
        state_.campaign_changed = true;
    }
    // The name typed is a step of its own, so that undo and redo never drop it.
    history_->end_step(name_step("Type", field_index(field)));
    sync_modified();
}

void OverviewWindow::commit_focused_field() {
    QWidget* f = focusWidget();
    if (f == text2_ || f == text3_ || f == text4_ || f == text5_)
        leave_field(static_cast<QLineEdit*>(f));
}

void OverviewWindow::open_name_chooser(QLineEdit* field) {
    state_.chooser_result.clear();
    state_.return_window = WindowId::Overview;
    ChooserSetup setup =
        name_chooser(field == text5_ ? NameKind::Text : NameKind::Film, state_.settings,
                     ChooserTarget::overview_field(field_index(field)));
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
    state_.return_window = WindowId::Overview;
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
    sync_modified();
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
    // Tabbing into the list makes a row current without highlighting it: the row the buttons
    // and the editor act on is always the one shown.
    list1_->item(row)->setSelected(true);
    set_selection_caption(row);
    for (QPushButton* b : {command1_, command2_, command3_})
        b->setEnabled(true);
}

void OverviewWindow::keep_row_highlighted() {
    // A CTRL + click takes the highlight off the selected row; the selection itself stays.
    int row = state_.selected_scn;
    if (list1_->selectedItems().isEmpty() && row >= 0 && row < list1_->count())
        list1_->item(row)->setSelected(true);
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
    history_->begin_step();
    emit scenarioEditRequested();
}

void OverviewWindow::list_command(int which) {
    int rows = list1_->count();
    int row = state_.selected_scn;
    history_->begin_step();
    ListEditResult r = which == 1   ? insert_scn_before(state_, rows, messages_)
                       : which == 2 ? insert_scn_after(state_, rows, messages_)
                                    : delete_scn(state_, rows, messages_);
    if (r.changed) {
        const char* names[] = {"", "Insert SCN before %1", "Insert SCN after %1", "Delete SCN %1"};
        state_.selected_scn = static_cast<int16_t>(r.select);
        // The fill blanks the first scenario's name as shown: part of the step. Names typed
        // into the header stay: they reach the record only at Save as.
        TypedNames typed = header_file_texts();
        fill_overview();
        show_typed_names(typed);
        history_->end_step(QString::fromLatin1(names[which]).arg(row));
        emit scenarioListChanged();
    }
    select_row(r.select);
    sync_modified();
}

} // namespace mf7
