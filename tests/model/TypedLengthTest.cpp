// ParseHundredths: lengths typed into a field, in the field's unit or with their own.
#include <gtest/gtest.h>

#include <climits>

#include "model/LengthText.h"

namespace kerf {
namespace {

struct TypedCase {
  const char* text;
  LengthUnit unit;  // the unit the field shows
  bool readable;
  int32_t hundredths;  // when readable
};

class TypedLengths : public ::testing::TestWithParam<TypedCase> {};

TEST_P(TypedLengths, ReadsHundredthsOrRefuses) {
  const TypedCase& c = GetParam();
  int32_t got = 12345;
  const bool read = ParseHundredths(c.text, c.unit, got);
  EXPECT_EQ(read, c.readable) << '"' << c.text << '"';
  EXPECT_EQ(got, c.readable ? c.hundredths : 12345) << '"' << c.text << '"';
}

constexpr LengthUnit Inch = LengthUnit::Imperial;
constexpr LengthUnit Mm = LengthUnit::Metric;

INSTANTIATE_TEST_SUITE_P(
    Table, TypedLengths,
    ::testing::Values(
        TypedCase{"3/4", Inch, true, 75}, TypedCase{"0.75", Inch, true, 75},
        TypedCase{"19mm", Inch, true, 75}, TypedCase{" 1 1/2\" ", Inch, true, 150},
        TypedCase{"2in", Inch, true, 200}, TypedCase{"-0 1/4\"", Inch, true, -25},
        TypedCase{"-3", Inch, true, -300}, TypedCase{"- 3/4", Inch, true, -75},
        // 1/64" is 1.5625 hundredths; 1/128" is 0.78125: rounded to the nearest.
        TypedCase{"1/64", Inch, true, 2}, TypedCase{"1/128", Inch, true, 1},
        TypedCase{"3/128", Inch, true, 2}, TypedCase{"0.125", Inch, true, 12},
        // In a millimetre field a bare number is millimetres, a fraction still inches.
        TypedCase{"19", Mm, true, 75}, TypedCase{"25.4", Mm, true, 100},
        TypedCase{"3/4", Mm, true, 75}, TypedCase{"1\"", Mm, true, 100},
        TypedCase{"-51mm", Mm, true, -201}, TypedCase{"0mm", Mm, true, 0},
        TypedCase{"", Inch, false, 0}, TypedCase{"abc", Inch, false, 0},
        TypedCase{"3/0", Inch, false, 0}, TypedCase{"--1", Inch, false, 0},
        TypedCase{"1.5.2", Inch, false, 0}, TypedCase{"1 1/2mm", Mm, false, 0},
        TypedCase{"-", Inch, false, 0}, TypedCase{"12 cm", Mm, false, 0},
        TypedCase{"99999999999", Inch, false, 0}));

TEST(TypedLength, EveryShownInchTextReadsBackToTheSameSixtyFourth) {
  // What a grid or field shows can be typed back: the length read is the 64th it showed.
  for (int32_t h = -500; h <= 1000; h += 7) {
    const std::string shown = FormatLength(static_cast<float>(h) / 100.0f, LengthUnit::Imperial);
    int32_t read = 0;
    ASSERT_TRUE(ParseHundredths(shown, LengthUnit::Imperial, read)) << shown;
    EXPECT_EQ(FormatLength(static_cast<float>(read) / 100.0f, LengthUnit::Imperial), shown) << h;
  }
}

}  // namespace
}  // namespace kerf
