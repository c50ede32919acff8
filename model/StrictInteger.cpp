// The one strict reading of a whole number from text, for project files and command lines alike.
#include "model/StrictInteger.h"

namespace kerf {

bool ParseStrictInteger(std::string_view text, int32_t& value) {
  const bool negative = !text.empty() && text[0] == '-';
  size_t i = negative ? 1 : 0;
  if (i == text.size()) return false;
  int64_t v = 0;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (c < '0' || c > '9') return false;
    v = v * 10 + (c - '0');
    if (v > static_cast<int64_t>(INT32_MAX) + 1) return false;
  }
  if (negative) v = -v;
  if (v < INT32_MIN || v > INT32_MAX) return false;
  value = static_cast<int32_t>(v);
  return true;
}

}  // namespace kerf
