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
  const char* key;  // the usual key, pressed instead of choosing the item; nullptr for none
};

const RequestCase Requests[] = {
    {"newAction", &MainWindow::newRequested, "Ctrl+N"},
    {"openAction", &MainWindow::openRequested, "Ctrl+O"},
    {"saveAction", &MainWindow::saveRequested, "Ctrl+S"},
    {"saveAsAction", &MainWindow::saveAsRequested, "Ctrl+Shift+S"},
    {"photographAction", &MainWindow::photographRequested, nullptr},
    {"exportMeshAction", &MainWindow::exportMeshRequested, nullptr},
    {"cutReportAction", &MainWindow::cutReportRequested, nullptr},
    {"aboutAction", &MainWindow::aboutRequested, nullptr},
    {"helpContentsAction", &MainWindow::helpContentsRequested, "F1"},
    {"exitAction", &MainWindow::closing, "Ctrl+Q"},  // last: it closes the window
};

TEST(MainWindowRequests, EachMenuItemAndItsKeyAskForItsOwnWorkOnce) {
  Model model;
  const SectionOutline outline;
  MainWindow window(model, outline, /*glLoaded=*/false);
  window.show();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
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
    if (c.key != nullptr) {
      EXPECT_EQ(action->shortcut(), QKeySequence(c.key));  // shown beside the item
      QTest::keySequence(&window, QKeySequence(c.key));
    } else {
      action->trigger();
    }
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
  window.WindowItem("showToolsAction")->trigger();  // no panels yet: nothing to show or hide
  window.WindowItem("resetLayoutAction")->trigger();
  EXPECT_EQ(hidden, 0);
  window.hide();
  EXPECT_EQ(hidden, 1);
}

}  // namespace
}  // namespace kerf
