// Loading a project as Open does and naming the cuts whose cutter is missing; the verbs' forms
// print to stderr.
#include "project/ProjectLoading.h"

#include <cstdio>

#include "model/PrintableText.h"
#include "model/Progress.h"
#include "project/CutterLibrary.h"
#include "project/ProgramFiles.h"
#include "project/ProjectClipping.h"
#include "project/ProjectFile.h"
#include "project/UserCutters.h"

namespace kerf {

std::string ProjectReadFailure(const std::string& path, const ProjectReadResult& read) {
  const std::string where = read.Line() > 0 ? ":" + std::to_string(read.Line()) : "";
  return PrintableText(path) + where + ": " + PrintableText(read.Error());
}

std::vector<MissingCutter> ApplyProject(Model& model, const ProjectRecord& record) {
  ApplyRecord(model, record);
  std::vector<MissingCutter> missing;
  for (int k = 1; k <= model.CutCount(); ++k) {
    const Cut& cut = model.CutAt(k);
    if (cut.Cutter == 0) missing.push_back({k, cut.CutterFileName});
  }
  return missing;
}

bool LoadToolsForCommand(Model& model, const std::string& toolsDir,
                         const std::vector<std::string>& moreFolders) {
  const std::string dir = toolsDir.empty() ? ToolsDir() : toolsDir;
  NoProgress progress;
  // The user's own cutters join the supplied ones unless --tools names the one folder to read.
  CutterLibrary library =
      LoadCutterLibraries(dir, toolsDir.empty() ? UserCutterFolder() : "", progress);
  if (!library.DirectoryFound) {
    std::fprintf(stderr, "kerfwright: no tools directory at %s\n", PrintableText(dir).c_str());
    return false;
  }
  for (const std::string& folder : moreFolders) {
    CutterLibrary more = LoadCutterLibrary(folder, progress);
    if (!more.DirectoryFound) {
      std::fprintf(stderr, "kerfwright: no cutter folder at %s\n", PrintableText(folder).c_str());
      return false;
    }
    library.Skipped.insert(library.Skipped.end(), more.Skipped.begin(), more.Skipped.end());
    AddCutters(library, std::move(more.Tools));
  }
  for (const SkippedCutter& skipped : library.Skipped) {
    std::fprintf(stderr, "kerfwright: warning: cutter bitmap %s skipped: %s\n",
                 QuotedText(skipped.FileName).c_str(), PrintableText(skipped.Reason).c_str());
  }
  model.SetCutterLibrary(std::move(library.Tools));
  return true;
}

namespace {

bool ReadForCommand(const std::string& projectPath, ProjectRecord& record) {
  ProjectReadResult read = ReadProjectFile(projectPath);
  if (!read) {
    std::fprintf(stderr, "%s\n", ProjectReadFailure(projectPath, read).c_str());
    return false;
  }
  record = std::move(read.Value());
  return true;
}

void ApplyForCommand(Model& model, const std::string& projectPath, const ProjectRecord& record) {
  for (const ClippedValue& clipped : ClippedValues(record, model.CutterCount()))
    std::fprintf(stderr, "kerfwright: warning: %s:%d: %s\n", PrintableText(projectPath).c_str(),
                 clipped.Line, ClippedText(clipped).c_str());
  const std::vector<MissingCutter> missing = ApplyProject(model, record);
  model.SetProjectFileName(projectPath);
  for (const MissingCutter& m : missing) {
    std::fprintf(stderr,
                 "kerfwright: warning: %s: cut %d uses cutter %s, which is not in the library\n",
                 PrintableText(projectPath).c_str(), m.Cut, QuotedText(m.FileName).c_str());
  }
}

}  // namespace

bool LoadProjectForCommand(Model& model, const std::string& projectPath) {
  ProjectRecord record;
  if (!ReadForCommand(projectPath, record)) return false;
  ApplyForCommand(model, projectPath, record);
  return true;
}

bool LoadForCommand(Model& model, const std::string& projectPath, const std::string& toolsDir) {
  // The project is read first: a broken file is reported before the library is scanned.
  ProjectRecord record;
  if (!ReadForCommand(projectPath, record) || !LoadToolsForCommand(model, toolsDir)) return false;
  ApplyForCommand(model, projectPath, record);
  return true;
}

}  // namespace kerf
