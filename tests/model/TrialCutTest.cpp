// Trial cuts: the figures and verdict a cut would get, found without making it, and when the
// kept section of the cut list is measured again.
#include "model/TrialCut.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/SectionRenderer.h"
#include "support/StraightCutter.h"

namespace kerf {
namespace {

using test::Straight;

// A 1/2" straight bit an inch long, a 3/4" one, and a slot cutter (1 1/2" across, 1/4" thick).
Model Workshop(int32_t width, int32_t height) {
  Model model;
  model.SetCutterLibrary(
      {Straight("Half", 25, 100), Straight("ThreeQuarter", 37, 100), Straight("Slot", 75, 25)});
  model.NewWorkpiece(width, height);
  return model;
}

// The figures the measuring pass finds for a cut at fence and height made after model's list.
CutFigures MadeAndMeasured(const Model& model, int32_t fence, int32_t height) {
  Model made = model;
  made.AppendCut(fence, height);
  return MeasureSection(made).Cuts.back().Figures;
}

void ExpectSameFigures(const CutFigures& a, const CutFigures& b, const std::string& what) {
  EXPECT_EQ(a.FenceBefore, b.FenceBefore) << what;
  EXPECT_EQ(a.TableBefore, b.TableBefore) << what;
  EXPECT_EQ(a.FenceAfter, b.FenceAfter) << what;
  EXPECT_EQ(a.TableAfter, b.TableAfter) << what;
  EXPECT_EQ(a.ShankBlocked, b.ShankBlocked) << what;
  EXPECT_EQ(a.PiecesBefore, b.PiecesBefore) << what;
  EXPECT_EQ(a.PiecesAfter, b.PiecesAfter) << what;
}

struct TrialCase {
  const char* name;
  int32_t width, height;
  int face;  // the state the trial is made in; the earlier cuts are made in face 3
  std::vector<std::vector<int32_t>> earlier;  // cutter, fence, height
  int cutter;
  int32_t fence, cutterHeight;
  Verdict verdict;
};

const TrialCase TrialCases[] = {
    {"a shallow rebate", 200, 200, 3, {}, 1, -13, 0, Verdict::CutOK},
    {"air", 200, 200, 3, {}, 1, -100, 0, Verdict::CutOK},
    {"a deep rebate", 200, 200, 3, {}, 2, 140, -60, Verdict::CutOK},
    {"a slot leaving a quarter of the table face", 200, 200, 3, {}, 3, 100, -10, Verdict::Caution},
    {"a slot taking the whole table face", 200, 100, 3, {}, 3, 50, -10, Verdict::Danger},
    {"a cut floating inside the stock", 200, 200, 3, {}, 1, 100, 50, Verdict::Danger},
    {"a groove parting a thin board", 50, 200, 3, {}, 2, 100, -25, Verdict::Danger},
    {"a rebate after turning", 200, 150, 4, {{1, -13, 0}, {3, 0, 40}}, 2, -20, 0, Verdict::Caution},
    {"a rebate after turning that parts the stock",
     200,
     150,
     4,
     {{1, -13, 0}, {3, 0, 40}},
     2,
     20,
     0,
     Verdict::Danger},
    {"a rebate after flipping",
     300,
     100,
     7,
     {{2, 30, -50}, {1, 60, -40}},
     2,
     80,
     -40,
     Verdict::Caution},
};

TEST(TrialCut, FindsWhatMakingTheCutWouldMeasure) {
  for (const TrialCase& c : TrialCases) {
    Model model = Workshop(c.width, c.height);
    for (const auto& e : c.earlier) {
      model.SetCurrentCutter(e[0]);
      model.AppendCut(e[1], e[2]);
    }
    const std::vector<Cut> stored = model.Cuts();
    model.SetFaceOnTable(c.face);
    model.SetCurrentCutter(c.cutter);

    TrialCut trial;
    const CutFigures& judged = trial.Judge(model, c.fence, c.cutterHeight);
    ExpectSameFigures(judged, MadeAndMeasured(model, c.fence, c.cutterHeight), c.name);
    EXPECT_EQ(trial.Judged(), c.verdict) << c.name;
    EXPECT_EQ(trial.Last().Fence, c.fence);
    EXPECT_EQ(trial.Last().Height, c.cutterHeight);
    EXPECT_EQ(trial.Last().Face, c.face);
    EXPECT_EQ(trial.Last().Cutter, c.cutter);

    // The model keeps its cuts.
    ASSERT_EQ(model.CutCount(), static_cast<int>(stored.size())) << c.name;
    for (size_t i = 0; i < stored.size(); ++i) {
      EXPECT_EQ(model.Cuts()[i].Fence, stored[i].Fence) << c.name;
      EXPECT_EQ(model.Cuts()[i].Height, stored[i].Height) << c.name;
    }
  }
}

TEST(TrialCut, NamesTheProblemsOfACutNoTableCanMake) {
  Model model = Workshop(50, 200);
  model.SetCurrentCutter(2);
  TrialCut trial;
  EXPECT_EQ(CutProblem(trial.Judge(model, 100, -25)), "severs the stock into 2 pieces");
  model.NewWorkpiece(200, 200);
  EXPECT_EQ(CutProblem(trial.Judge(model, 100, 50)),
            "impossible: the shank passes through the stock");
  EXPECT_EQ(CutProblem(trial.Judge(model, -13, 0)), "");
}

TEST(TrialCut, MovingTheCutterReusesTheMeasuredList) {
  Model model = Workshop(200, 200);
  model.AppendCut(-13, 0);
  TrialCut trial;
  for (int32_t fence = -50; fence <= 100; fence += 10) {
    const CutFigures& judged = trial.Judge(model, fence, -10);
    ExpectSameFigures(judged, MadeAndMeasured(model, fence, -10), std::to_string(fence));
  }
  EXPECT_EQ(trial.ListMeasurements(), 1);

  // Whatever the list's section follows from measures it again, and the answer follows.
  struct Change {
    const char* name;
    void (*apply)(Model&);
  };
  const Change changes[] = {
      {"a new cut", [](Model& m) { m.AppendCut(0, 60); }},
      {"a moved cut", [](Model& m) { m.MoveCutUp(2); }},
      {"a turn", [](Model& m) { m.RotateStockClockwise(); }},
      {"a new stock", [](Model& m) { m.NewWorkpiece(300, 120); }},
      {"another library", [](Model& m) { m.ReloadCutterLibrary({Straight("Half", 40, 100)}); }},
  };
  long long measured = trial.ListMeasurements();
  for (const Change& change : changes) {
    change.apply(model);
    ExpectSameFigures(trial.Judge(model, 30, -20), MadeAndMeasured(model, 30, -20), change.name);
    EXPECT_EQ(trial.ListMeasurements(), ++measured) << change.name;
  }
  // The cutter the trial is made with is not part of the list.
  model.SetCurrentCutter(1);
  trial.Judge(model, 30, -20);
  EXPECT_EQ(trial.ListMeasurements(), measured);
}

TEST(TrialCut, WithoutACutterNothingIsCut) {
  Model model;
  model.NewWorkpiece(200, 200);
  TrialCut trial;
  const CutFigures& judged = trial.Judge(model, 50, -20);
  EXPECT_EQ(judged.FenceBefore, judged.FenceAfter);
  EXPECT_EQ(judged.TableAfter, 100.0f);
  EXPECT_EQ(trial.Judged(), Verdict::CutOK);
}

}  // namespace
}  // namespace kerf
