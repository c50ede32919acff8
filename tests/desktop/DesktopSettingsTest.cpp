// What the desktop remembers between runs: the recent projects' rules, the dialogs' folders and
// a whole round trip through a settings file in a scratch folder.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QDockWidget>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>

#include "desktop/Desktop.h"
#include "desktop/DesktopSettings.h"
#include "desktop/DialogFolders.h"
#include "desktop/LengthBox.h"
#include "desktop/MainWindow.h"
#include "desktop/ProfileWindow.h"
#include "desktop/ProjectActions.h"
#include "desktop/RecentProjects.h"
#include "desktop/StockSizeDialog.h"
#include "desktop/TextureWindow.h"
#include "desktop/TipsDialog.h"
#include "desktop/ToolsWindow.h"
#include "desktop/ViewControlsWindow.h"
#include "support/DesktopOptions.h"
#include "support/UiEvents.h"

namespace kerf {
namespace {

using testing::DeleteLeftovers;
using testing::WaitUntil;

QStringList Numbered(int from, int to) {
  QStringList paths;
  for (int i = from; i <= to; ++i) paths << QString("/p/%1.ROU").arg(i);
  return paths;
}

TEST(RecentListTest, KeepsTheLastEightMostRecentFirstEachOnce) {
  struct Case {
    const char* what;
    QStringList added;
    QStringList expected;
  };
  const Case cases[] = {
      {"most recent first", {"/a.ROU", "/b.ROU"}, {"/b.ROU", "/a.ROU"}},
      {"a repeat moves up", {"/a.ROU", "/b.ROU", "/a.ROU"}, {"/a.ROU", "/b.ROU"}},
      {"the same file written otherwise",
       {"/a.ROU", "/b.ROU", "/x/../a.ROU"},
       {"/x/../a.ROU", "/b.ROU"}},
      {"the oldest beyond eight goes",
       Numbered(1, 10),
       {"/p/10.ROU", "/p/9.ROU", "/p/8.ROU", "/p/7.ROU", "/p/6.ROU", "/p/5.ROU", "/p/4.ROU",
        "/p/3.ROU"}},
  };
  for (const Case& c : cases) {
    RecentList list;
    for (const QString& path : c.added) list.Add(path);
    EXPECT_EQ(list.Paths(), c.expected) << c.what;
  }
}

TEST(RecentListTest, AStoredListIsCleanedAsItIsRead) {
  const QStringList stored = {"/a.ROU", "", "/b.ROU", "/a.ROU", "  "};
  EXPECT_EQ(RecentList(stored).Paths(), QStringList({"/a.ROU", "/b.ROU"}));
  EXPECT_EQ(RecentList(Numbered(1, 12)).Paths(), Numbered(1, 8));
}

TEST(RecentProjectsTest, ChoosingOpensAnExistingFileAndDropsAMissingOne) {
  QTemporaryDir folder;
  const QString present = folder.filePath("present.ROU");
  const QString missing = folder.filePath("gone <b>&</b>.ROU");
  QFile file(present);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.close();

  QMenu menu;
  QStringList opened, messages;
  RecentProjects recent(
      menu,
      [&](const QString& path) {
        opened << path;
        return true;
      },
      [&](const QString& text) { messages << text; });
  EXPECT_FALSE(menu.findChild<QAction*>("clearRecentAction")->isEnabled());  // nothing to clear
  recent.Add(present);
  recent.Add(missing);
  ASSERT_EQ(recent.List().Paths(), QStringList({missing, present}));
  // Shortcut marks are numbers; an ampersand in a name is shown as one.
  QAction* first = menu.findChild<QAction*>("recentProject1");
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->text(), "&1 " + QString(missing).replace("&", "&&"));

  first->trigger();
  EXPECT_TRUE(opened.isEmpty());
  ASSERT_EQ(messages.size(), 1);
  EXPECT_TRUE(messages[0].contains(missing)) << messages[0].toStdString();
  EXPECT_EQ(recent.List().Paths(), QStringList({present}));

  DeleteLeftovers();  // the old items go once the choosing is over
  menu.findChild<QAction*>("recentProject1")->trigger();
  EXPECT_EQ(opened, QStringList({present}));
  EXPECT_EQ(recent.List().Paths(), QStringList({present}));

