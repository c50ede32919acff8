// kerfwright cutter: make, import and list, with the user's cutter folder in a scratch folder.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>

#include "tests/cli/RunProgram.h"
#include "tests/support/TempFolder.h"

namespace kerf {
namespace {

using test::RunProgram;
using test::Slurp;

// Every test here has its own data home: nothing is written into the real home folder.
class CutterCommand : public test::TempFolder {
 protected:
  void SetUp() override {
    TempFolder::SetUp();
    const char* old = std::getenv("XDG_DATA_HOME");
    saved_ = old != nullptr ? std::optional<std::string>(old) : std::nullopt;
    setenv("XDG_DATA_HOME", Path("data").c_str(), 1);
  }
  void TearDown() override {
    if (saved_)
      setenv("XDG_DATA_HOME", saved_->c_str(), 1);
    else
      unsetenv("XDG_DATA_HOME");
    TempFolder::TearDown();
  }
  std::string UserFolder() const { return Path("data") + "/kerfwright/tools"; }
  test::ProgramRun Run(const std::vector<std::string>& args) {
    return RunProgram(args, dir_.string());
  }

  std::optional<std::string> saved_;
};

TEST_F(CutterCommand, MakeWritesTheSuppliedRoundoverIntoTheUserFolderCreatedOnFirstUse) {
  const test::ProgramRun run =
      Run({"cutter", "make", "roundover", "--radius", "3/8", "--bearing", "1/2"});
  ASSERT_EQ(run.status, 0) << run.err;
  const std::string path = UserFolder() + "/3-8! Roundover.bmp";
  EXPECT_EQ(run.out, path + "\n");
  EXPECT_EQ(Slurp(path), Slurp(KERF_SOURCE_DIR "/data/tools/3-8! Roundover.bmp"));

  // A second make of the same name keeps the first unless asked to replace it.
  const test::ProgramRun again = Run({"cutter", "make", "roundover", "--radius", "3/8"});
  EXPECT_EQ(again.status, 2);
  EXPECT_EQ(again.err, "kerfwright cutter make: " + path +
                           ": a cutter of that name is already there (--replace writes over it)\n");
  EXPECT_EQ(Run({"cutter", "make", "roundover", "--radius", "3/8", "--replace"}).status, 0);
}

TEST_F(CutterCommand, MakeNamesWhatIsWrongAndExitsTwo) {
  const struct {
    std::vector<std::string> Args;
    std::string Error;
  } cases[] = {
      {{"rebate", "--diameter", "3/4", "--bearing", "1"},
       "the bearing (1\") is larger than the cutter (3/4\"): the bit would cut nothing"},
      {{"cove", "--radius", "1/2", "--diameter", "1"},
       "the cove radius (1/2\") is deeper than the cutter, which reaches 1/4\" past the bearing"},
      {{"roundover"}, "the radius is missing"},
      {{"straight", "--diameter", "1/2", "--kerf", "1/8"}, "a Straight bit has no kerf"},
      {{"ogee", "--radius", "1/4"},
       "unknown kind \"ogee\"; the kinds are straight, rebate, roundover, cove, chamfer, vgroove, "
       "corebox, beading, romanogee, dovetail, slot, flushtrim"},
      {{"straight", "--diameter", "1/2", "--name", "T-Slot"},
       "cannot name the cutter \"T-Slot\": the name holds '-', which a cutter's file name uses for "
       "another character"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Error);
    std::vector<std::string> args = {"cutter", "make"};
    args.insert(args.end(), c.Args.begin(), c.Args.end());
    args.insert(args.end(), {"-o", Path("out")});
    const test::ProgramRun run = Run(args);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "kerfwright cutter make: " + c.Error + "\n");
    EXPECT_FALSE(std::filesystem::exists(Path("out")));
  }
}

TEST_F(CutterCommand, ImportWritesTheDrawnProfileUnderItsName) {
  const std::string svg = Write(
      "Wide Straight.svg",
      R"(<svg xmlns="http://www.w3.org/2000/svg" width="1in" height="2in" viewBox="0 0 100 200">)"
      R"(<path d="M0,150 L40,150 L40,50 L0,50 Z"/></svg>)");
  const test::ProgramRun run =
      Run({"cutter", "import", svg, "-o", Path("out"), "--bearing", "1/2"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, Path("out") + "/Wide Straight.bmp\n");

  // Words in the drawing are no part of the profile.
  const std::string labelled = Write(
      "Labelled.svg",
      R"(<svg xmlns="http://www.w3.org/2000/svg" width="1in" height="2in" viewBox="0 0 100 200">)"
      R"(<text x="60" y="20">Bit</text><path d="M0,150 L40,150 L40,50 L0,50 Z"/></svg>)");
  const test::ProgramRun words =
      Run({"cutter", "import", labelled, "-o", Path("out"), "--bearing", "1/2"});
  EXPECT_EQ(words.status, 0) << words.err;
  EXPECT_TRUE(Slurp(Path("out") + "/Labelled.bmp") == Slurp(Path("out") + "/Wide Straight.bmp"));

  const test::ProgramRun tall =
      Run({"cutter", "import", Write("t.dxf", "0\nLINE\n10\n0\n20\n0\n11\n1\n21\n6\n0\nEOF\n")});
  EXPECT_EQ(tall.status, 2);
  EXPECT_EQ(tall.err, "kerfwright cutter import: " + Path("t.dxf") +
                          ": the profile is 6.000\" tall; a cutter is at most 5\"\n");
}

TEST_F(CutterCommand, ListShowsUserCuttersAmongTheSuppliedInTheBoxOrder) {
  ASSERT_EQ(Run({"cutter", "make", "roundover", "--radius", "3/16"}).status, 0);
  // A user cutter with a supplied cutter's file name replaces it.
  ASSERT_EQ(Run({"cutter", "make", "straight", "--diameter", "1/2", "--length", "1/2"}).status, 0);
  const test::ProgramRun run = Run({"cutter", "list", "--tools", KERF_SOURCE_DIR "/data/tools"});
  ASSERT_EQ(run.status, 0) << run.err;
  const std::string supplied = KERF_SOURCE_DIR "/data/tools/";
  const std::string own = UserFolder() + "/";
  auto at = [&](const std::string& text) { return run.out.find(text); };
  EXPECT_LT(at(supplied + "1-8! Roundover.bmp"), at(own + "3-16! Roundover.bmp"));
  EXPECT_LT(at(own + "3-16! Roundover.bmp"), at(supplied + "1-4! Roundover.bmp"));
  EXPECT_EQ(at(supplied + "1-2! Straight.bmp"), std::string::npos);
  // Name, cutting height, largest radius, bearing radius and file, in columns.
  auto line = [](std::string name, std::string height, std::string radius, std::string bearing,
                 const std::string& file) {
    auto pad = [](std::string text, size_t width) {
      size_t shown = 0;
      for (char c : text) shown += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
      return text + std::string(width > shown ? width - shown : 0, ' ');
    };
    return pad(name, 24) + " height " + pad(height, 9) + " radius " + pad(radius, 9) + " bearing " +
           pad(bearing, 9) + " " + file + "\n";
  };
  EXPECT_NE(at(line("1/2\" Straight", "1/2\"", "1/4\"", "0\"", own + "1-2! Straight.bmp")),
            std::string::npos)
      << run.out;
  EXPECT_NE(
      at(line("3/8\" Roundover", "0.63\"", "0.63\"", "1/4\"", supplied + "3-8! Roundover.bmp")),
      std::string::npos)
      << run.out;
  EXPECT_NE(
      at(line("22.5\xC2\xB0 Chamfer", "3/4\"", "0.56\"", "1/4\"", supplied + "22@5% Chamfer.bmp")),
      std::string::npos)
      << run.out;
}

}  // namespace
}  // namespace kerf
