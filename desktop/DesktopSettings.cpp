// DesktopSettings: what the desktop program remembers between runs, read at start-up and written
// when the main window closes. Nothing of it goes into project files.
#include "desktop/DesktopSettings.h"

#include <QAction>
#include <QSettings>

#include "desktop/ColourSwatch.h"
#include "desktop/Desktop.h"
#include "desktop/ExportMeshAction.h"
#include "desktop/MainWindow.h"
#include "desktop/PhotographAction.h"
#include "desktop/ProfileWindow.h"
#include "desktop/ProjectActions.h"
#include "desktop/RecentProjects.h"
#include "desktop/StockSizeDialog.h"
#include "desktop/TextureWindow.h"
#include "desktop/TipsDialog.h"
#include "desktop/ToolsWindow.h"
#include "desktop/ViewControlsWindow.h"

namespace kerf {

namespace {

struct ToolWindowEntry {
  const char* key;
  const char* menuItem;  // its tick in the Window menu
};

constexpr ToolWindowEntry ToolWindowEntries[] = {{"Profile", "showProfileAction"},
                                                 {"ViewControls", "showViewControlsAction"},
                                                 {"Tools", "showToolsAction"},
                                                 {"Config", "showConfigAction"},
                                                 {"Texture", "showTextureAction"}};

// The stored whole number under key, or fallback when there is none or it is not a number.
int StoredInt(const QSettings& store, const QString& key, int fallback) {
  bool ok = false;
  const int value = store.value(key).toInt(&ok);
  return ok ? value : fallback;
}

const char* const DialogNames[] = {"Project", "Texture", "Photograph", "Export3D",
                                   "ExportTemplate"};

}  // namespace

DesktopSettings::DesktopSettings(const QString& file) {
  if (!file.isEmpty()) store_ = std::make_unique<QSettings>(file, QSettings::IniFormat);
}

DesktopSettings::~DesktopSettings() = default;

void DesktopSettings::Restore(Desktop& desktop) {
  ConnectDialogs(desktop);
  if (!store_) return;
  RestoreView(desktop);
  RestoreWindows(desktop);
  for (const char* dialog : DialogNames)
    folders_.SetFolder(dialog, store_->value(QString("Folders/") + dialog).toString());
  recent_->SetList(RecentList(store_->value("Recent/Projects").toStringList()));
  showTips_ = store_->value("Tips/ShowAtStartup", true).toBool();
}

void DesktopSettings::RestoreView(Desktop& desktop) {
  QSettings& store = *store_;
  const QString unit = store.value("View/Unit").toString();
  if (unit == "Metric") desktop.Config()->SetUnit(LengthUnit::Metric);
  if (unit == "Imperial") desktop.Config()->SetUnit(LengthUnit::Imperial);
  // How high the table's lift raises a bit, in hundredths: cuts set higher are impossible.
  desktop.Config()->SetReach(StoredInt(store, "Table/Reach", desktop.model().TableReach()));

  if (const QColor background(store.value("View/Background").toString()); background.isValid()) {
    desktop.model().SetBackgroundSwatch(FromQColor(background));
    desktop.Tools()->SyncSwatches();
  }

  ViewControlPositions p = desktop.ViewControls()->Positions();
  p.Zoom = StoredInt(store, "View/Zoom", p.Zoom);
  p.RotateX = StoredInt(store, "View/RotateX", p.RotateX);
  p.RotateY = StoredInt(store, "View/RotateY", p.RotateY);
  p.RotateZ = StoredInt(store, "View/RotateZ", p.RotateZ);
  p.ShiftX = StoredInt(store, "View/ShiftX", p.ShiftX);
  p.ShiftY = StoredInt(store, "View/ShiftY", p.ShiftY);
  p.Ambient = StoredInt(store, "View/Ambient", p.Ambient);
  p.Diffuse = StoredInt(store, "View/Diffuse", p.Diffuse);
  p.Highlight = StoredInt(store, "View/Highlight", p.Highlight);
  p.Solid = store.value("View/Solid", p.Solid).toBool();
  desktop.ViewControls()->SetPositions(p);
}

void DesktopSettings::RestoreWindows(Desktop& desktop) {
  QSettings& store = *store_;
  // The window's size first: the docks' sizes in the layout are those of a window of that size.
  const QByteArray geometry = store.value("Windows/Main").toByteArray();
  mainPlaced_ = !geometry.isEmpty() && desktop.Main()->restoreGeometry(geometry);
  for (const ToolWindowEntry& entry : ToolWindowEntries) {
    if (const QVariant shown = store.value(QString("Windows/") + entry.key + "Shown");
        shown.isValid())
      desktop.Main()->WindowItem(entry.menuItem)->setChecked(shown.toBool());
  }
  desktop.Main()->RestoreLayout(store.value("Windows/Layout").toByteArray());
}

void DesktopSettings::ConnectDialogs(Desktop& desktop) {
  MainWindow* main = desktop.Main();
  desktop.Project()->SetFileChooser(Remembering("Project", DialogFileChooser(main)));
  desktop.Texture()->SetFileChooser(Remembering("Texture", DialogFileChooser(desktop.Texture())));
  desktop.Photograph()->SetFileChooser(Remembering("Photograph", DialogFileChooser(main)));
  desktop.ExportMesh()->SetFileChooser(Remembering("Export3D", DialogFileChooser(main)));
  main->SetTemplateChooser(Remembering("ExportTemplate", DialogFileChooser(main)));

  ProjectActions* project = desktop.Project();
  recent_ = std::make_unique<RecentProjects>(
      *main->RecentMenu(),
      // Asks about unsaved changes first, as File > Open does.
      [project](const QString& path) {
        return project->MayDiscardChanges() && project->OpenProject(path);
      },
      DialogMessageShower(main));
  project->SetProjectNamed([recent = recent_.get()](const QString& path) { recent->Add(path); });
  QObject::connect(recent_.get(), &RecentProjects::changed, [this] { SaveRecent(); });
}

FileChooser DesktopSettings::Remembering(const QString& dialog, FileChooser chooser) {
  FileChooser inFolder = folders_.Remembering(dialog, std::move(chooser));
  return [this, dialog, inFolder](const FileRequest& request) {
    const QString path = inFolder(request);
    if (!path.isEmpty()) chosen_[dialog] = path;
    return path;
  };
}

void DesktopSettings::ShowMainWindow(MainWindow& main) const {
  if (mainPlaced_) {
    main.show();
  } else {
    main.showMaximized();
  }
}

void DesktopSettings::SaveRecent() {
  if (store_) store_->setValue("Recent/Projects", recent_->List().Paths());
}

void DesktopSettings::Save(Desktop& desktop) {
  if (!store_) return;
  QSettings& store = *store_;
  store.setValue("Windows/Main", desktop.Main()->saveGeometry());
  store.setValue("Windows/Layout", desktop.Main()->SaveLayout());
  for (const ToolWindowEntry& entry : ToolWindowEntries)
    store.setValue(QString("Windows/") + entry.key + "Shown",
                   desktop.Main()->WindowItem(entry.menuItem)->isChecked());

  const Model& model = desktop.model();
  store.setValue("View/Unit", model.Unit() == LengthUnit::Metric ? "Metric" : "Imperial");
  store.setValue("View/Background", ToQColor(model.BackgroundSwatch()).name());
  store.setValue("Table/Reach", model.TableReach());
  const ViewControlPositions p = desktop.ViewControls()->Positions();
  store.setValue("View/Zoom", p.Zoom);
  store.setValue("View/RotateX", p.RotateX);
  store.setValue("View/RotateY", p.RotateY);
  store.setValue("View/RotateZ", p.RotateZ);
  store.setValue("View/ShiftX", p.ShiftX);
  store.setValue("View/ShiftY", p.ShiftY);
  store.setValue("View/Ambient", p.Ambient);
  store.setValue("View/Diffuse", p.Diffuse);
  store.setValue("View/Highlight", p.Highlight);
  store.setValue("View/Solid", p.Solid);
  if (desktop.Tips() != nullptr)
    store.setValue("Tips/ShowAtStartup", desktop.Tips()->ShowAtStartup());

  for (const char* dialog : DialogNames)
    store.setValue(QString("Folders/") + dialog, folders_.Folder(dialog));
  SaveRecent();
  store.sync();
  if (store.status() != QSettings::NoError)
    qWarning("kerfwright: the settings could not be written to %s", qPrintable(store.fileName()));
}

}  // namespace kerf
