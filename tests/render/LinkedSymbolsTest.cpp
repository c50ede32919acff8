// Our programs reach OpenGL, GLU and EGL only through pointers loaded by name, never by linking.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <regex>
#include <string>
#include <vector>

namespace {

// The undefined dynamic symbols of a binary, from `nm -D --undefined-only`.
std::vector<std::string> UndefinedSymbols(const std::string& binary, bool& ok) {
  std::vector<std::string> symbols;
  const std::string command = "nm -D --undefined-only '" + binary + "' 2>/dev/null";
  FILE* pipe = popen(command.c_str(), "r");
  ok = pipe != nullptr;
  if (pipe == nullptr) return symbols;
  std::array<char, 512> line{};
  while (fgets(line.data(), static_cast<int>(line.size()), pipe) != nullptr) {
    std::string text(line.data());
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
    const auto space = text.find_last_of(' ');
    std::string name = space == std::string::npos ? text : text.substr(space + 1);
    if (const auto at = name.find('@'); at != std::string::npos) name.resize(at);
    if (!name.empty()) symbols.push_back(name);
  }
  ok = pclose(pipe) == 0;
  return symbols;
}

std::vector<std::string> OurBinaries() {
  std::vector<std::string> binaries{std::filesystem::canonical("/proc/self/exe").string()};
  const char* fromEnvironment = std::getenv("KERF_BIN_DIR");
  const std::filesystem::path binDir = fromEnvironment != nullptr ? fromEnvironment : KERF_BIN_DIR;
  for (const char* name : {"kerfwright", "kerf_cli_tests", "kerf_desktop_tests",
                           "kerf_project_tests", "kerf_model_tests"}) {
    const auto path = binDir / name;
    if (std::filesystem::exists(path)) binaries.push_back(path.string());
  }
  const auto benchDir = binDir.parent_path() / "bench";
  if (std::filesystem::is_directory(benchDir)) {
    for (const auto& entry : std::filesystem::directory_iterator(benchDir)) {
      if (entry.is_regular_file() && entry.path().filename().string().rfind("kerf_bench_", 0) == 0)
        binaries.push_back(entry.path().string());
    }
  }
  return binaries;
}

TEST(LinkedSymbols, NoBinaryCallsOpenGLGluOrEglDirectly) {
  // glClear, gluPerspective, glXGetProcAddress, eglGetDisplay ...; not glob or glibc names.
  const std::regex graphics("^(gl|glu|glX|egl)[A-Z].*");
  for (const std::string& binary : OurBinaries()) {
    bool ok = false;
    const auto symbols = UndefinedSymbols(binary, ok);
    ASSERT_TRUE(ok) << "nm could not read " << binary;
    ASSERT_FALSE(symbols.empty()) << binary;  // every program needs the C library at least
    for (const std::string& symbol : symbols) {
      EXPECT_FALSE(std::regex_match(symbol, graphics)) << binary << " links " << symbol;
    }
  }
  if (!std::filesystem::exists(std::filesystem::path(KERF_BIN_DIR) / "kerfwright")) {
    std::printf("note: kerfwright is not built in %s; only the test programs were checked\n",
                KERF_BIN_DIR);
  }
}

}  // namespace
