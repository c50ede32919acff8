// The desktop with typed lengths: a rebate set up by its numbers, clamping said in the status bar.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>

#include "desktop/Desktop.h"
#include "desktop/LengthBox.h"
#include "desktop/MainWindow.h"
#include "desktop/ProfileWindow.h"
#include "desktop/StockSizeDialog.h"
#include "support/DesktopOptions.h"
#include "support/UiEvents.h"

namespace kerf {
namespace {

using testing::DeleteLeftovers;
using testing::WaitUntil;

class DesktopLengths : public ::testing::Test {
 protected:
  void SetUp() override {
    desktop = std::make_unique<Desktop>(model, test::SourceDataDesktopOptions(scratch.path(), 4));
    desktop->Start();
    ASSERT_TRUE(WaitUntil([this] { return desktop->DelayedStepDone(); }));
  }
  void TearDown() override {
    desktop.reset();
    DeleteLeftovers();
  }
  // Types text into a box of window and presses Enter, as a user does.
  static void Type(QWidget* window, const char* box, const char* text) {
    auto* edit = window->findChild<LengthBox*>(box);
    ASSERT_NE(edit, nullptr) << box;
    edit->selectAll();
    QTest::keyClicks(edit, text);
    QTest::keyClick(edit, Qt::Key_Return);
  }
  QString Status() const { return desktop->Main()->StatusMessage()->text(); }

  QTemporaryDir scratch;
  Model model;
  std::unique_ptr<Desktop> desktop;
};

class TypedRebate : public DesktopLengths, public ::testing::WithParamInterface<LengthUnit> {};

TEST_P(TypedRebate, IsSetUpByTypingItsNumbers) {
  StockSizeDialog* config = desktop->Config();
  ProfileWindow* profile = desktop->Profile();
  const bool metric = GetParam() == LengthUnit::Metric;
  config->SetUnit(GetParam());
  Type(config, "stockWidthBox", metric ? "89" : "3 1/2");  // labelled Width: across the table
  Type(config, "stockHeightBox", metric ? "19mm" : "3/4\"");
  config->findChild<QPushButton*>("newButton")->click();
  EXPECT_EQ(model.StockHeight(), 350);
  EXPECT_EQ(model.StockWidth(), 75);

  Type(profile, "fenceBox", metric ? "9.5" : "3/8");
  Type(profile, "heightBox", metric ? "0.95cm" : "3/8");
  EXPECT_EQ(model.CutCount(), 0) << "Enter in a length box applies it; it does not cut";
  profile->CutButton()->click();
  ASSERT_EQ(model.CutCount(), 1);
  EXPECT_EQ(model.CutAt(1).Fence, metric ? 37 : 38);  // 9.5mm is 37.4 hundredths, 3/8" 37.5
  EXPECT_EQ(model.CutAt(1).Height, metric ? 37 : 38);
  EXPECT_EQ(profile->FenceBox()->text(), metric ? "9mm" : "3/8\"");
}

INSTANTIATE_TEST_SUITE_P(Units, TypedRebate,
                         ::testing::Values(LengthUnit::Imperial, LengthUnit::Metric));

TEST_F(DesktopLengths, ClampingIsSaidInTheStatusBar) {
  Type(desktop->Profile(), "fenceBox", "12");
  EXPECT_EQ(desktop->Profile()->Fence(), 1000);
  EXPECT_EQ(Status(), "Fence clamped to 10\"");
  Type(desktop->Config(), "stockHeightBox", "1/4");
  EXPECT_EQ(Status(), "Height clamped to 1/2\"");
}

}  // namespace
}  // namespace kerf
