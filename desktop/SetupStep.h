// SetupStep: one undoable change of the set-up as the windows hand it to the program's history.
#pragma once

#include <QString>
#include <functional>

#include "model/Model.h"

namespace kerf {

// An edit that has just been made, described so that it can be undone and made again. Text
// names it in the Edit menu ("Cut #3" gives "Undo Cut #3"). Redo makes the edit again on the
// set-up as it was before it, Undo takes it back from the set-up as it was after it; each
// returns what it changed, which tells the owner what to rebuild.
struct SetupStep {
  QString Text;
  std::function<SetupChange()> Redo;
  std::function<SetupChange()> Undo;
};

// Takes a step the window has already made. Windows are handed one by the owner of the
// history; while they have none, their edits are simply not recorded.
using StepRecorder = std::function<void(SetupStep step)>;

// Hands the step to recorder when there is one.
inline void RecordStep(const StepRecorder& recorder, QString text,
                       std::function<SetupChange()> redo, std::function<SetupChange()> undo) {
  if (recorder) recorder(SetupStep{std::move(text), std::move(redo), std::move(undo)});
}

}  // namespace kerf
