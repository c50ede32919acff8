// FormatLength: inches as whole inches plus the nearest 64th, or whole millimetres.
#include "model/LengthText.h"

#include <cmath>
#include <cstdio>
#include <numeric>

namespace kerf {

namespace {

// " n/d\"" for k sixty-fourths, reduced, except 48/64, which a rule reads as 6/8.
std::string FractionText(int k) {
  if (k == 48) return " 6/8\"";
  const int divisor = std::gcd(k, 64);
  return " " + std::to_string(k / divisor) + "/" + std::to_string(64 / divisor) + "\"";
}

// A whole number held in a double, in decimal.
std::string WholeText(double w) {
  char text[64];
  std::snprintf(text, sizeof text, "%.0f", w);
  return text;
}

}  // namespace

std::string FormatLength(float x, LengthUnit unit) {
  double value = x;  // all arithmetic in double on the single-precision input
  if (std::isnan(value) || value == 0) value = 0;  // no sign on zero, negative zero included
  std::string text;
  if (value < 0) {
    text = "-";
    value = -value;
  }

  if (unit == LengthUnit::Metric) return text + WholeText(std::nearbyint(value * 25.4)) + "mm";

  const double whole = std::trunc(value);
  const double sixtyFourths = std::isfinite(value) ? std::nearbyint((value - whole) * 64) : 0;
  if (sixtyFourths >= 64) return text + WholeText(whole + 1) + "\"";
  text += WholeText(whole);
  if (sixtyFourths <= 0) return text + "\"";
  return text + FractionText(static_cast<int>(sixtyFourths));
}

}  // namespace kerf
