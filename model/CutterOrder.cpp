// The order of the cutter box: by kind of bit, then by size, not by the characters of the name.
#include "model/CutterOrder.h"

#include <cctype>
#include <cstdlib>
#include <vector>

#include "model/LengthText.h"
#include "model/NumberText.h"

namespace kerf {

namespace {

const std::string Degree = "\xC2\xB0";

std::vector<std::string> Words(const std::string& text) {
  std::vector<std::string> words;
  std::string word;
  for (char c : text) {
    if (c == ' ') {
      if (!word.empty()) words.push_back(word);
      word.clear();
    } else {
      word += c;
    }
  }
  if (!word.empty()) words.push_back(word);
  return words;
}

// "14°" or "22.5°": degrees.
bool AngleWord(const std::string& word, double& degrees) {
  if (word.size() <= Degree.size() ||
      word.compare(word.size() - Degree.size(), Degree.size(), Degree) != 0)
    return false;
  const std::string number = word.substr(0, word.size() - Degree.size());
  if (number.find_first_not_of("0123456789.") != std::string::npos) return false;
  const std::optional<double> read = ReadNumber(number);
  if (read) degrees = *read;
  return read.has_value();
}

// A length word with a unit ("3/8"", "9.5mm", "1/2in"); a bare number is a word of the kind.
bool LengthWord(const std::string& word, double& inches) {
  const bool unit = (!word.empty() && word.back() == '"') ||
                    (word.size() > 2 && (word.compare(word.size() - 2, 2, "mm") == 0 ||
                                         word.compare(word.size() - 2, 2, "in") == 0));
  if (!unit) return false;
  const Result<TypedLength> length = ReadLength(word);
  if (length) inches = length.Value().Inches();
  return length.Ok();
}

}  // namespace

CutterSortKey SortKeyOf(const std::string& displayName) {
  CutterSortKey key;
  const std::vector<std::string> words = Words(displayName);
  std::vector<double> sizes;
  size_t i = 0;
  while (i < words.size()) {
    double value = 0;
    // "1 1/4"": a whole number followed by a fraction with the inch mark.
    if (i + 1 < words.size() && words[i].find_first_not_of("0123456789") == std::string::npos &&
        LengthWord(words[i] + " " + words[i + 1], value)) {
      sizes.push_back(value);
      i += 2;
    } else if (LengthWord(words[i], value) || AngleWord(words[i], value)) {
      sizes.push_back(value);
      ++i;
    } else {
      break;
    }
  }
  for (; i < words.size(); ++i) {
    if (!key.Kind.empty()) key.Kind += ' ';
    key.Kind += words[i];
  }
  for (char& c : key.Kind) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (!sizes.empty()) key.Size = sizes[0];
  if (sizes.size() > 1) key.Second = sizes[1];
  return key;
}

bool CutterListsBefore(const std::string& a, const std::string& b) {
  const CutterSortKey ka = SortKeyOf(a), kb = SortKeyOf(b);
  if (ka.Kind != kb.Kind) return ka.Kind < kb.Kind;
  if (ka.Size != kb.Size) return ka.Size < kb.Size;
  if (ka.Second != kb.Second) return ka.Second < kb.Second;
  return a < b;
}

}  // namespace kerf
