// The verbs on faults found by trying hostile input: each row one fault and what it now gives.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include "RunProgram.h"
#include "tests/support/TempFolder.h"

namespace kerf {
namespace {

using test::ProgramRun;

// A name that retitles and clears the terminal it is printed on.
const std::string Hostile = "\x1b]2;PWNED\x07\x1b[2J";

bool HasEscape(const std::string& text) { return text.find('\x1b') != std::string::npos; }

// The status of kerfwright args with its output going to /dev/full.
int StatusWritingToFullDisk(const std::vector<std::string>& args) {
  const std::string program = test::ProgramPath();
  std::vector<char*> argv = {const_cast<char*>(program.c_str())};
  for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  const pid_t pid = fork();
  if (pid == 0) {
    dup2(open("/dev/full", O_WRONLY), 1);
    dup2(open("/dev/null", O_WRONLY), 2);
    execv(program.c_str(), argv.data());
    _exit(127);
  }
  int status = 0;
  return waitpid(pid, &status, 0) == pid && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

class Hardening : public test::TempFolder {};

TEST_F(Hardening, MatchWritesItsPlanOnlyToAProjectThatIsNotItsTarget) {
  const std::string target = Write("mine.ROU", "not read");
  const struct {
    std::string Output;
    std::string Error;  // after "kerfwright match: " and the output's name
  } cases[] = {
      {Path("mine.svg"), ": the plan is a project; name the file .ROU"},
      {Path("sec.png"), ": the plan is a project; name the file .ROU"},
      {Path("noext"), ": the plan is a project; name the file .ROU"},
      {target, ": this is the target; name another file for the plan"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Output);
    const ProgramRun run = test::RunProgram({"match", target, "-o", c.Output}, dir_.string());
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "kerfwright match: " + c.Output + c.Error + "\n");
  }
  EXPECT_EQ(test::Slurp(target), "not read");
}

TEST_F(Hardening, NamesReachTheTerminalWithoutTheirControlCodes) {
  const std::string broken = Write(Hostile + ".ROU", "1\r\nx\r\n");
  const std::string missing = Path(Hostile + "missing.ROU");
  const std::string project = Write("p.ROU",
                                    "1\r\n1\r\n200\r\n200\r\n752609\r\n\r\nFALSE\r\n2\r\n4\r\n1\r\n"
                                    "0\r\n0\r\n3\r\n" +
                                        Hostile + ".bmp\r\n3\r\n");
  const std::vector<std::vector<std::string>> runs = {
      {"check", broken, missing},
      {"report", broken},
      {"report", project},
      {"section", project, "-o", Path(Hostile + "/s.png")},
      {"mesh", project, "-o", Path(Hostile + ".xyz")},
      {"template", project, "-o", Path(Hostile + ".xyz")},
      {"sheet", project, "-o", Path(Hostile + "/s.pdf")},
  };
  for (const auto& args : runs) {
    SCOPED_TRACE(args[0]);
    const ProgramRun run = test::RunProgram(args, dir_.string());
    EXPECT_FALSE(HasEscape(run.out)) << run.out;
    EXPECT_FALSE(HasEscape(run.err)) << run.err;
    EXPECT_NE(run.err.find("?]2;PWNED??[2J"), std::string::npos) << run.err;
  }
}

TEST_F(Hardening, OutputLostOnAFullDiskFailsTheVerb) {
  const std::string project =
      Write("p.ROU", "1\r\n1\r\n200\r\n200\r\n752609\r\n\r\nFALSE\r\n2\r\n4\r\n0\r\n3\r\n");
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {"cutter", "list"}, {"check", project}, {"cutter", "--help"}, {"--version"}}) {
    SCOPED_TRACE(args[0] + " " + args[1 % args.size()]);
    EXPECT_EQ(StatusWritingToFullDisk(args), 2);
  }
}

// Each failure or warning is one line that says one thing: no toolkit chatter, no hint that
// does not apply, a clipped value named with its line.
TEST_F(Hardening, EachMessageIsOneLineThatSaysOneThing) {
  const std::string broken =
      Write("broken.svg", "<svg xmlns=\"http://www.w3.org/2000/svg\"><path d=");
  const std::string narrow =
      Write("narrow.ROU", "1\r\n1\r\n-75\r\n200\r\n752609\r\n\r\nFALSE\r\n2\r\n4\r\n0\r\n3\r\n");
  const struct {
    std::vector<std::string> Args;
    std::string Said;  // the whole error stream, or what it holds after "..."
  } cases[] = {
      {{"cutter", "import", broken, "-o", Path("out")},
       "kerfwright cutter import: " + broken + ": not an SVG drawing that can be read\n"},
      {{"check", narrow},
       "kerfwright: warning: " + narrow + ":3: the stock width -75 is out of range; 50 is used\n"},
      {{"cutter", "make", "straight", "--diameter", "1/2", "-o", "/dev/null/cutters"},
       "...: Not a directory\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Said);
    const ProgramRun run = test::RunProgram(c.Args, dir_.string());
    if (c.Said.rfind("...", 0) == 0) {
      EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
      EXPECT_EQ(run.err.substr(run.err.size() - (c.Said.size() - 3)), c.Said.substr(3));
    } else {
      EXPECT_EQ(run.err, c.Said);
    }
  }
  // Asked for, the toolkit's own words come too, marked as its.
  const ProgramRun verbose =
      test::RunProgram({"cutter", "import", broken, "-o", Path("out"), "--verbose"}, dir_.string());
  EXPECT_NE(verbose.err.find("kerfwright: qt: "), std::string::npos) << verbose.err;
}

}  // namespace
}  // namespace kerf
