// The verbs on hostile input: special files, huge cut counts, terminal escapes, broken GL.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "RunProgram.h"
#include "model/Raster.h"
#include "project/HelpFile.h"
#include "project/PictureFile.h"

namespace kerf {
namespace {

namespace fs = std::filesystem;
using test::ProgramRun;

std::string ProjectText(const std::vector<std::string>& cutLines) {
  std::string text = "1\r\n1\r\n200\r\n200\r\n752609\r\n\r\nFALSE\r\n2\r\n4\r\n" +
                     std::to_string(cutLines.size() / 4) + "\r\n";
  for (const std::string& line : cutLines) text += line + "\r\n";
  return text + "3\r\n";
}

bool HasTerminalControls(const std::string& text) {
  for (size_t i = 0; i < text.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if ((c < 0x20 && c != '\n') || c == 0x7F) return true;
    if (c == 0xC2 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) >= 0x80 &&
        static_cast<unsigned char>(text[i + 1]) <= 0x9F)
      return true;
  }
  return false;
}

class HostileInput : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/kerf-hostile-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    dir_ = pattern;
    fs::create_directory(dir_ / "tools");
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::string Write(const std::string& name, const std::string& text) {
    const fs::path p = dir_ / name;
    std::ofstream(p, std::ios::binary) << text;
    return p.string();
  }
  std::string Path(const std::string& name) const { return (dir_ / name).string(); }
  ProgramRun Run(std::vector<std::string> args) {
    args.push_back("--tools");
    args.push_back((dir_ / "tools").string());
    return test::RunProgram(args, dir_.string());
  }
  void WriteCutter(const std::string& name) {
    Raster bitmap(30, 20);
    bitmap.Fill(White);
    for (int y = 0; y < 20; ++y)
      for (int x = 0; x <= 10; ++x) bitmap.SetPixel(x, y, Black);
    ASSERT_EQ(SavePicture((dir_ / "tools" / name).string(), bitmap).Error(), "");
  }

  fs::path dir_;
};

// Without the check each verb waits for ever for a writer to open the FIFO.
TEST_F(HostileInput, AFifoAsTheProjectIsRefusedByEveryVerb) {
  const std::string fifo = Path("pipe.ROU");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0644), 0);
  const std::vector<std::vector<std::string>> verbs = {{"report", fifo},
                                                       {"check", fifo},
                                                       {"outline", fifo},
                                                       {"section", fifo, "-o", Path("s.png")},
                                                       {"photo", fifo, "-o", Path("p.png")}};
  for (const auto& args : verbs) {
    const ProgramRun run = Run(args);
    EXPECT_EQ(run.status, 2) << args[0];
    EXPECT_EQ(run.err, fifo + ": not a regular file\n") << args[0];
  }
}

TEST_F(HostileInput, MoreCutsThanTheLimitAreRefusedWithTheLine) {
  std::vector<std::string> cuts;
  for (int k = 0; k < 10001; ++k) cuts.insert(cuts.end(), {"0", "0", "3", "A.bmp"});
  const std::string project = Write("many.ROU", ProjectText(cuts));
  const ProgramRun run = Run({"report", project});
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.err, project + ":10: more than 10000 cuts\n");
}

TEST_F(HostileInput, SpecialOutputFilesAreRefusedAndKept) {
  const std::string project = Write("plain.ROU", ProjectText({}));
  const std::string fifo = Path("out.png");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0644), 0);
  fs::create_symlink("out.png", dir_ / "link.png");
  for (const std::string& output : {fifo, Path("link.png")}) {
    const ProgramRun run = Run({"section", project, "-o", output});
    EXPECT_EQ(run.status, 2) << output;
    EXPECT_NE(run.err.find(output + ": not a regular file"), std::string::npos) << run.err;
    EXPECT_TRUE(fs::is_fifo(fifo));
  }
}

// Names from the project and the tools folder reach the terminal without their control codes.
TEST_F(HostileInput, NamesArePrintedWithoutTerminalControls) {
  WriteCutter(
      "\x1b]0;title\x07"
      "Cove.bmp");
  Write("tools/\x1b[31mBroken\xc2\x9b.bmp", "BM not a bitmap");
  const std::string project = Write("names.ROU", ProjectText({"0", "0", "3",
                                                              "\x1b]0;title\x07"
                                                              "Cove.bmp",
                                                              "0", "0", "3",
                                                              "\x1b[2J\r\xc2\x9b"
                                                              "Gone.bmp"}));
  const ProgramRun run = Run({"report", project});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_FALSE(HasTerminalControls(run.out)) << run.out;
  EXPECT_FALSE(HasTerminalControls(run.err)) << run.err;
  EXPECT_NE(run.out.find("  Cutter: ?]0;title?Cove"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("?[2J??Gone.bmp (missing)"), std::string::npos) << run.out;
  EXPECT_NE(run.err.find("cutter bitmap \"?[31mBroken?.bmp\" skipped"), std::string::npos)
      << run.err;
  EXPECT_NE(run.err.find("uses cutter \"?[2J??Gone.bmp\""), std::string::npos) << run.err;
}

TEST_F(HostileInput, HelpFileThatIsNoRegularFileIsNotRead) {
  ASSERT_EQ(mkfifo(Path("help.hlp").c_str(), 0644), 0);
  fs::create_symlink("/dev/zero", dir_ / "zero.hlp");
  for (const char* name : {"help.hlp", "zero.hlp"}) {
    const Result<HelpFile> file = ReadHelpFile(Path(name));
    EXPECT_NE(file.Error().find("not a regular file"), std::string::npos) << file.Error();
  }
}

// A libGL.so.1 and libGLU.so.1 that load but lack their functions: photo says so and stops,
// where it used to call a null function.
TEST_F(HostileInput, PhotoWithIncompleteOpenGLSaysWhatIsMissing) {
  const std::string project = Write("plain.ROU", ProjectText({}));
  const char* old = std::getenv("LD_LIBRARY_PATH");
  const std::string saved = old ? old : "";
  setenv("LD_LIBRARY_PATH", KERF_STUB_GL_DIR, 1);
  const ProgramRun run = Run({"photo", project, "-o", Path("p.png")});
  if (old)
    setenv("LD_LIBRARY_PATH", saved.c_str(), 1);
  else
    unsetenv("LD_LIBRARY_PATH");
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(
      run.err.find(
          "kerfwright photo: no OpenGL to draw with: Could not load OpenGL from libGL.so.1: "),
      std::string::npos)
      << run.err;
  EXPECT_NE(run.err.find("undefined symbol"), std::string::npos) << run.err;
  EXPECT_FALSE(fs::exists(Path("p.png")));
}

}  // namespace
}  // namespace kerf
