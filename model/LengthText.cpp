// Length texts: inches as whole inches plus the nearest 64th, or whole millimetres; and reading
// them.
#include "model/LengthText.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
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

// A plain decimal number ("4", "4.5", ".5"), nothing else.
bool ParseDecimal(const std::string& text, double& value) {
  if (text.empty() || text.size() > 20) return false;
  int digits = 0, dots = 0;
  for (char c : text) {
    if (c == '.')
      ++dots;
    else if (std::isdigit(static_cast<unsigned char>(c)))
      ++digits;
    else
      return false;
  }
  if (digits == 0 || dots > 1) return false;
  value = std::strtod(text.c_str(), nullptr);
  return true;
}

// "3/4" with whole numbers on both sides.
bool ParseFraction(const std::string& text, double& value) {
  const size_t slash = text.find('/');
  if (slash == std::string::npos) return false;
  double top = 0, bottom = 0;
  const std::string a = text.substr(0, slash), b = text.substr(slash + 1);
  if (a.find('.') != std::string::npos || b.find('.') != std::string::npos) return false;
  if (!ParseDecimal(a, top) || !ParseDecimal(b, bottom) || bottom == 0) return false;
  value = top / bottom;
  return true;
}

std::string Trim(const std::string& s) {
  size_t from = 0, to = s.size();
  while (from < to && std::isspace(static_cast<unsigned char>(s[from]))) ++from;
  while (to > from && std::isspace(static_cast<unsigned char>(s[to - 1]))) --to;
  return s.substr(from, to - from);
}

bool EndsWith(const std::string& s, const std::string& end) {
  return s.size() >= end.size() && s.compare(s.size() - end.size(), end.size(), end) == 0;
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

bool ParseLengthAsTyped(const std::string& text, double& value, LengthUnit& unit) {
  std::string number = Trim(text);
  bool millimetres = false;
  if (EndsWith(number, "mm")) {
    number = Trim(number.substr(0, number.size() - 2));
    millimetres = true;
  } else if (EndsWith(number, "in")) {
    number = Trim(number.substr(0, number.size() - 2));
  } else if (EndsWith(number, "\"")) {
    number = Trim(number.substr(0, number.size() - 1));
  }
  bool ok = false;
  const size_t space = number.find(' ');
  if (space != std::string::npos) {  // "1 1/2"
    double whole = 0, part = 0;
    const std::string first = number.substr(0, space), second = Trim(number.substr(space + 1));
    ok = !millimetres && first.find('.') == std::string::npos && ParseDecimal(first, whole) &&
         ParseFraction(second, part);
    value = whole + part;
  } else {
    ok = ParseDecimal(number, value) || ParseFraction(number, value);
  }
  if (!ok) return false;
  unit = millimetres ? LengthUnit::Metric : LengthUnit::Imperial;
  return true;
}

bool ParseLength(const std::string& text, double& inches, bool* metric) {
  double value = 0;
  LengthUnit unit = LengthUnit::Imperial;
  if (!ParseLengthAsTyped(text, value, unit)) return false;
  inches = unit == LengthUnit::Metric ? value / 25.4 : value;
  if (metric != nullptr) *metric = unit == LengthUnit::Metric;
  return true;
}

bool ParseHundredths(const std::string& text, LengthUnit unit, int32_t& hundredths) {
  std::string rest = Trim(text);
  const bool negative = !rest.empty() && rest[0] == '-';
  if (negative) rest = Trim(rest.substr(1));
  const bool unitGiven = EndsWith(rest, "mm") || EndsWith(rest, "in") || EndsWith(rest, "\"");
  double value = 0;
  LengthUnit typed = LengthUnit::Imperial;
  if (!ParseLengthAsTyped(rest, value, typed)) return false;
  // A bare number is in the field's unit; nobody writes millimetres as a fraction.
  if (!unitGiven && rest.find('/') == std::string::npos) typed = unit;
  const double inches = typed == LengthUnit::Metric ? value / 25.4 : value;
  const double count = std::nearbyint((negative ? -inches : inches) * 100);
  if (!(std::fabs(count) <= 2147483647.0)) return false;
  hundredths = static_cast<int32_t>(count);
  return true;
}

}  // namespace kerf
