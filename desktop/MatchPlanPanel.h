// MatchPlanPanel: the plan a match found, drawn over its target with a legend, beside its report.
#pragma once

#include <QSize>
#include <QWidget>
#include <vector>

#include "model/LengthText.h"
#include "model/Section.h"
#include "model/Tool.h"
#include "model/match/ProfileMatch.h"

class QLabel;
class QTextEdit;

namespace kerf {

class MatchPlanPanel : public QWidget {
 public:
  explicit MatchPlanPanel(QWidget* parent = nullptr);

  // Shows plan, made with cutters on stock, over target: where it leaves wood the target removes
  // and where it cuts into wood the target keeps, beyond the plan's tolerance or within it; and
  // the match report in unit, its box as wide and high as its text within textRoom.
  void Show(const MatchResult& plan, const MatchTarget& target, const StockSetup& stock,
            const std::vector<Tool>& cutters, LengthUnit unit, QSize textRoom);

  QLabel* Picture() const { return picture_; }
  QTextEdit* Report() const { return report_; }

 private:
  QLabel* picture_ = nullptr;
  QTextEdit* report_ = nullptr;
};

// A report line for a box that wraps: the spaces within a length ("1 1/4"", "3.2 mm") become
// spaces that do not break.
QString KeepLengthsWhole(const std::string& line);

}  // namespace kerf
