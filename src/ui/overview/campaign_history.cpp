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

bool same_record(const CampaignRecord& a, const CampaignRecord& b) {
    return campaign_to_bytes(a) == campaign_to_bytes(b);
}

} // namespace

CampaignHistory::CampaignHistory(EditorState& state, std::function<void()> show, QObject* parent)
    : QObject(parent), state_(state), show_(std::move(show)), stack_(new QUndoStack(this)) {
    base_ = snapshot();
    connect(stack_, &QUndoStack::indexChanged, this, &CampaignHistory::restored);
}

CampaignSnapshot CampaignHistory::snapshot() const {
    return {state_.campaign, state_.campaign_changed, state_.selected_scn};
}

void CampaignHistory::begin_step() {
    // A change made outside a step (none should be) becomes a step of its own, so that undo
    // never skips over it.
    end_step(QStringLiteral("Edit"));
    base_ = snapshot();
}

bool CampaignHistory::end_step(const QString& name) {
    CampaignSnapshot now = snapshot();
    if (same_record(now.campaign, base_.campaign)) {
        base_ = now;
        return false;
    }
    stack_->push(new CampaignStep(*this, name, base_, now));
    base_ = snapshot();
    return true;
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
    show_();
    // Showing the record may tidy it (the first scenario's name): the next step starts there.
    base_ = snapshot();
}

QAction* CampaignHistory::make_undo_action(QObject* parent) const {
    return stack_->createUndoAction(parent, QStringLiteral("&Undo"));
}

QAction* CampaignHistory::make_redo_action(QObject* parent) const {
    return stack_->createRedoAction(parent, QStringLiteral("&Redo"));
}

} // namespace mf7
