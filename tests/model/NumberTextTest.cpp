// Numbers written and read with a '.' point, also when the locale's decimal point is a comma.
#include "model/NumberText.h"

#include <gtest/gtest.h>

namespace kerf {
namespace {

TEST(NumberText, WritesAndReadsThePointInEveryLanguage) {
  const struct {
    double Value;
    int Decimals;
    const char* Text;
  } written[] = {
      {1.5, 4, "1.5000"}, {-0.25, 3, "-0.250"}, {2.5, 0, "2"}, {1e20, 0, "100000000000000000000"}};
  for (const auto& w : written) EXPECT_EQ(FixedText(w.Value, w.Decimals), w.Text);

  const struct {
    const char* Text;
    std::optional<double> Value;
  } read[] = {{"1.5", 1.5},
              {"+4", 4},
              {"-.75", -0.75},
              {"1e3", 1000},
              {"1,5", std::nullopt},
              {" 1", std::nullopt},
              {"1e400", std::nullopt},
              {"inf", std::nullopt},
              {"nan", std::nullopt},
              {"", std::nullopt},
              {"+-1", std::nullopt}};
  for (const auto& r : read) EXPECT_EQ(ReadNumber(r.Text), r.Value) << r.Text;
}

}  // namespace
}  // namespace kerf
