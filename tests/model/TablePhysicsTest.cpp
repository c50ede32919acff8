// Set-ups a real router table refuses or warns of: trapped stock, bearing and shank in the wood,
// a bit raised beyond reach, a skin too thin to survive; each judged in every orientation.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "model/CutVerdict.h"
#include "model/SectionRenderer.h"
#include "support/StraightCutter.h"

namespace kerf {
namespace {

using test::Straight;

// The supplied bits' shapes: a bearing (red row) of radius 25 rides on top of the guided ones.
Tool Guided(Tool tool) {
  tool.RowCount += 1;
  tool.BearingRow = tool.RowCount;
  tool.RedWidth = 25;
  return tool;
}
Tool Roundover() {  // 1/2": a 1/4" step 3/4" out, then a concave quarter circle in to 1/4"
  Tool tool = Straight("1/2\" Roundover", 75, 75);
  for (int l = 26; l <= 75; ++l)
    tool.Profile[static_cast<size_t>(l)] =
        static_cast<float>(75 - std::round(std::sqrt(2500.0 - (75 - l) * (75 - l))));
  return Guided(tool);
}
Tool Tongue() {  // 3/4" high, the tongue 1/4" thick between two 1/4" shoulders
  Tool tool = Straight("T&G Tongue", 63, 75);
  for (int l = 26; l <= 50; ++l) tool.Profile[static_cast<size_t>(l)] = 15;
  return Guided(tool);
}
Tool Dovetail() {  // 1/2" 14°: from 1/4" across at the bottom to 1/2" at the top
  Tool tool = Straight("1/2\" 14° Dovetail", 13, 50);
  for (int l = 1; l <= 50; ++l) tool.Profile[static_cast<size_t>(l)] = 13.0f + (l - 1) / 4;
  return tool;
}
enum CutterNumber { RoundoverBit = 1, StraightBit, FlushTrim, DovetailBit, TongueBit };

struct Case {
  const char* name;
  int32_t thickness,
      width;  // of the stock lying in face 1: its height and its width along the table
  int cutter;
  int32_t fence, height;
  const char* problem;
  bool danger;
};

const Case Cases[] = {
    {"trapped roundover", 75, 300, RoundoverBit, 320, 0,
     "traps the stock between the cutter and the fence", true},
    {"groove under the stock", 75, 300, StraightBit, 150, 0, "", false},
    {"bearing tangent to the edge", 150, 300, RoundoverBit, -25, 0, "", false},
    {"bearing 1/32\" into the edge", 150, 300, RoundoverBit, -22, 0,
     "impossible: the bearing runs into the wood", true},
    {"flush trim as a rebate bit", 150, 300, FlushTrim, 11, 0,
     "impossible: the bearing runs into the wood", true},
    {"dovetail on the fence face raised 2 1/2\"", 300, 75, DovetailBit, 0, 250,
     "impossible: the shank passes through the stock; impossible: the bit cannot be raised that "
     "high",
     true},
    {"rebate raised 2\"", 300, 75, StraightBit, -13, 200,
     "impossible: the bit cannot be raised that high", true},
    // 1/64" is 2 hundredths on the height slider.
    {"tongue set 1/64\" high", 75, 300, TongueBit, -15, 2,
     "leaves a skin 1/64\" thick that will break away", false},
    {"tongue on the table", 75, 300, TongueBit, -15, 0, "", false},
};

TEST(TablePhysics, SetUpsInEveryOrientation) {
  const std::vector<Tool> library{Roundover(), Straight("1/2\" Straight", 25, 50),
                                  Guided(Straight("1/2\" Flush Trim", 25, 100)), Dovetail(),
                                  Tongue()};
  for (const Case& c : Cases) {
    Model model;
    model.SetCutterLibrary(library);
    model.NewWorkpiece(c.thickness, c.width);
    model.SetFaceOnTable(1);
    model.SetCurrentCutter(c.cutter);
    model.AppendCut(c.fence, c.height);
    for (int face = 1; face <= 8; ++face) {
      model.SetFaceOnTable(face);
      const Section section = MeasureSection(model);
      const CutFigures& cut = section.Cuts[0].Figures;
      const std::string where = std::string(c.name) + ", face " + std::to_string(face);
      EXPECT_EQ(CutProblem(cut), c.problem) << where;
      // The bearing figures may make any cut Danger; a problem makes it Danger or Caution.
      const Verdict judged = JudgeCutOnTable(cut);
      EXPECT_EQ(judged == Verdict::Danger, c.danger || JudgeCut(cut) == Verdict::Danger) << where;
      if (*c.problem != '\0') {
        EXPECT_NE(judged, Verdict::CutOK) << where;
      }
    }
  }
}

TEST(TablePhysics, ReachIsTheTablesSetting) {
  Model model;
  model.SetCutterLibrary({Straight("1/2\" Straight", 25, 50)});
  model.NewWorkpiece(300, 75);
  model.SetFaceOnTable(1);
  model.AppendCut(-13, 200);
  SectionPictures pictures;
  Section section;
  model.SetTableReach(200);
  MeasureSection(model, pictures, section);
  EXPECT_EQ(CutProblem(section.Cuts[0].Figures), "");
  model.SetTableReach(199);
  MeasureSection(model, pictures, section);
  EXPECT_EQ(CutProblem(section.Cuts[0].Figures), "impossible: the bit cannot be raised that high");
}

}  // namespace
}  // namespace kerf
