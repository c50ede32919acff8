// PhotographAction: File > Photograph, the 3-D view as last drawn saved as a bitmap file.
#include "desktop/PhotographAction.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QStandardPaths>
#include <string>

#include "desktop/ViewPanel.h"
#include "model/Raster.h"
#include "project/PictureFile.h"
#include "render/Photograph.h"

namespace kerf {
namespace {

// The frame loop held and the hourglass shown for the length of a scope, both always undone.
class PhotographScope {
 public:
  explicit PhotographScope(const PhotographWindows& windows) : windows_(windows) {
    if (windows_.suspendFrames) windows_.suspendFrames();
  }
  ~PhotographScope() {
    if (hourglass_) QGuiApplication::restoreOverrideCursor();
    if (windows_.resumeFrames) windows_.resumeFrames();
  }
  void Hourglass() {
    if (!hourglass_) QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    hourglass_ = true;
  }
  void Release() {
    if (hourglass_) QGuiApplication::restoreOverrideCursor();
    hourglass_ = false;
  }
  PhotographScope(const PhotographScope&) = delete;
  PhotographScope& operator=(const PhotographScope&) = delete;

 private:
  const PhotographWindows& windows_;
  bool hourglass_ = false;
};

// Passes the rows read on to the Progress window. Its steps let paints run, and a paint may
// leave another rendering context current, so the view's context is made current again
// before the next row is read.
class ReadBackProgress final : public ProgressSink {
 public:
  ReadBackProgress(ProgressSink& shown, ViewPanel& view) : shown_(shown), view_(view) {}
  void Begin(const std::string& label, int maximum) override { shown_.Begin(label, maximum); }
  void Step(int position) override {
    shown_.Step(position);
    view_.MakeCurrent();
  }
  void End() override { shown_.End(); }

 private:
  ProgressSink& shown_;
  ViewPanel& view_;
};

}  // namespace

QString PhotographStartDirectory(const std::string& photosDir, const QString& pictures,
                                 const QString& home) {
  const QString beside = QString::fromStdString(photosDir);
  const QFileInfo besideInfo(beside);
  if (besideInfo.isDir() && besideInfo.isWritable()) return beside;
  const QFileInfo picturesInfo(pictures);
  if (!pictures.isEmpty() && picturesInfo.isDir() && picturesInfo.isWritable()) return pictures;
  return home;
}

QString PhotographStartDirectory(const std::string& photosDir) {
  return PhotographStartDirectory(
      photosDir, QStandardPaths::writableLocation(QStandardPaths::PicturesLocation),
      QDir::homePath());
}

PhotographAction::PhotographAction(PhotographWindows windows)
    : windows_(std::move(windows)),
      chooseFile_(DialogFileChooser(&windows_.mainWindow, HelpTopic::Exports)),
      showMessage_(DialogMessageShower(&windows_.mainWindow, HelpTopic::Exports)) {}

QString PhotographAction::ProposedName() const {
  const QString title = windows_.projectTitle ? windows_.projectTitle() : QString();
  if (title.isEmpty()) return fileName_;
  const QFileInfo last(fileName_);
  const QString name = title + "." + last.suffix();
  return last.isAbsolute() ? QDir::toNativeSeparators(last.dir().filePath(name)) : name;
}

bool PhotographAction::OnPhotograph() {
  ViewPanel& view = windows_.view;
  const int width = view.Width();
  const int height = view.Height();
  if (width > MaxPhotographWidth) {
    showMessage_(QString("The view is %1 pixels wide; a photograph can be at most %2 pixels "
                         "wide. Make the main window narrower and try again.")
                     .arg(width)
                     .arg(MaxPhotographWidth));
    return false;
  }

  PhotographScope scope(windows_);
  FileRequest request;
  request.mode = FileRequest::Mode::Save;
  request.caption = "Save Picture As";
  request.directory = startDirectory_;
  request.proposedName = ProposedName();
  request.filter = PhotographFilter;
  request.defaultSuffix = FilterSuffix(QString(PhotographFilter).section(";;", 0, 0));
  const QString chosen = chooseFile_(request);
  if (chosen.isEmpty()) {
    return false;
  }
  const QString path = QDir::toNativeSeparators(QFileInfo(chosen).absoluteFilePath());
  fileName_ = path;
  scope.Hourglass();

  // MakeCurrent leaves the frame last drawn in the buffer read; the view is not turned or
  // changed for the photograph.
  Result<void> saved = Result<void>::Fail("The 3-D view has no OpenGL context to read from.");
  if (view.MakeCurrent()) {
    ReadBackProgress progress(windows_.progress, view);
    const Result<Raster> picture = TakePhotograph(width, height, progress);
    saved = picture ? SavePicture(path.toStdString(), picture.Value())
                    : Result<void>::FailLike(picture);
  }
  scope.Release();
  if (!saved) {
    showMessage_(
        QString("The photograph was not saved.\n%1").arg(QString::fromStdString(saved.Error())));
  }
  return saved.Ok();
}

}  // namespace kerf
