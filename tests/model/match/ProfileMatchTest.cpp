// The profile matcher: cutter shapes against the renderer, known plans found again, shortfalls.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <string>
#include <thread>
#include <vector>

#include "model/CutVerdict.h"
#include "model/SectionRenderer.h"
#include "model/match/MatchOrder.h"
#include "model/match/MatchSearch.h"
#include "model/match/ProfileMatch.h"

namespace kerf {
namespace {

Tool MadeCutter(const std::string& name, int rows, float (*radius)(int row)) {
  Tool tool;
  tool.Name = name;
  tool.FileName = name + ".bmp";
  tool.RowCount = rows;
  for (int l = 1; l <= rows; ++l) tool.Profile[static_cast<size_t>(l)] = radius(l);
  return tool;
}

// A straight bit, a cove, a chamfer and a roundover-like bit with a pilot row.
std::vector<Tool> Cutters() {
  return {
      MadeCutter("straight", 80, [](int) { return 25.0f; }),
      MadeCutter("cove", 50, [](int l) { return 30.0f + static_cast<float>(l * (50 - l)) / 40; }),
      MadeCutter("chamfer", 50, [](int l) { return 60.0f - static_cast<float>(l); }),
      MadeCutter("roundover", 45,
                 [](int l) {
                   return l <= 5 ? 12.0f
                                 : 12.0f + 40.0f -
                                       std::sqrt(static_cast<float>(1600 - (l - 5) * (l - 5)));
                 }),
  };
}

struct Plan {
  int32_t width, height, face;  // stock and the state the section is seen in
  std::vector<Cut> cuts;
};

Cut MadeCut(int cutter, int face, int32_t fence, int32_t height) {
  Cut cut;
  cut.Cutter = cutter;
  cut.Face = face;
  cut.Fence = fence;
  cut.Height = height;
  cut.CutterFileName = Cutters()[static_cast<size_t>(cutter - 1)].FileName;
  return cut;
}

// The plan made on model, measured into section.
void MakePlan(const std::vector<Tool>& cutters, const Plan& plan, Model& model, Section& section) {
  model.SetCutterLibrary(cutters);
  WorkSetup setup = model.TakeSetup();
  setup.StockWidth = plan.width;
  setup.StockHeight = plan.height;
  setup.FaceOnTable = plan.face;
  setup.Cuts = plan.cuts;
  model.ReplaceSetup(setup);
  section = MeasureSection(model);
}

Raster Measured(const std::vector<Tool>& cutters, const Plan& plan) {
  Model model;
  Section section;
  MakePlan(cutters, plan, model, section);
  return section.Picture;
}

MatchTarget TargetOf(const Raster& section, const Plan& plan) {
  MatchTarget target;
  target.StockWidth = plan.width;
  target.StockHeight = plan.height;
  target.FaceOnTable = plan.face;
  target.Keep.resize(static_cast<size_t>(SectionSize) * SectionSize);
  for (int y = 0; y < SectionSize; ++y)
    for (int x = 0; x < SectionSize; ++x)
      target.Keep[static_cast<size_t>(y * SectionSize + x)] = section.Row(y)[x] != White;
  return target;
}

int DifferentPixels(const Raster& a, const Raster& b) {
  int count = 0;
  for (int y = 0; y < SectionSize; ++y) {
    if (std::equal(a.Row(y), a.Row(y) + SectionSize, b.Row(y))) continue;
    for (int x = 0; x < SectionSize; ++x) count += (a.Row(y)[x] != White) != (b.Row(y)[x] != White);
  }
  return count;
}

// The pixels the search expects a cut to remove are those the renderer removes, in every
// orientation case, from both sides of every stock state's rectangle.
TEST(ProfileMatch, CutShapesPaintWhatTheRendererPaints) {
  const std::vector<Tool> cutters = Cutters();
  const struct { int32_t fence, height; } settings[] = {{30, 10}, {-15, 55}, {250, 137}};
  for (int face : {3, 6}) {
    const Plan bare{300, 170, face, {}};
    const Raster stock = Measured(cutters, bare);
    int left = 0, top = 0;
    match::StockRectangle(bare.width, bare.height, face, left, top);
    for (int cutter = 1; cutter <= static_cast<int>(cutters.size()); ++cutter) {
      for (int orientationCase = 1; orientationCase <= 8; ++orientationCase) {
        for (const auto& s : settings) {
          Plan plan = bare;
          plan.cuts = {
              MadeCut(cutter, match::FaceForCase(orientationCase, face), s.fence, s.height)};
          const Raster actual = Measured(cutters, plan);
          const int turn = match::TurnOfCase(orientationCase);
          int v = 0, u = 0;
          match::AnchorOf(orientationCase, s.fence, s.height, left, top, v, u);
          std::vector<uint8_t> painted(static_cast<size_t>(SectionSize) * SectionSize, 0);
          match::PaintPlacement(match::ShapeOf(cutters[static_cast<size_t>(cutter - 1)], turn),
                                turn, v, u, painted, 1);
          // Cuts only whiten, so only the stock's rectangle can differ.
          int wrong = 0;
          for (int y = top; y < SectionSize; ++y) {
            for (int x = left; x < SectionSize; ++x) {
              const bool cut = painted[static_cast<size_t>(y * SectionSize + x)] != 0;
              wrong += (actual.Row(y)[x] != White) != (stock.Row(y)[x] != White && !cut);
            }
          }
          EXPECT_EQ(wrong, 0) << "cutter " << cutter << " case " << orientationCase << " face "
                              << face << " fence " << s.fence << " height " << s.height;
        }
      }
    }
  }
}

// A target made by one cut is matched pixel for pixel by a plan of one cut. (Each cut can be
// made: its axis lies behind the fence face or its lowest row below the table.)
TEST(ProfileMatch, OneCutTargetIsFoundExactly) {
  const std::vector<Tool> cutters = Cutters();
  const Plan plans[] = {
      {200, 200, 3, {MadeCut(2, 3, -10, 10)}},   // a cove on the fence edge
      {300, 100, 6, {MadeCut(3, 1, -15, 10)}},   // a chamfer, cut in another state
      {150, 400, 1, {MadeCut(1, 7, 120, -30)}},  // a groove of a straight bit
      {250, 180, 8, {MadeCut(4, 4, -12, 0)}},    // a roundover with its pilot
  };
  for (const Plan& plan : plans) {
    const Raster section = Measured(cutters, plan);
    const MatchTarget target = TargetOf(section, plan);
    MatchOptions options;
    options.Threads = 2;
    options.BeamWidth = 3;
    NoProgress progress;
    const MatchResult result = MatchProfile(cutters, target, options, progress);
    SCOPED_TRACE("stock " + std::to_string(plan.width) + " x " + std::to_string(plan.height));
    EXPECT_TRUE(result.Reached);
    // One cut, made in passes of rising depth where it takes more wood than one pass takes.
    ASSERT_EQ(result.Cuts.size(),
              result.Deep.empty() ? 1u : static_cast<size_t>(result.Deep[0].Count));
    EXPECT_EQ(result.DeviationX, -1);
    EXPECT_DOUBLE_EQ(result.AreaReachedPercent, 100.0);
    EXPECT_TRUE(result.Shortfalls.empty());
    EXPECT_GT(result.CandidatesMeasured, 0);
    Plan found = plan;
    found.cuts = result.Cuts;
    EXPECT_EQ(DifferentPixels(Measured(cutters, found), section), 0);
  }
}

// Cutters that cannot touch the target are left out before anything is measured: the plan
// and the count of placements measured are those of the library without them.
TEST(ProfileMatch, CuttersThatCannotCutAreNeverMeasured) {
  const Plan plan{200, 200, 3, {MadeCut(2, 3, -10, 10)}};
  const MatchTarget target = TargetOf(Measured(Cutters(), plan), plan);
  Tool copy = Cutters()[1];
  copy.FileName = "copy of cove.bmp";
  const std::vector<Tool> extras[] = {
      {MadeCutter("no cutting row", 40, [](int) { return 0.0f; })},
      {copy},
  };
  MatchOptions options;
  options.Threads = 2;
  options.BeamWidth = 3;
  NoProgress progress;
  const std::vector<Tool> cutters = Cutters();
  const MatchResult bare = MatchProfile(cutters, target, options, progress);
  for (const std::vector<Tool>& extra : extras) {
    SCOPED_TRACE(extra[0].FileName);
    std::vector<Tool> library = cutters;
    library.insert(library.end(), extra.begin(), extra.end());
    const MatchResult result = MatchProfile(library, target, options, progress);
    EXPECT_EQ(result.CandidatesMeasured, bare.CandidatesMeasured);
    ASSERT_EQ(result.Cuts.size(), bare.Cuts.size());
    for (size_t i = 0; i < result.Cuts.size(); ++i)
      EXPECT_EQ(result.Cuts[i].CutterFileName, bare.Cuts[i].CutterFileName);
  }
}

// A slot widening under a neck on the top face: the straight bit, as wide as the neck, makes
// the neck and the slot's middle; nothing reaches the wings on either side without passing
// through wood that stays, so each is named as a part no cutter can make.
TEST(ProfileMatch, UndercutNoCutterCanMakeIsNamed) {
  const std::vector<Tool> cutters = {Cutters()[0]};
  const Plan bare{200, 200, 3, {}};
  MatchTarget target = TargetOf(Measured(cutters, bare), bare);
  int left = 0, top = 0;
  match::StockRectangle(bare.width, bare.height, bare.face, left, top);
  auto clear = [&](int x0, int y0, int x1, int y1) {
    for (int y = y0; y < y1; ++y)
      for (int x = x0; x < x1; ++x) target.Keep[static_cast<size_t>(y * SectionSize + x)] = 0;
  };
  clear(left + 35, top, left + 57, top + 30);       // the neck, as wide as the bit
  clear(left + 20, top + 30, left + 72, top + 45);  // the wide slot under it
  MatchOptions options;
  options.Threads = 2;
  options.BeamWidth = 3;
  NoProgress progress;
  const MatchResult result = MatchProfile(cutters, target, options, progress);
  EXPECT_FALSE(result.Reached);
  EXPECT_GT(result.AreaReachedPercent, 50.0);  // the neck and the slot below it
  EXPECT_LT(result.AreaReachedPercent, 100.0);
  EXPECT_EQ(std::count_if(result.Shortfalls.begin(), result.Shortfalls.end(),
                          [](const MatchShortfall& s) { return s.NoCutter; }),
            2);
  EXPECT_TRUE(result.DangerCuts.empty());
  const std::vector<std::string> lines = MatchReportLines(result, target, LengthUnit::Imperial);
  for (const char* face : {"the face away from the fence,", "the fence face,"}) {
    const std::string start =
        std::string("No cutter in the library can make the part near ") + face;
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(),
                            [&](const std::string& line) { return line.rfind(start, 0) == 0; }))
        << "no line names the wing near " << face;
  }
}

