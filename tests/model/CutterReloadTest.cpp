// Reloading the cutter library while cutting: cuts and the current cutter follow their files.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/Model.h"

namespace kerf {
namespace {

std::vector<Tool> Library(const std::vector<std::string>& files) {
  std::vector<Tool> tools;
  for (const std::string& file : files) {
    Tool tool;
    tool.FileName = file;
    tool.Name = file;
    tools.push_back(tool);
  }
  return tools;
}

TEST(CutterReload, CutsAndTheCurrentCutterKeepTheirFilesWhereverTheyNowStand) {
  const struct {
    std::vector<std::string> Before, After;
    std::string Current;  // current cutter's file before the reload
    int CutCutterAfter;   // the cut's cutter number afterwards
    int CurrentAfter;
  } cases[] = {
      // A new cutter ahead of both: every number moves up by one.
      {{"b.bmp", "c.bmp"}, {"a.bmp", "b.bmp", "c.bmp"}, "c.bmp", 2, 3},
      // The same library: nothing moves.
      {{"b.bmp", "c.bmp"}, {"b.bmp", "c.bmp"}, "b.bmp", 1, 1},
      // The cut's cutter is gone: it names no cutter and keeps its file name; the current
      // cutter gone too leaves the first one mounted.
      {{"b.bmp", "c.bmp"}, {"c.bmp"}, "b.bmp", 0, 1},
  };
  for (const auto& c : cases) {
    Model model;
    model.SetCutterLibrary(Library(c.Before));
    model.NewWorkpiece(200, 200);
    model.SetCurrentCutter(model.FindCutter("b.bmp"));
    model.AppendCut(10, 20);
    model.SetCurrentCutter(model.FindCutter(c.Current));

    model.ReloadCutterLibrary(Library(c.After));
    EXPECT_EQ(model.CutAt(1).Cutter, c.CutCutterAfter);
    EXPECT_EQ(model.CutAt(1).CutterFileName, "b.bmp");
    EXPECT_EQ(model.CurrentCutter(), c.CurrentAfter);
  }
}

// A cut taken away before a reload and put back after it (what undoing a delete, an edit or an
// Open does) finds its cutter by file name, not by the number it had.
TEST(CutterReload, CutsPutBackAfterAReloadFindTheirCutterByName) {
  Model model;
  model.SetCutterLibrary(Library({"b.bmp", "c.bmp"}));
  model.NewWorkpiece(200, 200);
  model.SetCurrentCutter(2);
  model.AppendCut(10, 20);
  model.AppendCut(30, 40);
  const WorkSetup before = model.TakeSetup();
  const Cut removed = model.DeleteCut(1).Before;
  const Cut replaced = model.ReplaceCut(1, removed).Before;

  model.ReloadCutterLibrary(Library({"a.bmp", "b.bmp", "c.bmp"}));  // c is now cutter 3
  EXPECT_TRUE(model.ReplaceCut(1, replaced));
  EXPECT_TRUE(model.InsertCut(1, removed));
  for (int row : {1, 2}) EXPECT_EQ(model.CutAt(row).Cutter, 3) << "cut " << row;
  model.ReplaceSetup(before);
  for (int row : {1, 2}) EXPECT_EQ(model.CutAt(row).Cutter, 3) << "setup, cut " << row;
}

}  // namespace
}  // namespace kerf