  menu.findChild<QAction*>("clearRecentAction")->trigger();
  EXPECT_TRUE(recent.List().Paths().isEmpty());
  DeleteLeftovers();
  EXPECT_EQ(menu.findChild<QAction*>("recentProject1"), nullptr);
}

TEST(DialogFoldersTest, EachDialogStartsWhereItLastChoseAFile) {
  QTemporaryDir root;
  ASSERT_TRUE(QDir(root.path()).mkpath("old"));
  const QString old = root.filePath("old");
  DialogFolders folders;
  QStringList startedIn;
  QString answer;
  const FileChooser fake = [&](const FileRequest& request) {
    startedIn << request.directory;
    return answer;
  };
  FileChooser project = folders.Remembering("Project", fake);
  FileChooser texture = folders.Remembering("Texture", fake);
  FileRequest request;
  request.directory = "/start";

  answer = old + "/a.ROU";
  project(request);  // first time: where the request says
  project(request);  // then where the last file was chosen
  answer.clear();
  texture(request);  // a dialog of its own
  project(request);  // cancelling keeps the folder
  EXPECT_EQ(startedIn, QStringList({"/start", old, "/start", old}));
  EXPECT_EQ(folders.Folder("Project"), old);

  ASSERT_TRUE(QDir(old).removeRecursively());  // a folder that is gone is passed by
  startedIn.clear();
  project(request);
  EXPECT_EQ(startedIn, QStringList({"/start"}));
}

class DesktopSettingsTest : public ::testing::Test {
 protected:
  void Start() {
    DesktopOptions options = test::SourceDataDesktopOptions(scratch.path(), 4);
    options.SettingsFile = scratch.filePath("settings/Kerfwright.ini").toStdString();
    options.StartupMessage = [](const QString&) {};
    model = std::make_unique<Model>();
    desktop = std::make_unique<Desktop>(*model, std::move(options));
    desktop->Start();
    ASSERT_TRUE(WaitUntil([this] { return desktop->DelayedStepDone(); }));
  }
  void Close() {
    desktop->Main()->close();
    desktop.reset();
    DeleteLeftovers();
  }
  void TearDown() override {
    desktop.reset();
    DeleteLeftovers();
  }

