// Length texts: inches as whole inches plus the nearest 64th, or whole millimetres; and reading
// them.
#include "model/LengthText.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <numeric>

#include "model/NumberText.h"

namespace kerf {

namespace {

// " n/d\"" for k sixty-fourths, reduced, except 48/64, which a rule reads as 6/8.
std::string FractionText(int k) {
  if (k == 48) return " 6/8\"";
  const int divisor = std::gcd(k, 64);
  return " " + std::to_string(k / divisor) + "/" + std::to_string(64 / divisor) + "\"";
}

// A whole number held in a double, in decimal.
std::string WholeText(double w) { return FixedText(w, 0); }

std::string Trim(const std::string& s) {
  size_t from = 0, to = s.size();
  while (from < to && std::isspace(static_cast<unsigned char>(s[from]))) ++from;
  while (to > from && std::isspace(static_cast<unsigned char>(s[to - 1]))) --to;
  return s.substr(from, to - from);
}

size_t SkipSpaces(const std::string& s, size_t i) {
  while (i < s.size() && std::isspace(static_cast<unsigned char>(s[i]))) ++i;
  return i;
}

// The end of the run of digits that starts at i.
size_t Digits(const std::string& s, size_t i) {
  while (i < s.size() && s[i] >= '0' && s[i] <= '9') ++i;
  return i;
}

// The decimal number s[from, to), read the same whatever the locale; infinite when too large.
double NumberOf(const std::string& s, size_t from, size_t to) {
  double value = 0;
  const auto [end, error] = std::from_chars(s.data() + from, s.data() + to, value);
  if (error == std::errc::result_out_of_range) {  // too large, or so small it is nothing
    const size_t point = s.find('.', from);
    const size_t wholeEnd = point < to ? point : to;
    return s.find_first_not_of('0', from) < wholeEnd ? HUGE_VAL : 0.0;
  }
  return end == s.data() + to ? value : NAN;
}

// A unit written after a number, in either case; centimetres become millimetres.
bool UnitWord(const std::string& word, LengthUnit& unit, double& value) {
  std::string lower;
  for (char c : word) lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (lower == "\"" || lower == "in" || lower == "inch" || lower == "inches") {
    unit = LengthUnit::Imperial;
  } else if (lower == "mm") {
    unit = LengthUnit::Metric;
  } else if (lower == "cm") {
    unit = LengthUnit::Metric;
    value *= 10;
  } else {
    return false;
  }
  return true;
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

std::string WorkshopLength(double inches, LengthUnit unit) {
  if (unit == LengthUnit::Metric) return FormatLength(static_cast<float>(inches), unit);
  // Rounded before the sign is written, so that nothing rounds to "-0"".
  const double k = std::isfinite(inches) ? std::nearbyint(std::clamp(inches, -1e9, 1e9) * 64) : 0;
  if (k == 0) return "0\"";
  const double whole = std::trunc(std::fabs(k) / 64);
  const int part = static_cast<int>(std::fabs(k) - whole * 64);
  std::string text = k < 0 ? "-" : "";
  if (whole > 0) text += WholeText(whole) + (part > 0 ? " " : "");
  if (part == 0) return text + "\"";
  const int divisor = std::gcd(part, 64);
  return text + std::to_string(part / divisor) + "/" + std::to_string(64 / divisor) + "\"";
}

std::string WorkshopHundredths(int32_t hundredths, LengthUnit unit) {
  return WorkshopLength(static_cast<float>(hundredths) / 100.0f, unit);
}

Result<TypedLength> ReadLength(const std::string& text, LengthUnit bareUnit) {
  const std::string t = Trim(text);
  if (t.empty()) return Result<TypedLength>::Fail("no length given");
  const auto unreadable = [&t](const std::string& why = "") {
    return Result<TypedLength>::Fail("cannot read \"" + t + "\"" + (why.empty() ? "" : ": " + why));
  };
  const bool negative = t[0] == '-';
  const size_t start = negative ? SkipSpaces(t, 1) : 0;

  // The number: a decimal, a fraction, or a whole number and a fraction ("1 1/8", "1-1/8").
  double value = 0;
  bool fraction = false;
  const size_t wholeEnd = Digits(t, start);
  size_t end = wholeEnd;
  if (wholeEnd < t.size() && t[wholeEnd] == '.') {
    end = Digits(t, wholeEnd + 1);
    if (end - start < 2) return unreadable();  // a point without digits
    value = NumberOf(t, start, end);
  } else if (wholeEnd == start) {
    return unreadable();
  } else {
    value = NumberOf(t, start, wholeEnd);
    double whole = 0;
    size_t top = start, slash = wholeEnd;
    if (slash < t.size() && t[slash] != '/') {
      size_t next = SkipSpaces(t, slash);
      const bool dash = next < t.size() && t[next] == '-';
      if (dash) next = SkipSpaces(t, next + 1);
      const size_t topEnd = Digits(t, next);
      if (next > slash && topEnd > next && topEnd < t.size() && t[topEnd] == '/') {
        whole = value;
        top = next;
        slash = topEnd;
      } else if (dash) {
        return unreadable();  // "1-" without the fraction that should follow
      }
    }
    if (slash < t.size() && t[slash] == '/') {
      end = Digits(t, slash + 1);
      if (end == slash + 1) return unreadable();
      const double bottom = NumberOf(t, slash + 1, end);
      if (bottom == 0) return unreadable("a fraction cannot be over 0");
      value = whole + NumberOf(t, top, slash) / bottom;
      fraction = true;
    }
  }

  // The unit after it, if any.
  TypedLength length;
  const std::string unit = Trim(t.substr(end));
  if (unit.empty()) {
    length.Unit = fraction ? LengthUnit::Imperial : bareUnit;
  } else if (!UnitWord(unit, length.Unit, value)) {
    return Result<TypedLength>::Fail("cannot read \"" + unit + "\" in \"" + t + "\"");
  } else {
    length.UnitGiven = true;
    if (fraction && length.Unit == LengthUnit::Metric)
      return unreadable("metric lengths are written as decimals");
  }
  if (!std::isfinite(value)) return unreadable("too long");
  length.Value = negative ? -value : value;
  return length;
}

Result<int32_t> ReadHundredths(const std::string& text, LengthUnit bareUnit) {
  const Result<TypedLength> length = ReadLength(text, bareUnit);
  if (!length) return Result<int32_t>::FailLike(length);
  const double count = std::nearbyint(length.Value().Inches() * 100);
  if (!(std::fabs(count) <= 2147483647.0))
    return Result<int32_t>::Fail("cannot read \"" + Trim(text) + "\": too long");
  return static_cast<int32_t>(count);
}

}  // namespace kerf
