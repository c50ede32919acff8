// Project file codec: exact bytes, strict reading with line numbers, applying, safe writing.
#include "project/ProjectFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "support/TempFolder.h"

namespace kerf {
namespace {

namespace fs = std::filesystem;

const char* const StartupFile =
    "1\r\n1\r\n200\r\n200\r\n752609\r\n\r\nFALSE\r\n2\r\n4\r\n0\r\n3\r\n";

// The lines of a file joined with CR LF after each.
std::string Lines(std::initializer_list<const char*> lines) {
  std::string out;
  for (const char* l : lines) out += std::string(l) + "\r\n";
  return out;
}

ProjectRecord SampleRecord() {
  ProjectRecord r;
  r.CurrentCutter = 7;
  r.StockWidth = 350;
  r.StockHeight = 125;
  r.WoodColour = 0x0033CCFF;
  r.TextureFile = "/home/ann/textures/oak grain.jpg";
  r.TextureMap = true;
  r.RepeatV = 10;
  r.RepeatH = 1;
  r.Cuts = {{-200, 500, 1, "1-4! Roundover.bmp"}, {1000, -500, 8, "Cove 1-2!.BMP"}, {0, 0, 5, ""}};
  r.FaceOnTable = 6;
  return r;
}

std::string ReadBytes(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

Tool NamedTool(const std::string& fileName) {
  Tool t;
  t.FileName = fileName;
  t.Name = fileName;
  return t;
}

using TempDir = test::TempFolder;

TEST(ProjectFormat, StartupSetUpGivesTheElevenLines) {
  Model model;
  model.NewWorkpiece(200, 200);
  EXPECT_EQ(FormatProject(RecordFromModel(model)), StartupFile);
  EXPECT_EQ(FormatProject(ProjectRecord{}), StartupFile);
}

TEST(ProjectFormat, RoundTripGivesIdenticalBytes) {
  ProjectRecord record = SampleRecord();
  record.WoodColour = -2147483643;  // any 32-bit colour value passes through the file unchanged
  const std::string first = FormatProject(record);
  EXPECT_EQ(first.substr(0, 14), "1\r\n7\r\n350\r\n125");
  EXPECT_NE(first.find("\r\nTRUE\r\n"), std::string::npos);
  EXPECT_EQ(std::count(first.begin(), first.end(), '\n'), 11 + 4 * 3);

  const ProjectReadResult read = ParseProject(first);
  ASSERT_TRUE(read.Ok()) << read.Line() << ": " << read.Error();
  EXPECT_EQ(read.Value().Cuts.size(), 3u);
  EXPECT_EQ(read.Value().Cuts[1].CutterFileName, "Cove 1-2!.BMP");
  EXPECT_EQ(read.Value().WoodColour, -2147483643);
  EXPECT_EQ(FormatProject(read.Value()), first);
}

TEST(ProjectRead, AcceptsLfOnlyAndAMissingFinalLineEnd) {
  const std::string lf = "1\n3\n200\n300\n752609\n/t.bmp\nTRUE\n2\n4\n1\n10\n20\n2\nA.bmp\n5\n";
  const std::string crlf = StartupFile;
  for (const std::string& text : {lf, lf.substr(0, lf.size() - 1), crlf.substr(0, crlf.size() - 2),
                                  crlf.substr(0, crlf.size() - 1)}) {
    const ProjectReadResult r = ParseProject(text);
    ASSERT_TRUE(r.Ok()) << r.Line() << ": " << r.Error();
  }
  const ProjectRecord r = ParseProject(lf).Value();
  EXPECT_EQ(r.StockHeight, 300);
  EXPECT_EQ(r.TextureFile, "/t.bmp");
  ASSERT_EQ(r.Cuts.size(), 1u);
  EXPECT_EQ(r.Cuts[0].CutterFileName, "A.bmp");
  EXPECT_EQ(r.FaceOnTable, 5);
}

TEST(ProjectRead, OnlyExactTrueTurnsTextureMappingOn) {
  const struct {
    const char* word;
    bool on;
  } table[] = {{"TRUE", true},   {"true", false},  {"True", false},
               {"TRUE ", false}, {"FALSE", false}, {"", false}};
  for (const auto& row : table) {
    const std::string text =
        Lines({"1", "1", "200", "200", "752609", "", row.word, "2", "4", "0", "3"});
    const ProjectReadResult r = ParseProject(text);
    ASSERT_TRUE(r.Ok()) << row.word;
    EXPECT_EQ(r.Value().TextureMap, row.on) << '"' << row.word << '"';
  }
}

TEST(ProjectRead, NamesAreTakenByteForByte) {
  const std::string path = " C:\\Wood\\\xE9rable.JPG ";
  const std::string text = Lines({"1", "1", "200", "200", "752609", path.c_str(), "FALSE", "2", "4",
                                  "1", "0", "0", "3", "  roundover\r.bmp", "3"});
  const ProjectReadResult r = ParseProject(text);
  ASSERT_TRUE(r.Ok()) << r.Error();
  EXPECT_EQ(r.Value().TextureFile, path);
  EXPECT_EQ(r.Value().Cuts[0].CutterFileName, "  roundover\r.bmp");
  EXPECT_EQ(FormatProject(r.Value()), text);
}

// Each malformed file and the line its fault is reported on.
struct Malformed {
  const char* name;
  std::string text;
  int line;
  const char* messagePart;
};

void PrintTo(const Malformed& m, std::ostream* os) { *os << m.name; }

class MalformedProject : public ::testing::TestWithParam<Malformed> {};

TEST_P(MalformedProject, IsRefusedWithItsLineNumber) {
  const Malformed& m = GetParam();
  const ProjectReadResult r = ParseProject(m.text);
  EXPECT_FALSE(r.Ok());
  EXPECT_EQ(r.Line(), m.line) << r.Error();
  EXPECT_NE(r.Error().find(m.messagePart), std::string::npos) << r.Error();
}

const std::string Head = Lines({"1", "1", "200", "200", "752609", "", "FALSE", "2", "4"});

INSTANTIATE_TEST_SUITE_P(
    Table, MalformedProject,
    ::testing::Values(
        Malformed{"Empty", "", 1, "format version is missing"},
        Malformed{"Version2",
                  Lines({"2", "1", "200", "200", "752609", "", "FALSE", "2", "4", "0", "3"}), 1,
                  "version 2"},
        Malformed{"VersionText", Lines({"ROUTER", "1"}), 1, "\"ROUTER\""},
        Malformed{"VersionPlus", Lines({"+1"}), 1, "not an integer"},
        Malformed{"EmptyCutter", Lines({"1", ""}), 2, "selected cutter is an empty line"},
        Malformed{"BlankInWidth", Lines({"1", "1", " 200"}), 3, "stock width"},
        Malformed{"TrailingBlank", Lines({"1", "1", "200", "200 "}), 4, "stock height"},
        Malformed{"Decimal", Lines({"1", "1", "200", "200", "7526.09"}), 5, "wood colour"},
        Malformed{"TooBig", Lines({"1", "1", "2147483648"}), 3, "not an integer"},
        Malformed{"TooSmall", Lines({"1", "1", "-2147483649"}), 3, "not an integer"},
        Malformed{"LoneMinus", Lines({"1", "1", "-"}), 3, "not an integer"},
        Malformed{"EndsAtTexture", Lines({"1", "1", "200", "200", "752609"}), 6,
                  "texture file is missing"},
        Malformed{"EndsAtRepeat", Lines({"1", "1", "200", "200", "752609", "", "FALSE", "2"}), 9,
                  "horizontal texture repeat is missing"},
        Malformed{"RepeatHex", Lines({"1", "1", "200", "200", "752609", "", "FALSE", "0x2"}), 8,
                  "vertical"},
        Malformed{"NoCount", Head, 10, "number of cuts is missing"},
        Malformed{"CountText", Head + Lines({"two"}), 10, "number of cuts"},
        Malformed{"NegativeCount", Head + Lines({"-1", "3"}), 10, "negative"},
        Malformed{"CountTooLarge", Head + Lines({"2", "0", "0", "3", "A.bmp", "3"}), 10,
                  "2 cuts need 19 lines, but the file has only 15"},
        Malformed{"HugeCount", Head + Lines({"2147483647", "3"}), 10, "more than 10000 cuts"},
        Malformed{"JustAboveTheCutLimit", Head + Lines({"10001", "3"}), 10, "more than 10000 cuts"},
        Malformed{"TerminalControlsQuoted",
                  Lines({"\x1b]0;owned\x07\xc2\x9b"
                         "2J\xff"}),
                  1, "\"?]0;owned??2J\xef\xbf\xbd\""},
        Malformed{"NoFaceOnTable", Head + Lines({"0"}), 11, "face on the table is missing"},
        Malformed{"FaceOnTable0", Head + Lines({"0", "0"}), 11,
                  "face on the table is 0, expected 1 to 8"},
        Malformed{"FaceOnTable9", Head + Lines({"0", "9"}), 11, "is 9"},
        Malformed{"CutFence", Head + Lines({"1", "1/2", "0", "3", "A.bmp", "3"}), 11,
                  "fence of cut 1"},
        Malformed{"CutHeight", Head + Lines({"1", "0", "", "3", "A.bmp", "3"}), 12,
                  "height of cut 1"},
        Malformed{"CutFace0", Head + Lines({"1", "0", "0", "0", "A.bmp", "3"}), 13,
                  "face of cut 1 is 0"},
        Malformed{"SecondCutFace9",
                  Head + Lines({"2", "0", "0", "3", "A.bmp", "0", "0", "9", "B.bmp", "3"}), 17,
                  "face of cut 2 is 9"},
        Malformed{"TextAfterEnd", std::string(StartupFile) + "3\r\n", 12, "after the last line"},
        Malformed{"CountTooSmall", Head + Lines({"0", "3", "0", "3", "A.bmp", "3"}), 12,
                  "after the last line"},
        Malformed{"CutsFitFaceMissing", Head + Lines({"1", "0", "0", "3", "A.bmp"}), 15,
                  "face on the table is missing"}),
    [](const ::testing::TestParamInfo<Malformed>& info) { return std::string(info.param.name); });

TEST(ProjectRead, TheCutLimitItselfIsAccepted) {
  std::string text = Head + Lines({"10000"});
  for (int k = 0; k < 10000; ++k) text += Lines({"0", "0", "3", "A.bmp"});
  const ProjectReadResult r = ParseProject(text + Lines({"3"}));
  ASSERT_TRUE(r.Ok()) << r.Error();
  EXPECT_EQ(r.Value().Cuts.size(), 10000u);
}

TEST(ProjectRead, BlankLinesAfterTheEndAreIgnored) {
  const ProjectReadResult r = ParseProject(std::string(StartupFile) + "\r\n\n");
  EXPECT_TRUE(r.Ok()) << r.Error();
}

TEST(ProjectApply, ClampsSizesKeepsMissingCutterNamesAndChecksTheSelectedCutter) {
  Model model;
  model.SetCutterLibrary({NamedTool("A.bmp"), NamedTool("B.bmp")});
  model.NewWorkpiece(300, 300);
  model.AppendCut(10, 10);

  const struct {
    int32_t width, height, current;
    int32_t wantWidth, wantHeight, wantCurrent;
  } table[] = {{20, 1500, 2, 50, 1000, 2},
               {1500, 20, 3, 1000, 50, 1},
               {50, 1000, 0, 50, 1000, 1},
               {49, 1001, -4, 50, 1000, 1},
               {200, 300, 1, 200, 300, 1}};
  for (const auto& row : table) {
    ProjectRecord r = SampleRecord();
    r.StockWidth = row.width;
    r.StockHeight = row.height;
    r.CurrentCutter = row.current;
    r.Cuts = {{5, 6, 2, "B.bmp"}, {7, 8, 4, "Gone.bmp"}, {9, 10, 1, "a.bmp"}};
    r.RepeatV = 0;  // the Texture window's counters hold 1..10
    r.RepeatH = 11;
    ApplyRecord(model, r);
    EXPECT_EQ(model.TextureRepeatV(), 1);
    EXPECT_EQ(model.TextureRepeatH(), 10);
    EXPECT_EQ(model.StockWidth(), row.wantWidth);
    EXPECT_EQ(model.StockHeight(), row.wantHeight);
    EXPECT_EQ(model.CurrentCutter(), row.wantCurrent);
    ASSERT_EQ(model.CutCount(), 3);
    EXPECT_EQ(model.CutAt(1).Cutter, 2);
    EXPECT_EQ(model.CutAt(2).Cutter, 0);  // missing cutter
    EXPECT_EQ(model.CutAt(3).Cutter, 0);  // names match exactly, case included
    EXPECT_EQ(model.CutAt(2).Fence, 7);
    EXPECT_EQ(model.CutAt(2).Height, 8);
    EXPECT_EQ(model.CutAt(2).Face, 4);
    EXPECT_EQ(model.FaceOnTable(), 6);
    EXPECT_EQ(model.ProfileZoom(), 1);
    EXPECT_EQ(model.WoodSwatch(), static_cast<Colour>(r.WoodColour));
    EXPECT_EQ(model.TextureFile(), r.TextureFile);
    EXPECT_TRUE(model.TextureMap());

    // Saving again writes every cutter name as it was read.
    const ProjectRecord back = RecordFromModel(model);
    ASSERT_EQ(back.Cuts.size(), 3u);
    EXPECT_EQ(back.Cuts[0].CutterFileName, "B.bmp");
    EXPECT_EQ(back.Cuts[1].CutterFileName, "Gone.bmp");
    EXPECT_EQ(back.Cuts[2].CutterFileName, "a.bmp");
  }
}

TEST(ProjectApply, AppliedRecordIsWrittenBackUnchanged) {
  Model model;
  model.SetCutterLibrary({NamedTool("Cove 1-2!.BMP"), NamedTool("1-4! Roundover.bmp"),
                          NamedTool("x.bmp"), NamedTool("y.bmp"), NamedTool("z.bmp"),
                          NamedTool("v.bmp"), NamedTool("w.bmp")});
  const ProjectRecord r = SampleRecord();
  ApplyRecord(model, r);
  EXPECT_EQ(model.CutAt(1).Cutter, 2);
  EXPECT_EQ(FormatProject(RecordFromModel(model)), FormatProject(r));
}

using ProjectDisk = TempDir;

TEST_F(ProjectDisk, WritesAndReadsBack) {
  const fs::path file = dir_ / "Cabinet.ROU";
  ASSERT_EQ(WriteProjectFile(file.string(), SampleRecord()).Error(), "");
  EXPECT_EQ(ReadBytes(file), FormatProject(SampleRecord()));
  const ProjectReadResult r = ReadProjectFile(file.string());
  ASSERT_TRUE(r.Ok()) << r.Error();
  EXPECT_EQ(FormatProject(r.Value()), FormatProject(SampleRecord()));

  // Replacing leaves no temporary file behind.
  ASSERT_EQ(WriteProjectFile(file.string(), ProjectRecord{}).Error(), "");
  EXPECT_EQ(ReadBytes(file), StartupFile);
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
}

TEST_F(ProjectDisk, ReadingAMissingFileGivesTheSystemMessage) {
  const ProjectReadResult r = ReadProjectFile((dir_ / "none.ROU").string());
  EXPECT_FALSE(r.Ok());
  EXPECT_EQ(r.Line(), 0);
  EXPECT_EQ(r.Error(), std::strerror(ENOENT));
  EXPECT_EQ(ReadProjectFile(dir_.string()).Error(), std::strerror(EISDIR));
}

TEST_F(ProjectDisk, FailedWriteKeepsTheOldFileAndGivesTheSystemMessage) {
  std::string error;
  const fs::path missing = dir_ / "no such dir" / "a.ROU";
  error = WriteProjectFile(missing.string(), ProjectRecord{}).Error();
  EXPECT_EQ(error, "cannot write " + missing.string() + ": " + std::strerror(ENOENT));

  // A directory in the way of the rename: the directory stays, the temporary file goes.
  const fs::path blocked = dir_ / "blocked.ROU";
  fs::create_directory(blocked);
  error = WriteProjectFile(blocked.string(), ProjectRecord{}).Error();
  EXPECT_NE(error.find(std::strerror(EISDIR)), std::string::npos) << error;
  EXPECT_TRUE(fs::is_directory(blocked));
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);

  // A name that would break the line structure is refused before the old file is touched.
  const fs::path file = dir_ / "keep.ROU";
  ASSERT_EQ(WriteProjectFile(file.string(), SampleRecord()).Error(), "");
  ProjectRecord bad = SampleRecord();
  bad.Cuts[2].CutterFileName = "two\nlines.bmp";
  error = WriteProjectFile(file.string(), bad).Error();
  EXPECT_NE(error.find("cut 3 contains a line break"), std::string::npos) << error;
  EXPECT_EQ(ReadBytes(file), FormatProject(SampleRecord()));
}

TEST_F(ProjectDisk, UnwritableDirectoryKeepsTheOldFile) {
  if (geteuid() == 0) GTEST_SKIP() << "root may write into any directory";
  const fs::path file = dir_ / "keep.ROU";
  std::string error;
  ASSERT_EQ(WriteProjectFile(file.string(), SampleRecord()).Error(), "");
  fs::permissions(dir_, fs::perms::owner_read | fs::perms::owner_exec);
  error = WriteProjectFile(file.string(), ProjectRecord{}).Error();
  EXPECT_EQ(error, "cannot write " + file.string() + ": " + std::strerror(EACCES));
  EXPECT_EQ(ReadBytes(file), FormatProject(SampleRecord()));
}

TEST_F(ProjectDisk, ReplacingKeepsTheModeAndWritesThroughALink) {
  const fs::path file = dir_ / "real.ROU";
  const fs::path link = dir_ / "link.ROU";
  ASSERT_EQ(WriteProjectFile(file.string(), SampleRecord()).Error(), "");
  fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  fs::create_symlink(file.filename(), link);
  ASSERT_EQ(WriteProjectFile(link.string(), ProjectRecord{}).Error(), "");
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(ReadBytes(file), StartupFile);
  EXPECT_EQ(fs::status(file).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

}  // namespace
}  // namespace kerf
