// photo --fit: the whole moulding of a sample project fills about 80 % of the picture, on
// landscape and portrait pictures, and the view options it replaces are refused beside it.
#include <gtest/gtest.h>

#include <algorithm>

#include "RunProgram.h"
#include "model/Raster.h"
#include "project/PictureFile.h"
#include "support/ResultValue.h"
#include "support/TempFolder.h"

namespace kerf {
namespace {

using test::ProgramRun;

struct FitCase {
  const char* project;
  int width, height;
};

class PhotoFit : public test::TempFolder, public ::testing::WithParamInterface<FitCase> {};

TEST_P(PhotoFit, MouldingFillsEightyPercentOfThePicture) {
  const FitCase& c = GetParam();
  const std::string output = Path("fit.png");
  const ProgramRun run = test::RunProgram(
      {"photo", std::string(KERF_SOURCE_DIR) + "/data/work/" + c.project, "-o", output, "--fit",
       "--width", std::to_string(c.width), "--height", std::to_string(c.height), "--background",
       "336699", "--tools", std::string(KERF_SOURCE_DIR) + "/data/tools"},
      dir_.string());
  if (run.status == 2 && run.err.find("no OpenGL to draw with") != std::string::npos)
    GTEST_SKIP() << run.err;
  ASSERT_EQ(run.status, 0) << run.err;
  Raster picture(0, 0);
  ASSERT_EQ(test::TakeValue(LoadPicture(output), picture), "");
  ASSERT_EQ(picture.Width(), c.width);
  ASSERT_EQ(picture.Height(), c.height);

  const Colour background = MakeColour(0x33, 0x66, 0x99);
  int left = c.width, right = -1, top = c.height, bottom = -1;
  for (int y = 0; y < c.height; ++y) {
    for (int x = 0; x < c.width; ++x) {
      if (picture.Pixel(x, y) == background) continue;
      left = std::min(left, x), right = std::max(right, x), top = std::min(top, y),
      bottom = std::max(bottom, y);
    }
  }
  ASSERT_GE(right, 0) << "no moulding drawn";
  const double across = (right - left + 1) / static_cast<double>(c.width);
  const double up = (bottom - top + 1) / static_cast<double>(c.height);
  EXPECT_NEAR(std::max(across, up), 0.8, 0.03) << across << " across, " << up << " up";
  // Nothing touches the edges, and the moulding sits in the middle.
  EXPECT_GT(left, 0);
  EXPECT_GT(top, 0);
  EXPECT_LT(right, c.width - 1);
  EXPECT_LT(bottom, c.height - 1);
  EXPECT_NEAR((left + right) / 2.0, c.width / 2.0, c.width * 0.03);
  EXPECT_NEAR((top + bottom) / 2.0, c.height / 2.0, c.height * 0.03);
}

INSTANTIATE_TEST_SUITE_P(SampleProjects, PhotoFit,
                         ::testing::Values(FitCase{"Table edge ogee.ROU", 400, 300},
                                           FitCase{"Raised panel.ROU", 400, 300},
                                           FitCase{"Raised panel.ROU", 240, 400}));

class PhotoFitOptions : public test::TempFolder {};

TEST_F(PhotoFitOptions, RefusesTheViewOptionsItReplaces) {
  for (const char* option : {"--zoom", "--rotate-y", "--shift-x"}) {
    const ProgramRun run =
        test::RunProgram({"photo", std::string(KERF_SOURCE_DIR) + "/data/work/Raised panel.ROU",
                          "-o", Path("never.png"), "--fit", option, "10"},
                         dir_.string());
    EXPECT_EQ(run.status, 2) << option;
    EXPECT_EQ(run.err, std::string("kerfwright photo: --fit sets the view itself; leave out ") +
                           option + "\n");
  }
}

}  // namespace
}  // namespace kerf
