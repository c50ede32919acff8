// The shared rules for file extensions and strict whole numbers, at their edges.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "model/FileNames.h"
#include "model/StrictInteger.h"

namespace kerf {
namespace {

TEST(LowerExtension, IsTheLastDotOfTheNameInLowerCase) {
  const struct {
    const char* path;
    const char* ext;
  } cases[] = {
      {"Frame.SVG", "svg"},
      {"a.b/Frame.Rou", "rou"},
      {"a.b/Frame", ""},
      {"dir/.bmp", "bmp"},
      {"x.tar.GZ", "gz"},
      {"name.", ""},
      {"", ""},
      {"1-4! Cove@.bmp", "bmp"},
  };
  for (const auto& c : cases) EXPECT_EQ(LowerExtension(c.path), c.ext) << c.path;
}

TEST(ParseStrictInteger, TakesOnlyASignAndDigitsWithin32Bits) {
  const struct {
    const char* text;
    bool read;
    int32_t value;
  } cases[] = {
      {"0", true, 0},
      {"-25", true, -25},
      {"2147483647", true, INT32_MAX},
      {"-2147483648", true, INT32_MIN},
      {"2147483648", false, 0},
      {"-2147483649", false, 0},
      {"99999999999999999999", false, 0},
      {"", false, 0},
      {"-", false, 0},
      {"+5", false, 0},
      {" 5", false, 0},
      {"5 ", false, 0},
      {"1.0", false, 0},
  };
  for (const auto& c : cases) {
    int32_t value = 7;
    EXPECT_EQ(ParseStrictInteger(c.text, value), c.read) << c.text;
    EXPECT_EQ(value, c.read ? c.value : 7) << c.text;
  }
}

}  // namespace
}  // namespace kerf
