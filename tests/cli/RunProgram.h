// Runs the built kerfwright program with arguments and collects its exit status and output.
#pragma once

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace kerf::test {

struct ProgramRun {
  int status = -1;  // exit status; -1 when the program did not exit normally
  std::string out;
  std::string err;
};

// The kerfwright binary of this build (KERF_BIN_DIR, from the environment when ctest sets it).
inline std::string ProgramPath() {
  const char* dir = std::getenv("KERF_BIN_DIR");
  return std::string(dir && *dir ? dir : KERF_BIN_DIR) + "/kerfwright";
}

inline std::string Slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

// Runs kerfwright with args; scratchDir receives the captured output files.
inline ProgramRun RunProgram(const std::vector<std::string>& args, const std::string& scratchDir) {
  const std::string outPath = scratchDir + "/.stdout", errPath = scratchDir + "/.stderr";
  const std::string program = ProgramPath();
  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(program.c_str()));
  for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);

  ProgramRun run;
  const pid_t pid = fork();
  if (pid == 0) {
    const int out = open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const int err = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    dup2(out, 1);
    dup2(err, 2);
    execv(program.c_str(), argv.data());
    _exit(127);
  }
  int wstatus = 0;
  if (pid > 0 && waitpid(pid, &wstatus, 0) == pid && WIFEXITED(wstatus))
    run.status = WEXITSTATUS(wstatus);
  run.out = Slurp(outPath);
  run.err = Slurp(errPath);
  return run;
}

}  // namespace kerf::test
