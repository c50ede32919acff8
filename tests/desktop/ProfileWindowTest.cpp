// Profile window: interlock, drag, zoom, turning, Cut, Enter and the Cut button's enabling.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QToolButton>

#include "desktop/LengthBox.h"
#include "desktop/ProfileWindow.h"
#include "support/SetupFixtures.h"
#include "support/UiEvents.h"

namespace kerf {
namespace {

using testing::Drag;
using testing::SendKey;

class ProfileWindowTest : public ::testing::Test {
 protected:
  ProfileWindowTest() {
    std::vector<Tool> tools = testing::SmallCutterLibrary(3);
    tools[1].RedWidth = 30;   // cutter 2: a bearing row 0.30" wide
    tools[2].RedWidth = 250;  // cutter 3: wider than the fence can go back
    model.SetCutterLibrary(tools);
    model.NewWorkpiece(200, 200);
  }

  QSlider& fence() { return *window.FenceSlider(); }
  QSlider& height() { return *window.HeightSlider(); }
  QCheckBox& interlock() { return *window.InterlockCheck(); }

  Model model;
  ProfileWindow window{model};
};

TEST_F(ProfileWindowTest, ControlsCarryTheirNamesRangesAndTexts) {
  EXPECT_EQ(window.windowTitle(), "Profile");
  EXPECT_EQ(window.SectionPicture()->size(), QSize(250, 250));
  EXPECT_EQ(fence().minimum(), -200);
  EXPECT_EQ(fence().maximum(), 1000);
  EXPECT_EQ(height().minimum(), -500);
  EXPECT_EQ(height().maximum(), 500);
  EXPECT_EQ(window.FaceLabel()->text(), "Face against table = 3");
  EXPECT_EQ(window.CutButton()->text(), "Cut");
  EXPECT_EQ(interlock().text(), "Inter-lock fence and Height");
  EXPECT_FALSE(interlock().isChecked());
  const char* hints[] = {"Zoom in", "Zoom out", "Click here to rotate anticlockwise",
                         "Click here to flip end over end", "Click here to rotate clockwise"};
  const char* names[] = {"zoomInButton", "zoomOutButton", "rotateAnticlockwiseButton",
                         "flipEndOverEndButton", "rotateClockwiseButton"};
  for (int n = 1; n <= 5; ++n) {
    QToolButton* button = window.findChild<QToolButton*>(names[n - 1]);
    ASSERT_NE(button, nullptr) << n;
    EXPECT_EQ(button->toolTip(), hints[n - 1]);
    // Each glyph has its own disabled look.
    const QImage normal = button->icon().pixmap(20, QIcon::Normal).toImage();
    const QImage disabled = button->icon().pixmap(20, QIcon::Disabled).toImage();
    EXPECT_FALSE(normal.isNull());
    EXPECT_NE(normal, disabled) << n;
  }
  EXPECT_EQ(window.SectionPicture()->cursor().shape(), Qt::SizeAllCursor);
}

// Each step sets one slider (fence 'f' or height 'h') and expects both positions afterwards.
struct InterlockStep {
  char slider;
  int value;
  int fenceAfter;
  int heightAfter;
};

struct InterlockCase {
  const char* name;
  bool on;
  int fence0, height0;
  std::vector<InterlockStep> steps;
};

TEST_F(ProfileWindowTest, InterlockCouplesFenceAndHeight) {
  const InterlockCase cases[] = {
      {"raising the cutter pulls the fence back", true, 0, 0, {{'h', 10, -12, 10}}},
      {"then a fence forward of -12 drops the cutter",
       true,
       0,
       0,
       {{'h', 10, -12, 10}, {'f', -11, -11, 0}}},
      {"from fence 50 raising pulls to -12", true, 50, 0, {{'h', 1, -12, 1}}},
      {"fence at -12 may stay with the cutter up", true, -12, 0, {{'h', 200, -12, 200}}},
      {"fence further back is left alone", true, -100, 0, {{'h', 40, -100, 40}}},
      {"cutter at or below the table is free",
       true,
       300,
       0,
       {{'h', 0, 300, 0}, {'h', -40, 300, -40}, {'f', 500, 500, -40}}},
      {"off: nothing is coupled", false, 50, 0, {{'h', 10, 50, 10}, {'f', 600, 600, 10}}},
  };
  for (const InterlockCase& c : cases) {
    interlock().setChecked(false);
    fence().setValue(c.fence0);
    height().setValue(c.height0);
    interlock().setChecked(c.on);
    for (const InterlockStep& step : c.steps) {
      (step.slider == 'f' ? fence() : height()).setValue(step.value);
      EXPECT_EQ(fence().value(), step.fenceAfter) << c.name;
      EXPECT_EQ(height().value(), step.heightAfter) << c.name;
    }
  }
}

TEST_F(ProfileWindowTest, InterlockLimitsTheFenceByTheBearingRow) {
  model.SetCurrentCutter(2);  // RedWidth 30
  fence().setValue(100);
  interlock().setChecked(true);
  EXPECT_EQ(fence().maximum(), -30);
  EXPECT_EQ(fence().value(), -30);
  interlock().setChecked(false);
  EXPECT_EQ(fence().maximum(), 1000);
  EXPECT_EQ(fence().value(), -30);

  // A cutter without a bearing row leaves the full range.
  model.SetCurrentCutter(1);
  interlock().setChecked(true);
  EXPECT_EQ(fence().maximum(), 1000);

  // Selecting another cutter re-applies the limit.
  model.SetCurrentCutter(2);
  window.OnInterlock();
  EXPECT_EQ(fence().maximum(), -30);

  // A limit below the slider's minimum is refused: the maximum stays what it was.
  model.SetCurrentCutter(3);  // RedWidth 250 -> -250 < -200
  window.OnInterlock();
  EXPECT_EQ(fence().maximum(), -30);
  EXPECT_EQ(fence().minimum(), -200);
}

TEST_F(ProfileWindowTest, DraggingMovesFenceAndHeightOneUnitPerPixelAtEveryZoom) {
  for (int zoom : {1, 2, 4}) {
    model.SetProfileZoom(zoom);
    fence().setValue(100);
    height().setValue(50);
    // 25 pixels left and 10 up, in two moves.
    QWidget* image = window.SectionPicture();
    testing::SendMouse(image, QEvent::MouseButtonPress, {120, 120});
    testing::SendMouse(image, QEvent::MouseMove, {105, 112});
    testing::SendMouse(image, QEvent::MouseMove, {95, 110});
    testing::SendMouse(image, QEvent::MouseButtonRelease, {95, 110});
    EXPECT_EQ(fence().value(), 125) << "zoom " << zoom;
    EXPECT_EQ(height().value(), 60) << "zoom " << zoom;
    EXPECT_FALSE(window.DragActive());
  }
  // Without a button down a move does nothing; a drag past the end stops at the end.
  testing::SendMouse(window.SectionPicture(), QEvent::MouseMove, {0, 0});
  EXPECT_EQ(fence().value(), 125);
  Drag(window.SectionPicture(), {240, 240}, {0, 0}, Qt::RightButton);
  EXPECT_EQ(fence().value(), 365);
  EXPECT_EQ(height().value(), 300);
  Drag(window.SectionPicture(), {249, 0}, {0, 249});
  Drag(window.SectionPicture(), {249, 0}, {0, 249});
  Drag(window.SectionPicture(), {249, 0}, {0, 249});
  Drag(window.SectionPicture(), {249, 0}, {0, 249});
  EXPECT_EQ(fence().value(), 1000);
  EXPECT_EQ(height().value(), -500);
}

TEST_F(ProfileWindowTest, ZoomStopsAtFourAndAtOne) {
  const int in[] = {2, 4, 4};
  for (int expected : in) {
    window.ViewButton(1)->click();
    EXPECT_EQ(model.ProfileZoom(), expected);
  }
  const int out[] = {2, 1, 1};
  for (int expected : out) {
    window.ViewButton(2)->click();
    EXPECT_EQ(model.ProfileZoom(), expected);
  }
}

TEST_F(ProfileWindowTest, TurningAndFlippingFollowTheOrientationTable) {
  struct Turn {
    int from, button, to;
  };
  const Turn turns[] = {{3, 3, 4}, {3, 5, 2}, {3, 4, 7}, {5, 3, 6}, {5, 5, 8}};
  for (const Turn& t : turns) {
    model.SetFaceOnTable(t.from);
    window.ViewButton(t.button)->click();
    EXPECT_EQ(model.FaceOnTable(), t.to) << "from " << t.from << " button " << t.button;
    EXPECT_EQ(window.FaceLabel()->text(), QString("Face against table = %1").arg(t.to));
  }
  // Four turns either way, or two flips, come back to the start from every state.
  for (int state = 1; state <= 8; ++state) {
    for (auto [button, times] : {std::pair{3, 4}, std::pair{5, 4}, std::pair{4, 2}}) {
      model.SetFaceOnTable(state);
      for (int i = 0; i < times; ++i) window.ViewButton(button)->click();
      EXPECT_EQ(model.FaceOnTable(), state) << "button " << button;
    }
  }
}

TEST_F(ProfileWindowTest, CutAppendsTheSliderValuesAndAsksForARebuild) {
  QSignalSpy made(&window, &ProfileWindow::cutMade);
  fence().setValue(35);
  height().setValue(-20);
  model.SetFaceOnTable(7);
  model.SetCurrentCutter(2);
  window.CutButton()->click();
  SendKey(window.HeightSlider(), Qt::Key_Return);  // Enter presses Cut wherever the focus is
  ASSERT_EQ(model.CutCount(), 2);
  for (int i = 1; i <= 2; ++i) {
    EXPECT_EQ(model.CutAt(i).Fence, 35);
    EXPECT_EQ(model.CutAt(i).Height, -20);
    EXPECT_EQ(model.CutAt(i).Face, 7);
    EXPECT_EQ(model.CutAt(i).Cutter, 2);
  }
  EXPECT_EQ(made.count(), 2);
}

TEST_F(ProfileWindowTest, CutIsDisabledWhileBusyAndWithoutCutters) {
  window.SetBusy(true);
  EXPECT_FALSE(window.CutButton()->isEnabled());
  window.SetBusy(false);
  EXPECT_TRUE(window.CutButton()->isEnabled());
  window.SetCuttersAvailable(false);
  window.SetBusy(true);
  window.SetBusy(false);
  EXPECT_FALSE(window.CutButton()->isEnabled());
  window.OnCut();
  SendKey(window.FenceSlider(), Qt::Key_Enter);
  EXPECT_EQ(model.CutCount(), 0);
}

TEST_F(ProfileWindowTest, FrameWorkDrawsTheSectionAndWritesTheLengths) {
  fence().setValue(50);
  height().setValue(25);
  window.WriteLengthLabels();
  EXPECT_EQ(window.FenceBox()->text(), "1/2\"");
  EXPECT_EQ(window.HeightBox()->text(), "1/4\"");
  model.SetUnit(LengthUnit::Metric);
  window.WriteLengthLabels();
  EXPECT_EQ(window.FenceBox()->text(), "13mm");

  window.DrawSection();
  const QImage picture = window.SectionPicture()->pixmap().toImage();
  ASSERT_EQ(picture.size(), QSize(250, 250));
  // The stock sits at the bottom right in the wood colour; the top left is white.
  EXPECT_EQ(picture.pixelColor(210, 210), QColor(225, 123, 11));
  EXPECT_EQ(picture.pixelColor(5, 5), QColor(Qt::white));
}

}  // namespace
}  // namespace kerf
