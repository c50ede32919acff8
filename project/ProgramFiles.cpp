// Where the files beside the program live: tools, textures, work, photos and the help file.
#include "project/ProgramFiles.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace kerf {

namespace fs = std::filesystem;

namespace {

constexpr const char* HelpFileName = "ROUTERHELP.HLP";

bool HoldsProgramFiles(const fs::path& dir) {
  std::error_code ec;
  return fs::is_directory(dir / "tools", ec) || fs::is_regular_file(dir / HelpFileName, ec);
}

}  // namespace

std::string ExecutableDir() {
  std::error_code ec;
  const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  if (ec || exe.empty()) return fs::current_path(ec).string();
  return exe.parent_path().string();
}

std::string ProgramDataDirFor(const std::string& executableDir) {
  const fs::path dir = executableDir;
  if (HoldsProgramFiles(dir)) return dir.string();
  const fs::path installed = (dir / ".." / "share" / "kerfwright").lexically_normal();
  std::error_code ec;
  if (fs::is_directory(installed, ec)) return installed.string();
  return dir.string();
}

std::string ProgramDataDir() { return ProgramDataDirFor(ExecutableDir()); }

std::string ToolsDir() { return (fs::path(ProgramDataDir()) / "tools").string(); }
std::string TexturesDir() { return (fs::path(ProgramDataDir()) / "textures").string(); }
std::string WorkDir() { return (fs::path(ProgramDataDir()) / "work").string(); }
std::string PhotosDir() { return (fs::path(ProgramDataDir()) / "photos").string(); }
std::string HelpFilePath() { return (fs::path(ProgramDataDir()) / HelpFileName).string(); }

std::string SaveDirectoryFor(const std::string& dir, const std::string& home) {
  std::error_code ec;
  if (fs::is_directory(dir, ec) && ::access(dir.c_str(), W_OK) == 0) return dir;
  return home.empty() ? dir : home;
}

std::string SaveDirectoryFor(const std::string& dir) {
  const char* home = std::getenv("HOME");
  return SaveDirectoryFor(dir, home ? home : "");
}

}  // namespace kerf
