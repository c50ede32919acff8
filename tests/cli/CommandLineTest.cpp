// The kerfwright program's command line: help, version, errors and the section verb's pictures.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "RunProgram.h"
#include "model/Raster.h"
#include "project/PictureFile.h"
#include "support/ResultValue.h"
#include "support/StartupProject.h"
#include "support/TempFolder.h"

namespace kerf {
namespace {

namespace fs = std::filesystem;
using test::ProgramRun;

using test::StartupProject;

class CommandLine : public test::TempFolder {
 protected:
  void SetUp() override {
    TempFolder::SetUp();
    fs::create_directory(dir_ / "no tools");
  }
  ProgramRun Run(const std::vector<std::string>& args) {
    return test::RunProgram(args, dir_.string());
  }

  Raster Load(const std::string& path) {
    Raster picture(1, 1);
    EXPECT_EQ(test::TakeValue(LoadPicture(path), picture), "");
    return picture;
  }
};

TEST_F(CommandLine, VersionAndHelp) {
  const ProgramRun version = Run({"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out, "kerfwright 1.1.2\n");

  const ProgramRun help = Run({"--help"});
  EXPECT_EQ(help.status, 0);
  for (const char* verb : {"section", "outline", "report", "check", "photo"}) {
    EXPECT_NE(help.out.find(std::string("kerfwright ") + verb + " PROJECT.ROU"), std::string::npos)
        << verb;
  }
  const ProgramRun sectionHelp = Run({"section", "--help"});
  EXPECT_EQ(sectionHelp.status, 0);
  EXPECT_EQ(sectionHelp.out.rfind("Usage: kerfwright section PROJECT.ROU -o IMAGE", 0), 0u)
      << sectionHelp.out;
  EXPECT_NE(sectionHelp.out.find("--zoom Z"), std::string::npos);
}

TEST_F(CommandLine, BadCommandLinesExitWithStatus2) {
  const std::string project = Write("start.ROU", StartupProject);
  const std::string png = Path("out.png");
  const struct {
    std::vector<std::string> args;
    const char* message;
  } table[] = {
      {{"frobnicate"}, "kerfwright: unknown verb 'frobnicate'"},
      {{"--frobnicate"}, "kerfwright: unknown option '--frobnicate'"},
      {{"a.ROU", "b.ROU"}, "unknown verb 'a.ROU'"},
      {{"section"}, "kerfwright section: missing PROJECT.ROU"},
      {{"section", project}, "missing -o IMAGE"},
      {{"section", project, "-o", png, "--zoom", "2"}, "--zoom works only with --preview"},
      {{"section", project, "-o", png, "--preview", "--zoom", "3"},
       "--zoom must be 1, 2 or 4, not 3"},
      {{"section", project, "-o", png, "--preview", "--height", "501"}, "between -500 and 500"},
      {{"section", project, "-o", png, "--preview", "--fence", "3//4"},
       "kerfwright section: --fence: cannot read \"3//4\""},
      {{"section", project, "-o", png, "--preview", "--height", "6in"},
       "--height must be between -5\" and 5\", not 6in"},
      {{"section", project, "-o", png, "--preview", "--cutter", "1", "--tools", Path("no tools")},
       "library holds no cutters"},
      {{"section", project, "-o", png, "--tools", Path("missing")}, "no tools directory at"},
      {{"section", project, "-o", Path("out.xyz"), "--tools", Path("no tools")}, "out.xyz"},
      {{"section", project, "-o", Path("no dir/out.png"), "--tools", Path("no tools")},
       "no dir/out.png"},
  };
  for (const auto& row : table) {
    const ProgramRun run = Run(row.args);
    EXPECT_EQ(run.status, 2) << ::testing::PrintToString(row.args);
    EXPECT_NE(run.err.find(row.message), std::string::npos)
        << ::testing::PrintToString(row.args) << run.err;
    EXPECT_EQ(run.out, "");
  }
  EXPECT_FALSE(fs::exists(png));
}

TEST_F(CommandLine, UnreadableProjectGivesOneLineWithPathAndLine) {
  const std::string png = Path("out.png");
  const struct {
    std::string text;
    std::string where;  // what follows the path
  } table[] = {
      {"1\r\n1\r\nwide\r\n200\r\n", ":3: the stock width is not an integer: \"wide\"\n"},
      {"2\r\n1\r\n200\r\n200\r\n752609\r\n\r\nFALSE\r\n2\r\n4\r\n0\r\n3\r\n",
       ":1: format version 2"},
      {"1\n1\n200\n200\n752609\n\nFALSE\n2\n4\n1\n0\n0\n9\nA.bmp\n3\n",
       ":13: the face of cut 1 is 9"},
  };
  for (const auto& row : table) {
    const std::string project = Write("bad.ROU", row.text);
    const ProgramRun run = Run({"section", project, "-o", png});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err.rfind(project + row.where, 0), 0u) << run.err;
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    EXPECT_FALSE(fs::exists(png));
  }
  const ProgramRun missing = Run({"section", Path("none.ROU"), "-o", png});
  EXPECT_EQ(missing.status, 2);
  EXPECT_EQ(missing.err, Path("none.ROU") + ": No such file or directory\n");
}

// The start-up set-up: 200 x 200 hundredths of an inch is 91 pixels of the 500 x 500 section.
TEST_F(CommandLine, SectionOfTheStartupProjectIsThe91PixelSquare) {
  const std::string project = Write("start.ROU", StartupProject);
  for (const char* name : {"section.png", "section.bmp", "section.ppm"}) {
    const ProgramRun run = Run({"section", project, "-o", Path(name)});
    ASSERT_EQ(run.status, 0) << run.err;
    const Raster picture = Load(Path(name));
    ASSERT_EQ(picture.Width(), 500);
    ASSERT_EQ(picture.Height(), 500);
    int wrong = 0;
    for (int y = 0; y < 500; ++y) {
      for (int x = 0; x < 500; ++x) {
        const Colour want = (x >= 409 && y >= 409) ? Black : White;
        wrong += (picture.Pixel(x, y) & 0xFFFFFF) != want;
      }
    }
    EXPECT_EQ(wrong, 0) << name;
  }
}

TEST_F(CommandLine, CutWithAMissingCutterPaintsNothingAndIsReported) {
  const std::string project = Write("gone.ROU",
                                    "1\r\n1\r\n300\r\n100\r\n752609\r\n\r\nFALSE\r\n2\r\n4\r\n1\r\n"
                                    "0\r\n0\r\n3\r\nGone.bmp\r\n4\r\n");
  const ProgramRun run =
      Run({"section", project, "-o", Path("gone.png"), "--tools", Path("no tools")});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.err.find("cut 1 uses cutter \"Gone.bmp\""), std::string::npos) << run.err;
  // Face 4 lays the 300-wide stock across the table (136 px) and stands its 100 upright (45 px).
  const Raster picture = Load(Path("gone.png"));
  int black = 0;
  for (int y = 0; y < 500; ++y) {
    for (int x = 0; x < 500; ++x) black += (picture.Pixel(x, y) & 0xFFFFFF) == Black;
  }
  EXPECT_EQ(black, 136 * 45);
  EXPECT_EQ(picture.Pixel(500 - 136, 500 - 45) & 0xFFFFFF, Black);
}

TEST_F(CommandLine, PreviewIsTheProfileWindowPictureInTheWoodColour) {
  const Colour wood = MakeColour(200, 10, 30);
  const std::string project = Write("wood.ROU", "1\r\n1\r\n200\r\n200\r\n" + std::to_string(wood) +
                                                    "\r\n\r\nFALSE\r\n2\r\n4\r\n0\r\n3\r\n");
  auto woodPixels = [&](const std::vector<std::string>& extra) {
    std::vector<std::string> args = {"section", project, "-o", Path("preview.png"), "--preview"};
    args.insert(args.end(), extra.begin(), extra.end());
    const ProgramRun run = Run(args);
    EXPECT_EQ(run.status, 0) << run.err;
    const Raster picture = Load(Path("preview.png"));
    EXPECT_EQ(picture.Width(), 250);
    EXPECT_EQ(picture.Height(), 250);
    int count = 0;
    for (int y = 0; y < picture.Height(); ++y) {
      for (int x = 0; x < picture.Width(); ++x) count += (picture.Pixel(x, y) & 0xFFFFFF) == wood;
    }
    return count;
  };
  const int zoom1 = woodPixels({});
  const int zoom2 = woodPixels({"--zoom", "2", "--fence", "-200", "--height", "-500"});
  EXPECT_GT(zoom1, 40 * 40);
  EXPECT_GT(zoom2, 3 * zoom1);
  // Lengths as a woodworker writes them draw what their hundredths draw.
  EXPECT_EQ(woodPixels({"--zoom", "2", "--fence", "-2\"", "--height", "-127mm"}), zoom2);
}

}  // namespace
}  // namespace kerf
