// Golden pictures: the section, preview and photo verbs' pictures of a few set-ups against
// stored pictures in tests/golden/.
//
// On a mismatch the test writes NAME.actual.png (what the program drew) and NAME.diff.png
// (white where the pictures agree, red where they differ, brighter for larger differences)
// into the test output folder, build/tests/output/golden/, and names both in the failure.
//
// To accept new pictures after an intended change of the drawing, run `make regenerate-golden`
// (or KERF_REGENERATE=1 build/bin/kerf_cli_tests --gtest_filter='GoldenPictures.*' under an X
// server), which rewrites tests/golden/*.png from the current program; look at every changed
// picture before committing it.
//
// Section and preview pictures are compared exactly. Photographs go through Mesa's software
// renderer: they are the same bit for bit from run to run on one machine, but another Mesa
// version may round a lit colour or an edge pixel differently, so they match within a channel
// difference of 3 with at most 0.2% of the pixels beyond that.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "RunProgram.h"
#include "model/Raster.h"
#include "project/PictureFile.h"
#include "support/PictureCompare.h"
#include "support/ResultValue.h"
#include "support/StartupProject.h"
#include "support/TempFolder.h"

namespace kerf {
namespace {

namespace fs = std::filesystem;
using test::ProgramRun;

const fs::path GoldenDir = fs::path(KERF_SOURCE_DIR) / "tests" / "golden";
const fs::path FailureDir = fs::path(KERF_TEST_OUTPUT_DIR) / "golden";
constexpr test::PictureTolerance PhotoTolerance{3, 0.002};

bool Regenerating() {
  const char* value = std::getenv("KERF_REGENERATE");
  return value && std::string(value) == "1";
}

// White where the pictures agree, red where they differ (brighter for larger differences).
Raster DifferencePicture(const Raster& actual, const Raster& expected) {
  const int width = std::max(actual.Width(), expected.Width());
  const int height = std::max(actual.Height(), expected.Height());
  Raster diff(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const bool inBoth = x < actual.Width() && y < actual.Height() && x < expected.Width() &&
                          y < expected.Height();
      const int d =
          inBoth ? test::ChannelDifference(actual.Pixel(x, y), expected.Pixel(x, y)) : 255;
      diff.SetPixel(
          x, y, d == 0 ? White : MakeColour(255, 160 - std::min(d, 160), 160 - std::min(d, 160)));
    }
  }
  return diff;
}

class GoldenPictures : public test::TempFolder {
 protected:
  // Runs a verb that writes a picture to the path after -o and compares it with NAME.png.
  void ExpectGolden(const std::string& name, std::vector<std::string> args,
                    test::PictureTolerance tolerance = {}) {
    const std::string output = Path(name + ".png");
    args.insert(args.end(), {"-o", output});
    const ProgramRun run = test::RunProgram(args, dir_.string());
    if (run.status == 2 && run.err.find("no OpenGL to draw with") != std::string::npos) {
      GTEST_SKIP() << run.err;
    }
    ASSERT_EQ(run.status, 0) << run.err;
    Raster actual(0, 0);
    ASSERT_EQ(test::TakeValue(LoadPicture(output), actual), "");

    const fs::path golden = GoldenDir / (name + ".png");
    if (Regenerating()) {
      ASSERT_EQ(SavePicture(golden.string(), actual).Error(), "");
      std::printf("rewrote %s\n", golden.c_str());
      return;
    }
    Raster expected(0, 0);
    ASSERT_EQ(test::TakeValue(LoadPicture(golden.string()), expected), "");
    const ::testing::AssertionResult same = test::SamePicture(actual, expected, -1, -1, tolerance);
    if (same) return;
    fs::create_directories(FailureDir);
    const fs::path actualPath = FailureDir / (name + ".actual.png");
    const fs::path diffPath = FailureDir / (name + ".diff.png");
    EXPECT_EQ(SavePicture(actualPath.string(), actual).Error(), "");
    EXPECT_EQ(SavePicture(diffPath.string(), DifferencePicture(actual, expected)).Error(), "");
    ADD_FAILURE() << name << ": " << same.message() << "\n  expected " << golden.string()
                  << "\n  actual   " << actualPath.string() << "\n  diff     " << diffPath.string();
  }

  // The start-up stock with a cove cut along its lower fence-side edge.
  std::string CoveProject() {
    return Write("cove.ROU", test::StartupProjectWithCuts({"0", "30", "3", "1-2! Cove.bmp"}));
  }
};

TEST_F(GoldenPictures, Sections) {
  ExpectGolden("section-startup", {"section", Write("startup.ROU", test::StartupProject)});
  ExpectGolden("section-cove", {"section", CoveProject()});
  ExpectGolden("preview-cove", {"section", CoveProject(), "--preview", "--zoom", "2", "--fence",
                                "20", "--height", "40"});
}

TEST_F(GoldenPictures, Photographs) {
  ExpectGolden(
      "photo-startup",
      {"photo", Write("startup.ROU", test::StartupProject), "--width", "320", "--height", "240"},
      PhotoTolerance);
  ExpectGolden("photo-cove-turned",
               {"photo", CoveProject(), "--width", "320", "--height", "240", "--rotate-x", "20",
                "--rotate-y", "30"},
               PhotoTolerance);
  ExpectGolden(
      "photo-cove-wire",
      {"photo", CoveProject(), "--width", "320", "--height", "240", "--zoom", "30", "--wire"},
      PhotoTolerance);
}

}  // namespace
}  // namespace kerf
