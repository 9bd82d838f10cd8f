#pragma once
// The overview's undo history: every change to the campaign record, and every file name typed
// into the header or trailer, is one step that holds the whole record and the typed names before
// and after it (31,944 bytes each, small enough to keep them all).
#include "model/campaign.h"
#include "ui/window_handover.h"

#include <QObject>

#include <array>
#include <functional>
#include <string>

class QUndoStack;
class QAction;

namespace mf7 {

struct EditorState;

// Win Campaign SMK, Lose Campaign SMK and the description text file as their fields show them:
// typed names reach the record only at Save as.
using TypedNames = std::array<std::string, 3>;

// An undo step's name for typing or picking the name of a header field, such as
// "Type Win Campaign SMK".
QString name_step(const char* verb, HeaderField field);

// What a step puts back: the record, the typed names, whether it counted as unsaved, and the
// selected row.
struct CampaignSnapshot {
    CampaignRecord campaign;
    TypedNames typed;
    bool changed = false;
    int selected = -1;
};

// What a step that turns out to change nothing does to the unsaved mark.
enum class IfUnchanged {
    KeepMark,    // a click into a name field marks the campaign whatever follows
    RestoreMark, // the mark goes back to what it was when the step began
};

class CampaignHistory : public QObject {
    Q_OBJECT
  public:
    // `typed` reads the names the fields show; `show` puts a restored snapshot on screen, with
    // the typed names it holds, once the state holds it.
    CampaignHistory(EditorState& state, std::function<TypedNames()> typed,
                    std::function<void(const TypedNames&)> show, QObject* parent);

    // The record as it stands becomes the base of the next step; a change made since the last
    // step (none should be) becomes a step of its own first. A change made within one function
    // is a HistoryStep; this is for the scenario editor, whose stores end steps later.
    void begin_step();
    // Records a step named `name` when the record or a typed name differs from the base; returns
    // whether it did.
    bool end_step(const QString& name, IfUnchanged unchanged = IfUnchanged::KeepMark);
    // The record changed without a step of its own (typed names reaching it at Save as): the
    // next step starts from it.
    void take_as_base();
    // Called before undo and redo move: a name still being typed becomes a step first.
    std::function<void()> settle;
    // Open, New and Clear: the history starts again from the record as it stands.
    void restart();
    // The record was saved: undoing back to here leaves nothing unsaved.
    void mark_saved();

    QAction* make_undo_action(QObject* parent);
    QAction* make_redo_action(QObject* parent);
    QUndoStack& stack() const { return *stack_; }

    // Puts a snapshot into the state; it is shown once the history has moved to it.
    void restore(const CampaignSnapshot& snapshot);

  private:
    CampaignSnapshot snapshot() const;
    void restored();

    void move(bool back);
    QAction* make_move_action(QObject* parent, bool back);

    EditorState& state_;
    std::function<TypedNames()> typed_;
    std::function<void(const TypedNames&)> show_;
    QUndoStack* stack_;
    CampaignSnapshot base_;
    TypedNames restored_typed_;
    bool restoring_ = false;
};

// One change as an undo step: the step begins when this is made and ends, under its name, when
// it goes out of scope, however the change returns. A change that changed nothing records
// nothing.
class HistoryStep {
  public:
    HistoryStep(CampaignHistory& history, QString name)
        : history_(history), name_(std::move(name)) {
        history_.begin_step();
    }
    ~HistoryStep() { history_.end_step(name_); }
    HistoryStep(const HistoryStep&) = delete;
    HistoryStep& operator=(const HistoryStep&) = delete;

  private:
    CampaignHistory& history_;
    QString name_;
};

} // namespace mf7
