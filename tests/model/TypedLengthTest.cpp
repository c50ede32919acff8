// Reading typed lengths: shop fractions, decimals, millimetres and centimetres, and what is
// refused.
#include <gtest/gtest.h>

#include "model/LengthText.h"

namespace kerf {
namespace {

struct TypedCase {
  const char* text;
  LengthUnit bareUnit;  // the unit a bare number is in
  int32_t hundredths;   // when readable
  const char* error;    // "" when readable
};

constexpr LengthUnit Inch = LengthUnit::Imperial;
constexpr LengthUnit Mm = LengthUnit::Metric;

const TypedCase TypedCases[] = {
    // Inches as a woodworker writes them.
    {"3/4", Inch, 75, ""},
    {"3/4\"", Inch, 75, ""},
    {"1 1/8", Inch, 112, ""},  // 112.5 exactly: the half goes to the even neighbour
    {"1-1/8\"", Inch, 112, ""},
    {"1 - 1/8 in", Inch, 112, ""},
    {"0.75", Inch, 75, ""},
    {".75in", Inch, 75, ""},
    {"2IN", Inch, 200, ""},
    {"1 inch", Inch, 100, ""},
    {" 1 1/2\" ", Inch, 150, ""},
    {"0 6/8\"", Inch, 75, ""},  // as a rule reads three quarters
    {"5.", Inch, 500, ""},
    // Millimetres and centimetres, with or without a space.
    {"19mm", Inch, 75, ""},
    {"19 mm", Inch, 75, ""},
    {"19 MM", Inch, 75, ""},
    {"1.9cm", Inch, 75, ""},
    {"12 cm", Inch, 472, ""},
    {"0mm", Mm, 0, ""},
    // Negative lengths: the fence goes behind its zero.
    {"-0 1/4\"", Inch, -25, ""},
    {"-3", Inch, -300, ""},
    {"- 3/4", Inch, -75, ""},
    {"-1-1/8", Inch, -112, ""},
    {"-51mm", Mm, -201, ""},
    // A bare number follows the unit setting; a fraction is always inches.
    {"19", Mm, 75, ""},
    {"25.4", Mm, 100, ""},
    {"3/4", Mm, 75, ""},
    {"1\"", Mm, 100, ""},
    // Rounding to the nearest hundredth, halves to the even neighbour.
    {"1/64", Inch, 2, ""},    // 1.5625
    {"1/128", Inch, 1, ""},   // 0.78125
    {"0.125", Inch, 12, ""},  // 12.5 exactly
    {"0.375", Inch, 38, ""},  // 37.5 exactly
    {"0.005", Inch, 0, ""},
    // What cannot be read is named.
    {"", Inch, 0, "no length given"},
    {"   ", Inch, 0, "no length given"},
    {"3//4", Inch, 0, "cannot read \"3//4\""},
    {"abc", Inch, 0, "cannot read \"abc\""},
    {"--1", Inch, 0, "cannot read \"--1\""},
    {"-", Inch, 0, "cannot read \"-\""},
    {".", Inch, 0, "cannot read \".\""},
    {"1-", Inch, 0, "cannot read \"1-\""},
    {"3/", Inch, 0, "cannot read \"3/\""},
    {"3/0", Inch, 0, "cannot read \"3/0\": a fraction cannot be over 0"},
    {"1.5.2", Inch, 0, "cannot read \".2\" in \"1.5.2\""},
    {"12 ft", Inch, 0, "cannot read \"ft\" in \"12 ft\""},
    {"1 2", Inch, 0, "cannot read \"2\" in \"1 2\""},
    {"3/4 1/2", Inch, 0, "cannot read \"1/2\" in \"3/4 1/2\""},
    {"1e3", Inch, 0, "cannot read \"e3\" in \"1e3\""},
    {"1,5", Inch, 0, "cannot read \",5\" in \"1,5\""},
    {"1 1/2mm", Mm, 0, "cannot read \"1 1/2mm\": metric lengths are written as decimals"},
    {"99999999999", Inch, 0, "cannot read \"99999999999\": too long"},
};

class TypedLengths : public ::testing::TestWithParam<TypedCase> {};

TEST_P(TypedLengths, ReadsHundredthsOrSaysWhatItCannotRead) {
  const TypedCase& c = GetParam();
  const Result<int32_t> read = ReadHundredths(c.text, c.bareUnit);
  EXPECT_EQ(read.Error(), c.error) << '"' << c.text << '"';
  if (read) {
    EXPECT_EQ(read.Value(), c.hundredths) << '"' << c.text << '"';
  }
}

INSTANTIATE_TEST_SUITE_P(Table, TypedLengths, ::testing::ValuesIn(TypedCases));

TEST(TypedLength, EveryShownLengthReadsBackToTheSameText) {
  // What a box or grid shows can be typed back: the length read shows the same 64th or mm.
  for (const LengthUnit unit : {Inch, Mm}) {
    for (int32_t h = -500; h <= 1000; h += 7) {
      const std::string shown = FormatLength(static_cast<float>(h) / 100.0f, unit);
      const Result<int32_t> read = ReadHundredths(shown, unit);
      ASSERT_TRUE(read) << shown << ": " << read.Error();
      EXPECT_EQ(FormatLength(static_cast<float>(read.Value()) / 100.0f, unit), shown) << h;
    }
  }
}

TEST(TypedLength, CentimetresAndUnitsAreKeptAsTyped) {
  const Result<TypedLength> cm = ReadLength("1.9cm");
  ASSERT_TRUE(cm);
  EXPECT_EQ(cm.Value().Unit, Mm);
  EXPECT_TRUE(cm.Value().UnitGiven);
  EXPECT_DOUBLE_EQ(cm.Value().Millimetres(), 19.0);
  const Result<TypedLength> bare = ReadLength("4", Mm);
  ASSERT_TRUE(bare);
  EXPECT_FALSE(bare.Value().UnitGiven);
  EXPECT_DOUBLE_EQ(bare.Value().Inches(), 4 / 25.4);
}

}  // namespace
}  // namespace kerf
