// ProjectActions: File > Open, Save and Save As of the desktop program, on the project codec.
#pragma once

#include <QString>
#include <functional>

#include "desktop/Choosers.h"
#include "model/Model.h"

class QWidget;

namespace kerf {

class SetupHistory;
class StockSizeDialog;
class TextureWindow;
class ToolsWindow;

// What opening and saving a project touches besides the model.
struct ProjectWindows {
  QWidget& mainWindow;  // its caption names the project; dialogs and boxes sit on it
  ToolsWindow& tools;
  StockSizeDialog& config;
  TextureWindow& texture;
  // The rebuild after a change of stock or cuts: outline, cut grid, the Profile face label.
  std::function<void()> rebuild;
  // The frame loop is held while a texture is replaced; both may be empty.
  std::function<void()> suspendFrames;
  std::function<void()> resumeFrames;
  // The undo history: Open is one step of it, Save and Open mark the set-up saved. May be null.
  SetupHistory* history = nullptr;
  // The project's name was shown anew (Open, Save As, undo and redo of Open, New); may be empty.
  std::function<void()> nameShown = {};
};

// The main window's caption for a project: "Kerfwright: shop.ROU" ("*" after it while the
// set-up differs from its file).
QString ProjectCaption(const std::string& projectFileName);

class ProjectActions {
 public:
  ProjectActions(Model& model, ProjectWindows windows);

  // Start directory of the Open dialog ("work" beside the program) and of the Save As dialog
  // (the same where it can be written to).
  void SetStartDirectory(const QString& directory) { startDirectory_ = directory; }
  void SetSaveDirectory(const QString& directory) { saveDirectory_ = directory; }
  // Replace the dialog and message steps (tests run without modal dialogs).
  void SetFileChooser(FileChooser chooser) { chooseFile_ = std::move(chooser); }
  void SetMessageShower(MessageShower shower) { showMessage_ = std::move(shower); }
  // Told the path of each project opened or saved (for File > Recent Projects).
  void SetProjectNamed(std::function<void(const QString&)> named) { named_ = std::move(named); }
  void SetSaveQuestion(SaveQuestion question) { askSave_ = std::move(question); }

  // File > Open asks about unsaved changes first. Save and Save As return whether the
  // project was written (a cancelled dialog writes nothing); Save of an untitled project
  // (after New) is Save As.
  void Open();
  bool Save();
  bool SaveAs();
  // Whether the project has a file: Open or Save As named it, New made it untitled again.
  bool Named() const;
  // The main window's caption names the project (after New, Open, Save As, undo and redo).
  void ShowProjectName();

  // Before the set-up is thrown away (New, Open, closing the program): with unsaved changes,
  // asks "Save changes to NAME?". Returns whether to go on: after Discard, or after Save wrote
  // the project; not after Cancel, a failed save or a cancelled Save As.
  bool MayDiscardChanges();

  // Reads the project at path and, when the whole file is sound, applies it: the set-up, the
  // texture, the cutter box, the rebuild, the caption, ProjectFileName and File > Save.
  // A file that cannot be read changes nothing and shows one message naming the file, the
  // line and what is wrong. Returns whether the project was applied.
  bool OpenProject(const QString& path);
  // The project named on the command line (a relative name is taken from the current directory).
  bool OpenProjectAtStart(const QString& path) { return OpenProject(path); }
  // Writes the set-up to path (through a temporary file and a rename); on failure shows the
  // system's message and returns false.
  bool SaveProject(const QString& path);

 private:
  // What Open changes, as it was before it or after it: the set-up and the project's name.
  // For the undo and redo of Open.
  struct OpenedState {
    WorkSetup Setup;
    std::string FileName;
  };
  OpenedState TakeOpenedState() const;
  SetupChange RestoreOpenedState(const OpenedState& state);

  Model& model_;
  ProjectWindows windows_;
  QString startDirectory_;
  QString saveDirectory_;
  FileChooser chooseFile_;
  MessageShower showMessage_;
  std::function<void(const QString&)> named_;
  SaveQuestion askSave_;
};

}  // namespace kerf