// Plans of two cuts whose order as given has a Danger cut (a shank through the stock, too
// little left on the table) while the other order has none: the safe order found makes the
// same section, pixel for pixel, with no Danger cut.
TEST(ProfileMatch, SafeOrderMakesTheSameSection) {
  const std::vector<Tool> cutters = Cutters();
  const Plan plans[] = {
      {238, 150, 4, {MadeCut(1, 5, 22, 9), MadeCut(2, 5, -3, -32)}},
      {207, 88, 7, {MadeCut(3, 2, 23, 10), MadeCut(3, 2, 3, -8)}},
  };
  for (const Plan& plan : plans) {
    SCOPED_TRACE("stock " + std::to_string(plan.width) + " x " + std::to_string(plan.height));
    Model model;
    Section section;
    MakePlan(cutters, plan, model, section);
    ASSERT_TRUE(std::any_of(section.Cuts.begin(), section.Cuts.end(),
                            [](const CutResult& cut) { return cut.Judged == Verdict::Danger; }));
    const MatchTarget target = TargetOf(section.Picture, plan);
    const match::TargetPicture picture = match::AnalyseTarget(target, 1.0 / 64);
    std::vector<match::Candidate> placements;
    for (const Cut& cut : plan.cuts) {
      match::Candidate p;
      ASSERT_TRUE(match::PlacementOfCut(cut, plan.face, picture.Left, picture.Top, p));
      placements.push_back(p);
    }
    const match::OrderedPlan ordered =
        match::OrderSafely(cutters, target, picture, placements, 400);
    EXPECT_TRUE(ordered.DangerCuts.empty());
    EXPECT_EQ(ordered.Cuts.size(), plan.cuts.size());
    EXPECT_EQ(DifferentPixels(ordered.Section, section.Picture), 0);
    Plan made = plan;
    made.cuts = ordered.Cuts;
    EXPECT_EQ(DifferentPixels(Measured(cutters, made), section.Picture), 0);
  }
}

