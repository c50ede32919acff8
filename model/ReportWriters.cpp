// Writing the cut report as plain text and as rich text (RTF) with its colours.
#include "model/ReportWriters.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace kerf {

namespace {

// Decodes one UTF-8 sequence at text[i], advancing i; a malformed sequence gives U+FFFD and
// consumes one byte.
char32_t NextCodePoint(const std::string& text, size_t& i) {
  const auto byte = [&](size_t k) { return static_cast<unsigned char>(text[k]); };
  const unsigned char lead = byte(i);
  if (lead < 0x80) {
    ++i;
    return lead;
  }
  int extra = 0;
  char32_t cp = 0;
  char32_t minimum = 0;
  if ((lead & 0xE0) == 0xC0) {
    extra = 1, cp = lead & 0x1F, minimum = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    extra = 2, cp = lead & 0x0F, minimum = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    extra = 3, cp = lead & 0x07, minimum = 0x10000;
  } else {
    ++i;
    return 0xFFFD;
  }
  if (i + static_cast<size_t>(extra) >= text.size()) {
    ++i;
    return 0xFFFD;
  }
  for (int k = 1; k <= extra; ++k) {
    const unsigned char c = byte(i + static_cast<size_t>(k));
    if ((c & 0xC0) != 0x80) {
      ++i;
      return 0xFFFD;
    }
    cp = (cp << 6) | (c & 0x3F);
  }
  if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
    ++i;
    return 0xFFFD;
  }
  i += static_cast<size_t>(extra) + 1;
  return cp;
}

// \uN takes a signed 16-bit number; '?' is what a reader without Unicode shows instead.
void AppendUnicodeEscape(std::string& out, uint16_t unit) {
  out += "\\u";
  out += std::to_string(static_cast<int16_t>(unit));
  out += '?';
}

void AppendRtfText(std::string& out, const std::string& text) {
  for (size_t i = 0; i < text.size();) {
    const char32_t cp = NextCodePoint(text, i);
    if (cp == '\\' || cp == '{' || cp == '}') {
      out += '\\';
      out += static_cast<char>(cp);
    } else if (cp == '\t') {
      out += "\\tab ";
    } else if (cp >= 0x20 && cp < 0x7F) {
      out += static_cast<char>(cp);
    } else if (cp < 0x20 || cp == 0x7F) {
      // Control characters have no place in a report line.
      continue;
    } else if (cp <= 0xFFFF) {
      AppendUnicodeEscape(out, static_cast<uint16_t>(cp));
    } else {
      const char32_t v = cp - 0x10000;
      AppendUnicodeEscape(out, static_cast<uint16_t>(0xD800 + (v >> 10)));
      AppendUnicodeEscape(out, static_cast<uint16_t>(0xDC00 + (v & 0x3FF)));
    }
  }
}

}  // namespace

std::string ReportAsText(const CutReport& report) {
  std::string out;
  for (const ReportLine& line : report) {
    out += line.Text;
    out += '\n';
  }
  return out;
}

std::string ReportAsRtf(const CutReport& report) {
  // Colour table: black first, then every other colour in order of first use.
  std::vector<Colour> colours{Black};
  for (const ReportLine& line : report) {
    if (std::find(colours.begin(), colours.end(), line.TextColour) == colours.end()) {
      colours.push_back(line.TextColour);
    }
  }

  std::string out = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\n";
  out += "{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}}\n";
  // The empty first entry is the reader's automatic colour; ours are numbered from 1.
  out += "{\\colortbl ;";
  for (Colour c : colours) {
    out += "\\red" + std::to_string(ColourRed(c)) + "\\green" + std::to_string(ColourGreen(c)) +
           "\\blue" + std::to_string(ColourBlue(c)) + ";";
  }
  out += "}\n";
  out += "\\viewkind4\\pard\\plain\\f0\\fs20\n";
  for (const ReportLine& line : report) {
    const auto index = std::find(colours.begin(), colours.end(), line.TextColour) - colours.begin();
    out += "\\cf" + std::to_string(index + 1);
    // The blank ends the control word; it is not part of the text.
    out += ' ';
    AppendRtfText(out, line.Text);
    out += "\\par\n";
  }
  out += "}\n";
  return out;
}

}  // namespace kerf
