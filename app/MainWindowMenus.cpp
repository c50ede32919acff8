// MainWindow's menus: File, Window and Help, the window layout and the cut report.
#include <QAction>
#include <QDate>
#include <QGuiApplication>
#include <QLocale>
#include <QMenuBar>
#include <QScreen>
#include <QTime>

#include "app/Desktop.h"
#include "app/ExportMeshAction.h"
#include "app/ExportTemplateAction.h"
#include "app/MainWindow.h"
#include "app/PhotographAction.h"
#include "app/ProjectActions.h"
#include "model/CutReport.h"
#include "ui/AboutWindow.h"
#include "ui/ProfileWindow.h"
#include "ui/ReportWindow.h"
#include "ui/StockSizeDialog.h"
#include "ui/TextureWindow.h"
#include "ui/ToolsWindow.h"
#include "ui/ViewControlsWindow.h"

namespace kerf {

namespace {

QAction* AddItem(QMenu* menu, const char* caption, const char* name) {
  QAction* action = menu->addAction(caption);
  action->setObjectName(name);
  return action;
}

QAction* AddCheckItem(QMenu* menu, const char* caption, const char* name) {
  QAction* action = AddItem(menu, caption, name);
  action->setCheckable(true);
  action->setChecked(true);
  return action;
}

}  // namespace

void MainWindow::BuildMenus() {
  QMenuBar* bar = menuBar();
  QMenu* file = bar->addMenu("&File");
  file->setObjectName("File1");
  connect(AddItem(file, "&Open", "Open1"), &QAction::triggered, this, &MainWindow::Open);
  saveAction_ = AddItem(file, "&Save", "Save1");
  saveAction_->setEnabled(false);  // until Open or Save As has named the project
  connect(saveAction_, &QAction::triggered, this, &MainWindow::Save);
  connect(AddItem(file, "Save &As", "SaveAs1"), &QAction::triggered, this,
          &MainWindow::SaveAs);
  connect(AddItem(file, "Photograph", "Photograph1"), &QAction::triggered, this,
          &MainWindow::OnPhotograph);
  connect(AddItem(file, "Export &3-D...", "Export3D1"), &QAction::triggered, this,
          &MainWindow::Export3D1Click);
  connect(AddItem(file, "Export &Template...", "ExportTemplate1"), &QAction::triggered, this,
          &MainWindow::ExportTemplate1Click);
  connect(AddItem(file, "Cut &Report", "CutReport1"), &QAction::triggered, this,
          &MainWindow::CutReport1Click);
  connect(AddItem(file, "E&xit", "Exit1"), &QAction::triggered, this, &MainWindow::Exit1Click);

  QMenu* window = bar->addMenu("&Window");
  window->setObjectName("Window1");
  profileItem_ = AddCheckItem(window, "Profile", "Profile1");
  toolsItem_ = AddCheckItem(window, "Tools", "Tools1");
  viewItem_ = AddCheckItem(window, "View", "View1");
  configItem_ = AddCheckItem(window, "Config", "Config1");
  textureItem_ = AddCheckItem(window, "Texture", "Texture1");
  for (QAction* item : {profileItem_, toolsItem_, viewItem_, configItem_, textureItem_})
    connect(item, &QAction::triggered, this, &MainWindow::ShowCheckedToolWindows);
  connect(AddItem(window, "Arrange", "Arrange1"), &QAction::triggered, this,
          &MainWindow::ArrangeWindows);

  QMenu* help = bar->addMenu("Help");
  help->setObjectName("Help1");
  connect(AddItem(help, "About", "About1"), &QAction::triggered, this, &MainWindow::About1Click);
  connect(AddItem(help, "Contents", "Contents1"), &QAction::triggered, this,
          &MainWindow::Contents1Click);
}

QAction* MainWindow::WindowItem(const char* objectName) const {
  return findChild<QAction*>(objectName);
}

void MainWindow::Open() {
  if (ProjectActions* project = desktop_.Project()) project->Open();
}

void MainWindow::Save() {
  if (ProjectActions* project = desktop_.Project()) project->Save();
}

void MainWindow::SaveAs() {
  if (ProjectActions* project = desktop_.Project()) project->SaveAs();
}

void MainWindow::OnPhotograph() {
  if (PhotographAction* photograph = desktop_.Photograph()) photograph->OnPhotograph();
}

void MainWindow::Export3D1Click() {
  if (ExportMeshAction* exportMesh = desktop_.ExportMesh()) exportMesh->Export3DClick();
}

void MainWindow::ExportTemplate1Click() {
  ExportTemplateClick(model_, DialogFileChooser(this), DialogMessageShower(this));
}

void MainWindow::CutReport1Click() {
  const QLocale locale = QLocale::system();
  const QString when = locale.toString(QDate::currentDate(), QLocale::ShortFormat) + " " +
                       locale.toString(QTime::currentTime(), QLocale::LongFormat);
  const CutReport report = BuildCutReport(model_, when.toStdString());
  if (report.empty()) return;  // no cuts: the Report window is neither changed nor shown
  ReportWindow* window = desktop_.Report();
  window->ShowReport(report);
  window->show();
  window->raise();
}

void MainWindow::Exit1Click() { close(); }

// The tool windows against the screen edges, each by its own outer size. Which windows are
// visible, and the main window, stay as they are.
void MainWindow::ArrangeWindows() {
  const QScreen* screen = this->screen() != nullptr ? this->screen() : QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  const QRect area = screen->geometry();
  const int W = area.width(), H = area.height();
  const auto place = [&area](QWidget* window, int left, int top) {
    if (window != nullptr) window->move(area.left() + left, area.top() + top);
  };
  const auto outer = [](QWidget* window) {
    return window != nullptr ? window->frameGeometry().size() : QSize();
  };
  QWidget* viewControls = desktop_.ViewControls();
  QWidget* tools = desktop_.Tools();
  QWidget* config = desktop_.Config();
  QWidget* profile = desktop_.Profile();
  place(viewControls, 0, 50);
  place(tools, W - outer(tools).width(), 50);
  place(config, 0, H - outer(config).height() - 50);
  place(profile, W - outer(profile).width(), H - outer(profile).height() - 40);
  place(desktop_.Texture(), 0, outer(viewControls).height() + 70);
}

void MainWindow::About1Click() {
  if (AboutWindow* about = desktop_.About()) about->exec();
}

void MainWindow::Contents1Click() { desktop_.ShowHelp(HelpTopic::Contents); }

}  // namespace kerf