// Nothing to search with, or nothing to do: an empty library leaves the whole groove as a
// part no cutter can make; a target that removes nothing is reached with no cut.
TEST(ProfileMatch, EmptyLibraryAndBareTarget) {
  const Plan groove{200, 200, 3, {MadeCut(1, 3, 60, -40)}};
  const Plan bare{200, 200, 3, {}};
  MatchOptions options;
  options.Threads = 2;
  NoProgress progress;
  const MatchResult none =
      MatchProfile({}, TargetOf(Measured(Cutters(), groove), groove), options, progress);
  EXPECT_FALSE(none.Reached);
  EXPECT_TRUE(none.Cuts.empty());
  EXPECT_DOUBLE_EQ(none.AreaReachedPercent, 0.0);
  ASSERT_EQ(none.Shortfalls.size(), 1u);
  EXPECT_TRUE(none.Shortfalls[0].NoCutter);
  const MatchResult nothing =
      MatchProfile(Cutters(), TargetOf(Measured(Cutters(), bare), bare), options, progress);
  EXPECT_TRUE(nothing.Reached);
  EXPECT_TRUE(nothing.Cuts.empty());
  EXPECT_DOUBLE_EQ(nothing.AreaReachedPercent, 100.0);
  EXPECT_EQ(nothing.DeviationX, -1);
}

