// Match targets: a project, its section picture and its exported templates read as the same
// section, and bad targets are refused with the file named.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <string>
#include <vector>

#include "model/Progress.h"
#include "model/SectionRenderer.h"
#include "project/CutterLibrary.h"
#include "project/MatchTargetFile.h"
#include "project/PictureFile.h"
#include "project/ProjectFile.h"
#include "project/TemplateExport.h"
#include "support/TempFolder.h"

namespace kerf {
namespace {

const std::vector<Tool>& SuppliedCutters() {
  static const std::vector<Tool> tools = [] {
    NoProgress progress;
    return LoadCutterLibrary(std::string(KERF_SOURCE_DIR) + "/data/tools", progress).Tools;
  }();
  return tools;
}

struct PlannedCut {
  const char* Cutter;
  int32_t Fence, Height, Face;
};

struct SetupCase {
  const char* Name;
  int32_t Width, Height, FaceOnTable;
  std::vector<PlannedCut> Cuts;
};

const SetupCase Setups[] = {
    {"roundover", 75, 300, 3, {{"1-2! Roundover.bmp", 0, 0, 3}}},
    {"cove_and_rebate",
     100,
     250,
     3,
     {{"1-2! Cove.bmp", 0, 10, 3}, {"3-8! Rabbeting.bmp", 0, 30, 7}}},
    {"standing", 75, 200, 4, {{"45% Chamfer.bmp", 0, 0, 4}}},
};

Model MakeSetup(const SetupCase& setup) {
  Model model;
  model.SetCutterLibrary(SuppliedCutters());
  model.NewWorkpiece(setup.Width, setup.Height);
  for (const PlannedCut& cut : setup.Cuts) {
    model.SetFaceOnTable(cut.Face);
    model.SetCurrentCutter(model.FindCutter(cut.Cutter));
    model.AppendCut(cut.Fence, cut.Height);
  }
  model.SetFaceOnTable(setup.FaceOnTable);
  return model;
}

// Pixels where two targets differ, and how many of them have no pixel of the other's edge
// within one pixel (a difference in the middle of a face, not a rounding at the edge).
struct Difference {
  int Pixels = 0, AwayFromEdge = 0;
};

Difference Compare(const MatchTarget& a, const MatchTarget& b) {
  Difference d;
  const auto at = [](const MatchTarget& t, int x, int y) {
    x = std::clamp(x, 0, SectionSize - 1), y = std::clamp(y, 0, SectionSize - 1);
    return t.Keep[static_cast<size_t>(y) * SectionSize + x];
  };
  for (int y = 0; y < SectionSize; ++y)
    for (int x = 0; x < SectionSize; ++x) {
      if (at(a, x, y) == at(b, x, y)) continue;
      ++d.Pixels;
      bool nearEdge = false;
      for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) nearEdge |= at(a, x + dx, y + dy) != at(a, x, y);
      if (!nearEdge) ++d.AwayFromEdge;
    }
  return d;
}

class MatchTargets : public test::TempFolder, public ::testing::WithParamInterface<SetupCase> {};

TEST_P(MatchTargets, ProjectPictureAndTemplatesGiveOneSection) {
  const SetupCase& setup = GetParam();
  Model model = MakeSetup(setup);
  const std::string project = Path("plan.rou");
  ASSERT_TRUE(WriteProjectFile(project, RecordFromModel(model)));
  ASSERT_TRUE(SavePicture(Path("section.png"), MeasureSection(model).Picture));
  ASSERT_TRUE(ExportTemplate(model, Path("template.svg")));
  ASSERT_TRUE(ExportTemplate(model, Path("template.dxf")));

  const MatchStock stock{setup.Width, setup.Height};
  const Result<MatchTarget> fromProject = ReadMatchTarget(project, {}, SuppliedCutters());
  ASSERT_TRUE(fromProject) << fromProject.Error();
  EXPECT_EQ(fromProject.Value().FaceOnTable, setup.FaceOnTable);
  EXPECT_EQ(fromProject.Value().StockWidth, setup.Width);
  EXPECT_EQ(fromProject.Value().StockHeight, setup.Height);
  EXPECT_EQ(fromProject.Value().Name, "plan.rou");

  struct Read {
    const char* File;
    MatchStock Stock;
    bool Exact;
  };
  for (const Read& read :
       {Read{"section.png", stock, true}, Read{"template.svg", {}, false},
        Read{"template.svg", stock, false}, Read{"template.dxf", stock, false}}) {
    SCOPED_TRACE(read.File);
    const Result<MatchTarget> target = ReadMatchTarget(Path(read.File), read.Stock, {});
    ASSERT_TRUE(target) << target.Error();
    EXPECT_EQ(target.Value().StockWidth, setup.Width);
    EXPECT_EQ(target.Value().StockHeight, setup.Height);
    EXPECT_EQ(target.Value().FaceOnTable % 2, setup.FaceOnTable % 2);
    const Difference d = Compare(fromProject.Value(), target.Value());
    if (read.Exact) {
      EXPECT_EQ(d.Pixels, 0);
    } else {
      EXPECT_EQ(d.AwayFromEdge, 0) << d.Pixels << " pixels differ";
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Setups, MatchTargets, ::testing::ValuesIn(Setups),
                         [](const auto& info) { return std::string(info.param.Name); });

class BadMatchTargets : public test::TempFolder {};

TEST_F(BadMatchTargets, AreRefusedWithTheFileNamed) {
  Model model = MakeSetup(Setups[0]);
  ASSERT_TRUE(SavePicture(Path("section.png"), MeasureSection(model).Picture));
  ASSERT_TRUE(SavePicture(Path("small.png"), Raster(250, 250)));
  ASSERT_TRUE(ExportTemplate(model, Path("template.svg")));
  ASSERT_EQ(mkfifo(Path("fifo.svg").c_str(), 0600), 0);
  Write("empty.dxf", "0\nSECTION\n2\nENTITIES\n0\nENDSEC\n0\nEOF\n");
  Write("square.dxf",
        "0\nLWPOLYLINE\n70\n1\n10\n0\n20\n0\n10\n5\n20\n0\n10\n5\n20\n5\n10\n0\n20\n5\n0\nEOF\n");
  Write("broken.rou", "nonsense\n");
  const MatchStock stock{75, 300};

  struct Case {
    const char* File;
    MatchStock Stock;
    const char* Says;
  };
  for (const Case& c : {
           Case{"section.png", {}, "does not say the stock's size"},
           Case{"section.png", {300, 300}, ""},  // fits either way: accepted
           Case{"section.png", {75, 100}, "outside a stock"},
           Case{"small.png", stock, "500 x 500 pixels, not 250 x 250"},
           Case{"template.svg", {100, 300}, "the template was drawn for a stock"},
           Case{"fifo.svg", stock, "not a regular file"},
           Case{"square.dxf", stock, "larger than the stock"},
           Case{"square.dxf", {}, "does not say the stock's size"},
           Case{"empty.dxf", stock, "no LWPOLYLINE"},
           Case{"broken.rou", {}, "broken.rou:"},
           Case{"missing.rou", {}, "missing.rou"},
           Case{"notes.txt", stock, "unknown kind of target"},
       }) {
    SCOPED_TRACE(c.File);
    const Result<MatchTarget> target = ReadMatchTarget(Path(c.File), c.Stock, SuppliedCutters());
    if (*c.Says == '\0') {
      EXPECT_TRUE(target) << target.Error();
      continue;
    }
    ASSERT_FALSE(target);
    EXPECT_NE(target.Error().find(c.File), std::string::npos) << target.Error();
    EXPECT_NE(target.Error().find(c.Says), std::string::npos) << target.Error();
  }
}

TEST(MatchTargetBoundary, RingsTheKeptPixels) {
  MatchTarget target;
  target.Keep.assign(static_cast<size_t>(SectionSize) * SectionSize, 0);
  for (int y = 490; y < SectionSize; ++y)
    for (int x = 480; x < SectionSize; ++x)
      target.Keep[static_cast<size_t>(y) * SectionSize + x] = 1;
  // A 20 x 10 block against the fence and the table: its whole rim, 2 * (20 + 10) - 4 pixels.
  EXPECT_EQ(MatchTargetBoundary(target).size(), 56u);
}

}  // namespace
}  // namespace kerf
