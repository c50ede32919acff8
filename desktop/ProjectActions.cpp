// ProjectActions: File > Open, Save and Save As of the desktop program, on the project codec.
#include "desktop/ProjectActions.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QStringList>
#include <QWidget>
#include <string>
#include <vector>

#include "desktop/SetupHistory.h"
#include "desktop/StockSizeDialog.h"
#include "desktop/TextureWindow.h"
#include "desktop/ToolsWindow.h"
#include "project/ProjectClipping.h"
#include "project/ProjectFile.h"
#include "project/ProjectLoading.h"

namespace kerf {
namespace {

// The hourglass for the length of a scope, whatever way the scope is left.
class WaitCursor {
 public:
  WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
  ~WaitCursor() { Release(); }
  void Release() {
    if (active_) {
      QGuiApplication::restoreOverrideCursor();
      active_ = false;
    }
  }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;

 private:
  bool active_ = true;
};

// The frame loop held for the length of a scope and always let go again.
class HeldFrames {
 public:
  explicit HeldFrames(const ProjectWindows& windows) : windows_(windows) {
    if (windows_.suspendFrames) windows_.suspendFrames();
  }
  ~HeldFrames() {
    if (windows_.resumeFrames) windows_.resumeFrames();
  }
  HeldFrames(const HeldFrames&) = delete;
  HeldFrames& operator=(const HeldFrames&) = delete;

