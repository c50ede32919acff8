// The desktop program as a whole: start-up order and delayed step, menus, layout, F1, the
// rebuild after Cut, the report, and shutdown while frames run.
#include <gtest/gtest.h>

#include <QtTest/qtestspontaneevent.h>
#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QDockWidget>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSet>
#include <QSlider>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTextEdit>
#include <QTimer>

#include "desktop/AboutWindow.h"
#include "desktop/CutEditDialog.h"
#include "desktop/CutterDesigner.h"
#include "desktop/Desktop.h"
#include "desktop/FrameLoop.h"
#include "desktop/HelpViewer.h"
#include "desktop/MainWindow.h"
#include "desktop/MatchProfileDialog.h"
#include "desktop/ProfileWindow.h"
#include "desktop/ProgressWindow.h"
#include "desktop/ReportWindow.h"
#include "desktop/StockSizeDialog.h"
#include "desktop/TextureWindow.h"
#include "desktop/TipsDialog.h"
#include "desktop/ToolsWindow.h"
#include "desktop/ViewControlsWindow.h"
#include "desktop/ViewPanel.h"
#include "project/PictureFile.h"
#include "support/DesktopOptions.h"
#include "support/UiEvents.h"

namespace kerf {
namespace {

using testing::DeleteLeftovers;
using testing::SendKey;
using testing::WaitUntil;

// Lets the event loop run while a frame loop of its own draws count frames: time enough for a
// loop that ought to stay still to have drawn some too, however late a busy machine fires timers.
void RunWhileFramesDraw(int count) {
  int drawn = 0;
  FrameLoop yardstick([&] { ++drawn; });
  yardstick.Start();
  ASSERT_TRUE(WaitUntil([&] { return drawn >= count; }));
}

DesktopOptions TestOptions(const QString& scratch) {
  return test::SourceDataDesktopOptions(scratch, 4);
}

class DesktopTest : public ::testing::Test {
 protected:
  // Builds and starts the program; ready() has not come yet when this returns.
  void Start(DesktopOptions options) {
    options.StartupMessage = [this](const QString& text) { messages << text; };
    desktop = std::make_unique<Desktop>(model, std::move(options));
    desktop->Start();
  }
  void Start() { Start(TestOptions(scratch.path())); }
  bool WaitReady() {
    return WaitUntil([this] { return desktop->DelayedStepDone(); });
  }
  void TearDown() override {
    desktop.reset();
    DeleteLeftovers();
  }

