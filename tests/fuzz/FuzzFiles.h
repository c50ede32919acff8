// For fuzz targets whose readers take a path: the input written to a scratch file of one name.
#pragma once

#include <unistd.h>

#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace kerf::fuzz {

// The path of a file holding bytes, named with extension ext (the readers pick the format by it).
inline std::string ScratchFile(const uint8_t* data, size_t size, const std::string& ext) {
  static const std::string folder = [] {
    // Qt's own warnings about broken drawings would fill the fuzzer's log.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    char pattern[] = "/tmp/kerf-fuzz-XXXXXX";
    if (mkdtemp(pattern) == nullptr) std::abort();
    return std::string(pattern);
  }();
  const std::string path = folder + "/input." + ext;
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr || std::fwrite(data, 1, size, file) != size || std::fclose(file) != 0)
    std::abort();
  return path;
}

}  // namespace kerf::fuzz
