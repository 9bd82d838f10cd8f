#pragma once
// The overview's undo history: every change to the campaign record is one step that holds the
// whole record before and after it (31,944 bytes each, small enough to keep them all).
#include "model/campaign.h"

#include <QObject>

#include <functional>

class QUndoStack;
class QAction;

namespace mf7 {

struct EditorState;

// What a step puts back: the record, whether it counted as unsaved, and the selected row.
struct CampaignSnapshot {
    CampaignRecord campaign;
    bool changed = false;
    int selected = -1;
};

class CampaignHistory : public QObject {
    Q_OBJECT
  public:
    // `show` puts a restored snapshot on screen once the state holds it.
    CampaignHistory(EditorState& state, std::function<void()> show, QObject* parent);

    // The record as it stands becomes the base of the next step.
    void begin_step();
    // Records a step named `name` when the record differs from the base; returns whether it did.
    bool end_step(const QString& name);
    // Open, New and Clear: the history starts again from the record as it stands.
    void restart();
    // The record was saved: undoing back to here leaves nothing unsaved.
    void mark_saved();

    QAction* make_undo_action(QObject* parent) const;
    QAction* make_redo_action(QObject* parent) const;
    QUndoStack& stack() const { return *stack_; }

    // Puts a snapshot into the state; it is shown once the history has moved to it.
    void restore(const CampaignSnapshot& snapshot);

  private:
    CampaignSnapshot snapshot() const;
    void restored();

    EditorState& state_;
    std::function<void()> show_;
    QUndoStack* stack_;
    CampaignSnapshot base_;
    bool restoring_ = false;
};

} // namespace mf7
