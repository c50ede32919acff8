// The manual page's synopsis of the verbs, written from the verb table.
#include "cli/ManPage.h"

#include <cctype>
#include <sstream>

#include "cli/Verbs.h"

namespace kerf {

namespace {

std::string Escaped(const std::string& word) {
  std::string out;
  for (char c : word) {
    if (c == '-' || c == '\\') out += '\\';
    out += c;
  }
  return out;
}

// A word of a synopsis: brackets and bars stay roman; an option or a literal word is bold; a
// value (a word with a capital, such as PROJECT.ROU, DIR or WxH) is italic.
std::string Marked(const std::string& word) {
  std::string out;
  size_t i = 0;
  while (i < word.size()) {
    const char c = word[i];
    if (c == '[' || c == ']' || c == '|') {
      out += c;
      ++i;
      continue;
    }
    size_t end = i;
    while (end < word.size() && word[end] != '[' && word[end] != ']' && word[end] != '|') ++end;
    const std::string part = word.substr(i, end - i);
    bool value = false;
    if (part[0] != '-') {
      for (char p : part) value = value || std::isupper(static_cast<unsigned char>(p));
    }
    out += (value ? "\\fI" : "\\fB") + Escaped(part) + "\\fR";
    i = end;
  }
  return out;
}

void Replace(std::string& text, const std::string& what, const std::string& with) {
  for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + with.size()))
    text.replace(at, what.size(), with);
}

}  // namespace

std::string ManPageVerbSynopsis() {
  std::string out;
  for (const Verb& verb : AllVerbs()) {
    out += ".B kerfwright " + std::string(verb.Name) + "\n";
    std::istringstream words(verb.Synopsis);
    std::string word, line;
    while (words >> word) line += (line.empty() ? "" : " ") + Marked(word);
    out += line + "\n.br\n";
  }
  return out;
}

std::string FillManPage(std::string page, const std::string& version) {
  std::string synopsis = ManPageVerbSynopsis();
  synopsis.pop_back();  // the template's line ends it
  Replace(page, "@KERF_VERB_SYNOPSIS@", synopsis);
  Replace(page, "@PROJECT_VERSION@", version);
  return page;
}

}  // namespace kerf