 private:
  const ProjectWindows& windows_;
};

QString FromLocal(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

ProjectActions::ProjectActions(Model& model, ProjectWindows windows)
    : model_(model),
      windows_(std::move(windows)),
      chooseFile_(DialogFileChooser(&windows_.mainWindow)),
      showMessage_(DialogMessageShower(&windows_.mainWindow)),
      askSave_(DialogSaveQuestion(&windows_.mainWindow)) {}

QString ProjectCaption(const std::string& projectFileName) {
  // "[*]" shows as "*" while the set-up differs from its file.
  return "Kerfwright: " + QFileInfo(FromLocal(projectFileName)).fileName() + "[*]";
}

void ProjectActions::ShowProjectName() {
  windows_.mainWindow.setWindowTitle(ProjectCaption(model_.ProjectFileName()));
  if (windows_.nameShown) windows_.nameShown();
}

bool ProjectActions::Named() const { return model_.ProjectFileName() != UntitledProject; }

ProjectActions::OpenedState ProjectActions::TakeOpenedState() const {
  return {model_.TakeSetup(), model_.ProjectFileName()};
}

SetupChange ProjectActions::RestoreOpenedState(const OpenedState& state) {
  windows_.config.SetStockSliders(state.Setup.StockWidth, state.Setup.StockHeight);
  const SetupChange changed = model_.ReplaceSetup(state.Setup);
  {
    HeldFrames held(windows_);
    windows_.texture.ShowTexture(state.Setup.TextureFile);
  }
  windows_.tools.SelectCurrentCutter();
  model_.SetProjectFileName(state.FileName);
  ShowProjectName();
  return changed;
}

bool ProjectActions::MayDiscardChanges() {
  if (windows_.history == nullptr || !windows_.history->Modified()) return true;
  const QString name = QFileInfo(FromLocal(model_.ProjectFileName())).fileName();
  switch (askSave_(QString("Save changes to %1?").arg(name))) {
    case SaveAnswer::Save:
      return Save();  // an untitled project is saved under a name chosen now
    case SaveAnswer::Discard:
      return true;
    case SaveAnswer::Cancel:
      break;
  }
  return false;
}

void ProjectActions::Open() {
  if (!MayDiscardChanges()) return;
  FileRequest request;
  request.mode = FileRequest::Mode::Open;
  request.caption = "Open";
  request.directory = startDirectory_;
  request.filter = QtFileFilter("Router Files|*.ROU");
  request.defaultSuffix = "ROU";
  const QString path = chooseFile_(request);
  if (!path.isEmpty()) {
    OpenProject(path);
  }
}

bool ProjectActions::OpenProject(const QString& chosenPath) {
  const QString path = QDir::toNativeSeparators(QFileInfo(chosenPath).absoluteFilePath());
  WaitCursor hourglass;

  // The whole file is read and checked before anything is applied.
  const ProjectReadResult read = ReadProjectFile(path.toStdString());
  if (!read) {
    hourglass.Release();
    const QString where = read.Line() > 0 ? QString("line %1: ").arg(read.Line()) : QString();
    showMessage_(QString("The project %1 could not be opened.\n%2%3\nNothing was changed.")
                     .arg(path, where, FromLocal(read.Error())));
    return false;
  }
  const ProjectRecord& record = read.Value();

  // The windows brought in step with the opened project record nothing of their own: Open is
  // one step, from the whole state before it to the whole state after it.
  SetupHistory::Hold hold(windows_.history);
  const OpenedState before = TakeOpenedState();

  model_.SetProjectFileName(path.toStdString());
  ShowProjectName();

  // The sizes pass through the stock sliders, which hold them within 50..1000, as New takes them.
  windows_.config.SetStockSliders(record.StockWidth, record.StockHeight);
  const std::vector<ClippedValue> clipped = ClippedValues(record, model_.CutterCount());
  const std::vector<MissingCutter> missing = ApplyProject(model_, record);

  // The texture comes from the file alone: a project naming none shows the built-in grain.
  QStringList problems;
  if (!clipped.empty()) {
    QStringList lines;
    for (const ClippedValue& value : clipped)
      lines << QString("line %1: %2").arg(value.Line).arg(FromLocal(ClippedText(value)));
    problems << QString("These values of the project were out of range and were changed:\n\n%1")
                    .arg(lines.join('\n'));
  }
  if (record.TextureFile.empty()) {
    windows_.texture.UseBuiltInTexture();
  } else {
    Result<void> loaded;
    {
      HeldFrames held(windows_);
      loaded = windows_.texture.LoadTextureFile(FromLocal(record.TextureFile));
    }
    if (!loaded) {
      // The previous project's picture must not stand in for it. The project keeps naming its
      // texture, so saving it again loses nothing.
      windows_.texture.UseBuiltInTexture();
      model_.SetTextureFile(record.TextureFile);
      problems << QString(
                      "The texture %1 named by the project could not be loaded:\n%2\n"
                      "The rest of the project was opened.")
                      .arg(FromLocal(record.TextureFile), FromLocal(loaded.Error()));
    }
  }
  if (!missing.empty()) {
    QStringList names;  // each once, in cut order
    for (const MissingCutter& cut : missing) {
      if (!names.contains(FromLocal(cut.FileName))) names << FromLocal(cut.FileName);
    }
    problems << QString(
                    "These cutters named by the project are not in the cutter library, so "
                    "their cuts remove nothing:\n\n%1")
                    .arg(names.join('\n'));
  }
  windows_.texture.SyncFromModel();
  windows_.tools.SyncSwatches();
  windows_.tools.SelectCurrentCutter();

  if (windows_.rebuild) windows_.rebuild();
  if (named_) named_(path);

  if (windows_.history != nullptr) {
    hold.Release();
    windows_.history->Record(
        {"Open " + QFileInfo(path).fileName(),
         [this, after = TakeOpenedState()] { return RestoreOpenedState(after); },
         [this, before] { return RestoreOpenedState(before); }});
    windows_.history->MarkSaved();
  }

  hourglass.Release();
  if (!problems.isEmpty()) {
    showMessage_(problems.join("\n\n"));
  }
  return true;
}

bool ProjectActions::SaveProject(const QString& path) {
  Result<void> written;
  {
    WaitCursor hourglass;
    written = WriteProjectFile(path.toStdString(), RecordFromModel(model_));
  }
  if (!written) {
    showMessage_(QString("The project was not saved.\n%1").arg(FromLocal(written.Error())));
    return false;
  }
  if (named_) named_(path);
  if (windows_.history != nullptr) windows_.history->MarkSaved();
  return true;
}

bool ProjectActions::Save() {
  // An untitled project has no file to write: its name is chosen first.
  if (!Named()) return SaveAs();
  return SaveProject(FromLocal(model_.ProjectFileName()));
}

bool ProjectActions::SaveAs() {
  FileRequest request;
  request.mode = FileRequest::Mode::Save;
  request.caption = "Save As";
  request.directory = saveDirectory_.isEmpty() ? startDirectory_ : saveDirectory_;
  request.proposedName = FromLocal(model_.ProjectFileName());
  request.filter = QtFileFilter("Router File|*.ROU");
  request.defaultSuffix = "ROU";
  const QString chosen = chooseFile_(request);
  if (chosen.isEmpty()) {
    return false;
  }
  const QString path = QDir::toNativeSeparators(QFileInfo(chosen).absoluteFilePath());
  // A failed write leaves the project named as it was: Save must not point at a file
  // that does not hold this set-up.
  if (!SaveProject(path)) {
    return false;
  }
  model_.SetProjectFileName(path.toStdString());
  ShowProjectName();
  return true;
}

}  // namespace kerf