  QTemporaryDir scratch;
  Model model;
  std::unique_ptr<Desktop> desktop;
  QStringList messages;
};

TEST_F(DesktopTest, StartUpCreatesEveryWindowAndShowsTheToolsAfterTheDelay) {
  Start();
  const std::pair<QWidget*, const char*> captions[] = {{desktop->Progress(), "Progress"},
                                                       {desktop->Profile(), "Profile"},
                                                       {desktop->ViewControls(), "View Controls"},
                                                       {desktop->Texture(), "Texture"},
                                                       {desktop->Report(), "Report: Untitled"},
                                                       {desktop->Main(), "Kerfwright: Untitled[*]"},
                                                       {desktop->Tools(), "Tools"},
                                                       {desktop->Config(), "Config"},
                                                       {desktop->About(), "About"},
                                                       {desktop->Tips(), "Tips"}};
  for (auto [window, caption] : captions) {
    ASSERT_NE(window, nullptr) << caption;
    EXPECT_EQ(window->windowTitle(), caption);
  }
  // Before the delayed step: New has run, the main window is up, nothing else shows or draws.
  MainWindow* main = desktop->Main();
  EXPECT_TRUE(main->isVisible());
  EXPECT_EQ(model.FaceOnTable(), 3);
  EXPECT_TRUE(desktop->Pictures().Outline.Closed);
  EXPECT_EQ(model.CutterCount(), 25);
  EXPECT_EQ(model.ProjectFileName(), "Untitled");
  EXPECT_TRUE(main->SaveAction()->isEnabled());  // Save of an untitled project is Save As
  EXPECT_FALSE(main->View()->SceneReady());
  EXPECT_EQ(main->StatusPanel(0)->text(), "Tool Pos:");
  EXPECT_EQ(main->StatusPanel(1)->text(), "Width :");
  for (QWidget* w : std::initializer_list<QWidget*>{desktop->Profile(), desktop->Tools(),
                                                    desktop->Config(), desktop->Tips()})
    EXPECT_FALSE(w->isVisible()) << w->windowTitle().toStdString();
  EXPECT_EQ(desktop->Frames(), nullptr);

  ASSERT_TRUE(WaitReady());
  for (QWidget* w : std::initializer_list<QWidget*>{desktop->Profile(), desktop->ViewControls(),
                                                    desktop->Tools(), desktop->Config(),
                                                    desktop->Texture(), desktop->Tips(), main})
    EXPECT_TRUE(w->isVisible()) << w->windowTitle().toStdString();
  EXPECT_FALSE(desktop->Progress()->isVisible());  // a quick rebuild never shows it
  EXPECT_TRUE(main->View()->SceneReady());
  EXPECT_TRUE(main->View()->HasMouldingTexture());
  EXPECT_EQ(desktop->Tips()->TipNumber(), 4);
  EXPECT_TRUE(messages.isEmpty()) << messages.join("\n").toStdString();

  // Frames now write the status bar and draw the view (once: nothing changes after).
  ASSERT_TRUE(WaitUntil([&] { return desktop->Frames()->FramesDrawn() >= 3; }));
  EXPECT_EQ(main->StatusPanel(0)->text(), "Bit Height : 0\"");
  EXPECT_EQ(main->StatusPanel(1)->text(), "Fence Depth : 0\"");
  EXPECT_TRUE(main->StatusPanel(2)->text().endsWith(" ms"));
  EXPECT_GE(main->View()->FramesPainted(), 1);
}

TEST_F(DesktopTest, MenusCarryTheirCaptions) {
  Start();
  const std::pair<const char*, const char*> items[] = {{"newAction", "&New..."},
                                                       {"openAction", "&Open..."},
                                                       {"saveAction", "&Save"},
                                                       {"saveAsAction", "Save &As..."},
                                                       {"photographAction", "Photo&graph..."},
                                                       {"cutReportAction", "Cut &Report"},
                                                       {"exitAction", "E&xit"},
                                                       {"showProfileAction", "&Profile"},
                                                       {"showToolsAction", "&Tools"},
                                                       {"showViewControlsAction", "&View"},
                                                       {"showConfigAction", "&Config"},
                                                       {"showTextureAction", "Te&xture"},
                                                       {"resetLayoutAction", "&Reset Layout"},
                                                       {"aboutAction", "&About"},
                                                       {"helpContentsAction", "&Contents"}};
  for (auto [name, caption] : items) {
    QAction* action = desktop->Main()->WindowItem(name);
    ASSERT_NE(action, nullptr) << name;
    EXPECT_EQ(action->text(), caption);
  }
  for (const char* name : {"showProfileAction", "showToolsAction", "showViewControlsAction",
                           "showConfigAction", "showTextureAction"}) {
    EXPECT_TRUE(desktop->Main()->WindowItem(name)->isCheckable());
    EXPECT_TRUE(desktop->Main()->WindowItem(name)->isChecked());
  }
  // Every menu and item has an Alt letter of its own within its menu.
  std::vector<QList<QAction*>> menus{desktop->Main()->menuBar()->actions()};
  for (size_t m = 0; m < menus.size(); ++m) {
    QSet<QChar> letters;
    const QList<QAction*> items = menus[m];  // menus grows inside the loop
    for (QAction* action : items) {
      if (action->isSeparator()) continue;
      if (action->menu() != nullptr) menus.push_back(action->menu()->actions());
      const qsizetype at = action->text().indexOf('&');
      ASSERT_TRUE(at >= 0 && at + 1 < action->text().size()) << action->text().toStdString();
      EXPECT_FALSE(letters.contains(action->text()[at + 1].toLower()))
          << action->text().toStdString();
      letters.insert(action->text()[at + 1].toLower());
    }
  }
  EXPECT_GE(menus.size(), 5u);  // the bar, File, Recent Projects, Edit, Window, Help
}

TEST_F(DesktopTest, CutAppendsRebuildsAndListsTheCut) {
  Start();
  ASSERT_TRUE(WaitReady());
  ProfileWindow* profile = desktop->Profile();
  const SectionOutline before = desktop->Pictures().Outline;
  profile->FenceSlider()->setValue(10);  // the cutter reaches through the face against the fence
  profile->HeightSlider()->setValue(20);
  profile->CutButton()->click();
  ASSERT_EQ(model.CutCount(), 1);
  EXPECT_EQ(model.CutAt(1).Fence, 10);
  EXPECT_EQ(model.CutAt(1).Height, 20);
  EXPECT_EQ(model.CutAt(1).Face, 3);
  EXPECT_EQ(model.CutAt(1).Cutter, 1);
  // The rebuild measured the cut and traced a new outline; Cut is enabled again.
  ASSERT_EQ(desktop->MeasuredSection().Cuts.size(), 1u);
  EXPECT_EQ(desktop->MeasuredSection().Cuts[0].Figures.TableBefore, 100.0f);
  EXPECT_LT(desktop->MeasuredSection().Cuts[0].Figures.FenceAfter, 100.0f);
  EXPECT_TRUE(desktop->Pictures().Outline.Closed);
  const SectionOutline& after = desktop->Pictures().Outline;
  EXPECT_TRUE(after.Count != before.Count || after.X != before.X || after.Y != before.Y);
  EXPECT_TRUE(profile->CutButton()->isEnabled());
  EXPECT_FALSE(desktop->Progress()->isVisible());
  const auto* grid = desktop->Tools()->findChild<QWidget*>("cutGrid");
  ASSERT_NE(grid, nullptr);
}

TEST_F(DesktopTest, CutReportFillsAndShowsTheReportWindowHeaderAloneWithoutCuts) {
  Start();
  ASSERT_TRUE(WaitReady());
  desktop->Main()->WindowItem("cutReportAction")->trigger();
  EXPECT_TRUE(desktop->Report()->isVisible());
  ASSERT_EQ(desktop->Report()->Report().size(), 5u);
  EXPECT_TRUE(desktop->Report()->reportText()->toPlainText().startsWith("Cut List report: "));
  desktop->Report()->hide();
  desktop->Profile()->CutButton()->click();
  desktop->Profile()->CutButton()->click();
  desktop->Main()->WindowItem("cutReportAction")->trigger();
  ReportWindow* report = desktop->Report();
  EXPECT_TRUE(report->isVisible());
  ASSERT_EQ(report->Report().size(), 25u);
  const QString text = report->reportText()->toPlainText();
  EXPECT_TRUE(text.startsWith("Cut List report: Untitled   ")) << text.toStdString();
  EXPECT_TRUE(text.contains("Cut #2 ("));
  EXPECT_TRUE(report->reportText()->isReadOnly());
}

TEST_F(DesktopTest, WindowMenuShowsAndHidesTheToolWindows) {
  Start();
  ASSERT_TRUE(WaitReady());
  MainWindow* main = desktop->Main();
  main->WindowItem("showToolsAction")->trigger();  // unchecks, then ShowCheckedToolWindows
  EXPECT_FALSE(desktop->Tools()->isVisible());
  EXPECT_TRUE(desktop->Profile()->isVisible());
  main->WindowItem("showToolsAction")->trigger();
  EXPECT_TRUE(desktop->Tools()->isVisible());

  // Hiding the main window hides every tool window; showing it brings back the checked ones.
  main->WindowItem("showConfigAction")->trigger();
  main->hide();
  for (QWidget* w :
       std::initializer_list<QWidget*>{desktop->Profile(), desktop->ViewControls(),
                                       desktop->Tools(), desktop->Config(), desktop->Texture()})
    EXPECT_FALSE(w->isVisible()) << w->windowTitle().toStdString();
  main->show();
  EXPECT_TRUE(desktop->Profile()->isVisible());
  EXPECT_TRUE(desktop->Tools()->isVisible());
  EXPECT_FALSE(desktop->Config()->isVisible());
  EXPECT_TRUE(desktop->Texture()->isVisible());

  // Minimising takes them along, a floating one too; restoring brings back the same ones.
  main->DockOf(desktop->Texture())->setFloating(true);
  const auto shown = [](QWidget* w) { return w->isVisible() && !w->window()->isMinimized(); };
  main->showMinimized();
  EXPECT_FALSE(shown(desktop->Profile()));
  EXPECT_FALSE(shown(desktop->Texture()));
  main->showNormal();
  EXPECT_TRUE(shown(desktop->Profile()));
  EXPECT_TRUE(shown(desktop->Texture()));
  EXPECT_FALSE(desktop->Config()->isVisible());
}

TEST_F(DesktopTest, ClosingAPanelFromItsTitleBarOrFrameUnticksItsMenuItem) {
  Start();
  ASSERT_TRUE(WaitReady());
  MainWindow* main = desktop->Main();
  QDockWidget* tools = main->DockOf(desktop->Tools());
  ASSERT_NE(tools, nullptr);
  tools->findChild<QAbstractButton*>("qt_dockwidget_closebutton")->click();
  EXPECT_FALSE(main->WindowItem("showToolsAction")->isChecked());
  EXPECT_FALSE(desktop->Tools()->isVisible());
  main->WindowItem("showToolsAction")->trigger();
  EXPECT_TRUE(desktop->Tools()->isVisible());
  // A floating panel closed by the window manager.
  QDockWidget* profile = main->DockOf(desktop->Profile());
  profile->setFloating(true);
  QCloseEvent close;
  QSpontaneKeyEvent::setSpontaneous(&close);  // as the window manager sends it
  qApp->notify(profile, &close);              // sendEvent would clear the spontaneous mark
  EXPECT_TRUE(close.isAccepted());
  EXPECT_FALSE(main->WindowItem("showProfileAction")->isChecked());
}

// Every panel is inside the window and beside the others in a window of 1024 x 768 less its
// frame, after the panels were moved about and Window > Reset Layout put them back.
TEST_F(DesktopTest, ResetLayoutDocksEveryPanelApartAt1024By768) {
  Start();
  ASSERT_TRUE(WaitReady());
  MainWindow* main = desktop->Main();
  main->showNormal();
  main->resize(1024, 768 - 50);
  QWidget* panels[] = {desktop->Profile(), desktop->ViewControls(), desktop->Tools(),
                       desktop->Config(), desktop->Texture()};
  main->DockOf(desktop->Tools())->setFloating(true);
  main->addDockWidget(Qt::RightDockWidgetArea, main->DockOf(desktop->Config()));
  main->WindowItem("showTextureAction")->trigger();  // hidden
  main->WindowItem("resetLayoutAction")->trigger();
  ASSERT_TRUE(WaitUntil([&] { return main->size() == QSize(1024, 768 - 50); }));
  DeleteLeftovers();  // lets the layout settle
  const std::pair<QWidget*, Qt::DockWidgetArea> places[] = {
      {desktop->Profile(), Qt::RightDockWidgetArea},
      {desktop->ViewControls(), Qt::LeftDockWidgetArea},
      {desktop->Tools(), Qt::BottomDockWidgetArea},
      {desktop->Config(), Qt::LeftDockWidgetArea},
      {desktop->Texture(), Qt::LeftDockWidgetArea}};
  for (auto [panel, area] : places) {
    SCOPED_TRACE(panel->objectName().toStdString());
    QDockWidget* dock = main->DockOf(panel);
    EXPECT_FALSE(dock->isFloating());
    EXPECT_EQ(main->dockWidgetArea(dock), area);
    // Shown, or behind the tab of one that is (the left column is too low for all three).
    if (!panel->isVisible()) {
      EXPECT_FALSE(main->tabifiedDockWidgets(dock).isEmpty());
      continue;
    }
    // Inside the window, where a panel too big for its place scrolls.
    EXPECT_TRUE(main->rect().contains(dock->geometry()));
    for (QWidget* other : panels) {
      if (other == panel || !other->isVisible()) continue;
      EXPECT_FALSE(dock->geometry().intersects(main->DockOf(other)->geometry()))
          << other->objectName().toStdString();
    }
    EXPECT_FALSE(dock->geometry().intersects(main->View()->geometry()));
  }
  EXPECT_TRUE(main->WindowItem("showTextureAction")->isChecked());
}

TEST_F(DesktopTest, F1OpensTheHelpTopicOfEachWindow) {
  Start();
  ASSERT_TRUE(WaitReady());
  model.AppendCut(10, 20);
  CutEditDialog editCut(model, 1, desktop->Tools());
  CutterDesigner newCutter(scratch.filePath("own").toStdString(), desktop->Tools());
  MatchProfileDialog match(model, {}, desktop->Main());
  for (QWidget* dialog : std::initializer_list<QWidget*>{&editCut, &newCutter, &match})
    dialog->show();
  const std::pair<QWidget*, int> targets[] = {
      {desktop->Main()->View(), 10},
      {desktop->Tools(), 20},
      {editCut.findChild<QWidget*>("fenceEdit"), 25},
      {desktop->ViewControls(), 30},
      {desktop->Texture(), 40},
      {desktop->Profile()->FenceSlider(), 50},  // a control of the window: key preview
      {desktop->Config(), 60},
      {desktop->Report()->reportText(), 70},
      {match.findChild<QWidget*>("targetEdit"), 75},
      {desktop->Progress(), 80},
      {desktop->Tips()->TipView(), 85},
      {newCutter.findChild<QWidget*>("nameEdit"), 135},
      {desktop->About()->CloseButton(), 0}};
  for (auto [target, context] : targets) {
    for (Qt::KeyboardModifiers modifiers :
         {Qt::KeyboardModifiers(Qt::NoModifier), Qt::KeyboardModifiers(Qt::ShiftModifier),
          Qt::KeyboardModifiers(Qt::ControlModifier)}) {
      desktop->Help()->hide();
      SendKey(target, Qt::Key_F1, modifiers);
      EXPECT_TRUE(desktop->Help()->isVisible()) << context;
      EXPECT_EQ(desktop->Help()->CurrentContext(), context);
      // Each page opens at its top, however long the page before it was.
      EXPECT_EQ(desktop->Help()->Browser()->verticalScrollBar()->value(), 0) << context;
    }
  }
  // Any other key does nothing here.
  desktop->Help()->hide();
  SendKey(desktop->Profile()->FenceSlider(), Qt::Key_F2);
  EXPECT_FALSE(desktop->Help()->isVisible());
  desktop->Main()->WindowItem("helpContentsAction")->trigger();
  EXPECT_EQ(desktop->Help()->CurrentContext(), 0);
}

TEST_F(DesktopTest, DraggingOnTheViewTurnsItAndWrapsAt359) {
  Start();
  ASSERT_TRUE(WaitReady());
  auto* rotateX = desktop->ViewControls()->RotateXSlider();
  auto* rotateY = desktop->ViewControls()->RotateYSlider();
  QWidget* view = desktop->Main()->View();
  struct Case {
    int x0, y0;
    QPoint from, to;
    int x1, y1;
  };
  const Case cases[] = {
      {5, 0, {100, 100}, {100, 90}, 354, 0},   // 10 up from 5: -5 + 359
      {357, 0, {100, 100}, {100, 105}, 3, 0},  // 5 down from 357: 362 - 359
      {0, 20, {100, 100}, {130, 100}, 0, 50},  // right turns about y
      {0, 10, {100, 100}, {75, 100}, 0, 344},  // 25 left from 10
  };
  for (const Case& c : cases) {
    rotateX->setValue(c.x0);
    rotateY->setValue(c.y0);
    testing::Drag(view, c.from, c.to);
    EXPECT_EQ(rotateX->value(), c.x1);
    EXPECT_EQ(rotateY->value(), c.y1);
  }
  // A move without a button down does nothing.
  testing::SendMouse(view, QEvent::MouseMove, {10, 10});
  EXPECT_EQ(rotateX->value(), 0);
  EXPECT_EQ(rotateY->value(), 344);
}

TEST_F(DesktopTest, ClosingTheMainWindowWhileFramesRunEndsTheEventLoop) {
  DesktopOptions options = TestOptions(scratch.path());
  options.QuitWhenClosed = true;
  Start(options);
  ASSERT_TRUE(WaitReady());
  ASSERT_TRUE(WaitUntil([&] { return desktop->Frames()->FramesDrawn() >= 2; }));
  // Exit from inside the event loop, between two frames.
  QTimer::singleShot(0, desktop->Main(),
                     [&] { desktop->Main()->WindowItem("exitAction")->trigger(); });
  QTimer guard;  // a hang fails the test instead of blocking it
  guard.setSingleShot(true);
  QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(99); });
  guard.start(10000);
  EXPECT_EQ(QApplication::exec(), 0);
  guard.stop();
  EXPECT_TRUE(desktop->Frames()->Stopped());
  EXPECT_FALSE(desktop->Main()->isVisible());
  EXPECT_FALSE(desktop->Profile()->isVisible());
  EXPECT_FALSE(desktop->Tips()->isVisible());
  const long long frames = desktop->Frames()->FramesDrawn();
  RunWhileFramesDraw(3);
  EXPECT_EQ(desktop->Frames()->FramesDrawn(), frames);
  desktop.reset();  // the windows and the GL objects go without error
}

