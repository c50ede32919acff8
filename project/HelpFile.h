// The help file "ROUTERHELP.HLP": topics keyed by context number, and its reader.
#pragma once

#include <map>
#include <string>

#include "model/Result.h"

namespace kerf {

// The file is UTF-8 text. A line "@topic N Title" starts the topic of context N; the lines up
// to the next such line are its body, written in Markdown. Links of the form "help:N" lead to
// other topics. Lines before the first topic and lines starting with "@#" are comments.
struct HelpPage {
  int Context = 0;
  std::string Title;
  std::string Body;  // Markdown
};

struct HelpFile {
  std::map<int, HelpPage> Topics;
};

HelpFile ParseHelpText(const std::string& text);
// Reads the file (a regular file of at most 16 MiB); a failure names the file and says why.
Result<HelpFile> ReadHelpFile(const std::string& path);

}  // namespace kerf
