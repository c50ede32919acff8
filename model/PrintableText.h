// Text from files made safe to print on a terminal: control characters and broken UTF-8 shown.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kerf {

// The text with every control character (C0, DEL and the C1 range U+0080..U+009F) replaced by
// '?' and every byte that is not part of valid UTF-8 by U+FFFD, so that a name from a file can
// neither move the cursor, recolour nor retitle the terminal it is printed on. Longer texts are
// cut at maxShown bytes (at a character boundary) and end in "...". Line feeds are kept when
// keepLineFeeds is set (for multi-line text such as a report).
std::string PrintableText(std::string_view text, size_t maxShown = std::string::npos,
                          bool keepLineFeeds = false);

// PrintableText in double quotes, as names and file contents appear in messages.
std::string QuotedText(std::string_view text, size_t maxShown = 200);

}  // namespace kerf
