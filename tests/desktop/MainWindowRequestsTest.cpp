// The main window on its own: the menu items it does not carry out itself each ask for their
// work once, and hiding or closing the window tells whoever owns the other windows.
#include <gtest/gtest.h>

#include <QAction>
#include <QKeySequence>
#include <QTest>
#include <map>
#include <string>

#include "desktop/MainWindow.h"
#include "model/Model.h"

namespace kerf {
namespace {

using Request = void (MainWindow::*)();

struct RequestCase {
  const char* item;
  Request signal;
};

const RequestCase Requests[] = {
    {"newAction", &MainWindow::newRequested},
    {"openAction", &MainWindow::openRequested},
    {"saveAction", &MainWindow::saveRequested},
    {"saveAsAction", &MainWindow::saveAsRequested},
    {"photographAction", &MainWindow::photographRequested},
    {"exportMeshAction", &MainWindow::exportMeshRequested},
    {"cutReportAction", &MainWindow::cutReportRequested},
    {"aboutAction", &MainWindow::aboutRequested},
    {"helpContentsAction", &MainWindow::helpContentsRequested},
    {"exitAction", &MainWindow::closing},
};

TEST(MainWindowRequests, EachMenuItemAsksForItsOwnWorkOnce) {
  Model model;
  const SectionOutline outline;
  MainWindow window(model, outline, /*glLoaded=*/false);
  window.show();
  std::map<std::string, int> asked;
  for (const RequestCase& c : Requests) {
    const std::string item = c.item;
    QObject::connect(&window, c.signal, &window, [&asked, item] { ++asked[item]; });
  }
  int total = 0;
  for (const RequestCase& c : Requests) {
    SCOPED_TRACE(c.item);
    QAction* action = window.WindowItem(c.item);
    ASSERT_NE(action, nullptr);
    action->trigger();
    EXPECT_EQ(asked[c.item], 1);
    EXPECT_EQ(static_cast<int>(asked.size()), ++total);  // no other request came with it
  }
}

TEST(MainWindowRequests, HidingTakesTheOtherWindowsAlongAndTheWindowMenuWorksBeforeThem) {
  Model model;
  const SectionOutline outline;
  MainWindow window(model, outline, /*glLoaded=*/false);
  int hidden = 0;
  QObject::connect(&window, &MainWindow::hiddenWithWindows, &window, [&hidden] { ++hidden; });
  window.show();
  window.WindowItem("showToolsAction")->trigger();  // no tool windows yet: nothing to show or hide
  window.ArrangeWindows();
  EXPECT_EQ(hidden, 0);
  window.hide();
  EXPECT_EQ(hidden, 1);
}

// The usual keys reach their items from the keyboard; Quit last, as it closes the window.
TEST(MainWindowRequests, TheUsualKeysAskForTheirItemsWork) {
  const struct {
    const char* item;
    const char* key;
    Request signal;
  } keys[] = {
      {"newAction", "Ctrl+N", &MainWindow::newRequested},
      {"openAction", "Ctrl+O", &MainWindow::openRequested},
      {"saveAction", "Ctrl+S", &MainWindow::saveRequested},
      {"saveAsAction", "Ctrl+Shift+S", &MainWindow::saveAsRequested},
      {"helpContentsAction", "F1", &MainWindow::helpContentsRequested},
      {"exitAction", "Ctrl+Q", &MainWindow::closing},
  };
  Model model;
  const SectionOutline outline;
  MainWindow window(model, outline, /*glLoaded=*/false);
  window.show();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  for (const auto& k : keys) {
    SCOPED_TRACE(k.item);
    EXPECT_EQ(window.WindowItem(k.item)->shortcut(), QKeySequence(k.key));
    int asked = 0;
    const QMetaObject::Connection counted =
        QObject::connect(&window, k.signal, &window, [&asked] { ++asked; });
    QTest::keySequence(&window, QKeySequence(k.key));
    EXPECT_EQ(asked, 1);
    QObject::disconnect(counted);
  }
}

}  // namespace
}  // namespace kerf
