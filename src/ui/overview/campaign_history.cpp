#include "ui/overview/campaign_history.h"

#include "model/state.h"

#include <QAction>
#include <QUndoStack>

namespace mf7 {

namespace {

class CampaignStep : public QUndoCommand {
  public:
    CampaignStep(CampaignHistory& history, const QString& name, CampaignSnapshot before,
                 CampaignSnapshot after)
        : QUndoCommand(name), history_(history), before_(std::move(before)),
          after_(std::move(after)) {}

    void undo() override { history_.restore(before_); }
    void redo() override {
        // The change itself has been made already when the step is pushed.
        if (pushed_)
            history_.restore(after_);
        pushed_ = true;
    }

  private:
    CampaignHistory& history_;
    CampaignSnapshot before_, after_;
    bool pushed_ = false;
};

// The record as Save as writes it: the scenario editor stores blanks where the file had NULs,
// and Save as turns them back, so a record that differs only there holds no change.
CampaignRecord as_saved(CampaignRecord cam) {
    blanks_to_nul(cam);
    return cam;
}

bool same_content(const CampaignSnapshot& a, const CampaignSnapshot& b) {
    return a.typed == b.typed && as_saved(a.campaign) == as_saved(b.campaign);
}

} // namespace

QString name_step(const char* verb, HeaderField field) {
    const char* name = field == HeaderField::WinSmk    ? "Win Campaign SMK"
                       : field == HeaderField::LoseSmk ? "Lose Campaign SMK"
                                                       : "description text";
    return QStringLiteral("%1 %2").arg(QLatin1String(verb), QLatin1String(name));
}

CampaignHistory::CampaignHistory(EditorState& state, std::function<TypedNames()> typed,
                                 std::function<void(const TypedNames&)> show, QObject* parent)
    : QObject(parent), state_(state), typed_(std::move(typed)), show_(std::move(show)),
      stack_(new QUndoStack(this)) {
    // The fields are not built yet: they start empty.
    base_ = {state_.campaign, {}, state_.campaign_changed, state_.selected_scn};
    connect(stack_, &QUndoStack::indexChanged, this, &CampaignHistory::restored);
}

CampaignSnapshot CampaignHistory::snapshot() const {
    return {state_.campaign, typed_(), state_.campaign_changed, state_.selected_scn};
}

void CampaignHistory::begin_step() {
    // A change made outside a step (none should be) becomes a step of its own, so that undo
    // never skips over it.
    end_step(QStringLiteral("Edit"));
    base_ = snapshot();
}

bool CampaignHistory::end_step(const QString& name, IfUnchanged unchanged) {
    CampaignSnapshot now = snapshot();
    if (same_content(now, base_)) {
        if (unchanged == IfUnchanged::RestoreMark)
            state_.campaign_changed = base_.changed;
        base_ = snapshot();
        return false;
    }
    stack_->push(new CampaignStep(*this, name, base_, now));
    base_ = snapshot();
    return true;
}

void CampaignHistory::take_as_base() {
    base_ = snapshot();
}

void CampaignHistory::restart() {
    stack_->clear();
    base_ = snapshot();
}

void CampaignHistory::mark_saved() {
    base_ = snapshot();
    stack_->setClean();
}

void CampaignHistory::restore(const CampaignSnapshot& s) {
    state_.campaign = s.campaign;
    state_.campaign_changed = s.changed;
    state_.selected_scn = static_cast<int16_t>(s.selected);
    restored_typed_ = s.typed;
    restoring_ = true;
}

void CampaignHistory::restored() {
    if (!restoring_)
        return;
    restoring_ = false;
    // Back at the saved state nothing is unsaved; anywhere else after a save everything is.
    if (stack_->isClean())
        state_.campaign_changed = false;
    else if (stack_->cleanIndex() >= 0)
        state_.campaign_changed = true;
    show_(restored_typed_);
    // Showing the record may tidy it (the first scenario's name): the next step starts there.
    base_ = snapshot();
}

void CampaignHistory::move(bool back) {
    if (settle)
        settle();
    if (back)
        stack_->undo();
    else
        stack_->redo();
}

// The stack's own actions would move before a name still being typed became a step.
QAction* CampaignHistory::make_move_action(QObject* parent, bool back) {
    auto* a = new QAction(parent);
    // The stack outlives the history's own members while it is torn down: use it, not this.
    QUndoStack* stack = stack_;
    auto update = [stack, a, back] {
        a->setEnabled(back ? stack->canUndo() : stack->canRedo());
        const QString step = back ? stack->undoText() : stack->redoText();
        a->setText(
            (back ? QStringLiteral("&Undo %1") : QStringLiteral("&Redo %1")).arg(step).trimmed());
    };
    for (auto changed : {&QUndoStack::canUndoChanged, &QUndoStack::canRedoChanged})
        connect(stack_, changed, a, update);
    for (auto changed : {&QUndoStack::undoTextChanged, &QUndoStack::redoTextChanged})
        connect(stack_, changed, a, update);
    connect(a, &QAction::triggered, this, [this, back] { move(back); });
    update();
    return a;
}

QAction* CampaignHistory::make_undo_action(QObject* parent) {
    return make_move_action(parent, true);
}

QAction* CampaignHistory::make_redo_action(QObject* parent) {
    return make_move_action(parent, false);
}

} // namespace mf7
