// Replacing control characters and invalid UTF-8 in text that is printed on a terminal.
#include "model/PrintableText.h"

namespace kerf {

namespace {

// The length of the valid UTF-8 sequence at text[i] and its code point; 0 when it is not valid
// (stray continuation byte, overlong form, surrogate, beyond U+10FFFF or cut short).
size_t Utf8Sequence(std::string_view text, size_t i, char32_t& code) {
  const unsigned char lead = static_cast<unsigned char>(text[i]);
  size_t length = 0;
  char32_t minimum = 0;
  if (lead < 0x80) {
    code = lead;
    return 1;
  } else if ((lead & 0xE0) == 0xC0) {
    length = 2, code = lead & 0x1F, minimum = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3, code = lead & 0x0F, minimum = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4, code = lead & 0x07, minimum = 0x10000;
  } else {
    return 0;
  }
  if (i + length > text.size()) return 0;
  for (size_t k = 1; k < length; ++k) {
    const unsigned char next = static_cast<unsigned char>(text[i + k]);
    if ((next & 0xC0) != 0x80) return 0;
    code = (code << 6) | (next & 0x3F);
  }
  if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
  return length;
}

}  // namespace

std::string PrintableText(std::string_view text, size_t maxShown, bool keepLineFeeds) {
  static constexpr std::string_view Replacement = "\xEF\xBF\xBD";  // U+FFFD
  std::string out;
  out.reserve(text.size() < maxShown ? text.size() : maxShown);
  size_t i = 0;
  while (i < text.size()) {
    if (i >= maxShown) {
      out += "...";
      break;
    }
    char32_t code = 0;
    const size_t length = Utf8Sequence(text, i, code);
    if (length == 0) {
      out += Replacement;
      ++i;
      continue;
    }
    const bool control = code < 0x20 || code == 0x7F || (code >= 0x80 && code <= 0x9F);
    if (control && !(keepLineFeeds && code == '\n')) {
      out += '?';
    } else {
      out.append(text.substr(i, length));
    }
    i += length;
  }
  return out;
}

std::string QuotedText(std::string_view text, size_t maxShown) {
  return "\"" + PrintableText(text, maxShown) + "\"";
}

}  // namespace kerf
