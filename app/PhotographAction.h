// PhotographAction: File > Photograph, the 3-D view as last drawn saved as a bitmap file.
#pragma once

#include <QString>
#include <functional>

#include "model/Progress.h"
#include "ui/Choosers.h"

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
};

class PhotographAction {
 public:
  explicit PhotographAction(PhotographWindows windows);

  // Start directory of the dialog ("photos" beside the program).
  void SetStartDirectory(const QString& directory) { startDirectory_ = directory; }
  void SetFileChooser(FileChooser chooser) { chooseFile_ = std::move(chooser); }
  void SetMessageShower(MessageShower shower) { showMessage_ = std::move(shower); }

  // PhotographView: asks for a file name ("MyPhoto.BMP" at first, then the last one chosen)
  // and saves the frame last drawn in the view. Returns whether a photograph was saved;
  // a view too wide to read or a file that cannot be written is reported in a message.
  bool OnPhotograph();

 private:
  PhotographWindows windows_;
  QString startDirectory_;
  QString fileName_ = "MyPhoto.BMP";
  FileChooser chooseFile_;
  MessageShower showMessage_;
};

}  // namespace kerf