TEST_F(DesktopTest, WithoutCuttersCutStaysDisabledAndTheStatusBarSaysWhere) {
  QTemporaryDir tools;
  DesktopOptions options = TestOptions(scratch.path());
  options.Paths.ToolsDir = tools.path().toStdString();
  Start(options);
  ASSERT_TRUE(WaitReady());
  EXPECT_EQ(model.CutterCount(), 0);
  EXPECT_FALSE(desktop->Profile()->CutButton()->isEnabled());
  desktop->Config()->OnNew();  // a rebuild does not enable it
  EXPECT_FALSE(desktop->Profile()->CutButton()->isEnabled());
  const QString status = desktop->Main()->StatusMessage()->text();
  EXPECT_TRUE(status.startsWith("No cutters were found")) << status.toStdString();
  EXPECT_TRUE(status.contains(tools.path()));

  desktop.reset();
  options.Paths.ToolsDir = (tools.path() + "/missing").toStdString();
  Start(options);
  EXPECT_TRUE(desktop->Main()->StatusMessage()->text().contains("no tools directory"));
}

TEST_F(DesktopTest, SkippedBitmapsAreListedInOneMessageAfterStartUp) {
  QTemporaryDir tools;
  for (const char* name : {"1-4! Roundover.bmp", "Broken.bmp", "Empty.bmp"}) {
    QFile::copy(KERF_SOURCE_DIR "/data/tools/1-2! Cove.bmp", tools.path() + "/" + name);
  }
  {
    QFile broken(tools.path() + "/Broken.bmp");
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly | QIODevice::Truncate));
    broken.write("BM this is no bitmap");
    QFile empty(tools.path() + "/Empty.bmp");
    ASSERT_TRUE(empty.open(QIODevice::WriteOnly | QIODevice::Truncate));
  }
  DesktopOptions options = TestOptions(scratch.path());
  options.Paths.ToolsDir = tools.path().toStdString();
  Start(options);
  EXPECT_TRUE(messages.isEmpty());  // not before start-up is complete
  ASSERT_TRUE(WaitReady());
  EXPECT_EQ(model.CutterCount(), 1);
  ASSERT_EQ(messages.size(), 1);
  EXPECT_TRUE(messages[0].contains("Broken.bmp"));
  EXPECT_TRUE(messages[0].contains("Empty.bmp"));
  EXPECT_FALSE(messages[0].contains("Roundover"));
  EXPECT_TRUE(desktop->Profile()->CutButton()->isEnabled());
}

