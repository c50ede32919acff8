// SetupHistory: the undo stack of the set-up, and whether it differs from the last save or open.
#include "desktop/SetupHistory.h"

#include <QAction>
#include <QKeySequence>
#include <QUndoCommand>

namespace kerf {

// One step on the stack. A step recorded after its edit skips the first redo, which QUndoStack
// runs on push.
class StepCommand : public QUndoCommand {
 public:
  StepCommand(SetupHistory& history, SetupStep step, bool done)
      : QUndoCommand(step.Text), history_(history), step_(std::move(step)), skipRedo_(done) {}

  void redo() override {
    if (skipRedo_) {
      skipRedo_ = false;
      return;
    }
    Run(step_.Redo);
  }
  void undo() override { Run(step_.Undo); }

 private:
  void Run(const std::function<SetupChange()>& edit) {
    ++history_.applying_;
    const SetupChange change = edit ? edit() : SetupChange{};
    history_.Applied(change);
    --history_.applying_;
  }

  SetupHistory& history_;
  SetupStep step_;
  bool skipRedo_;
};

SetupHistory::SetupHistory(QObject* parent) : QObject(parent) {
  connect(&stack_, &QUndoStack::cleanChanged, this,
          [this](bool clean) { emit modifiedChanged(!clean); });
}

void SetupHistory::Record(SetupStep step) {
  if (held_ > 0 || applying_ > 0) return;
  stack_.push(new StepCommand(*this, std::move(step), true));
}

SetupChange SetupHistory::Do(SetupStep step) {
  const SetupChange change = step.Redo ? step.Redo() : SetupChange{};
  if (change) Record(std::move(step));
  return change;
}

StepRecorder SetupHistory::Recorder() {
  return [this](SetupStep step) { Record(std::move(step)); };
}

void SetupHistory::Applied(SetupChange change) {
  if (rebuild_) rebuild_(change);
}

namespace {

QAction* ApplicationWide(QAction* action, const char* name, QList<QKeySequence> keys) {
  action->setObjectName(name);
  action->setShortcuts(keys);
  // The tool windows are windows of their own: the keys work whichever of them is active.
  action->setShortcutContext(Qt::ApplicationShortcut);
  return action;
}

}  // namespace

QAction* SetupHistory::CreateUndoAction(QObject* parent) {
  return ApplicationWide(stack_.createUndoAction(parent, "&Undo"), "undoAction",
                         {QKeySequence(Qt::CTRL | Qt::Key_Z)});
}

QAction* SetupHistory::CreateRedoAction(QObject* parent) {
  return ApplicationWide(
      stack_.createRedoAction(parent, "&Redo"), "redoAction",
      {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
}

}  // namespace kerf
