// FormatLength: the table of inch and millimetre texts, ties and the 64ths table; WorkshopLength:
// the reduced fractions written everywhere but the cut report.
#include "model/LengthText.h"

#include <gtest/gtest.h>

namespace kerf {
namespace {

struct LengthCase {
  float inches;
  LengthUnit unit;
  const char* text;
};

class LengthTexts : public ::testing::TestWithParam<LengthCase> {};

TEST_P(LengthTexts, Formats) {
  const LengthCase& c = GetParam();
  EXPECT_EQ(FormatLength(c.inches, c.unit), c.text) << "x = " << c.inches;
}

constexpr LengthUnit Inch = LengthUnit::Imperial;
constexpr LengthUnit Mm = LengthUnit::Metric;

INSTANTIATE_TEST_SUITE_P(
    Table, LengthTexts,
    ::testing::Values(LengthCase{0.0f, Inch, "0\""}, LengthCase{-0.0f, Inch, "0\""},
                      LengthCase{2.00f, Inch, "2\""}, LengthCase{0.50f, Inch, "0 1/2\""},
                      LengthCase{1.25f, Inch, "1 1/4\""}, LengthCase{0.01f, Inch, "0 1/64\""},
                      LengthCase{0.07f, Inch, "0 1/16\""}, LengthCase{0.75f, Inch, "0 6/8\""},
                      LengthCase{1.99f, Inch, "1 63/64\""}, LengthCase{-0.50f, Inch, "-0 1/2\""},
                      LengthCase{-1.25f, Inch, "-1 1/4\""}, LengthCase{0.995f, Inch, "1\""},
                      LengthCase{-0.995f, Inch, "-1\""}, LengthCase{1.0f / 128, Inch, "0\""},
                      LengthCase{3.0f / 128, Inch, "0 1/32\""},
                      LengthCase{10.0f + 5.0f / 128, Inch, "10 1/32\""},
                      LengthCase{-5.0f, Inch, "-5\""}, LengthCase{2.00f, Mm, "51mm"},
                      LengthCase{0.50f, Mm, "13mm"}, LengthCase{-0.12f, Mm, "-3mm"},
                      LengthCase{0.0f, Mm, "0mm"}, LengthCase{-0.0f, Mm, "0mm"},
                      LengthCase{2.50f, Mm, "64mm"}, LengthCase{7.50f, Mm, "190mm"},
                      LengthCase{10.0f, Mm, "254mm"}));

TEST(LengthText, EverySixtyFourthReadsAsOnARule) {
  // k/64 exactly: reduced fractions, except three quarters, which reads 6/8.
  for (int k = 1; k < 64; ++k) {
    int numerator = k, denominator = 64;
    while (numerator % 2 == 0) {
      numerator /= 2;
      denominator /= 2;
    }
    if (k == 48) numerator = 6, denominator = 8;
    const std::string expected =
        "3 " + std::to_string(numerator) + "/" + std::to_string(denominator) + "\"";
    EXPECT_EQ(FormatLength(3.0f + static_cast<float>(k) / 64, Inch), expected) << k;
  }
}

TEST(LengthText, WholeHundredthsNeverShowSixtyFourSixtyFourths) {
  for (int hundredths = -1000; hundredths <= 1000; ++hundredths) {
    const std::string text = FormatLength(static_cast<float>(hundredths) / 100, Inch);
    EXPECT_EQ(text.find("64/64"), std::string::npos) << hundredths;
    EXPECT_EQ(text.back(), '"');
  }
}

TEST(LengthText, NotANumberGivesATextAndNoCrash) {
  EXPECT_EQ(FormatLength(std::numeric_limits<float>::quiet_NaN(), Inch), "0\"");
  EXPECT_EQ(FormatLength(std::numeric_limits<float>::quiet_NaN(), Mm), "0mm");
}

TEST(LengthText, WorkshopLengthsAreReducedFractions) {
  struct Case {
    double inches;
    LengthUnit unit;
    const char* text;
  };
  const Case cases[] = {
      {0.75, Inch, "3/4\""},        {-0.25, Inch, "-1/4\""}, {1.125, Inch, "1 1/8\""},
      {-1.0 / 256, Inch, "0\""},    {0, Inch, "0\""},        {0.995, Inch, "1\""},
      {-1.99, Inch, "-1 63/64\""},  {0.01, Inch, "1/64\""},  {3 + 48.0 / 64, Inch, "3 3/4\""},
      {1e12, Inch, "1000000000\""}, {0.5, Mm, "13mm"},       {-0.12, Mm, "-3mm"},
  };
  for (const Case& c : cases) EXPECT_EQ(WorkshopLength(c.inches, c.unit), c.text) << c.inches;
}

}  // namespace
}  // namespace kerf
