// Values out of range in a project: each clipped value is named with its line and what is used.
#include "project/ProjectClipping.h"

#include <gtest/gtest.h>

namespace kerf {
namespace {

TEST(ProjectClipping, EachValueOutOfRangeIsNamedWithItsLineAndTheValueUsed) {
  const struct {
    int32_t ProjectRecord::*Field;
    int32_t Stored;
    std::string Said;  // "LINE: text", or "" when nothing is clipped
  } cases[] = {
      {&ProjectRecord::StockWidth, -75, "3: the stock width -75 is out of range; 50 is used"},
      {&ProjectRecord::StockHeight, 2147483647,
       "4: the stock height 2147483647 is out of range; 1000 is used"},
      {&ProjectRecord::CurrentCutter, 2147483647,
       "2: the selected cutter 2147483647 is out of range; 1 is used"},
      {&ProjectRecord::CurrentCutter, 3, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Said);
    ProjectRecord record;
    record.*c.Field = c.Stored;
    std::string said;
    for (const ClippedValue& v : ClippedValues(record, 3))
      said += std::to_string(v.Line) + ": " + ClippedText(v);
    EXPECT_EQ(said, c.Said);
  }
}

}  // namespace
}  // namespace kerf
