// FixedText and ReadNumber on std::to_chars/std::from_chars, which never look at the locale.
#include "model/NumberText.h"

#include <charconv>
#include <cmath>

namespace kerf {

std::string FixedText(double value, int decimals) {
  char text[400];  // the widest double in fixed notation with a few hundred decimals
  const auto [end, error] =
      std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals);
  if (error != std::errc()) return "?";
  return std::string(text, end);
}

std::optional<double> ReadNumber(std::string_view text) {
  if (text.size() > 1 && text[0] == '+' && text[1] != '-') text.remove_prefix(1);
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size() ||
      !std::isfinite(value))
    return std::nullopt;
  return value;
}

}  // namespace kerf
