// Verdict thresholds and the rounding of printed bearing figures.
#include "model/CutVerdict.h"

#include <gtest/gtest.h>

namespace kerf {
namespace {

struct VerdictCase {
  float FenceAfter;
  float TableAfter;
  Verdict Expected;
};

TEST(CutVerdict, ThresholdsOnTheStoredAfterFigures) {
  const VerdictCase cases[] = {
      {50.0f, 50.0f, Verdict::CutOK},    {100.0f, 100.0f, Verdict::CutOK},
      {49.99f, 50.0f, Verdict::Caution}, {50.0f, 49.99f, Verdict::Caution},
      {49.6f, 80.0f, Verdict::Caution},  // printed as 50%, judged below 50
      {20.0f, 100.0f, Verdict::Caution}, {100.0f, 20.0f, Verdict::Caution},
      {20.0f, 20.0f, Verdict::Caution},  {19.99f, 100.0f, Verdict::Danger},
      {100.0f, 19.99f, Verdict::Danger}, {10.0f, 90.0f, Verdict::Danger},
      {19.99f, 49.0f, Verdict::Danger},  {0.0f, 0.0f, Verdict::Danger},
  };
  for (const VerdictCase& c : cases) {
    EXPECT_EQ(JudgeCut(c.FenceAfter, c.TableAfter), c.Expected)
        << "fence after " << c.FenceAfter << ", table after " << c.TableAfter;
  }
}

TEST(CutVerdict, BeforeFiguresPlayNoPart) {
  CutFigures cut;
  cut.FenceBefore = 5;
  cut.TableBefore = 5;
  cut.FenceAfter = 60;
  cut.TableAfter = 60;
  EXPECT_EQ(JudgeCut(cut), Verdict::CutOK);
}

TEST(CutVerdict, TextsAndColours) {
  EXPECT_STREQ(VerdictText(Verdict::CutOK), " (Cut OK)");
  EXPECT_STREQ(VerdictText(Verdict::Caution), " (Caution)");
  EXPECT_STREQ(VerdictText(Verdict::Danger), " (Danger)");
  EXPECT_EQ(VerdictColour(Verdict::CutOK), Black);
  EXPECT_EQ(VerdictColour(Verdict::Caution), MakeColour(255, 255, 0));
  EXPECT_EQ(VerdictColour(Verdict::Danger), MakeColour(255, 0, 0));
}

TEST(CutVerdict, PercentRoundsHalfToEven) {
  const struct {
    float Percent;
    long Printed;
  } cases[] = {{12.5f, 12},  {13.5f, 14},   {49.6f, 50}, {49.4f, 49},      {0.5f, 0},
               {99.5f, 100}, {100.0f, 100}, {0.0f, 0},   {33.333332f, 33}, {66.66667f, 67}};
  for (const auto& c : cases) EXPECT_EQ(RoundPercent(c.Percent), c.Printed) << c.Percent;
}

}  // namespace
}  // namespace kerf
