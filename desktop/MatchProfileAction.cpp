// File > Match a Profile...: the search for a plan that makes a target, put in as the set-up.
#include "desktop/MatchProfileAction.h"

#include "desktop/MatchProfileDialog.h"
#include "desktop/ProfileWindow.h"
#include "desktop/SetupHistory.h"
#include "desktop/StockSizeDialog.h"

namespace kerf {

bool OnMatchProfile(const MatchProfileWindows& w) {
  ProfileWindow& profile = w.profile;
  MatchProfileDialog dialog(
      w.model, [&profile](std::vector<std::pair<int, int>> edge) { profile.SetOverlay(edge); },
      w.parent);
  const int answer = w.runDialog ? w.runDialog(dialog) : dialog.exec();
  if (answer != QDialog::Accepted || !dialog.Target()) return false;

  Model& model = w.model;
  StockSizeDialog& config = w.config;
  const WorkSetup before = model.TakeSetup();
  WorkSetup plan = before;
  const StockSetup stock = dialog.PlanStock();
  plan.StockWidth = stock.Width;
  plan.StockHeight = stock.Height;
  plan.FaceOnTable = stock.FaceOnTable;
  plan.Cuts = dialog.Found().Cuts;
  const auto put = [&model, &config](const WorkSetup& setup) {
    config.SetStockSliders(setup.StockWidth, setup.StockHeight);
    return model.ReplaceSetup(setup);
  };
  const SetupChange changed = w.history.Do(SetupStep{
      "Match a Profile", [put, plan] { return put(plan); }, [put, before] { return put(before); }});
  if (w.rebuild) w.rebuild(changed);
  profile.SetOverlay({});
  if (dialog.SheetWanted() && w.printSheet) w.printSheet(model);
  return true;
}

}  // namespace kerf
