// The user's own cutter folder: where it is, saving a designed cutter into it, and loading the
// supplied cutters together with the user's.
#include "project/UserCutters.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "project/PictureFile.h"

namespace kerf {

std::string UserCutterFolder() {
  const char* data = std::getenv("XDG_DATA_HOME");
  std::string base;
  if (data != nullptr && data[0] == '/') {
    base = data;
  } else {
    const char* home = std::getenv("HOME");
    if (home == nullptr || home[0] == '\0') return std::string();
    base = std::string(home) + "/.local/share";
  }
  return base + "/kerfwright/tools";
}

Result<void> MakeCutterFolder(const std::string& folder) {
  if (folder.empty()) {
    return Result<void>::Fail(
        "there is no folder for your own cutters: neither XDG_DATA_HOME nor HOME is set");
  }
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  if (std::filesystem::is_directory(folder, ec)) return {};
  return Result<void>::Fail(folder + ": cannot create the cutter folder" +
                            (ec ? ": " + ec.message() : std::string()));
}

Result<std::string> SaveCutterBitmap(const CutterDesign& design, const std::string& folder,
                                     bool replace) {
  const Result<Raster> bitmap = DrawCutter(design);
  if (!bitmap) return Result<std::string>::Fail(design.FileName + ": the bit is " + bitmap.Error());
  if (const Result<void> made = MakeCutterFolder(folder); !made)
    return Result<std::string>::FailLike(made);
  const std::string target = (std::filesystem::path(folder) / design.FileName).string();
  std::error_code ec;
  if (!replace && std::filesystem::exists(target, ec))
    return Result<std::string>::Fail(target + ": a cutter of that name is already there");
  if (const Result<void> saved = SavePicture(target, bitmap.Value()); !saved)
    return Result<std::string>::FailLike(saved);
  return target;
}

CutterLibrary LoadCutterLibraries(const std::string& supplied, const std::string& user,
                                  ProgressSink& progress) {
  CutterLibrary library = LoadCutterLibrary(supplied, progress);
  std::error_code ec;
  if (!user.empty() && std::filesystem::is_directory(user, ec)) {
    NoProgress quiet;  // the user's folder is small; the supplied load showed the progress
    CutterLibrary own = LoadCutterLibrary(user, quiet);
    for (const Tool& tool : own.Tools) library.UserFiles.push_back(tool.FileName);
    AddCutters(library, std::move(own.Tools));
    for (SkippedCutter& skipped : own.Skipped) {
      skipped.FileName = (std::filesystem::path(user) / skipped.FileName).string();
      library.Skipped.push_back(std::move(skipped));
    }
    library.DirectoryFound = library.DirectoryFound || own.DirectoryFound;
  }
  return library;
}

void AddCutters(CutterLibrary& library, std::vector<Tool> tools) {
  for (Tool& tool : tools) {
    auto same = std::find_if(library.Tools.begin(), library.Tools.end(),
                             [&](const Tool& t) { return t.FileName == tool.FileName; });
    if (same != library.Tools.end())
      *same = std::move(tool);
    else
      library.Tools.push_back(std::move(tool));
  }
  // One table in file-name order, as one folder gives: projects store the selected cutter by
  // its place in the table.
  std::stable_sort(library.Tools.begin(), library.Tools.end(), [](const Tool& a, const Tool& b) {
    return CutterFileListsBefore(a.FileName, b.FileName);
  });
}

}  // namespace kerf
