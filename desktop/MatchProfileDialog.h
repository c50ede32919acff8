// MatchProfileDialog: "Match a Profile": the target, the stock, and the search with progress.
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
  // returns. The dialog is accepted when the search runs to its end; a search stopped or failed
  // is told in TargetMessage(). SearchEnded follows either way.
  void OnMatch();
  bool Searching() const { return waiting_ != nullptr; }

 signals:
  void SearchEnded();

 public:
  // After the dialog was accepted: what was searched for and what was found.
  const std::optional<MatchTarget>& Target() const { return target_; }
  const MatchResult& Found() const { return found_; }

  QLineEdit* TargetEdit() const { return targetEdit_; }
  // "Stock width" is the model's StockHeight, across the table; "Stock height" its StockWidth.
  QLineEdit* StockHeightEdit() const { return stockHeightEdit_; }
  QLineEdit* StockWidthEdit() const { return stockWidthEdit_; }
  QSpinBox* PassesBox() const { return passesBox_; }
  QLineEdit* ToleranceEdit() const { return toleranceEdit_; }
  QLabel* TargetMessage() const { return targetMessage_; }
  QPushButton* MatchButton() const { return matchButton_; }

 private:
  // What the worker hands back: the plan, or why the search failed.
  struct SearchOutcome {
    MatchResult Found;
    std::string Failure;  // the exception's message; empty when the search ended normally
  };

  void OnBrowse();
  void OnSearchFinished();

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
};

}  // namespace kerf
