// Cutter bitmaps: the display name encoded in the file name and the profile read row by row.
#include "model/CutterScan.h"

namespace kerf {

namespace {

constexpr Colour ScanBlack = MakeColour(0, 0, 0);
constexpr Colour ScanRed = MakeColour(255, 0, 0);
// The tallest bitmap that is scanned: rows 0..500.
constexpr int LastScannedRow = 500;

void ReplaceAll(std::string& text, char from, const std::string& to) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    if (c == from)
      out += to;
    else
      out += c;
  }
  text = std::move(out);
}

// Column of the first pixel of row y that is not colour c, or -1 when the whole row is c.
int FirstOtherColumn(const Raster& bitmap, int y, Colour c) {
  const Colour* row = bitmap.Row(y);
  for (int x = 0; x < bitmap.Width(); ++x)
    if ((row[x] & 0xFFFFFF) != c) return x;
  return -1;
}

}  // namespace

std::string CutterDisplayName(const std::string& fileName) {
  std::string name = fileName.size() > 4 ? fileName.substr(0, fileName.size() - 4) : std::string();
  ReplaceAll(name, '-', "/");
  ReplaceAll(name, '!', "\"");
  ReplaceAll(name, '%', "\xC2\xB0");  // degree sign
  ReplaceAll(name, '@', ".");
  return name;
}

void ScanCutterProfile(const Raster& bitmap, Tool& tool) {
  tool.RedWidth = 0;
  tool.Profile.fill(0.0f);

  // Rows from the bottom up. Margin rows under the cutter are skipped; once the first black
  // row is met, every black or red row adds a profile row and any other row ends the profile.
  bool started = false;
  int m = 1;
  for (int y = bitmap.Height() - 1; y >= 0 && y <= LastScannedRow; --y) {
    if (started) {
      if (m == MaxProfileRows) break;  // the profile table is full: the cutter ends here
      ++m;
    }
    const Colour first = bitmap.Pixel(0, y) & 0xFFFFFF;
    if (first == ScanBlack) {
      started = true;
      const int x = FirstOtherColumn(bitmap, y, ScanBlack);
      if (x >= 0) tool.Profile[static_cast<size_t>(m)] = static_cast<float>(x - 1);
    } else if (first == ScanRed) {
      const int x = FirstOtherColumn(bitmap, y, ScanRed);
      if (x >= 0) tool.RedWidth = x;
    } else if (started) {
      --m;
      break;
    }
  }
  tool.RowCount = m;
}

}  // namespace kerf
