// A made-up straight bit for tests: the same radius on every profile row.
#pragma once

#include <cstddef>
#include <string>

#include "model/Tool.h"

namespace kerf::test {

inline Tool Straight(const std::string& name, float radius, int rows) {
  Tool tool;
  tool.FileName = name + ".bmp";
  tool.Name = name;
  tool.RowCount = rows;
  for (int l = 1; l <= rows; ++l) tool.Profile[static_cast<std::size_t>(l)] = radius;
  return tool;
}

}  // namespace kerf::test