// A kept pixel may be cut, and a removed one left, only within the tolerance: its centre no
// further than the tolerance beyond the boundary, which lies half a pixel (0.011") from the
// centres of the pixels on either side of it.
TEST(ProfileMatch, ToleranceInPixels) {
  const std::vector<Tool> cutters = Cutters();
  const Plan bare{200, 200, 3, {}};
  MatchTarget target = TargetOf(Measured(cutters, bare), bare);
  int left = 0, top = 0;
  match::StockRectangle(bare.width, bare.height, bare.face, left, top);
  // A groove ten pixels wide from the top face to the table face.
  for (int y = top; y < SectionSize; ++y)
    for (int x = left + 40; x < left + 50; ++x)
      target.Keep[static_cast<size_t>(y * SectionSize + x)] = 0;
  const struct {
    double tolerance;
    int x;  // pixels from the groove's right wall: < 0 inside the groove, >= 0 in the wood
    match::PixelClass expected;
  } table[] = {
      {1.0 / 64, 0, match::Allowed},   {1.0 / 64, 1, match::Forbidden},
      {1.0 / 64, -1, match::Optional}, {1.0 / 64, -2, match::Must},
      {1.0 / 32, 0, match::Allowed},   {1.0 / 32, 1, match::Forbidden},
      {1.0 / 16, 2, match::Allowed},   {1.0 / 16, 3, match::Forbidden},
      {1.0 / 16, -3, match::Optional}, {1.0 / 16, -5, match::Must},
      {0.0, 0, match::Forbidden},      {0.0, -1, match::Must},
  };
  double analysed = -1;
  match::TargetPicture picture;
  for (const auto& row : table) {
    if (row.tolerance != analysed) picture = match::AnalyseTarget(target, analysed = row.tolerance);
    const size_t i = static_cast<size_t>((top + 20) * SectionSize + left + 50 + row.x);
    EXPECT_EQ(picture.Class[i], row.expected) << "tolerance " << row.tolerance << " at " << row.x;
  }
}

