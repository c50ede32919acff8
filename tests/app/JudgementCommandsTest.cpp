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

// A 200 x 200 stock, face 3 on the table, and the given cuts (fence, height, face, cutter file).
std::string ProjectText(const std::vector<std::string>& cutLines) { return test::StartupProjectWithCuts(cutLines); }

class JudgementCommands : public test::TempFolder {
 protected:
  void SetUp() override {
    TempFolder::SetUp();
    fs::create_directory(dir_ / "tools");
    // Straight cutters: every row cuts the same radius.
    WriteCutter("Wide.bmp", 200, 100);
    WriteCutter("Narrow.bmp", 10, 10);
    // Wide at fence 0, height 0 takes the bottom 45 rows off the 91-pixel stock: nothing left
    // on the table, 46 of 91 fence-side pixels (51%).
    danger_ = Write("danger.ROU", ProjectText({"0", "0", "3", "Wide.bmp"}));
    // Wide at height 50 takes rows 432..477: 45 of 91 left on the fence (49%), the table intact.
    caution_ = Write("caution.ROU", ProjectText({"0", "50", "3", "Wide.bmp"}));
    ok_ = Write("ok.ROU", ProjectText({"0", "100", "3", "Narrow.bmp"}));
    empty_ = Write("empty.ROU", ProjectText({}));
    bad_ = Write("bad.ROU", "1\r\n1\r\n200\r\n200\r\n752609\r\n\r\nFALSE\r\n2\r\n4\r\n-1\r\n3\r\n");
  }
  void WriteCutter(const std::string& name, int radius, int rows) {
    Raster bitmap(radius + 3, rows);
    bitmap.Fill(White);
    for (int y = 0; y < rows; ++y) {
      for (int x = 0; x <= radius; ++x) bitmap.SetPixel(x, y, Black);
    }
    std::string error;
    ASSERT_TRUE(SavePicture((dir_ / "tools" / name).string(), bitmap, error)) << error;
  }
  ProgramRun Run(std::vector<std::string> args) {
    args.push_back("--tools");
    args.push_back((dir_ / "tools").string());
    return test::RunProgram(args, dir_.string());
  }

  std::string danger_, caution_, ok_, empty_, bad_;
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
       {caution_ + ": 1 cuts, worst: Caution", "  Cut #1 (Caution): fence after 49%, table after 100%"}},
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
    const bool listsBad = std::find(row.projects.begin(), row.projects.end(), bad_) != row.projects.end();
    EXPECT_EQ(run.err.find(bad_ + ":10: "), listsBad ? 0u : std::string::npos) << run.err;
  }
}

TEST_F(JudgementCommands, CheckListsEveryCautionAndDangerCutInOrder) {
  const std::string mixed =
      Write("mixed.ROU", ProjectText({"0", "100", "3", "Narrow.bmp", "0", "50", "3", "Wide.bmp", "0",
                                      "0", "3", "Wide.bmp", "0", "0", "3", "Gone.bmp"}));
  const ProgramRun run = Run({"check", mixed});
  EXPECT_EQ(run.status, 1);
  // A cut with a missing cutter removes nothing: it is judged on what the earlier cuts left.
  const std::vector<std::string> expected = {
      mixed + ": 4 cuts, worst: Danger",
      "  Cut #2 (Caution): fence after 49%, table after 100%",
      // Rows 432..498 are gone from the fence side: 23 of 91 left.
      "  Cut #3 (Danger): fence after 25%, table after 0%",
      "  Cut #4 (Danger): fence after 25%, table after 0%",
  };
  EXPECT_EQ(Lines(run.out), expected);
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
      "  Cutter: Wide",
      "  Face on Table: 3",
      "  Cutter Height: 0 1/2\"",
      "  Fence Position: 0\"",
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
