// The report, check and outline verbs on projects with cutters made for the test.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "RunProgram.h"
#include "model/Raster.h"
#include "project/PictureFile.h"
#include "support/StartupProject.h"
#include "support/TempFolder.h"

namespace kerf {
namespace {

namespace fs = std::filesystem;
using test::ProgramRun;

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// A stock (200 x 200 unless given), face 3 on the table, and the given cuts (fence, height,
// face, cutter file).
std::string ProjectText(const std::vector<std::string>& cutLines,
                        const std::string& stock = "200\r\n200") {
  return test::StartupProjectWithCuts(cutLines, stock);
}

class JudgementCommands : public test::TempFolder {
 protected:
  void SetUp() override {
    TempFolder::SetUp();
    fs::create_directory(dir_ / "tools");
    // Straight cutters: every row cuts the same radius.
    WriteCutter("Wide.bmp", 200, 100);
    WriteCutter("Narrow.bmp", 10, 10);
    WriteCutter("Medium.bmp", 50, 100);
    WriteCutter("Half.bmp", 25, 100);
    WriteCutter("ThreeQuarter.bmp", 37, 100);
    // Raised an inch inside the stock: no shank could reach the bit.
    floating_ = Write("floating.ROU", ProjectText({"100", "50", "3", "Half.bmp"}));
    // A full-depth groove through a board 2" wide and 1/2" thick parts it.
    severing_ =
        Write("severing.ROU", ProjectText({"100", "-25", "3", "ThreeQuarter.bmp"}, "50\r\n200"));
    // Wide at fence 0, height 0 takes the bottom 45 rows off the 91-pixel stock: nothing left
    // on the table, 46 of 91 fence-side pixels (51%).
    danger_ = Write("danger.ROU", ProjectText({"0", "0", "3", "Wide.bmp"}));
    // Medium at height 50 takes rows 432..477 of the columns along the fence: 45 of 91 left on
    // the fence (49%), the table intact. (Wide would cut the stock in two there.) Its axis
    // stands 1/4" behind the fence face, so that the shank rising to it stays clear of the wood.
    caution_ = Write("caution.ROU", ProjectText({"-25", "50", "3", "Medium.bmp"}));
    // A small rebate at the corner of the table and the fence, where no shank is needed.
    ok_ = Write("ok.ROU", ProjectText({"0", "0", "3", "Narrow.bmp"}));
    empty_ = Write("empty.ROU", ProjectText({}));
    bad_ = Write("bad.ROU", "1\r\n1\r\n200\r\n200\r\n752609\r\n\r\nFALSE\r\n2\r\n4\r\n-1\r\n3\r\n");
  }
  void WriteCutter(const std::string& name, int radius, int rows) {
    Raster bitmap(radius + 3, rows);
    bitmap.Fill(White);
    for (int y = 0; y < rows; ++y) {
      for (int x = 0; x <= radius; ++x) bitmap.SetPixel(x, y, Black);
    }
    ASSERT_EQ(SavePicture((dir_ / "tools" / name).string(), bitmap).Error(), "");
  }
  ProgramRun Run(std::vector<std::string> args) {
    args.push_back("--tools");
    args.push_back((dir_ / "tools").string());
    return test::RunProgram(args, dir_.string());
  }

