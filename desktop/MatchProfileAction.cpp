// File > Match a Profile...: the search for a plan that makes a target, put in as the set-up.
#include "desktop/MatchProfileAction.h"

#include <QStringList>

#include "desktop/MatchProfileDialog.h"
#include "desktop/ProfileWindow.h"
#include "desktop/SetupHistory.h"
#include "desktop/StockSizeDialog.h"
#include "model/match/ProfileMatch.h"
#include "project/MatchTargetFile.h"

namespace kerf {

QString MatchReportText(const std::vector<std::string>& reportLines) {
  QStringList lines;
  for (const std::string& line : reportLines) lines << QString::fromStdString(line);
  return lines.join('\n');
}

bool OnMatchProfile(const MatchProfileWindows& w) {
  ProfileWindow& profile = w.profile;
  MatchProfileDialog dialog(
      w.model, [&profile](std::vector<std::pair<int, int>> edge) { profile.SetOverlay(edge); },
      w.parent);
  const int answer = w.runDialog ? w.runDialog(dialog) : dialog.exec();
  if (answer != QDialog::Accepted || !dialog.Target()) return false;

  const MatchTarget& target = *dialog.Target();
  const MatchResult& found = dialog.Found();
  Model& model = w.model;
  StockSizeDialog& config = w.config;
  const WorkSetup before = model.TakeSetup();
  WorkSetup plan = before;
  plan.StockWidth = target.StockWidth;
  plan.StockHeight = target.StockHeight;
  plan.FaceOnTable = found.FaceOnTable >= 1 && found.FaceOnTable <= 8 ? found.FaceOnTable : 3;
  plan.Cuts = found.Cuts;
  const auto put = [&model, &config](const WorkSetup& setup) {
    config.SetStockSliders(setup.StockWidth, setup.StockHeight);
    return model.ReplaceSetup(setup);
  };
  const SetupChange changed = w.history.Do(SetupStep{
      "Match a Profile", [put, plan] { return put(plan); }, [put, before] { return put(before); }});
  if (w.rebuild) w.rebuild(changed);
  // The target stays drawn over the plan's section while the report is read.
  profile.SetOverlay(MatchTargetBoundary(target));
  const QString report = MatchReportText(MatchReportLines(found, target, model.Unit()));
  if (w.showReport) w.showReport(report);
  profile.SetOverlay({});
  return true;
}

}  // namespace kerf
