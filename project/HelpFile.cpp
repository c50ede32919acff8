// Reading the help file into topics.
#include "project/HelpFile.h"

#include <sstream>

#include "project/SafeFiles.h"

namespace kerf {

namespace {

// The help file is a few hundred kilobytes; a larger one is not read.
constexpr size_t MaxHelpFileBytes = size_t{16} << 20;

bool ParseTopicLine(const std::string& line, HelpPage& topic) {
  static const std::string marker = "@topic ";
  if (line.compare(0, marker.size(), marker) != 0) return false;
  std::istringstream in(line.substr(marker.size()));
  int context = 0;
  if (!(in >> context)) return false;
  std::string title;
  std::getline(in, title);
  const size_t start = title.find_first_not_of(' ');
  topic.Context = context;
  topic.Title = start == std::string::npos ? std::string() : title.substr(start);
  topic.Body.clear();
  return true;
}

}  // namespace

HelpFile ParseHelpText(const std::string& text) {
  HelpFile file;
  std::istringstream in(text);
  std::string line;
  HelpPage topic;
  bool inTopic = false;
  auto finish = [&] {
    if (inTopic) file.Topics[topic.Context] = topic;
  };
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.compare(0, 2, "@#") == 0) continue;
    HelpPage next;
    if (ParseTopicLine(line, next)) {
      finish();
      topic = next;
      inTopic = true;
      continue;
    }
    if (inTopic) topic.Body += line + "\n";
  }
  finish();
  return file;
}

Result<HelpFile> ReadHelpFile(const std::string& path) {
  const Result<std::string> read =
      ReadRegularFile(path, MaxHelpFileBytes, "it is larger than a help file can be");
  if (!read) {
    return Result<HelpFile>::Fail("The help file " + path + " cannot be read: " + read.Error() +
                                  ".");
  }
  return ParseHelpText(read.Value());
}

}  // namespace kerf
