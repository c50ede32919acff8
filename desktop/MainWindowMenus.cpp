// MainWindow's menus: File, Edit, Window and Help, and the window layout.
#include <QAction>
#include <QGuiApplication>
#include <QKeySequence>
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

// key is the platform's key for the item, or the usual one where the platform names none.
QAction* AddItem(QMenu* menu, const char* caption, const char* name,
                 QKeySequence::StandardKey key = QKeySequence::UnknownKey,
                 const char* usual = nullptr) {
  QAction* action = menu->addAction(caption);
  action->setObjectName(name);
  QList<QKeySequence> keys = QKeySequence::keyBindings(key);
  if (keys.isEmpty() && usual != nullptr) keys = {QKeySequence(usual)};
  if (!keys.isEmpty()) {
    // Shown beside the item; the tool windows are windows of their own, so the keys work
    // whichever of them is active.
    action->setShortcuts(keys);
    action->setShortcutContext(Qt::ApplicationShortcut);
  }
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
  file->setObjectName("fileMenu");
  connect(AddItem(file, "&New...", "newAction", QKeySequence::New, "Ctrl+N"), &QAction::triggered,
          this, &MainWindow::newRequested);
  connect(AddItem(file, "&Open...", "openAction", QKeySequence::Open, "Ctrl+O"),
          &QAction::triggered, this, &MainWindow::openRequested);
  saveAction_ = AddItem(file, "&Save", "saveAction", QKeySequence::Save, "Ctrl+S");
  connect(saveAction_, &QAction::triggered, this, &MainWindow::saveRequested);
  connect(AddItem(file, "Save &As...", "saveAsAction", QKeySequence::SaveAs, "Ctrl+Shift+S"),
          &QAction::triggered, this, &MainWindow::saveAsRequested);
  connect(AddItem(file, "Photo&graph...", "photographAction"), &QAction::triggered, this,
          &MainWindow::photographRequested);
  connect(AddItem(file, "Export &3-D...", "exportMeshAction"), &QAction::triggered, this,
          &MainWindow::exportMeshRequested);
  connect(AddItem(file, "Export &Template...", "exportTemplateAction"), &QAction::triggered, this,
          &MainWindow::OnExportTemplate);
  connect(AddItem(file, "Print Set-up S&heet...", "printSetupSheetAction"), &QAction::triggered,
          this, &MainWindow::OnPrintSetupSheet);
  connect(AddItem(file, "&Match a Profile...", "matchProfileAction"), &QAction::triggered, this,
          &MainWindow::matchProfileRequested);
  connect(AddItem(file, "Cut &Report", "cutReportAction"), &QAction::triggered, this,
          &MainWindow::cutReportRequested);
  recentMenu_ = file->addMenu("Recent &Projects");
  recentMenu_->setObjectName("recentProjectsMenu");
  connect(AddItem(file, "E&xit", "exitAction", QKeySequence::Quit, "Ctrl+Q"), &QAction::triggered,
          this, &QWidget::close);

  editMenu_ = bar->addMenu("&Edit");
  editMenu_->setObjectName("editMenu");

  QMenu* window = bar->addMenu("&Window");
  window->setObjectName("windowMenu");
  profileItem_ = AddCheckItem(window, "&Profile", "showProfileAction");
  toolsItem_ = AddCheckItem(window, "&Tools", "showToolsAction");
  viewItem_ = AddCheckItem(window, "&View", "showViewControlsAction");
  configItem_ = AddCheckItem(window, "&Config", "showConfigAction");
  textureItem_ = AddCheckItem(window, "Te&xture", "showTextureAction");
  for (QAction* item : {profileItem_, toolsItem_, viewItem_, configItem_, textureItem_})
    connect(item, &QAction::triggered, this, &MainWindow::ShowCheckedToolWindows);
  connect(AddItem(window, "&Arrange", "arrangeAction"), &QAction::triggered, this,
          &MainWindow::ArrangeWindows);

  QMenu* help = bar->addMenu("&Help");
  help->setObjectName("helpMenu");
  connect(AddItem(help, "&About", "aboutAction"), &QAction::triggered, this,
          &MainWindow::aboutRequested);
  connect(AddItem(help, "&Contents", "helpContentsAction", QKeySequence::HelpContents, "F1"),
          &QAction::triggered, this, &MainWindow::helpContentsRequested);
  AddItem(help, "&Tip of the Day", "tipOfTheDayAction");  // the owner shows its Tips dialog
}

QAction* MainWindow::WindowItem(const char* objectName) const {
  return findChild<QAction*>(objectName);
}

void MainWindow::OnExportTemplate() {
  kerf::OnExportTemplate(model_, templateChooser_ ? templateChooser_ : DialogFileChooser(this),
                         DialogMessageShower(this));
}

void MainWindow::OnPrintSetupSheet() {
  kerf::OnPrintSetupSheet(model_, DialogPrintChooser(this), DialogMessageShower(this),
                          sheetProgress_);
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
