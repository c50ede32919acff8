// TForm1's menus: File, Window and Help, the window layout and the cut report.
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
#include "app/PrintSheetAction.h"
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
  connect(AddItem(file, "&Open", "Open1"), &QAction::triggered, this, &MainWindow::Open1Click);
  save1_ = AddItem(file, "&Save", "Save1");
  save1_->setEnabled(false);  // until Open or Save As has named the project
  connect(save1_, &QAction::triggered, this, &MainWindow::Save1Click);
  connect(AddItem(file, "Save &As", "SaveAs1"), &QAction::triggered, this,
          &MainWindow::SaveAs1Click);
  connect(AddItem(file, "Photograph", "Photograph1"), &QAction::triggered, this,
          &MainWindow::Photograph1Click);
  connect(AddItem(file, "Export &3-D...", "Export3D1"), &QAction::triggered, this,
          &MainWindow::Export3D1Click);
  connect(AddItem(file, "Export &Template...", "ExportTemplate1"), &QAction::triggered, this,
          &MainWindow::ExportTemplate1Click);
  connect(AddItem(file, "Print Set-up S&heet...", "PrintSetupSheet1"), &QAction::triggered, this,
          [this] { PrintSetupSheetClick(model_, DialogPrintChooser(this), DialogMessageShower(this)); });
  connect(AddItem(file, "Cut &Report", "CutReport1"), &QAction::triggered, this,
          &MainWindow::CutReport1Click);
  connect(AddItem(file, "E&xit", "Exit1"), &QAction::triggered, this, &MainWindow::Exit1Click);

  QMenu* window = bar->addMenu("&Window");
  window->setObjectName("Window1");
  profile1_ = AddCheckItem(window, "Profile", "Profile1");
  tools1_ = AddCheckItem(window, "Tools", "Tools1");
  view1_ = AddCheckItem(window, "View", "View1");
  config1_ = AddCheckItem(window, "Config", "Config1");
  texture1_ = AddCheckItem(window, "Texture", "Texture1");
  for (QAction* item : {profile1_, tools1_, view1_, config1_, texture1_})
    connect(item, &QAction::triggered, this, &MainWindow::View1Click);
  connect(AddItem(window, "Arrange", "Arrange1"), &QAction::triggered, this,
          &MainWindow::Arrange1Click);

  QMenu* help = bar->addMenu("Help");
  help->setObjectName("Help1");
  connect(AddItem(help, "About", "About1"), &QAction::triggered, this, &MainWindow::About1Click);
  connect(AddItem(help, "Contents", "Contents1"), &QAction::triggered, this,
          &MainWindow::Contents1Click);
}

QAction* MainWindow::WindowItem(const char* objectName) const {
  return findChild<QAction*>(objectName);
}

void MainWindow::Open1Click() {
  if (ProjectActions* project = desktop_.Project()) project->Open1Click();
}

void MainWindow::Save1Click() {
  if (ProjectActions* project = desktop_.Project()) project->Save1Click();
}

void MainWindow::SaveAs1Click() {
  if (ProjectActions* project = desktop_.Project()) project->SaveAs1Click();
}

void MainWindow::Photograph1Click() {
  if (PhotographAction* photograph = desktop_.Photograph()) photograph->Photograph1Click();
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
void MainWindow::Arrange1Click() {
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
