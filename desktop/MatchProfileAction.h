// File > Match a Profile...: the search for a plan that makes a target, put in as the set-up.
#pragma once

#include <QWidget>
#include <functional>

#include "desktop/Choosers.h"
#include "model/Model.h"

namespace kerf {

class MatchProfileDialog;
class ProfileWindow;
class SetupHistory;
class StockSizeDialog;

struct MatchProfileWindows {
  Model& model;
  SetupHistory& history;
  ProfileWindow& profile;
  StockSizeDialog& config;
  QWidget* parent = nullptr;
  // The rebuild after an edit of the set-up (section, moulding, grid, face label).
  std::function<void(SetupChange)> rebuild;
  // Prints the set-up sheet of model, which holds the plan just put in (the dialog's Set-up
  // Sheet...); File > Print Set-up Sheet... in the program.
  std::function<void(const Model&)> printSheet;
  // Runs the dialog and gives its result (QDialog::exec unless a test replaces it).
  std::function<int(MatchProfileDialog&)> runDialog;
};

// Opens the Match a Profile dialog with the target drawn over the Profile picture as it is
// chosen. The plan the dialog shows is put in as the set-up by Apply or Set-up Sheet..., as one
// undoable step "Match a Profile" (the stock, the face on the table and the cuts; the look
// stays); Set-up Sheet... then prints the sheet of the set-up so made. Cancelling changes
// nothing. Returns whether a plan was put in.
bool OnMatchProfile(const MatchProfileWindows& windows);

}  // namespace kerf
