// The match verb: a target one cut makes is reached and its plan reloads with that section, a
// target with a hole no cutter reaches is only partly reached, and bad requests are refused.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "RunProgram.h"
#include "cli/ExitStatus.h"
#include "cli/MatchCommand.h"
#include "model/Progress.h"
#include "model/SectionRenderer.h"
#include "project/CutterLibrary.h"
#include "project/PictureFile.h"
#include "project/ProjectFile.h"
#include "support/TempFolder.h"

namespace kerf {
namespace {

using test::ProgramRun;

const std::string ToolsDir = std::string(KERF_SOURCE_DIR) + "/data/tools";

const std::vector<Tool>& SuppliedCutters() {
  static const std::vector<Tool> tools = [] {
    NoProgress progress;
    return LoadCutterLibrary(ToolsDir, progress).Tools;
  }();
  return tools;
}

// The measured section of a project record over the supplied cutters.
Raster SectionOf(const ProjectRecord& record) {
  Model model;
  model.SetCutterLibrary(SuppliedCutters());
  ApplyRecord(model, record);
  return MeasureSection(model).Picture;
}

int PixelsDiffering(const Raster& a, const Raster& b) {
  int n = 0;
  for (int y = 0; y < SectionSize; ++y)
    for (int x = 0; x < SectionSize; ++x) n += (a.Pixel(x, y) == White) != (b.Pixel(x, y) == White);
  return n;
}

class MatchCommand : public test::TempFolder {
 protected:
  ProgramRun Match(std::vector<std::string> args) {
    args.insert(args.begin(), "match");
    args.insert(args.end(), {"--tools", ToolsDir});
    return test::RunProgram(args, dir_.string());
  }
};

TEST_F(MatchCommand, OneCutTargetIsReachedAndItsPlanReloads) {
  // A 1/4" roundover on the edge of a 1" x 2" board lying flat, its bearing on the edge.
  ProjectRecord known;
  known.StockWidth = 100;
  known.StockHeight = 200;
  known.FaceOnTable = 3;
  known.Cuts = {{-25, 0, 3, "1-4! Roundover.bmp"}};
  ASSERT_TRUE(WriteProjectFile(Path("known.rou"), known));
  ASSERT_TRUE(SavePicture(Path("known.png"), SectionOf(known)));

  for (const char* target : {"known.rou", "known.png"}) {
    SCOPED_TRACE(target);
    const ProgramRun run =
        Match({Path(target), "--stock", "1x2", "-o", Path("plan.rou"), "--max-passes", "2"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_FALSE(run.out.empty());
    const ProjectReadResult plan = ReadProjectFile(Path("plan.rou"));
    ASSERT_TRUE(plan) << plan.Error();
    EXPECT_EQ(plan.Value().StockWidth, 100);
    EXPECT_EQ(plan.Value().StockHeight, 200);
    EXPECT_LE(plan.Value().Cuts.size(), 2u);
    EXPECT_EQ(PixelsDiffering(SectionOf(plan.Value()), SectionOf(known)), 0);
  }
}

// A copy of a supplied bitmap under another name makes only the cuts the supplied one makes:
// it is not measured again, and the plan names the supplied cutter.
TEST_F(MatchCommand, CopiedCutterIsSearchedOnce) {
  ProjectRecord known;
  known.Cuts = {{-25, 0, 3, "1-4! Roundover.bmp"}};
  ASSERT_TRUE(WriteProjectFile(Path("known.rou"), known));
  std::filesystem::create_directories(Path("more"));
  std::filesystem::copy_file(ToolsDir + "/1-4! Roundover.bmp", Path("more/Copy.bmp"));
  auto measured = [](const std::string& report) {
    const size_t at = report.find("Candidates measured: ");
    return report.substr(at, report.find(" in ", at) - at);
  };
  const ProgramRun alone = Match({Path("known.rou"), "-o", Path("plan.rou"), "--max-passes", "1"});
  const ProgramRun copied = Match(
      {Path("known.rou"), "-o", Path("plan.rou"), "--max-passes", "1", "--cutters", Path("more")});
  ASSERT_EQ(copied.status, 0) << copied.err;
  EXPECT_EQ(measured(copied.out), measured(alone.out));
  EXPECT_EQ(ReadProjectFile(Path("plan.rou")).Value().Cuts.at(0).CutterFileName,
            "1-4! Roundover.bmp");
}

TEST_F(MatchCommand, HoleNoCutterReachesIsOnlyPartlyReached) {
  // The whole stock kept but for a hole in its middle: no cut gets there from outside.
  Raster picture(SectionSize, SectionSize);
  picture.Fill(White);
  const int extent = 45;  // a 1" stock is round(45.45) pixels
  for (int y = SectionSize - extent; y < SectionSize; ++y)
    for (int x = SectionSize - extent; x < SectionSize; ++x) picture.SetPixel(x, y, Black);
  for (int y = 470; y < 480; ++y)
    for (int x = 470; x < 480; ++x) picture.SetPixel(x, y, White);
  ASSERT_TRUE(SavePicture(Path("hole.png"), picture));
  const ProgramRun run =
      Match({Path("hole.png"), "--stock", "1x1", "-o", Path("plan.rou"), "--max-passes", "1"});
  EXPECT_EQ(run.status, 1) << run.err;
  EXPECT_FALSE(run.out.empty());
  EXPECT_TRUE(ReadProjectFile(Path("plan.rou")));
}

// The exit status says what the report says: a plan with a Danger cut, or not reached, is a
// bad result even when the other half is good; Caution alone is not.
TEST(MatchExitStatus, DangerOrNotReachedExitsOne) {
  const struct {
    bool reached;
    Verdict judged;
    int status;
  } table[] = {
      {true, Verdict::CutOK, ExitSuccess},     {true, Verdict::Caution, ExitSuccess},
      {true, Verdict::Danger, ExitJudgedBad},  {false, Verdict::CutOK, ExitJudgedBad},
      {false, Verdict::Danger, ExitJudgedBad},
  };
  for (const auto& row : table) {
    MatchResult result;
    result.Reached = row.reached;
    result.Cuts.resize(1);
    result.Judged = {CutResult{CutFigures{}, row.judged}};
    EXPECT_EQ(MatchExitStatus(result), row.status) << VerdictName(row.judged);
  }
}

TEST_F(MatchCommand, BadRequestsAreRefused) {
  Raster blank(SectionSize, SectionSize);
  blank.Fill(White);
  blank.SetPixel(499, 499, Black);
  ASSERT_TRUE(SavePicture(Path("dot.png"), blank));
  struct Case {
    std::vector<std::string> Args;
    const char* Says;
  };
  const std::string out = Path("plan.rou");
  for (const Case& c : {
           Case{{Path("dot.png"), "-o", out}, "does not say the stock's size"},
           Case{{Path("dot.png"), "--stock", "3/4", "-o", out}, "--stock must be"},
           Case{{Path("dot.png"), "--stock", "20x3", "-o", out}, "--stock must be"},
           Case{{Path("dot.png"), "--stock", "1x1", "--tolerance", "lots", "-o", out},
                "--tolerance must be"},
           Case{{Path("dot.png"), "--stock", "1x1", "--max-passes", "0", "-o", out},
                "--max-passes"},
           Case{{Path("dot.png"), "--stock", "1x1", "--cutters", Path("none"), "-o", out},
                "no cutter folder"},
           Case{{Path("missing.svg"), "--stock", "1x1", "-o", out}, "missing.svg"},
           Case{{Path("dot.png"), "--stock", "1x1"}, "-o"},
           Case{{Path("dot.png"), "--stock", "1x1", "-o", Path("no/such/plan.rou")}, "plan.rou"},
       }) {
    SCOPED_TRACE(c.Args[0] + " " + c.Says);
    const ProgramRun run = Match(c.Args);
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find(c.Says), std::string::npos) << run.err;
  }
}

}  // namespace
}  // namespace kerf
