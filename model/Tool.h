// Tool: one cutter profile of the cutter library, read from a cutter bitmap.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace kerf {

// Most profile rows a cutter can have: a cutter is at most 5 inches (500 units) tall.
inline constexpr int MaxProfileRows = 500;

struct Tool {
  std::string Name;      // display name decoded from the file name (UTF-8, "°" for '%')
  std::string FileName;  // bitmap file name with extension, without directory
  int32_t RedWidth = 0;  // width of the red bearing-marker row; 0 when there is none
  // The profile row the red bearing-marker row is (the bearing stands on it and above it); 0
  // when there is none, or when it lies under the cutting edge.
  int32_t BearingRow = 0;
  // Cutter radius in units of each profile row, indexed 1..MaxProfileRows (slot 0 unused).
  std::array<float, MaxProfileRows + 1> Profile{};
  int32_t RowCount = 1;  // profile rows in use, 1..MaxProfileRows
};

}  // namespace kerf
