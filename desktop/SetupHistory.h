// SetupHistory: the undo stack of the set-up, and whether it differs from the last save or open.
#pragma once

#include <QObject>
#include <QUndoStack>
#include <functional>

#include "desktop/SetupStep.h"
#include "model/Model.h"

class QAction;

namespace kerf {

// One object of this class, owned by the owner of the windows, holds every undoable step of
// the run. A step is recorded after its edit was made (the window made it and rebuilt), or made
// and recorded in one call by Do. Undo and redo run the step's functions and then hand what
// they changed to the rebuild set by SetRebuild, which redraws as after the edit itself.
class SetupHistory : public QObject {
  Q_OBJECT

 public:
  explicit SetupHistory(QObject* parent = nullptr);

  // Takes a step whose edit has just been made. Ignored while an undo or redo runs or a hold
  // is in force, so that windows following the model do not record their own echo.
  void Record(SetupStep step);
  // Makes the edit (step.Redo) and records it when it changed something; returns the change.
  // The caller rebuilds as after any edit; nothing is recorded while held.
  SetupChange Do(SetupStep step);
  // A recorder for the windows, recording into this history.
  StepRecorder Recorder();

  // Called after every undo and redo with what the step changed.
  void SetRebuild(std::function<void(SetupChange)> rebuild) { rebuild_ = std::move(rebuild); }

  // While one of these lives, Record takes nothing: for a larger edit (Open) that is recorded
  // as one step of its own while the windows it updates would report pieces of it.
  class Hold {
   public:
    // Holds history until Release or the end of the hold; a null history holds nothing.
    explicit Hold(SetupHistory* history) : history_(history) {
      if (history_ != nullptr) ++history_->held_;
    }
    ~Hold() { Release(); }
    Hold(const Hold&) = delete;
    Hold& operator=(const Hold&) = delete;
    void Release() {
      if (history_ != nullptr) --history_->held_;
      history_ = nullptr;
    }

   private:
    SetupHistory* history_;
  };

  // The set-up now is the one in its file (after Save and Open): the modified mark goes.
  void MarkSaved() { stack_.setClean(); }
  // Forgets every step: the set-up now is where the history starts (a project opened at
  // start-up). The set-up counts as saved.
  void Clear() { stack_.clear(); }
  bool Modified() const { return !stack_.isClean(); }
  bool Applying() const { return applying_ > 0; }

  QUndoStack& Stack() { return stack_; }
  // Edit > Undo and Edit > Redo, named after the step they take ("Undo Cut #3"), with Ctrl+Z
  // and Ctrl+Shift+Z / Ctrl+Y working from every window of the program.
  QAction* CreateUndoAction(QObject* parent);
  QAction* CreateRedoAction(QObject* parent);

 signals:
  // The set-up became different from its file, or the same again.
  void modifiedChanged(bool modified);

 private:
  friend class StepCommand;
  void Applied(SetupChange change);

  QUndoStack stack_;
  std::function<void(SetupChange)> rebuild_;
  int held_ = 0;
  int applying_ = 0;
};

}  // namespace kerf
