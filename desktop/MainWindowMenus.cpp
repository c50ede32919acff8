// MainWindow's menus: File, Edit, Window and Help.
#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QStatusBar>

#include "desktop/Choosers.h"
#include "desktop/ExportTemplateAction.h"
#include "desktop/MainWindow.h"
#include "desktop/PrintSheetAction.h"

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
  window->addSeparator();
  connect(AddItem(window, "&Reset Layout", "resetLayoutAction"), &QAction::triggered, this,
          &MainWindow::ResetLayout);

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
  const FileChooser choose =
      templateChooser_ ? templateChooser_ : DialogFileChooser(this, HelpTopic::Exports);
  QString chosen;
  const FileChooser keeping = [&choose, &chosen](const FileRequest& request) {
    return chosen = choose(request);
  };
  if (kerf::OnExportTemplate(model_, keeping, DialogMessageShower(this, HelpTopic::Exports)))
    ConfirmWritten("Template exported as", chosen);
}

void MainWindow::OnPrintSetupSheet() {
  const PrintChooser choose = DialogPrintChooser(this, "Print Set-up Sheet", HelpTopic::Exports);
  QString file, printer;
  const PrintChooser keeping = [&](QPrinter& chosen) {
    const bool accepted = choose(chosen);
    file = chosen.outputFileName();
    printer = chosen.printerName();
    return accepted;
  };
  if (!kerf::OnPrintSetupSheet(model_, keeping, DialogMessageShower(this, HelpTopic::Exports),
                               sheetProgress_))
    return;
  if (!file.isEmpty()) {
    ConfirmWritten("Set-up sheet printed to", file);
  } else {
    ConfirmSent("Set-up sheet sent to", printer);
  }
}

}  // namespace kerf
