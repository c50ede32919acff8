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

Result<std::string> EncodeCutterFileName(const std::string& name) {
  const std::string degree = "\xC2\xB0";
  if (name.find_first_not_of(' ') == std::string::npos) {
    return Result<std::string>::Fail("the name is empty");
  }
  if (name.front() == ' ' || name.back() == ' ') {
    return Result<std::string>::Fail("the name starts or ends with a space");
  }
  std::string out;
  for (size_t i = 0; i < name.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(name[i]);
    if (name.compare(i, degree.size(), degree) == 0) {
      out += '%';
      ++i;
      continue;
    }
    switch (c) {
      case '/':
        out += '-';
        continue;
      case '"':
        out += '!';
        continue;
      case '.':
        out += '@';
        continue;
      case '-':
      case '!':
      case '%':
      case '@':
        return Result<std::string>::Fail(
            std::string("the name holds '") + static_cast<char>(c) +
            "', which a cutter's file name uses for another character");
      case '\\':
        return Result<std::string>::Fail(
            "the name holds '\\', which some systems read as a folder");
      default:
        break;
    }
    if (c < 0x20 || c == 0x7F) {
      return Result<std::string>::Fail("the name holds a control character");
    }
    if (c >= 0x80) {  // a whole UTF-8 sequence, copied as it is
      const int extra = c >= 0xF0 && c < 0xF5   ? 3
                        : c >= 0xE0 && c < 0xF0 ? 2
                        : c >= 0xC2 && c < 0xE0 ? 1
                                                : -1;
      bool valid = extra > 0 && i + static_cast<size_t>(extra) < name.size();
      for (int k = 1; valid && k <= extra; ++k)
        valid = (static_cast<unsigned char>(name[i + static_cast<size_t>(k)]) & 0xC0) == 0x80;
      if (!valid) {
        return Result<std::string>::Fail("the name is not valid UTF-8 text");
      }
      out.append(name, i, static_cast<size_t>(extra) + 1);
      i += static_cast<size_t>(extra);
      continue;
    }
    out += static_cast<char>(c);
  }
  out += ".bmp";
  if (out.size() > 255) {
    return Result<std::string>::Fail("the name is too long for a file name");
  }
  return out;
}

void ScanCutterProfile(const Raster& bitmap, Tool& tool) {
  tool.RedWidth = 0;
  tool.BearingRow = 0;
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
      if (started) tool.BearingRow = m;
    } else if (started) {
      --m;
      break;
    }
  }
  tool.RowCount = m;
}

}  // namespace kerf
