// The frame loop draws the 3-D view and the Profile picture only when something they show has
// changed, and shows each frame of the view on screen once.
#include <gtest/gtest.h>

#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>
#include <functional>

#include "desktop/Desktop.h"
#include "desktop/FrameLoop.h"
#include "desktop/MainWindow.h"
#include "desktop/ProfileWindow.h"
#include "desktop/TipsDialog.h"
#include "desktop/ViewControlsWindow.h"
#include "desktop/ViewPanel.h"
#include "support/DesktopOptions.h"
#include "support/UiEvents.h"

namespace kerf {
namespace {

using testing::WaitUntil;

class FrameDrawingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    DesktopOptions options = test::SourceDataDesktopOptions(scratch.path());
    options.StartupMessage = [](const QString&) {};
    desktop = std::make_unique<Desktop>(model, std::move(options));
    desktop->Start();
    ASSERT_TRUE(WaitUntil([this] { return desktop->DelayedStepDone(); }));
    desktop->Tips()->hide();
  }
  void TearDown() override {
    desktop.reset();
    testing::DeleteLeftovers();
  }

  // Lets a few frames of the loop run.
  void Frames(int count = 3) {
    const long long from = desktop->Frames()->FramesDrawn();
    ASSERT_TRUE(WaitUntil([&] { return desktop->Frames()->FramesDrawn() >= from + count; }));
  }

  QTemporaryDir scratch;
  Model model;
  std::unique_ptr<Desktop> desktop;
};

TEST_F(FrameDrawingTest, OnlyWhatChangedIsDrawnAgain) {
  ViewPanel* view = desktop->Main()->View();
  if (!view->GLAvailable()) GTEST_SKIP() << "no OpenGL";
  ProfileWindow* profile = desktop->Profile();
  ViewControlsWindow* controls = desktop->ViewControls();
  Frames();

  struct Case {
    const char* change;
    std::function<void()> make;
    bool view, section;
  };
  const Case cases[] = {
      {"nothing", [] {}, false, false},
      {"turn about x", [&] { controls->RotateXSlider()->setValue(30); }, true, false},
      {"zoom of the view", [&] { controls->findChild<QSlider*>("zoomSlider")->setValue(90); }, true,
       false},
      {"light level", [&] { controls->findChild<QSlider*>("ambientSlider")->setValue(60); }, true,
       false},
      {"background", [&] { model.SetBackgroundSwatch(MakeColour(0, 0, 255)); }, true, false},
      {"fence slider", [&] { profile->FenceSlider()->setValue(40); }, false, true},
      {"cutter height", [&] { profile->HeightSlider()->setValue(30); }, false, true},
      {"profile zoom", [&] { profile->OnZoomIn(); }, false, true},
      {"orientation", [&] { profile->OnRotateClockwise(); }, false, true},
      {"wood colour", [&] { model.SetWoodSwatch(MakeColour(10, 200, 30)); }, true, true},
      {"a cut", [&] { profile->CutButton()->click(); }, true, true},
      {"window size", [&] { desktop->Main()->resize(700, 500); }, true, false},
  };
  // Frames the loop drew; the window system may expose the view at any time (another window
  // moving over it), and an exposed view is drawn at once.
  auto loopFrames = [&] { return view->FramesPainted() - view->FramesOnExpose(); };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.change);
    const long long painted = loopFrames();
    const long long sections = profile->SectionsDrawn();
    const long long presented = view->FramesPresented();
    const long long exposed = view->FramesOnExpose();
    c.make();
    Frames();
    if (c.view) {
      EXPECT_GT(view->FramesPainted(), painted + exposed);  // by the loop or on the expose
    } else {
      EXPECT_EQ(loopFrames(), painted);
    }
    EXPECT_EQ(profile->SectionsDrawn() > sections, c.section);
    // Each frame drawn is shown once, and a change of the status bar alone shows nothing.
    EXPECT_EQ(view->FramesPresented() - presented, view->FramesPainted() - painted - exposed);
    // And once drawn, nothing is drawn again while nothing changes.
    const long long settled = loopFrames();
    const long long settledSections = profile->SectionsDrawn();
    Frames();
    EXPECT_EQ(loopFrames(), settled);
    EXPECT_EQ(profile->SectionsDrawn(), settledSections);
  }
}

TEST_F(FrameDrawingTest, SliderDragRedrawsEveryFrame) {
  ViewPanel* view = desktop->Main()->View();
  if (!view->GLAvailable()) GTEST_SKIP() << "no OpenGL";
  QSlider* rotateX = desktop->ViewControls()->RotateXSlider();
  QSlider* fence = desktop->Profile()->FenceSlider();
  Frames();
  auto loopFrames = [&] { return view->FramesPainted() - view->FramesOnExpose(); };
  const long long painted = loopFrames();
  const long long sections = desktop->Profile()->SectionsDrawn();
  for (int step = 1; step <= 5; ++step) {
    rotateX->setValue(step * 10);
    fence->setValue(step * 10);
    Frames(1);
  }
  EXPECT_EQ(loopFrames(), painted + 5);
  EXPECT_EQ(desktop->Profile()->SectionsDrawn(), sections + 5);
}

// The mouse over the view reaches the native window the view draws into; dragging there turns
// the view as dragging on the panel does.
TEST_F(FrameDrawingTest, DraggingOnTheNativeViewTurnsIt) {
  ViewPanel* view = desktop->Main()->View();
  QWindow* surface = view->Surface();
  ASSERT_NE(surface, nullptr);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(surface));
  QSlider* rotateX = desktop->ViewControls()->RotateXSlider();
  QSlider* rotateY = desktop->ViewControls()->RotateYSlider();
  rotateX->setValue(10);
  rotateY->setValue(20);
  QTest::mousePress(surface, Qt::LeftButton, {}, QPoint(100, 100));
  QTest::mouseMove(surface, QPoint(130, 95));
  QTest::mouseRelease(surface, Qt::LeftButton, {}, QPoint(130, 95));
  EXPECT_EQ(rotateX->value(), 5);
  EXPECT_EQ(rotateY->value(), 50);
  // Once the button is up, moving over the view turns nothing.
  QTest::mouseMove(surface, QPoint(160, 60));
  EXPECT_EQ(rotateX->value(), 5);
  EXPECT_EQ(rotateY->value(), 50);
}

}  // namespace
}  // namespace kerf