// The report's lines for a plan that reached its target, its one cut Caution, in both units:
// fractions reduced, the worst deviation where it lies, the Caution cut's reason.
TEST(ProfileMatch, ReportLines) {
  MatchTarget target;
  target.StockWidth = 200;
  target.StockHeight = 300;
  target.FaceOnTable = 3;
  target.Name = "moulding.svg";
  MatchResult result;
  result.FaceOnTable = 3;
  result.Reached = true;
  result.TrueSize = true;
  result.AreaReachedPercent = 99.96;
  result.StandingInches = 0.011;
  result.StandingAt = {true, "the fence face", 0.42, 1.3125};
  result.Cuts = {MadeCut(2, 1, -10, 25)};
  CutFigures figures;
  figures.FenceAfter = 40;
  figures.TableAfter = 90;
  result.Judged = {{figures, JudgeCutOnTable(figures)}};
  result.SoundPlans = 3;
  result.PlansJudged = 4;
  result.CandidatesMeasured = 5000;
  result.Seconds = 2;
  EXPECT_EQ(
      MatchReportLines(result, target, LengthUnit::Imperial),
      (std::vector<std::string>{
          "Match of moulding.svg on 2\" x 3\" stock, face 3 on the table",
          "Reached: the worst deviation, 0.011\" (0.28 mm), is within the tolerance of 1/64\" "
          "(0.40 mm)",
          "Wood left standing: 0.011\" (0.28 mm) at most, near the fence face, 27/64\" from the "
          "fence and 1 5/16\" above the table",
          "Cut too deep: none",
          "Measured at true size, 2 pixels a hundredth of an inch",
          "Area reached: 100.0% of the material the target removes",
          "Danger cuts: none",
          "Plan: 1 cut with 1 cutter",
          "  Cut #1: cove, face 1, height 1/4\", fence -3/32\" (Caution)",
          "    Caution: only 40% of the stock bears on the fence after it",
          "Caution cuts are kept: no plan of Cut OK cuts reaches the target",
          "Sound plans: 3 of 4 judged",
          "Candidates measured: 5000 in 2.00 s (2500 a second)",
      }));
  const std::vector<std::string> metric = MatchReportLines(result, target, LengthUnit::Metric);
  ASSERT_EQ(metric.size(), 13u);
  EXPECT_EQ(metric[1],
            "Reached: the worst deviation, 0.011\" (0.28 mm), is within the tolerance "
            "of 0.40 mm");
  EXPECT_EQ(metric[2],
            "Wood left standing: 0.011\" (0.28 mm) at most, near the fence face, 10.7 mm from the "
            "fence and 33.3 mm above the table");
}

// Progress comes on the calling thread only, begun and ended once, moving forwards; a cancel
// asked for from the progress report ends the search with the plan found so far.
class RecordedProgress final : public ProgressSink {
 public:
  explicit RecordedProgress(std::atomic<bool>* cancel) : cancel_(cancel) {}
  void Begin(const std::string&, int maximum) override {
    ++begun;
    last = maximum;
    Note();
  }
  void Step(int position) override {
    forwards = forwards && position > previous && position >= 1 && position <= last;
    previous = position;
    ++steps;
    if (cancel_ != nullptr) cancel_->store(true);
    Note();
  }
  void End() override {
    ++ended;
    Note();
  }
  int begun = 0, ended = 0, steps = 0, previous = 0, last = 0;
  bool forwards = true, onCaller = true;

 private:
  void Note() { onCaller = onCaller && std::this_thread::get_id() == caller_; }
  std::thread::id caller_ = std::this_thread::get_id();
  std::atomic<bool>* cancel_;
};

TEST(ProfileMatch, ProgressOnTheCallingThreadAndCancel) {
  const std::vector<Tool> cutters = Cutters();
  const Plan plan{200, 200, 3, {MadeCut(2, 3, -10, 10), MadeCut(1, 1, 20, -40)}};
  const MatchTarget target = TargetOf(Measured(cutters, plan), plan);
  MatchOptions options;
  options.Threads = 2;
  options.BeamWidth = 2;
  for (const bool cancelling : {false, true}) {
    SCOPED_TRACE(cancelling ? "cancelled at the first step" : "run to the end");
    std::atomic<bool> cancel{false};
    RecordedProgress progress(cancelling ? &cancel : nullptr);
    const MatchResult result = MatchProfile(cutters, target, options, progress, &cancel);
    EXPECT_EQ(progress.begun, 1);
    EXPECT_EQ(progress.ended, 1);
    EXPECT_GE(progress.steps, 1);
    EXPECT_TRUE(progress.forwards);
    EXPECT_TRUE(progress.onCaller);
    EXPECT_EQ(result.Cancelled, cancelling);
    EXPECT_EQ(result.Reached, !cancelling);
    if (!cancelling) {
      Plan found = plan;
      found.cuts = result.Cuts;
      EXPECT_EQ(DifferentPixels(Measured(cutters, found), Measured(cutters, plan)), 0);
    }
  }
}

}  // namespace
}  // namespace kerf