TEST_F(DesktopTest, WithoutOpenGLTheProgramRunsAndSaysWhyTheViewIsEmpty) {
  DesktopOptions options = TestOptions(scratch.path());
  options.GLLoaded = false;
  options.GLError = "Could not load OpenGL from libGL.so.1";
  Start(options);
  ASSERT_TRUE(WaitReady());
  ASSERT_EQ(messages.size(), 1);
  EXPECT_TRUE(messages[0].contains("Could not load OpenGL from libGL.so.1"));
  ASSERT_TRUE(WaitUntil([&] { return desktop->Frames()->FramesDrawn() >= 2; }));
  EXPECT_EQ(desktop->Main()->View()->FramesPainted(), 0);
  EXPECT_FALSE(desktop->Main()->View()->HasMouldingTexture());
  desktop->Profile()->CutButton()->click();  // the rest of the program works
  EXPECT_EQ(model.CutCount(), 1);
}

TEST_F(DesktopTest, TextureChangeReplacesTheMouldingTexture) {
  Start();
  ASSERT_TRUE(WaitReady());
  ASSERT_EQ(desktop->Texture()->LoadTextureFile(KERF_SOURCE_DIR "/data/textures/oak.jpg").Error(),
            "");
  EXPECT_TRUE(desktop->Main()->View()->HasMouldingTexture());
  EXPECT_FALSE(desktop->Frames()->Suspended());
}

}  // namespace
}  // namespace kerf
