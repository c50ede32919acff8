// MatchProfileDialog: "Match a Profile": the target, the stock, the search with progress, and the
// plan found drawn over its target.
#pragma once

#include <QDialog>
#include <QFuture>
#include <QFutureWatcher>
#include <atomic>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "desktop/Choosers.h"
#include "model/Model.h"
#include "model/match/ProfileMatch.h"

class QLabel;
class QLineEdit;
class QProgressDialog;
class QPushButton;
class QSpinBox;

namespace kerf {

class MatchPlanPanel;

// The target's edge in the section's pixels, handed to whoever draws it over the Profile
// picture; an empty list takes it away.
using TargetOverlay = std::function<void(std::vector<std::pair<int, int>> edge)>;

// The search as the dialog runs it: the same as MatchProfile; replaceable in tests.
using MatchSearch =
    std::function<MatchResult(const std::vector<Tool>&, const MatchTarget&, const MatchOptions&,
                              ProgressSink&, const std::atomic<bool>*)>;

class MatchProfileDialog : public QDialog {
  Q_OBJECT

 public:
  // The stock fields start at model's stock, in its display unit; the search uses its cutters.
  MatchProfileDialog(const Model& model, TargetOverlay overlay, QWidget* parent = nullptr);
  ~MatchProfileDialog() override;

  void SetFileChooser(FileChooser chooser) { chooseFile_ = std::move(chooser); }
  void SetSearch(MatchSearch search) { search_ = std::move(search); }

  // The target now named, read afresh: shown over the Profile picture, or its fault shown in
  // TargetMessage(). Runs whenever the file or the stock changes.
  void ReadTarget();
  // Match: starts the search on a worker thread with a progress dialog and Cancel, and
  // returns. A search that runs to its end shows its plan: the deviation picture, its legend and
  // the match report, with Apply and Set-up Sheet... enabled; a search stopped or failed is told
  // in TargetMessage(). SearchEnded follows either way. Changing the target, the stock, the
  // passes or the tolerance takes the plan shown away.
  void OnMatch();
  bool Searching() const { return waiting_ != nullptr; }

 signals:
  void SearchEnded();

 public:
  // After the dialog was accepted (Apply or Set-up Sheet...): what was searched for, what was
  // found, the stock the plan is made on, and whether its set-up sheet was asked for.
  const std::optional<MatchTarget>& Target() const { return target_; }
  const MatchResult& Found() const { return found_; }
  StockSetup PlanStock() const;
  bool SheetWanted() const { return sheetWanted_; }

  QLineEdit* TargetEdit() const { return targetEdit_; }
  // "Stock width" is the model's StockHeight, across the table; "Stock height" its StockWidth.
  QLineEdit* StockHeightEdit() const { return stockHeightEdit_; }
  QLineEdit* StockWidthEdit() const { return stockWidthEdit_; }
  QSpinBox* PassesBox() const { return passesBox_; }
  QLineEdit* ToleranceEdit() const { return toleranceEdit_; }
  QLabel* TargetMessage() const { return targetMessage_; }
  QPushButton* MatchButton() const { return matchButton_; }
  QPushButton* ApplyButton() const { return applyButton_; }
  QPushButton* SheetButton() const { return sheetButton_; }
  // The plan found, over its target, and its report; hidden until a plan is found.
  MatchPlanPanel* PlanPanel() const { return planPanel_; }

 private:
  // What the worker hands back: the plan, or why the search failed.
  struct SearchOutcome {
    MatchResult Found;
    std::string Failure;  // the exception's message; empty when the search ended normally
  };

  void OnBrowse();
  void OnSearchFinished();
  // The plan found shown, the dialog grown to hold it; and taken away.
  void ShowPlan();
  void ClearPlan();

  const Model& model_;
  TargetOverlay overlay_;
  FileChooser chooseFile_;
  MatchSearch search_;
  std::optional<MatchTarget> target_;
  MatchResult found_;
  std::atomic<bool> cancel_{false};
  QProgressDialog* waiting_ = nullptr;  // while a search runs
  QFuture<SearchOutcome> running_;
  QFutureWatcher<SearchOutcome> watcher_;
  QLineEdit* targetEdit_ = nullptr;
  QLineEdit* stockHeightEdit_ = nullptr;
  QLineEdit* stockWidthEdit_ = nullptr;
  QSpinBox* passesBox_ = nullptr;
  QLineEdit* toleranceEdit_ = nullptr;
  QLabel* targetMessage_ = nullptr;
  QPushButton* matchButton_ = nullptr;
  QPushButton* applyButton_ = nullptr;
  QPushButton* sheetButton_ = nullptr;
  MatchPlanPanel* planPanel_ = nullptr;
  bool sheetWanted_ = false;
};

}  // namespace kerf