  std::string danger_, caution_, ok_, empty_, bad_, floating_, severing_;
};

TEST_F(JudgementCommands, CheckExitStatusAndLines) {
  const struct {
    std::vector<std::string> projects;
    int status;
    std::vector<std::string> out;
  } table[] = {
      {{ok_}, 0, {ok_ + ": 1 cuts, worst: Cut OK"}},
      {{empty_}, 0, {empty_ + ": no cuts"}},
      {{caution_},
       0,
       {caution_ + ": 1 cuts, worst: Caution",
        "  Cut #1 (Caution): fence after 49%, table after 100%"}},
      {{danger_},
       1,
       {danger_ + ": 1 cuts, worst: Danger", "  Cut #1 (Danger): fence after 51%, table after 0%"}},
      {{ok_, danger_, empty_},
       1,
       {ok_ + ": 1 cuts, worst: Cut OK", danger_ + ": 1 cuts, worst: Danger",
        "  Cut #1 (Danger): fence after 51%, table after 0%", empty_ + ": no cuts"}},
      // An unreadable project wins over danger, and the projects after it are still checked.
      {{danger_, bad_, ok_},
       2,
       {danger_ + ": 1 cuts, worst: Danger", "  Cut #1 (Danger): fence after 51%, table after 0%",
        ok_ + ": 1 cuts, worst: Cut OK"}},
      {{bad_}, 2, {}},
  };
  for (const auto& row : table) {
    std::vector<std::string> args = {"check"};
    args.insert(args.end(), row.projects.begin(), row.projects.end());
    const ProgramRun run = Run(args);
    EXPECT_EQ(run.status, row.status) << ::testing::PrintToString(row.projects) << run.err;
    EXPECT_EQ(Lines(run.out), row.out);
    const bool listsBad =
        std::find(row.projects.begin(), row.projects.end(), bad_) != row.projects.end();
    EXPECT_EQ(run.err.find(bad_ + ":10: "), listsBad ? 0u : std::string::npos) << run.err;
  }
}

TEST_F(JudgementCommands, CheckListsEveryCautionAndDangerCutInOrder) {
  const std::string mixed =
      Write("mixed.ROU", ProjectText({"0", "0", "3", "Narrow.bmp", "-25", "50", "3", "Medium.bmp",
                                      "0", "0", "3", "Wide.bmp", "0", "0", "3", "Gone.bmp"}));
  const ProgramRun run = Run({"check", mixed});
  EXPECT_EQ(run.status, 1);
  // A cut with a missing cutter removes nothing: it is judged on what the earlier cuts left.
  const std::vector<std::string> expected = {
      mixed + ": 4 cuts, worst: Danger",
      // After the corner rebate of cut #1.
      "  Cut #2 (Caution): fence after 44%, table after 95%",
      // Rows 432..498 are gone from the fence side: 23 of 91 left.
      "  Cut #3 (Danger): fence after 25%, table after 0%",
      "  Cut #4 (Danger): fence after 25%, table after 0%",
  };
  EXPECT_EQ(Lines(run.out), expected);
}

TEST_F(JudgementCommands, CutsNoTableCouldMakeAreDangerWithTheirReason) {
  const ProgramRun run = Run({"check", floating_, severing_, ok_});
  EXPECT_EQ(run.status, 1) << run.err;
  const std::vector<std::string> expected = {
      floating_ + ": 1 cuts, worst: Danger",
      "  Cut #1 (Danger): fence after 100%, table after 100%; impossible: the shank passes through "
      "the stock",
      severing_ + ": 1 cuts, worst: Danger",
      // 34 of the 91 table-side pixels are gone.
      "  Cut #1 (Danger): fence after 100%, table after 63%; severs the stock into 2 pieces",
      ok_ + ": 1 cuts, worst: Cut OK",
  };
  EXPECT_EQ(Lines(run.out), expected);

  // The report keeps the cut's block as its figures judge it and adds the reason in a line
  // of its own after the last block.
  const ProgramRun report = Run({"report", severing_});
  ASSERT_EQ(report.status, 0) << report.err;
  const std::vector<std::string> lines = Lines(report.out);
  ASSERT_EQ(lines.size(), 16u) << report.out;
  EXPECT_EQ(lines[5], "Cut #1 (Cut OK)");
  EXPECT_EQ(lines[14], "");
  EXPECT_EQ(lines[15], "Cut #1: severs the stock into 2 pieces");
}

TEST_F(JudgementCommands, OutlineOfAPartedStockGoesRoundTheLargestPiece) {
  // The groove leaves a strip 6 pixels wide at the left and the rest from column 449 on.
  const std::string parted =
      Write("parted.ROU", ProjectText({"150", "-25", "3", "ThreeQuarter.bmp"}, "50\r\n200"));
  const ProgramRun run = Run({"outline", parted});
  ASSERT_EQ(run.status, 0) << run.err;
  const std::vector<std::string> lines = Lines(run.out);
  ASSERT_GE(lines.size(), 3u);
  EXPECT_EQ(lines[0], "closed");
  for (size_t i = 2; i < lines.size(); ++i) {
    std::istringstream point(lines[i]);
    int x = 0, y = 0;
    point >> x >> y;
    EXPECT_GE(x, 449) << lines[i];
  }
}

TEST_F(JudgementCommands, ReportPrintsTheReportLines) {
  const ProgramRun run = Run({"report", caution_});
  ASSERT_EQ(run.status, 0) << run.err;
  const std::vector<std::string> lines = Lines(run.out);
  ASSERT_EQ(lines.size(), 15u) << run.out;
  const std::string head = "Cut List report: " + caution_ + "   ";
  EXPECT_EQ(lines[0].rfind(head, 0), 0u) << lines[0];
  EXPECT_GT(lines[0].size(), head.size() + 8) << "date and time follow";
  const std::vector<std::string> rest(lines.begin() + 1, lines.end());
  const std::vector<std::string> expected = {
      "",
      "The information below is for guidance only.",
      "Always read the manuals supplied with your power tools and follow all safety instructions.",
      "",
      "Cut #1 (Caution)",
      "  Cutter: Medium",
      "  Face on Table: 3",
      "  Cutter Height: 0 1/2\"",
      "  Fence Position: -0 1/4\"",
      "  Material on table before cut: 100%",
      "  Material on table after cut: 100%",
      "  Material against fence before cut: 100%",
      "  Material against fence after cut: 49%",
      "",
  };
  EXPECT_EQ(rest, expected);

  const ProgramRun metric = Run({"report", "--metric", caution_});
  ASSERT_EQ(metric.status, 0);
  EXPECT_EQ(Lines(metric.out).at(8), "  Cutter Height: 13mm");
}

TEST_F(JudgementCommands, ReportOfNoCutsPrintsNothing) {
  const ProgramRun run = Run({"report", empty_});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "");
  const ProgramRun bad = Run({"report", bad_});
  EXPECT_EQ(bad.status, 2);
  EXPECT_EQ(bad.out, "");
  EXPECT_EQ(bad.err.rfind(bad_ + ":10: ", 0), 0u) << bad.err;
}

TEST_F(JudgementCommands, OutlineOfThePlainStock) {
  const ProgramRun run = Run({"outline", empty_});
  ASSERT_EQ(run.status, 0) << run.err;
  const std::vector<std::string> lines = Lines(run.out);
  ASSERT_EQ(lines.size(), 2u + 360u);
  EXPECT_EQ(lines[0], "closed");
  EXPECT_EQ(lines[1], "centre 453 453");
  EXPECT_EQ(lines[2], "409 409");
  EXPECT_EQ(lines[3], "410 409");
  EXPECT_EQ(lines.back(), "409 409");
}

TEST_F(JudgementCommands, OutlineFollowsTheCut) {
  const ProgramRun run = Run({"outline", danger_});
  ASSERT_EQ(run.status, 0) << run.err;
  const std::vector<std::string> lines = Lines(run.out);
  ASSERT_GE(lines.size(), 3u);
  EXPECT_EQ(lines[0], "closed");
  EXPECT_EQ(lines[2], "409 409");
  // The bottom 45 rows are gone: no point lies below the new bottom edge's white row 455.
  for (size_t i = 2; i < lines.size(); ++i) {
    std::istringstream point(lines[i]);
    int x = 0, y = 0;
    point >> x >> y;
    EXPECT_LE(y, 455) << lines[i];
  }
  EXPECT_EQ(lines.back(), lines[2]);
}

}  // namespace
}  // namespace kerf