  QTemporaryDir scratch;
  std::unique_ptr<Model> model;
  std::unique_ptr<Desktop> desktop;
};

TEST_F(DesktopSettingsTest, WhatWasChangedComesBackInTheNextRun) {
  Start();
  ViewControlPositions view;
  view.Zoom = 40, view.RotateX = 30, view.RotateY = 200, view.RotateZ = 10;
  view.ShiftX = -7, view.ShiftY = 5, view.Ambient = 60, view.Diffuse = 10, view.Highlight = 90;
  view.Solid = false;
  desktop->ViewControls()->SetPositions(view);
  view = desktop->ViewControls()->Positions();  // as the sliders hold them
  desktop->Config()->SetUnit(LengthUnit::Metric);
  desktop->Config()->SetReach(210);
  model->SetBackgroundSwatch(MakeColour(10, 20, 30));
  desktop->Main()->WindowItem("showTextureAction")->setChecked(false);
  desktop->Main()->ShowCheckedToolWindows();
  // The Tools go to the left column, the Config floats as a window of its own.
  MainWindow* main = desktop->Main();
  main->addDockWidget(Qt::LeftDockWidgetArea, main->DockOf(desktop->Tools()));
  main->DockOf(desktop->Config())->setFloating(true);
  desktop->Settings()->Folders().SetFolder("Texture", scratch.path());
  const QString project = scratch.filePath("one.ROU");
  ASSERT_TRUE(desktop->Project()->SaveProject(project));
  desktop->Tips()->ShowAtStartupBox()->click();
  Close();

  Start();
  EXPECT_EQ(model->Unit(), LengthUnit::Metric);
  EXPECT_EQ(model->TableReach(), 210);
  EXPECT_EQ(desktop->Config()->ReachBox()->text(), "53mm");
  EXPECT_EQ(model->BackgroundSwatch(), MakeColour(10, 20, 30));
  const ViewControlPositions back = desktop->ViewControls()->Positions();
  EXPECT_EQ(back.Zoom, view.Zoom);
  EXPECT_EQ(back.RotateX, view.RotateX);
  EXPECT_EQ(back.RotateY, view.RotateY);
  EXPECT_EQ(back.RotateZ, view.RotateZ);
  EXPECT_EQ(back.ShiftX, view.ShiftX);
  EXPECT_EQ(back.ShiftY, view.ShiftY);
  EXPECT_EQ(back.Ambient, view.Ambient);
  EXPECT_EQ(back.Diffuse, view.Diffuse);
  EXPECT_EQ(back.Highlight, view.Highlight);
  EXPECT_EQ(back.Solid, view.Solid);
  EXPECT_FALSE(desktop->Main()->WindowItem("showTextureAction")->isChecked());
  EXPECT_FALSE(desktop->Texture()->isVisible());
  EXPECT_TRUE(desktop->Tools()->isVisible());
  main = desktop->Main();
  EXPECT_EQ(main->dockWidgetArea(main->DockOf(desktop->Tools())), Qt::LeftDockWidgetArea);
  EXPECT_TRUE(main->DockOf(desktop->Config())->isFloating());
  EXPECT_TRUE(desktop->Config()->isVisible());
  // Window > Reset Layout puts them back, and the next run starts from there.
  main->WindowItem("resetLayoutAction")->trigger();
  EXPECT_EQ(main->dockWidgetArea(main->DockOf(desktop->Tools())), Qt::BottomDockWidgetArea);
  EXPECT_FALSE(main->DockOf(desktop->Config())->isFloating());
  EXPECT_TRUE(desktop->Texture()->isVisible());
  EXPECT_EQ(desktop->Settings()->Folders().Folder("Texture"), scratch.path());
  EXPECT_EQ(desktop->Settings()->Folders().Folder("Project"), "");
  EXPECT_EQ(desktop->Settings()->Recent()->List().Paths(), QStringList({project}));
  EXPECT_NE(desktop->Main()->findChild<QAction*>("recentProject1"), nullptr);
  EXPECT_EQ(model->ProjectFileName(), "Untitled");  // nothing is opened by itself
  EXPECT_FALSE(desktop->Tips()->isVisible());       // unticked: only Help > Tip of the Day shows it
  desktop->Main()->WindowItem("tipOfTheDayAction")->trigger();
  EXPECT_TRUE(desktop->Tips()->isVisible());
}

TEST_F(DesktopSettingsTest, AFirstRunLooksAsItAlwaysDid) {
  Start();
  EXPECT_EQ(model->Unit(), LengthUnit::Imperial);
  const ViewControlPositions start, now = desktop->ViewControls()->Positions();
  EXPECT_EQ(now.Zoom, start.Zoom);
  EXPECT_EQ(now.Ambient, start.Ambient);
  for (const char* item : {"showProfileAction", "showToolsAction", "showViewControlsAction",
                           "showConfigAction", "showTextureAction"})
    EXPECT_TRUE(desktop->Main()->WindowItem(item)->isChecked()) << item;
  EXPECT_TRUE(desktop->Texture()->isVisible());
  EXPECT_TRUE(desktop->Main()->isMaximized());
  EXPECT_TRUE(desktop->Settings()->Recent()->List().Paths().isEmpty());
  MainWindow* main = desktop->Main();
  EXPECT_EQ(main->dockWidgetArea(main->DockOf(desktop->Tools())), Qt::BottomDockWidgetArea);
  EXPECT_EQ(main->dockWidgetArea(main->DockOf(desktop->Profile())), Qt::RightDockWidgetArea);
}

TEST_F(DesktopSettingsTest, OnlyProjectsReallyOpenedOrSavedAreListed) {
  Start();
  ProjectActions* project = desktop->Project();
  QStringList messages;
  project->SetMessageShower([&](const QString& text) { messages << text; });
  const QString sample = QDir::toNativeSeparators(KERF_SOURCE_DIR "/data/work/Picture frame.ROU");
  ASSERT_TRUE(project->OpenProject(sample));
  const QString broken = scratch.filePath("broken.ROU");
  QFile file(broken);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("not a project\n");
  file.close();
  EXPECT_FALSE(project->OpenProject(broken));
  EXPECT_FALSE(project->SaveProject(scratch.filePath("no such folder/x.ROU")));
  EXPECT_EQ(messages.size(), 2);
  EXPECT_EQ(desktop->Settings()->Recent()->List().Paths(), QStringList({sample}));
}

}  // namespace
}  // namespace kerf
