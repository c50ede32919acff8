// The verbs' option parser and the location of the program's files.
#include "cli/CommandArgs.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "project/ProgramFiles.h"

namespace kerf {
namespace {

// A verb shaped like section, parsed from one command line; "" error means it parsed.
struct Parsed {
  std::string project, output, tools, error;
  bool preview = false;
  int zoom = 1, fence = 0, height = 0;
};

Parsed ParseSectionLike(const CommandArgs& args) {
  Parsed p;
  OptionParser parser("section");
  parser.Positional("PROJECT.ROU", p.project);
  parser.Text({"-o", "--output"}, "IMAGE", p.output, true);
  parser.Text({"--tools"}, "DIR", p.tools);
  parser.Flag({"--preview"}, p.preview);
  parser.Integer({"--zoom"}, "Z", p.zoom, {1, 2, 4});
  parser.Integer({"--fence"}, "F", p.fence, -200, 1000);
  parser.Length({"--height"}, "H", p.height, -500, 500);
  if (!parser.Parse(args)) p.error = parser.Error();
  return p;
}

TEST(OptionParser, AcceptedCommandLines) {
  const struct {
    CommandArgs args;
    const char *project, *output;
    bool preview;
    int zoom, fence;
  } table[] = {
      {{"a.ROU", "-o", "a.png"}, "a.ROU", "a.png", false, 1, 0},
      {{"-o", "a.png", "a.ROU", "--preview"}, "a.ROU", "a.png", true, 1, 0},
      {{"a.ROU", "--output=b.bmp", "--zoom", "4", "--fence", "-200"},
       "a.ROU",
       "b.bmp",
       false,
       4,
       -200},
      {{"a.ROU", "-o", "c.ppm", "--fence=1000", "--zoom=2"}, "a.ROU", "c.ppm", false, 2, 1000},
      {{"-o", "x.png", "--", "-odd name.ROU"}, "-odd name.ROU", "x.png", false, 1, 0},
      {{"-", "-o", "-"}, "-", "-", false, 1, 0},
  };
  for (const auto& row : table) {
    const Parsed p = ParseSectionLike(row.args);
    EXPECT_EQ(p.error, "") << ::testing::PrintToString(row.args);
    EXPECT_EQ(p.project, row.project);
    EXPECT_EQ(p.output, row.output);
    EXPECT_EQ(p.preview, row.preview);
    EXPECT_EQ(p.zoom, row.zoom);
    EXPECT_EQ(p.fence, row.fence);
  }
}

// A bare whole number stays hundredths of an inch, as scripts have always given it; anything
// with a fraction, a point or a unit is a length.
TEST(OptionParser, LengthOptionsTakeHundredthsOrLengths) {
  const struct {
    const char* value;
    int hundredths;
    const char* error;
  } table[] = {
      {"75", 75, ""},
      {"-12", -12, ""},
      {"3/4", 75, ""},
      {"-3/4", -75, ""},
      {"1-1/8\"", 112, ""},
      {"0.75", 75, ""},
      {"-.5", -50, ""},
      {"19mm", 75, ""},
      {"1.9cm", 75, ""},
      {"5\"", 500, ""},
      {"501", 0, "--height must be between -500 and 500, not 501"},
      {"5.01", 0, "--height must be between -5\" and 5\", not 5.01"},
      {"3//4", 0, "--height: cannot read \"3//4\""},
      {"2 ft", 0, "--height: cannot read \"ft\" in \"2 ft\""},
  };
  for (const auto& row : table) {
    for (const bool glued : {false, true}) {
      const CommandArgs args =
          glued ? CommandArgs{"a.ROU", "-o", "a.png", std::string("--height=") + row.value}
                : CommandArgs{"a.ROU", "-o", "a.png", "--height", row.value};
      const Parsed p = ParseSectionLike(args);
      EXPECT_EQ(p.error, row.error) << row.value;
      if (p.error.empty()) {
        EXPECT_EQ(p.height, row.hundredths) << row.value;
      }
    }
  }
  EXPECT_EQ(ParseSectionLike({"a.ROU", "-o", "a.png", "--height="}).error,
            "--height: no length given");
}

TEST(OptionParser, RefusedCommandLinesSayWhy) {
  const struct {
    CommandArgs args;
    const char* error;
  } table[] = {
      {{}, "missing PROJECT.ROU"},
      {{"a.ROU"}, "missing -o IMAGE"},
      {{"a.ROU", "-o"}, "-o needs a value (IMAGE)"},
      {{"a.ROU", "-o", "--preview"}, "-o needs a value (IMAGE)"},
      {{"a.ROU", "--output="}, "--output needs a non-empty IMAGE"},
      {{"a.ROU", "-o", "a.png", "b.ROU"}, "unexpected argument 'b.ROU'"},
      {{"a.ROU", "-o", "a.png", "--bogus"}, "unknown option '--bogus'"},
      {{"a.ROU", "-o", "a.png", "-o", "b.png"}, "-o is given more than once"},
      {{"a.ROU", "-o", "a.png", "--preview=yes"}, "--preview takes no value"},
      {{"a.ROU", "-o", "a.png", "--zoom", "3"}, "--zoom must be 1, 2 or 4, not 3"},
      {{"a.ROU", "-o", "a.png", "--zoom", "two"}, "--zoom needs a whole number for Z, not 'two'"},
      {{"a.ROU", "-o", "a.png", "--fence", "1001"},
       "--fence must be between -200 and 1000, not 1001"},
      {{"a.ROU", "-o", "a.png", "--fence", "-201"},
       "--fence must be between -200 and 1000, not -201"},
      {{"a.ROU", "-o", "a.png", "--fence", "99999999999"},
       "--fence needs a whole number for F, not '99999999999'"},
      {{"a.ROU", "-o", "a.png", "--fence", "1e3"}, "--fence needs a whole number for F, not '1e3'"},
  };
  for (const auto& row : table) {
    EXPECT_EQ(ParseSectionLike(row.args).error, row.error) << ::testing::PrintToString(row.args);
  }
}

TEST(OptionParser, RestOfThePositionals) {
  std::vector<std::string> projects;
  std::string tools;
  OptionParser parser("check");
  parser.Positionals("PROJECT.ROU", projects);
  parser.Text({"--tools"}, "DIR", tools);
  ASSERT_TRUE(parser.Parse({"a.ROU", "--tools", "t", "b.ROU"})) << parser.Error();
  EXPECT_EQ(projects, (std::vector<std::string>{"a.ROU", "b.ROU"}));
  EXPECT_TRUE(parser.Given("--tools"));
  OptionParser empty("check");
  empty.Positionals("PROJECT.ROU", projects);
  EXPECT_FALSE(empty.Parse({}));
  EXPECT_EQ(empty.Error(), "missing PROJECT.ROU");
}

// The verb's help comes from the options it binds, with their value names and ranges.
TEST(OptionParser, HelpListsTheOptionsWithTheirRanges) {
  for (const CommandArgs& args : {CommandArgs{"--help"}, CommandArgs{"a.ROU", "-h"}}) {
    std::string project, output;
    int zoom = 1, fence = 0;
    OptionParser parser("section");
    parser.Positional("PROJECT.ROU", project);
    parser.Text({"-o", "--output"}, "IMAGE", output, true, "the picture to write");
    parser.Integer({"--zoom"}, "Z", zoom, {1, 2, 4});
    parser.Integer({"--fence"}, "F", fence, -200, 1000);
    EXPECT_FALSE(parser.Parse(args));
    EXPECT_TRUE(parser.HelpAsked());
    const std::string help = parser.Help();
    EXPECT_EQ(help.rfind("Usage: kerfwright section PROJECT.ROU -o IMAGE", 0), 0u) << help;
    for (const char* line : {"-o,--output IMAGE", "the picture to write", "--zoom Z:{1,2,4}",
                             "--fence F:[-200..1000]"}) {
      EXPECT_NE(help.find(line), std::string::npos) << line << "\n" << help;
    }
  }
  const Parsed glued = ParseSectionLike({"a.ROU", "-oa.png", "--preview=true"});
  EXPECT_EQ(glued.error, "--preview takes no value");
}

TEST(ProgramFiles, BesideTheProgramThenTheInstalledLayout) {
  namespace fs = std::filesystem;
  char pattern[] = "/tmp/kerf-files-XXXXXX";
  ASSERT_NE(mkdtemp(pattern), nullptr);
  const fs::path root = pattern;
  fs::create_directories(root / "build" / "bin" / "tools");
  fs::create_directories(root / "usr" / "bin");
  fs::create_directories(root / "usr" / "share" / "kerfwright" / "tools");
  fs::create_directories(root / "bare");

  EXPECT_EQ(ProgramDataDirFor((root / "build" / "bin").string()),
            (root / "build" / "bin").string());
  EXPECT_EQ(ProgramDataDirFor((root / "usr" / "bin").string()),
            (root / "usr" / "share" / "kerfwright").string());
  EXPECT_EQ(ProgramDataDirFor((root / "bare").string()), (root / "bare").string());
  EXPECT_FALSE(ExecutableDir().empty());
  EXPECT_EQ(fs::path(HelpFilePath()).filename(), "ROUTERHELP.HLP");
  EXPECT_EQ(fs::path(ToolsDir()).filename(), "tools");
  // Save dialogs start beside the program where they may write, else in the home directory
  // (an installed program's share/kerfwright has no "photos" and belongs to the system).
  const std::string home = (root / "home").string();
  EXPECT_EQ(SaveDirectoryFor((root / "bare").string(), home), (root / "bare").string());
  EXPECT_EQ(SaveDirectoryFor((root / "usr" / "share" / "kerfwright" / "photos").string(), home),
            home);
  fs::remove_all(root);
}

}  // namespace
}  // namespace kerf
