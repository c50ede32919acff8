// File > Match a Profile...: the search for a plan that makes a target, put in as the set-up.
#pragma once

#include <QString>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

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
  // Shows the match report; the box stays up while the target is drawn over the plan.
  MessageShower showReport;
  // Runs the dialog and gives its result (QDialog::exec unless a test replaces it).
  std::function<int(MatchProfileDialog&)> runDialog;
};

// Opens the Match a Profile dialog with the target drawn over the Profile picture as it is
// chosen. A search that ran to its end puts its plan in as the set-up, as one undoable step
// "Match a Profile" (the stock, the face on the table and the cuts; the look stays), then
// shows the match report. Cancelling changes nothing. Returns whether a plan was put in.
bool OnMatchProfile(const MatchProfileWindows& windows);

// The match report's lines as one text.
QString MatchReportText(const std::vector<std::string>& reportLines);

}  // namespace kerf
