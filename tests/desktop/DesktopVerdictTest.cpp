// The running program: the verdict shown before Cut is the one the cut gets once made.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include "desktop/Desktop.h"
#include "desktop/LengthBox.h"
#include "desktop/ProfileWindow.h"
#include "desktop/SetupHistory.h"
#include "desktop/StockSizeDialog.h"
#include "desktop/ToolsWindow.h"
#include "model/CutVerdict.h"
#include "support/DesktopOptions.h"
#include "support/UiEvents.h"

namespace kerf {
namespace {

using testing::DeleteLeftovers;
using testing::WaitUntil;

class DesktopVerdictTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(scratch.isValid());
    desktop = std::make_unique<Desktop>(model, test::SourceDataDesktopOptions(scratch.path()));
    desktop->Start();
    ASSERT_TRUE(WaitUntil([this] { return desktop->DelayedStepDone(); }));
  }
  void TearDown() override {
    desktop.reset();
    DeleteLeftovers();
  }

  QString Foretold() {
    QCoreApplication::processEvents();
    return desktop->Profile()->findChild<QLabel*>("verdictLabel")->text();
  }
  QString GridVerdict(int row) {
    return desktop->Tools()->findChild<QTableWidget*>("cutGrid")->item(row - 1, 5)->text();
  }

  QTemporaryDir scratch;
  Model model;
  std::unique_ptr<Desktop> desktop;
};

TEST_F(DesktopVerdictTest, EachCutGetsTheVerdictShownBeforeIt) {
  ProfileWindow* profile = desktop->Profile();
  // Rebates eating up the fence face, a cut floating in the stock, cuts from other faces.
  const struct {
    int fence, height;
    const char* turn;  // the button pressed first, or none
  } steps[] = {{-13, 0, nullptr},
               {10, 45, nullptr},
               {10, 90, nullptr},
               {40, 50, nullptr},
               {60, -20, "rotateAnticlockwiseButton"},
               {10, 0, "flipEndOverEndButton"},
               {150, -60, "rotateClockwiseButton"}};
  int row = 0;
  QStringList seen;
  for (const auto& s : steps) {
    if (s.turn != nullptr) profile->findChild<QToolButton*>(s.turn)->click();
    profile->FenceSlider()->setValue(s.fence);
    profile->HeightSlider()->setValue(s.height);
    const QString before = Foretold();
    seen << before;
    profile->CutButton()->click();
    ++row;
    EXPECT_EQ(GridVerdict(row), before) << "cut " << row;
    EXPECT_EQ(QString(VerdictName(desktop->MeasuredSection().ResultOfCut(row).Judged)), before)
        << "cut " << row;
  }
  seen.removeDuplicates();
  EXPECT_EQ(seen.size(), 3) << seen.join(", ").toStdString();
  // Undoing the last cut brings back the verdict it had before it was made.
  const QString last = GridVerdict(row);
  desktop->History()->Stack().undo();
  EXPECT_EQ(Foretold(), last);
}

// Lowering the bit's reach in the Config window below a cut's height makes that cut impossible.
TEST_F(DesktopVerdictTest, TheBitReachJudgesTheCutsAgain) {
  ProfileWindow* profile = desktop->Profile();
  profile->FenceSlider()->setValue(10);
  profile->HeightSlider()->setValue(100);
  profile->CutButton()->click();
  const QString reached = GridVerdict(1);
  LengthBox* reach = desktop->Config()->ReachBox();
  reach->selectAll();
  QTest::keyClicks(reach, "1/2");
  QTest::keyClick(reach, Qt::Key_Return);
  EXPECT_EQ(model.TableReach(), 50);
  EXPECT_EQ(GridVerdict(1), VerdictName(Verdict::Danger));
  EXPECT_EQ(Foretold(), VerdictName(Verdict::Danger));
  reach->selectAll();
  QTest::keyClicks(reach, "1 1/2");
  QTest::keyClick(reach, Qt::Key_Return);
  EXPECT_EQ(GridVerdict(1), reached);
}

}  // namespace
}  // namespace kerf
