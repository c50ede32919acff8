// MainWindow's menus: File, Edit, Window and Help, and the window layout.
#include <QAction>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>

#include "desktop/Choosers.h"
#include "desktop/ExportTemplateAction.h"
#include "desktop/MainWindow.h"
#include "desktop/PrintSheetAction.h"
#include "desktop/ProfileWindow.h"

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
  connect(AddItem(file, "&Open", "Open1"), &QAction::triggered, this, &MainWindow::openRequested);
  saveAction_ = AddItem(file, "&Save", "Save1");
  saveAction_->setEnabled(false);  // until Open or Save As has named the project
  connect(saveAction_, &QAction::triggered, this, &MainWindow::saveRequested);
  connect(AddItem(file, "Save &As", "SaveAs1"), &QAction::triggered, this,
          &MainWindow::saveAsRequested);
  connect(AddItem(file, "Photograph", "Photograph1"), &QAction::triggered, this,
          &MainWindow::photographRequested);
  connect(AddItem(file, "Export &3-D...", "Export3D1"), &QAction::triggered, this,
          &MainWindow::exportMeshRequested);
  connect(AddItem(file, "Export &Template...", "ExportTemplate1"), &QAction::triggered, this,
          &MainWindow::OnExportTemplate);
  connect(AddItem(file, "Print Set-up S&heet...", "PrintSetupSheet1"), &QAction::triggered, this,
          &MainWindow::OnPrintSetupSheet);
  connect(AddItem(file, "&Match a Profile...", "MatchProfile1"), &QAction::triggered, this,
          &MainWindow::matchProfileRequested);
  connect(AddItem(file, "Cut &Report", "CutReport1"), &QAction::triggered, this,
          &MainWindow::cutReportRequested);
  recentMenu_ = file->addMenu("Recent &Projects");
  recentMenu_->setObjectName("RecentProjects1");
  connect(AddItem(file, "E&xit", "Exit1"), &QAction::triggered, this, &QWidget::close);

  editMenu_ = bar->addMenu("&Edit");
  editMenu_->setObjectName("Edit1");

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
  connect(AddItem(help, "About", "About1"), &QAction::triggered, this, &MainWindow::aboutRequested);
  connect(AddItem(help, "Contents", "Contents1"), &QAction::triggered, this,
          &MainWindow::helpContentsRequested);
}

QAction* MainWindow::WindowItem(const char* objectName) const {
  return findChild<QAction*>(objectName);
}

void MainWindow::OnExportTemplate() {
  ExportTemplateClick(model_, templateChooser_ ? templateChooser_ : DialogFileChooser(this),
                      DialogMessageShower(this));
}

void MainWindow::OnPrintSetupSheet() {
  PrintSetupSheetClick(model_, DialogPrintChooser(this), DialogMessageShower(this));
}

// The tool windows against the screen edges, each by its own outer size. Which windows are
// visible, and the main window, stay as they are.
void MainWindow::ArrangeWindows() {
  const QScreen* screen =
      this->screen() != nullptr ? this->screen() : QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  const QRect area = screen->geometry();
  const int W = area.width(), H = area.height();
  const auto place = [&area](QWidget* window, int left, int top) {
    if (window != nullptr) window->move(area.left() + left, area.top() + top);
  };
  const auto outer = [](QWidget* window) {
    return window != nullptr ? window->frameGeometry().size() : QSize();
  };
  QWidget* viewControls = toolWindows_.ViewControls;
  QWidget* tools = toolWindows_.Tools;
  QWidget* config = toolWindows_.Config;
  QWidget* profile = toolWindows_.Profile;
  place(viewControls, 0, 50);
  place(tools, W - outer(tools).width(), 50);
  place(config, 0, H - outer(config).height() - 50);
  place(profile, W - outer(profile).width(), H - outer(profile).height() - 40);
  place(toolWindows_.Texture, 0, outer(viewControls).height() + 70);
}

}  // namespace kerf
