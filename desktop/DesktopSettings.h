// DesktopSettings: what the desktop program remembers between runs, read at start-up and written
// when the main window closes. Nothing of it goes into project files.
#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <memory>

#include "desktop/DialogFolders.h"

class QSettings;

namespace kerf {

class Desktop;
class MainWindow;
class RecentProjects;

class DesktopSettings {
 public:
  // file: the ini file the settings live in; empty keeps nothing between runs.
  explicit DesktopSettings(const QString& file);
  ~DesktopSettings();
  DesktopSettings(const DesktopSettings&) = delete;
  DesktopSettings& operator=(const DesktopSettings&) = delete;

  // On the windows just built, before any panel shows: the unit, the background colour, the
  // view controls, the Window menu's ticks and the docks' layout that were remembered.
  // The file dialogs start in their remembered folders and File > Recent Projects is filled.
  // Whatever was not remembered stays as built.
  void Restore(Desktop& desktop);
  // The main window at its remembered place, or maximised when none is remembered.
  void ShowMainWindow(MainWindow& main) const;
  // The Tips dialog's "Show tips at start-up" box as it was left.
  bool ShowTipsAtStartup() const { return showTips_; }
  // The path last chosen in the file dialog of that name ("Photograph", "Export3D"), so that
  // what was written can be named; empty before any.
  QString LastChosen(const QString& dialog) const { return chosen_.value(dialog); }
  // Writes all of it (the recent projects are also written whenever they change).
  void Save(Desktop& desktop);

  DialogFolders& Folders() { return folders_; }
  RecentProjects* Recent() const { return recent_.get(); }

 private:
  void RestoreView(Desktop& desktop);
  void RestoreWindows(Desktop& desktop);
  void ConnectDialogs(Desktop& desktop);
  void SaveRecent();
  // The chooser starting in the dialog's remembered folder and keeping the path chosen.
  FileChooser Remembering(const QString& dialog, FileChooser chooser);

  std::unique_ptr<QSettings> store_;  // null: nothing is read or written
  DialogFolders folders_;
  std::unique_ptr<RecentProjects> recent_;
  bool showTips_ = true;
  bool mainPlaced_ = false;  // the main window went back to its remembered place
  QHash<QString, QString> chosen_;
};

}  // namespace kerf
