// The photo verb: a picture of the 3-D view drawn off-screen, its options and its failures.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>

#include "RunProgram.h"
#include "model/Raster.h"
#include "project/PictureFile.h"
#include "support/ResultValue.h"
#include "support/TempFolder.h"

namespace kerf {
namespace {

namespace fs = std::filesystem;
using test::ProgramRun;

// A stock of the given size, face 3 on the table, no cuts, with the texture settings given.
std::string ProjectText(int width, int height, const std::string& textureFile, bool textureMap) {
  return "1\r\n1\r\n" + std::to_string(width) + "\r\n" + std::to_string(height) + "\r\n752609\r\n" +
         textureFile + "\r\n" + (textureMap ? "TRUE" : "FALSE") + "\r\n2\r\n4\r\n0\r\n3\r\n";
}

class PhotoCommand : public test::TempFolder {
 protected:
  std::string Project(const std::string& name, const std::string& text) {
    return Write(name, text);
  }

  // Runs the verb; skips the test where no OpenGL context can be had at all.
  ProgramRun Photo(std::vector<std::string> args) {
    args.insert(args.begin(), "photo");
    ProgramRun run = test::RunProgram(args, dir_.string());
    if (run.status == 2 && run.err.find("no OpenGL to draw with") != std::string::npos) {
      skipped_ = run.err;
    }
    return run;
  }

  Raster Picture(const std::string& path) {
    Raster picture(0, 0);
    EXPECT_EQ(test::TakeValue(LoadPicture(path), picture), "");
    return picture;
  }

  std::string skipped_;
};

TEST_F(PhotoCommand, DrawsTheMouldingOnTheBackgroundAtTheGivenSize) {
  const std::string project = Project("stock.rou", ProjectText(600, 400, "", false));
  const std::string output = (dir_ / "view.png").string();
  const ProgramRun run =
      Photo({project, "-o", output, "--width", "400", "--height", "300", "--background", "336699"});
  if (!skipped_.empty()) GTEST_SKIP() << skipped_;
  ASSERT_EQ(run.status, 0) << run.err;
  const Raster picture = Picture(output);
  ASSERT_EQ(picture.Width(), 400);
  ASSERT_EQ(picture.Height(), 300);
  const Colour background = MakeColour(0x33, 0x66, 0x99);
  EXPECT_EQ(picture.Pixel(0, 0), background);
  EXPECT_EQ(picture.Pixel(399, 299), background);
  const Colour centre = picture.Pixel(200, 150);
  EXPECT_NE(centre, background);
  EXPECT_GT(ColourRed(centre), ColourBlue(centre));  // the wood colour, lit
}

TEST_F(PhotoCommand, DefaultsToAn800By600HeadOnView) {
  const std::string project = Project("stock.rou", ProjectText(200, 200, "", false));
  const std::string output = (dir_ / "view.bmp").string();
  const ProgramRun run = Photo({project, "-o", output});
  if (!skipped_.empty()) GTEST_SKIP() << skipped_;
  ASSERT_EQ(run.status, 0) << run.err;
  const Raster picture = Picture(output);
  EXPECT_EQ(picture.Width(), 800);
  EXPECT_EQ(picture.Height(), 600);
  EXPECT_EQ(picture.Pixel(0, 0), Black);
  EXPECT_NE(picture.Pixel(400, 300), Black);
}

TEST_F(PhotoCommand, TexturesTheMouldingFromTheProjectsPicture) {
  // The stored path is from another machine; the same name is found among the supplied
  // textures. A texture that cannot be found falls back to the built-in wood grain.
  const std::vector<std::string> args = {"--zoom", "30", "--width", "200", "--height", "150"};
  auto distinctColours = [&](const std::string& textureFile, bool map, std::string& err) {
    const std::string project = Project("t.rou", ProjectText(600, 400, textureFile, map));
    const std::string output = (dir_ / "t.png").string();
    std::vector<std::string> all = {project, "-o", output};
    all.insert(all.end(), args.begin(), args.end());
    const ProgramRun run = Photo(all);
    EXPECT_EQ(run.status, 0) << run.err;
    err = run.err;
    const Raster picture = Picture(output);
    std::set<Colour> colours;
    for (int y = 60; y < 90; ++y)
      for (int x = 80; x < 120; ++x) colours.insert(picture.Pixel(x, y));
    return colours.size();
  };
  std::string err;
  const size_t plain = distinctColours("", false, err);
  if (!skipped_.empty()) GTEST_SKIP() << skipped_;
  const size_t supplied = distinctColours("C:\\Woods\\walnut.jpg", true, err);
  EXPECT_EQ(err, "");
  const size_t fallback = distinctColours("/nowhere/kerf/no-such-picture.jpg", true, err);
  EXPECT_NE(err.find("warning"), std::string::npos);
  EXPECT_NE(err.find("no-such-picture.jpg"), std::string::npos);
  EXPECT_GT(supplied, plain + 20);
  EXPECT_GT(fallback, plain + 20);
}

TEST_F(PhotoCommand, RefusesBadArgumentsWithStatus2) {
  const std::string project = Project("stock.rou", ProjectText(200, 200, "", false));
  const std::string output = (dir_ / "view.png").string();
  const std::vector<std::vector<std::string>> cases = {
      {project, "-o", output, "--background", "12345"},
      {project, "-o", output, "--background", "GG0000"},
      {project, "-o", output, "--width", "5001"},
      {project, "-o", output, "--zoom", "0"},
      {project, "-o", output, "--rotate-x", "360"},
      {project, "-o", output, "--shift-y", "-51"},
      {project},
      {(dir_ / "missing.rou").string(), "-o", output},
  };
  for (const auto& args : cases) {
    const ProgramRun run = Photo(args);
    EXPECT_EQ(run.status, 2) << args.back();
    EXPECT_FALSE(run.err.empty()) << args.back();
    EXPECT_FALSE(fs::exists(output)) << args.back();
  }
}

}  // namespace
}  // namespace kerf
