// Asking PDF viewers to print at actual size: an entry written into the catalog, offsets moved.
#include "project/PdfViewerPreferences.h"

#include <charconv>
#include <optional>
#include <string_view>

namespace kerf {

namespace {

const std::string_view Entry = "\n/ViewerPreferences << /PrintScaling /None >>";
constexpr size_t XrefEntrySize = 20;  // "nnnnnnnnnn ggggg n\r\n", each line the same length

std::optional<long> NumberAt(std::string_view text, size_t& at) {
  while (at < text.size() && (text[at] == ' ' || text[at] == '\r' || text[at] == '\n')) ++at;
  long value = 0;
  const auto [end, error] = std::from_chars(text.data() + at, text.data() + text.size(), value);
  if (error != std::errc() || value < 0) return std::nullopt;
  at = static_cast<size_t>(end - text.data());
  return value;
}

// Where object `number` begins, found by its "N G obj" at the start of a line.
size_t ObjectStart(std::string_view pdf, long number) {
  const std::string head = "\n" + std::to_string(number) + " 0 obj";
  const size_t at = pdf.find(head);
  return at == std::string_view::npos ? at : at + 1;
}

bool IsObjectAt(std::string_view pdf, long offset, long number) {
  const std::string head = std::to_string(number) + " ";
  return offset >= 0 && static_cast<size_t>(offset) < pdf.size() &&
         pdf.substr(static_cast<size_t>(offset), head.size()) == head;
}

}  // namespace

std::string PrintedAtActualSize(const std::string& pdf) {
  const std::string_view text(pdf);
  // The catalog, named by the trailer's /Root.
  const size_t trailer = text.rfind("trailer");
  const size_t startXref = text.rfind("startxref");
  if (trailer == std::string_view::npos || startXref == std::string_view::npos) return pdf;
  size_t at = text.find("/Root", trailer);
  if (at == std::string_view::npos) return pdf;
  at += 5;
  const std::optional<long> root = NumberAt(text, at);
  if (!root) return pdf;
  const size_t catalog = ObjectStart(text, *root);
  if (catalog == std::string_view::npos) return pdf;
  const size_t open = text.find("<<", catalog), close = text.find("endobj", catalog);
  if (open == std::string_view::npos || close == std::string_view::npos || open > close) return pdf;
  const std::string_view body = text.substr(open, close - open);
  if (body.find("/Catalog") == std::string_view::npos ||
      body.find("/ViewerPreferences") != std::string_view::npos)
    return pdf;
  const size_t insert = open + 2;

  // The cross-reference table: every object after the catalog moves by the entry's length.
  at = startXref + 9;
  const std::optional<long> xref = NumberAt(text, at);
  if (!xref || static_cast<size_t>(*xref) >= startXref ||
      text.substr(static_cast<size_t>(*xref), 4) != "xref")
    return pdf;
  std::string out = pdf;
  const long shift = static_cast<long>(Entry.size());
  at = static_cast<size_t>(*xref) + 4;
  while (true) {
    size_t next = at;
    const std::optional<long> first = NumberAt(text, next);
    const std::optional<long> count = NumberAt(text, next);
    if (!first || !count) break;
    while (next < text.size() && text[next] != '\n') ++next;  // the rest of the line
    at = next + 1;
    for (long i = 0; i < *count; ++i, at += XrefEntrySize) {
      if (at + XrefEntrySize > text.size()) return pdf;
      const std::string_view line = text.substr(at, XrefEntrySize);
      if (line[17] == 'f') continue;
      if (line[17] != 'n') return pdf;  // not an entry: the table is shorter than it says
      long offset = 0;
      if (std::from_chars(line.data(), line.data() + 10, offset).ptr != line.data() + 10 ||
          !IsObjectAt(text, offset, *first + i))
        return pdf;
      if (static_cast<size_t>(offset) < insert) continue;
      const std::string moved = std::to_string(offset + shift);
      if (moved.size() > 10) return pdf;
      out.replace(at, 10, std::string(10 - moved.size(), '0') + moved);
    }
  }
  if (at < text.find("trailer", static_cast<size_t>(*xref))) return pdf;  // an unread subsection

  // The start of the table, at the end, then the entry itself: nothing before it moves.
  const size_t number = startXref + 9;
  size_t numberEnd = number;
  NumberAt(text, numberEnd);
  out.replace(number, numberEnd - number, "\n" + std::to_string(*xref + shift));
  out.insert(insert, Entry);
  return out;
}

}  // namespace kerf
