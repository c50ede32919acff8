// The cutter library loader: lists the tools directory, decodes each bitmap and scans its profile.
#include "project/CutterLibrary.h"

#include <QString>

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "model/CutterScan.h"
#include "model/FileNames.h"
#include "project/PictureFile.h"

namespace kerf {

namespace {

// Ends the progress report however loading ends.
class ProgressScope {
 public:
  ProgressScope(ProgressSink& progress, int count) : progress_(progress) {
    progress_.Begin("Setup Tools....", count);
  }
  ~ProgressScope() { progress_.End(); }
  ProgressScope(const ProgressScope&) = delete;
  ProgressScope& operator=(const ProgressScope&) = delete;

 private:
  ProgressSink& progress_;
};

std::vector<std::string> BitmapNames(const std::filesystem::path& directory) {
  std::vector<std::string> names;
  std::error_code ec;
  for (std::filesystem::directory_iterator it(directory, ec), end; !ec && it != end;
       it.increment(ec)) {
    std::error_code typeError;
    // Folders are passed over; a FIFO, a device or a broken link is kept, so that loading it
    // fails and the user hears why.
    if (it->is_directory(typeError)) continue;
    std::string name = it->path().filename().string();
    if (LowerExtension(name) == "bmp") names.push_back(std::move(name));
  }
  std::sort(names.begin(), names.end(), CutterFileListsBefore);
  return names;
}

// LoadPicture names the file in its message; the skipped list names it already.
std::string ReasonWithoutPath(const std::string& message, const std::string& path) {
  const std::string prefix = path + ": ";
  if (message.compare(0, prefix.size(), prefix) == 0) return message.substr(prefix.size());
  return message;
}

}  // namespace

// Names in the order of a sorted list: without regard to case, and names that differ only
// in case by their bytes, so that the order never depends on how the directory lists them.
bool CutterFileListsBefore(const std::string& a, const std::string& b) {
  const int folded = QString::fromUtf8(a).compare(QString::fromUtf8(b), Qt::CaseInsensitive);
  if (folded != 0) return folded < 0;
  return a < b;
}

CutterLibrary LoadCutterLibrary(const std::string& directory, ProgressSink& progress) {
  CutterLibrary library;
  std::error_code ec;
  const std::filesystem::path folder(directory);
  library.DirectoryFound = std::filesystem::is_directory(folder, ec);

  const std::vector<std::string> names =
      library.DirectoryFound ? BitmapNames(folder) : std::vector<std::string>();
  ProgressScope scope(progress, static_cast<int>(names.size()));

  library.Tools.reserve(names.size());
  for (size_t i = 0; i < names.size(); ++i) {
    progress.Step(static_cast<int>(i + 1));
    const std::string& name = names[i];
    const std::string path = (folder / name).string();
    const Result<Raster> bitmap = LoadBmpPicture(path);
    if (!bitmap) {
      library.Skipped.push_back({name, ReasonWithoutPath(bitmap.Error(), path)});
      continue;
    }
    Tool& tool = library.Tools.emplace_back();
    tool.FileName = name;
    tool.Name = CutterDisplayName(name);
    ScanCutterProfile(bitmap.Value(), tool);
  }
  return library;
}

}  // namespace kerf
