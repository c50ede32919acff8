// DescribeSkippedCutters: a count per folder for the message, the full list for its details.
#include "desktop/SkippedCuttersMessage.h"

#include <filesystem>
#include <map>

namespace kerf {

SkippedCuttersMessage DescribeSkippedCutters(const std::vector<SkippedCutter>& skipped,
                                             const std::string& suppliedDir) {
  SkippedCuttersMessage message;
  std::map<std::string, size_t> perFolder;
  for (const SkippedCutter& s : skipped) {
    const std::filesystem::path name(s.FileName);
    const bool own = name.has_parent_path();
    const std::filesystem::path path = own ? name : std::filesystem::path(suppliedDir) / name;
    ++perFolder[own ? name.parent_path().string() : suppliedDir];
    message.Details += path.string() + ": " + s.Reason + "\n";
  }
  const bool one = skipped.size() == 1;
  message.Summary = std::to_string(skipped.size()) + (one ? " cutter bitmap" : " cutter bitmaps") +
                    " could not be loaded and " + (one ? "is" : "are") + " not in the cutter list:";
  for (const auto& [folder, count] : perFolder)
    message.Summary += "\n" + std::to_string(count) + " in " + folder;
  message.Summary += "\n\nShow Details lists each file and why.";
  return message;
}

}  // namespace kerf
