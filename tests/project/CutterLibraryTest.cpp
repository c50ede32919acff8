// Cutter library: directory listing and order, skipped bitmaps, progress, and the supplied set.
#include "project/CutterLibrary.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>

#include "model/Model.h"
#include "project/PictureFile.h"
#include "tests/project/TestPictures.h"

namespace kerf {
namespace {

using testing::MakeBmp;
using testing::ScratchFolder;
using testing::WriteBytes;

// A cutter bitmap: a white margin row, the profile rows from the top down (radii given from
// the lowest row up) and a white row on top.
Raster CutterPicture(const std::vector<int>& radii) {
  Raster r(*std::max_element(radii.begin(), radii.end()) + 3, static_cast<int>(radii.size()) + 2);
  for (size_t i = 0; i < radii.size(); ++i)
    for (int x = 0; x <= radii[i]; ++x) r.SetPixel(x, r.Height() - 2 - static_cast<int>(i), Black);
  return r;
}

void WriteCutter(const std::filesystem::path& path, const std::vector<int>& radii) {
  WriteBytes(path, MakeBmp(CutterPicture(radii)));
}

class RecordingProgress final : public ProgressSink {
 public:
  void Begin(const std::string& label, int maximum) override {
    events.push_back("Begin " + label + " " + std::to_string(maximum));
  }
  void Step(int position) override { events.push_back("Step " + std::to_string(position)); }
  void End() override { events.push_back("End"); }
  std::vector<std::string> events;
};

std::vector<std::string> FileNames(const CutterLibrary& library) {
  std::vector<std::string> names;
  for (const Tool& t : library.Tools) names.push_back(t.FileName);
  return names;
}

TEST(CutterLibrary, ListsBmpFilesOfAnyCaseSortedWithoutRegardToCase) {
  ScratchFolder folder;
  for (const char* name : {"b.bmp", "Zed.bmp", "apple.BMP", "Apple.bmp", "c.Bmp", "10 Bead.bmp"})
    WriteCutter(folder / name, {3, 3});
  // Not cutters: other extensions, a name that only contains ".bmp", a folder.
  for (const char* name : {"notes.txt", "x.bmp.txt", "bmp", "Ybmp"}) WriteBytes(folder / name, "x");
  std::filesystem::create_directory(folder / "folder.bmp");

  NoProgress quiet;
  const CutterLibrary library = LoadCutterLibrary(folder.Path().string(), quiet);
  EXPECT_TRUE(library.DirectoryFound);
  EXPECT_TRUE(library.Skipped.empty());
  EXPECT_EQ(FileNames(library), (std::vector<std::string>{"10 Bead.bmp", "Apple.bmp", "apple.BMP",
                                                          "b.bmp", "c.Bmp", "Zed.bmp"}));
}

// Files that cannot be decoded are left out and reported; the others load in order, and the
// model's table then counts only what was loaded.
TEST(CutterLibrary, SkipsBitmapsThatCannotBeDecodedAndLoadsTheRest) {
  ScratchFolder folder;
  WriteCutter(folder / "a good.bmp", {5, 5});
  WriteBytes(folder / "b corrupt.bmp", "BM this is no bitmap");
  const std::string whole = MakeBmp(CutterPicture({7, 7, 7, 7}));
  WriteBytes(folder / "c truncated.bmp", whole.substr(0, whole.size() - 10));
  WriteBytes(folder / "d empty.bmp", "");
  WriteCutter(folder / "e good.bmp", {6, 6, 6});

  RecordingProgress progress;
  const CutterLibrary library = LoadCutterLibrary(folder.Path().string(), progress);
  EXPECT_EQ(FileNames(library), (std::vector<std::string>{"a good.bmp", "e good.bmp"}));
  ASSERT_EQ(library.Skipped.size(), 3u);
  const std::map<std::string, std::string> expected = {
      {"b corrupt.bmp", ""}, {"c truncated.bmp", "truncated"}, {"d empty.bmp", "empty"}};
  for (const SkippedCutter& s : library.Skipped) {
    SCOPED_TRACE(s.FileName);
    ASSERT_EQ(expected.count(s.FileName), 1u);
    EXPECT_FALSE(s.Reason.empty());
    EXPECT_NE(s.Reason.find(expected.at(s.FileName)), std::string::npos) << s.Reason;
    EXPECT_EQ(s.Reason.find(folder.Path().string()), std::string::npos)
        << "the reason does not repeat the path: " << s.Reason;
  }
  // Every file was a step, loaded or not.
  EXPECT_EQ(progress.events,
            (std::vector<std::string>{"Begin Setup Tools.... 5", "Step 1", "Step 2", "Step 3",
                                      "Step 4", "Step 5", "End"}));

  Model model;
  model.SetCutterLibrary(std::vector<Tool>(4));
  model.SetCurrentCutter(4);
  model.SetCutterLibrary(library.Tools);
  EXPECT_EQ(model.CutterCount(), 2);
  EXPECT_EQ(model.CurrentCutter(), 1);
  ASSERT_NE(model.Cutter(2), nullptr);
  EXPECT_EQ(model.Cutter(2)->FileName, "e good.bmp");
  EXPECT_EQ(model.Cutter(2)->RowCount, 3);
  EXPECT_EQ(model.Cutter(3), nullptr);
}

// Names that are no BMP file are warned about like a broken bitmap, never passed over silently.
TEST(CutterLibrary, ABmpNameThatIsNoBmpFileIsSkippedWithTheReason) {
  ScratchFolder folder;
  namespace fs = std::filesystem;
  std::ifstream jpeg(KERF_SOURCE_DIR "/tests/fuzz/jpeg/truncated.jpg", std::ios::binary);
  WriteBytes(folder / "jpeg.bmp", std::string(std::istreambuf_iterator<char>(jpeg), {}));
  ASSERT_EQ(mkfifo((folder / "fifo.bmp").c_str(), 0600), 0);
  fs::create_symlink("/dev/zero", folder / "zero.bmp");
  fs::create_symlink("loop.bmp", folder / "loop.bmp");
  const std::map<std::string, std::string> expected = {
      {"fifo.bmp", "not a regular file"},
      {"jpeg.bmp", "the file is not a BMP picture"},
      {"loop.bmp", std::strerror(ELOOP)},
      {"zero.bmp", "not a regular file"}};

  NoProgress quiet;
  const CutterLibrary library = LoadCutterLibrary(folder.Path().string(), quiet);
  EXPECT_TRUE(library.Tools.empty());
  std::map<std::string, std::string> skipped;
  for (const SkippedCutter& s : library.Skipped) skipped[s.FileName] = s.Reason;
  EXPECT_EQ(skipped, expected);
}

TEST(CutterLibrary, MissingOrEmptyDirectoryGivesAnEmptyLibrary) {
  ScratchFolder folder;
  struct Case {
    std::string directory;
    bool found;
  };
  const Case cases[] = {
      {folder.Path().string(), true}, {(folder / "no such folder").string(), false}, {"", false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.directory);
    RecordingProgress progress;
    const CutterLibrary library = LoadCutterLibrary(c.directory, progress);
    EXPECT_EQ(library.DirectoryFound, c.found);
    EXPECT_TRUE(library.Tools.empty());
    EXPECT_TRUE(library.Skipped.empty());
    EXPECT_EQ(progress.events, (std::vector<std::string>{"Begin Setup Tools.... 0", "End"}));
  }
}

TEST(CutterLibrary, MoreThanFiveHundredBitmapsAllLoad) {
  ScratchFolder folder;
  const std::string bytes = MakeBmp(CutterPicture({2, 2}));
  for (int i = 1; i <= 503; ++i) {
    char name[32];
    std::snprintf(name, sizeof name, "cutter %03d.bmp", i);
    WriteBytes(folder / name, bytes);
  }
  NoProgress quiet;
  const CutterLibrary library = LoadCutterLibrary(folder.Path().string(), quiet);
  ASSERT_EQ(library.Tools.size(), 503u);
  EXPECT_EQ(library.Tools.back().FileName, "cutter 503.bmp");
  Model model;
  model.SetCutterLibrary(library.Tools);
  EXPECT_EQ(model.CutterCount(), 503);
}

// The supplied cutters, as the generator draws them: name, bearing radius (0: fence-guided),
// widest cutting radius and cutting height in hundredths of an inch. A bearing bit's profile
// has one more row: the red marker row above its cutting edge.
struct SuppliedCutter {
  const char* name;
  int redWidth;
  int widest;
  int height;
};
const SuppliedCutter Supplied[] = {
    {"1/8\" Roundover", 25, 38, 38},      {"1/4\" Roundover", 25, 50, 50},
    {"3/8\" Roundover", 25, 63, 63},      {"1/2\" Roundover", 25, 75, 75},
    {"1/4\" Beading", 19, 50, 44},        {"1/4\" Cove", 25, 50, 38},
    {"1/2\" Cove", 25, 75, 63},           {"45\xC2\xB0 Chamfer", 25, 68, 50},
    {"22.5\xC2\xB0 Chamfer", 25, 56, 75}, {"5/32\" Roman Ogee", 25, 56, 44},
    {"Ogee with Fillet", 25, 69, 63},     {"Classical", 25, 63, 56},
    {"Cove and Bead", 25, 81, 69},        {"1/4\" Straight", 0, 13, 75},
    {"1/2\" Straight", 0, 25, 100},       {"3/4\" Straight", 0, 38, 100},
    {"1/2\" Core Box", 0, 25, 50},        {"3/8\" Rabbeting", 25, 63, 50},
    {"1/2\" Flush Trim", 25, 25, 100},    {"90\xC2\xB0 V Groove", 0, 25, 25},
    {"60\xC2\xB0 V Groove", 0, 25, 43},   {"1/2\" 14\xC2\xB0 Dovetail", 0, 25, 50},
    {"T&G Groove", 25, 63, 25},           {"T&G Tongue", 25, 63, 75},
    {"Finger Pull", 0, 63, 69},
};

TEST(CutterLibrary, SuppliedCuttersAllLoadWithTheirSizes) {
  NoProgress quiet;
  const CutterLibrary library = LoadCutterLibrary(KERF_SOURCE_DIR "/data/tools", quiet);
  ASSERT_TRUE(library.DirectoryFound);
  for (const SkippedCutter& s : library.Skipped) ADD_FAILURE() << s.FileName << ": " << s.Reason;
  EXPECT_GE(library.Tools.size(), 24u);

  std::map<std::string, const Tool*> byName;
  for (const Tool& t : library.Tools) {
    SCOPED_TRACE(t.FileName);
    byName[t.Name] = &t;
    EXPECT_GE(t.RowCount, 2);
    EXPECT_LE(t.RowCount, MaxProfileRows);
    if (t.RedWidth > 0) {
      // The red row is the top profile row, directly above the cutting edge.
      EXPECT_EQ(t.Profile[t.RowCount], 0.0f);
      EXPECT_GT(t.Profile[t.RowCount - 1], 0.0f);
    }
  }
  for (const SuppliedCutter& s : Supplied) {
    SCOPED_TRACE(s.name);
    ASSERT_EQ(byName.count(s.name), 1u);
    const Tool& t = *byName[s.name];
    EXPECT_EQ(t.RedWidth, s.redWidth);
    const int cuttingRows = t.RowCount - (t.RedWidth > 0 ? 1 : 0);
    EXPECT_EQ(cuttingRows, s.height);
    const float widest =
        *std::max_element(t.Profile.begin() + 1, t.Profile.begin() + 1 + cuttingRows);
    EXPECT_EQ(widest, s.widest);
    // A bearing bit reaches past its bearing (a flush trim bit exactly to it).
    if (t.RedWidth > 0) {
      EXPECT_GE(widest, t.RedWidth);
    }
  }
}

// A roundover with its bearing against the fence leaves a quarter round of its size: the
// cutter's reach past the bearing falls from the radius at the foot of the arc to nothing at
// the bearing, as a circle does.
TEST(CutterLibrary, SuppliedRoundoverCutsAQuarterCircle) {
  NoProgress quiet;
  const CutterLibrary library = LoadCutterLibrary(KERF_SOURCE_DIR "/data/tools", quiet);
  const auto it = std::find_if(library.Tools.begin(), library.Tools.end(),
                               [](const Tool& t) { return t.Name == "1/2\" Roundover"; });
  ASSERT_NE(it, library.Tools.end());
  const Tool& t = *it;
  const int lip = 25, radius = 50;
  for (int l = 1; l <= lip; ++l) EXPECT_EQ(t.Profile[l], t.RedWidth + radius) << "row " << l;
  for (int z = 0; z < radius; ++z) {
    const double reach =
        radius - std::sqrt(radius * radius - (radius - (z + 0.5)) * (radius - (z + 0.5)));
    EXPECT_NEAR(t.Profile[lip + 1 + z] - t.RedWidth, reach, 0.5) << "arc row " << z;
  }
}

}  // namespace
}  // namespace kerf
