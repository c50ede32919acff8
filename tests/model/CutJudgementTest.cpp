// Cuts a real router table cannot make: a shank through the stock, a cut that parts the stock.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/CutReport.h"
#include "model/CutVerdict.h"
#include "model/SectionRenderer.h"
#include "support/StraightCutter.h"

namespace kerf {
namespace {

using test::Straight;

enum CutterNumber { HalfInch = 1, ThreeQuarter, Slot, Quarter };

// 1/2" and 3/4" straight bits an inch long, a slot cutter (a disc 1 1/2" across and 1/4"
// thick) and a 1/4" straight bit half an inch long.
std::vector<Tool> Library() {
  return {Straight("1/2\" Straight", 25, 100), Straight("3/4\" Straight", 37, 100),
          Straight("Slot", 75, 25), Straight("1/4\" Straight", 12, 50)};
}

struct CutSpec {
  int cutter;
  int32_t fence;
  int32_t height;
};

struct Workpiece {
  const char* name;
  int32_t stockWidth;         // the thickness in face 3
  int32_t stockHeight;        // the width along the table in face 3
  std::vector<CutSpec> cuts;  // all made in face 3
  // The judgement of the last cut.
  bool shankBlocked = false;
  int piecesAfter = 1;
  const char* problem = "";
};

// The workpiece's cuts made, the stock then turned to faceOnTable and measured into section.
Model Worked(const Workpiece& workpiece, int faceOnTable, Section& section) {
  Model model;
  model.SetCutterLibrary(Library());
  model.NewWorkpiece(workpiece.stockWidth, workpiece.stockHeight);
  for (const CutSpec& cut : workpiece.cuts) {
    model.SetCurrentCutter(cut.cutter);
    model.AppendCut(cut.fence, cut.height);
  }
  model.SetFaceOnTable(faceOnTable);
  section = MeasureSection(model);
  return model;
}

const Workpiece Workpieces[] = {
    // The cutter raised inside the stock: a closed hole that no bit on a shank can reach.
    {"floating",
     200,
     200,
     {{HalfInch, 100, 50}},
     true,
     1,
     "impossible: the shank passes through the stock"},
    // A full-depth groove an inch in from the fence parts a thin board in two.
    {"severing", 50, 200, {{ThreeQuarter, 100, -25}}, false, 2, "severs the stock into 2 pieces"},
    {"rebate", 200, 200, {{HalfInch, -13, 0}}, false, 1, ""},
    {"slot cutter behind the fence", 200, 200, {{Slot, -50, 50}}, false, 1, ""},
    // The second bit's axis, and its shank, rise through the air of the first cut's rebate.
    {"into an existing rebate", 200, 200, {{ThreeQuarter, 0, 0}, {Quarter, 20, 80}}, false, 1, ""},
};

TEST(CutJudgement, SetUpsInEveryOrientation) {
  for (const Workpiece& workpiece : Workpieces) {
    // Turning the stock after the cuts shows them in every orientation case; the judgement of
    // a cut does not depend on how the stock lies now.
    for (int face = 1; face <= 8; ++face) {
      Section section;
      Worked(workpiece, face, section);
      const CutFigures& last = section.Cuts.back().Figures;
      const std::string where = std::string(workpiece.name) + ", face " + std::to_string(face);
      EXPECT_EQ(last.ShankBlocked, workpiece.shankBlocked) << where;
      EXPECT_EQ(last.PiecesAfter, workpiece.piecesAfter) << where;
      EXPECT_EQ(CutProblem(last), workpiece.problem) << where;
      const bool problem = *workpiece.problem != '\0';
      EXPECT_EQ(JudgeCutOnTable(last) == Verdict::Danger,
                problem || JudgeCut(last) == Verdict::Danger)
          << where;
    }
  }
}

TEST(CutJudgement, OnlyTheCutThatPartsTheStockSeversIt) {
  Section section;
  Workpiece workpiece{
      "", 50, 200, {{Quarter, -13, 0}, {ThreeQuarter, 100, -25}, {Quarter, -13, 0}}};
  Worked(workpiece, 3, section);
  EXPECT_EQ(CutProblem(section.Cuts[0].Figures), "");
  EXPECT_EQ(CutProblem(section.Cuts[1].Figures), "severs the stock into 2 pieces");
  // A later cut on the parted stock is judged by what it does itself.
  EXPECT_EQ(section.Cuts[2].Figures.PiecesBefore, 2);
  EXPECT_EQ(section.Cuts[2].Figures.PiecesAfter, 2);
  EXPECT_EQ(CutProblem(section.Cuts[2].Figures), "");
  EXPECT_EQ(section.Pieces.Count(), 2);
}

TEST(CutJudgement, BothProblemsOfOneCutShareItsLine) {
  CutFigures cut;
  cut.ShankBlocked = true;
  cut.PiecesBefore = 1;
  cut.PiecesAfter = 3;
  EXPECT_EQ(CutProblem(cut),
            "impossible: the shank passes through the stock; severs the stock into 3 pieces");
  cut.FenceAfter = cut.TableAfter = 100;
  EXPECT_EQ(JudgeCut(cut), Verdict::CutOK);
  EXPECT_EQ(JudgeCutOnTable(cut), Verdict::Danger);
}

TEST(CutJudgement, MissingCutterIsNotJudged) {
  Model model;
  model.SetCutterLibrary(Library());
  model.NewWorkpiece(200, 200);
  model.AppendCut(100, 50);
  Cut missing = model.CutAt(1);
  missing.Cutter = 0;  // as a project file naming a cutter that is not in the library gives it
  missing.CutterFileName = "gone.bmp";
  model.ReplaceCut(1, missing);
  EXPECT_EQ(CutProblem(MeasureSection(model).Cuts[0].Figures), "");
}

// Edited project files can hold any settings: far-off axes, faces outside 1..8.
TEST(CutJudgement, ExtremeSettingsAreJudgedWithoutHarm) {
  SectionPictures pictures;
  Section section;
  const int32_t extremes[] = {INT32_MIN, -100000, -1, 0, 1, 2, 100000, INT32_MAX};
  Model model;
  model.SetCutterLibrary(Library());
  model.NewWorkpiece(1000, 50);
  for (int32_t fence : extremes) {
    for (int32_t height : extremes) {
      model.SetCurrentCutter(
          1 + static_cast<int>((static_cast<uint32_t>(fence) ^ static_cast<uint32_t>(height)) % 4));
      model.AppendCut(fence, height);
      // Faces 0..9, outside 1..8 included, as an edited project file can give them.
      Cut cut = model.CutAt(model.CutCount());
      cut.Face = static_cast<int32_t>(static_cast<uint32_t>(height) % 10);
      model.ReplaceCut(model.CutCount(), cut);
    }
  }
  // The same cuts on stock that has no face on the table yet (before the first New).
  Model unstarted;
  unstarted.SetCutterLibrary(Library());
  for (const Cut& cut : model.Cuts()) unstarted.InsertCut(unstarted.CutCount() + 1, cut);
  for (int face : {0, 3, 6}) {
    Model& measured = face == 0 ? unstarted : model;
    if (face != 0) model.SetFaceOnTable(face);
    ASSERT_EQ(measured.FaceOnTable(), face);
    MeasureSection(measured, pictures, section);
    ASSERT_EQ(section.Cuts.size(), measured.Cuts().size());
    for (size_t i = 0; i < section.Cuts.size(); ++i) {
      const CutFigures& cut = section.Cuts[i].Figures;
      EXPECT_GE(cut.PiecesAfter, 0);
      EXPECT_EQ(cut.PiecesBefore, i == 0 ? 1 : section.Cuts[i - 1].Figures.PiecesAfter);
    }
    EXPECT_EQ(section.Pieces.Count(), section.Cuts.back().Figures.PiecesAfter);
  }
}

TEST(CutJudgement, ReportKeepsTheBlocksAndNamesProblemsAfterThem) {
  Workpiece workpiece{"", 50, 200, {{HalfInch, 100, 10}, {ThreeQuarter, 100, -25}}};
  Section section;
  const Model plain = Worked(workpiece, 3, section);
  const CutReport withProblems = BuildCutReport(plain, section, "now");
  // The first cut floats in the board; the second parts it.
  ASSERT_EQ(withProblems.size(),
            static_cast<size_t>(ReportHeaderLines + 2 * ReportLinesPerCut + 2));
  // The blocks are what the bearing figures alone give.
  for (CutResult& cut : section.Cuts) {
    cut.Figures.ShankBlocked = cut.Figures.ShankInWood = false;
    cut.Figures.PiecesAfter = cut.Figures.PiecesBefore;
  }
  const CutReport blocksOnly = BuildCutReport(plain, section, "now");
  ASSERT_EQ(blocksOnly.size(), static_cast<size_t>(ReportHeaderLines + 2 * ReportLinesPerCut));
  for (size_t i = 0; i < blocksOnly.size(); ++i) {
    EXPECT_EQ(withProblems[i].Text, blocksOnly[i].Text) << i;
    EXPECT_EQ(withProblems[i].TextColour, blocksOnly[i].TextColour) << i;
  }
  const ReportLine& first = withProblems[withProblems.size() - 2];
  const ReportLine& second = withProblems.back();
  EXPECT_EQ(first.Text, "Cut #1: impossible: the shank passes through the stock");
  EXPECT_EQ(second.Text, "Cut #2: severs the stock into 2 pieces");
  EXPECT_EQ(first.TextColour, VerdictRed);
  EXPECT_EQ(second.TextColour, VerdictRed);
}

}  // namespace
}  // namespace kerf
