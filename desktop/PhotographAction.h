// PhotographAction: File > Photograph, the 3-D view as last drawn saved as a bitmap file.
#pragma once

#include <QString>
#include <functional>
#include <string>

#include "desktop/Choosers.h"
#include "model/Progress.h"

class QWidget;

namespace kerf {

class ViewPanel;

struct PhotographWindows {
  QWidget& mainWindow;     // dialogs and message boxes sit on it
  ViewPanel& view;         // the 3-D view: its size is the photograph's size
  ProgressSink& progress;  // the Progress window
  // The frame loop is held while the view is read; both may be empty.
  std::function<void()> suspendFrames;
  std::function<void()> resumeFrames;
  // The project's name without folder and extension, which the dialog proposes; may be empty.
  std::function<QString()> projectTitle = {};
};

// The picture formats offered, PNG first (the one offered at first).
inline constexpr const char* PhotographFilter =
    "PNG pictures (*.png);;JPEG pictures (*.jpg *.jpeg);;Bitmaps (*.bmp)";

// Where the dialog starts: photosDir when it exists and can be written to, else the user's
// Pictures folder when there is one, else the home folder.
QString PhotographStartDirectory(const std::string& photosDir);
QString PhotographStartDirectory(const std::string& photosDir, const QString& pictures,
                                 const QString& home);

class PhotographAction {
 public:
  explicit PhotographAction(PhotographWindows windows);

  // Start directory of the dialog ("photos" beside the program).
  void SetStartDirectory(const QString& directory) { startDirectory_ = directory; }
  void SetFileChooser(FileChooser chooser) { chooseFile_ = std::move(chooser); }
  void SetMessageShower(MessageShower shower) { showMessage_ = std::move(shower); }

  // PhotographView: asks for a file name (the project's name in the folder and format of the
  // last photograph, "MyPhoto.png" without a project) and saves the frame last drawn in the view in
  // the format its extension names. Returns whether a photograph was saved; a view too wide to read
  // or a file that cannot be written is reported in a message.
  bool OnPhotograph();

 private:
  QString ProposedName() const;

  PhotographWindows windows_;
  QString startDirectory_;
  QString fileName_ = "MyPhoto.png";
  FileChooser chooseFile_;
  MessageShower showMessage_;
};

}  // namespace kerf
