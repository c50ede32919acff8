// Test helpers for picture files: a BMP byte builder, file writing and a scratch folder.
#pragma once

#include <stdlib.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "model/Raster.h"

namespace kerf::testing {

inline void PutLE(std::string& out, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

// An uncompressed BMP of the picture, built byte by byte so that the tests do not depend on
// the writer under test: 24 or 32 bits per pixel, or 8 with a grey palette (index = red).
inline std::string MakeBmp(const Raster& picture, int bitCount = 24, bool topDown = false) {
  const int w = picture.Width(), h = picture.Height();
  const uint32_t paletteBytes = bitCount == 8 ? 256 * 4 : 0;
  const uint32_t stride = (static_cast<uint32_t>(w) * bitCount + 31) / 32 * 4;
  const uint32_t offset = 14 + 40 + paletteBytes;
  std::string out = "BM";
  PutLE(out, offset + stride * h, 4);
  PutLE(out, 0, 4);
  PutLE(out, offset, 4);
  PutLE(out, 40, 4);
  PutLE(out, static_cast<uint32_t>(w), 4);
  PutLE(out, static_cast<uint32_t>(topDown ? -h : h), 4);
  PutLE(out, 1, 2);
  PutLE(out, static_cast<uint32_t>(bitCount), 2);
  PutLE(out, 0, 4);  // BI_RGB
  PutLE(out, stride * h, 4);
  PutLE(out, 2835, 4);
  PutLE(out, 2835, 4);
  PutLE(out, bitCount == 8 ? 256 : 0, 4);
  PutLE(out, 0, 4);
  for (int i = 0; i < static_cast<int>(paletteBytes / 4); ++i) PutLE(out, i * 0x010101u, 4);
  for (int row = 0; row < h; ++row) {
    const int y = topDown ? row : h - 1 - row;
    std::string line;
    for (int x = 0; x < w; ++x) {
      const Colour c = picture.Pixel(x, y);
      if (bitCount == 8) {
        line += static_cast<char>(ColourRed(c));
        continue;
      }
      line += static_cast<char>(ColourBlue(c));
      line += static_cast<char>(ColourGreen(c));
      line += static_cast<char>(ColourRed(c));
      if (bitCount == 32) line += '\0';
    }
    line.resize(stride, '\0');
    out += line;
  }
  return out;
}

inline void WriteBytes(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary)
      .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// A folder under /tmp removed with everything in it when the object goes.
class ScratchFolder {
 public:
  ScratchFolder() {
    char pattern[] = "/tmp/kerf-pictures-XXXXXX";
    path_ = mkdtemp(pattern);
  }
  ~ScratchFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  const std::filesystem::path& Path() const { return path_; }
  std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
};

}  // namespace kerf::testing
