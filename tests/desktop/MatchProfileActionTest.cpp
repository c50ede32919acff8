// File > Match a Profile... in the running program: the target is drawn over the Profile picture,
// the plan found becomes the set-up as one undoable step, and cancelling changes nothing.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QUndoStack>
#include <stdexcept>
#include <thread>

#include "desktop/Desktop.h"
#include "desktop/MainWindow.h"
#include "desktop/MatchProfileAction.h"
#include "desktop/MatchProfileDialog.h"
#include "desktop/ProfileWindow.h"
#include "desktop/SetupHistory.h"
#include "desktop/StockSizeDialog.h"
#include "model/SectionRenderer.h"
#include "project/PictureFile.h"
#include "project/ProjectFile.h"
#include "support/DesktopOptions.h"
#include "support/UiEvents.h"

namespace kerf {
namespace {

using testing::DeleteLeftovers;
using testing::WaitUntil;

class MatchProfileActionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(scratch.isValid());
    DesktopOptions options = test::SourceDataDesktopOptions(scratch.path());
    options.StartupMessage = [](const QString&) {};
    desktop = std::make_unique<Desktop>(model, std::move(options));
    desktop->Start();
    ASSERT_TRUE(WaitUntil([this] { return desktop->DelayedStepDone(); }));
  }
  void TearDown() override {
    desktop.reset();
    DeleteLeftovers();
  }

  // A 1/2" x 1" section picture with its top-right corner cut away.
  QString WriteTarget() {
    Raster picture(SectionSize, SectionSize);
    picture.Fill(White);
    for (int y = 478; y < SectionSize; ++y)
      for (int x = 455; x < SectionSize; ++x)
        if (x < 490 || y > 485) picture.SetPixel(x, y, Black);
    const QString path = scratch.filePath("target.png");
    EXPECT_TRUE(SavePicture(path.toStdString(), picture));
    return path;
  }

  MatchProfileWindows Windows(std::function<int(MatchProfileDialog&)> run) {
    return {model,
            *desktop->History(),
            *desktop->Profile(),
            *desktop->Config(),
            desktop->Main(),
            [this](SetupChange) { desktop->RebuildAndRefresh(); },
            [this](const QString& text) { reports << text; },
            std::move(run)};
  }

  QTemporaryDir scratch;
  Model model;
  std::unique_ptr<Desktop> desktop;
  QStringList reports;
};

// The plan a search would find: two cuts of cutter 1, the stock left face 3 on the table.
MatchResult TwoCutPlan(const std::vector<Tool>& cutters, const MatchTarget&, const MatchOptions&,
                       ProgressSink& progress, const std::atomic<bool>*) {
  progress.Begin("Matching", 2);
  MatchResult result;
  for (int i = 0; i < 2; ++i) {
    Cut cut;
    cut.Fence = 10 * i;
    cut.Height = 20;
    cut.Face = 3;
    cut.Cutter = 1;
    cut.CutterFileName = cutters[0].FileName;
    result.Cuts.push_back(cut);
    progress.Step(i + 1);
  }
  result.FaceOnTable = 3;
  result.Reached = true;
  result.AreaReachedPercent = 100;
  progress.End();
  return result;
}

TEST_F(MatchProfileActionTest, PlanIsOneUndoableStepWithItsReport) {
  // Work already done stays undoable behind the plan.
  desktop->Profile()->CutButton()->click();
  const std::string before = FormatProject(RecordFromModel(model));
  const int steps = desktop->History()->Stack().count();
  const QString target = WriteTarget();
  size_t overlay = 0;

  EXPECT_TRUE(OnMatchProfile(Windows([&](MatchProfileDialog& dialog) {
    dialog.StockHeightEdit()->setText("1/2\"");
    dialog.StockWidthEdit()->setText("1\"");
    dialog.TargetEdit()->setText(target);
    dialog.ReadTarget();
    EXPECT_TRUE(dialog.MatchButton()->isEnabled()) << dialog.TargetMessage()->text().toStdString();
    desktop->Profile()->DrawSection();
    // The target's rim in red on the Profile picture.
    const QImage shown = desktop->Profile()->SectionPicture()->pixmap().toImage();
    for (int y = 0; y < shown.height(); ++y)
      for (int x = 0; x < shown.width(); ++x) overlay += shown.pixel(x, y) == qRgb(230, 0, 0);
    dialog.SetSearch(TwoCutPlan);
    dialog.OnMatch();
    EXPECT_TRUE(WaitUntil([&] { return !dialog.Searching(); }));
    return dialog.result();
  })));
  EXPECT_GT(overlay, 50u);
  EXPECT_EQ(model.StockWidth(), 50);
  EXPECT_EQ(model.StockHeight(), 100);
  ASSERT_EQ(model.CutCount(), 2);
  EXPECT_EQ(model.CutAt(2).Fence, 10);
  ASSERT_EQ(reports.size(), 1);
  EXPECT_TRUE(reports[0].contains("Cut #2: ")) << reports[0].toStdString();
  EXPECT_EQ(desktop->History()->Stack().count(), steps + 1);
  EXPECT_EQ(desktop->History()->Stack().undoText(), "Match a Profile");

  desktop->History()->Stack().undo();
  EXPECT_EQ(FormatProject(RecordFromModel(model)), before);
  desktop->History()->Stack().redo();
  EXPECT_EQ(model.CutCount(), 2);
}

TEST_F(MatchProfileActionTest, CancelOrABadTargetChangesNothing) {
  desktop->Profile()->CutButton()->click();
  const std::string before = FormatProject(RecordFromModel(model));
  const int steps = desktop->History()->Stack().count();
  EXPECT_FALSE(OnMatchProfile(Windows([&](MatchProfileDialog& dialog) {
    dialog.TargetEdit()->setText(scratch.filePath("nothing.png"));
    dialog.ReadTarget();
    EXPECT_FALSE(dialog.MatchButton()->isEnabled());
    EXPECT_TRUE(dialog.TargetMessage()->text().contains("nothing.png"));
    return static_cast<int>(QDialog::Rejected);
  })));
  EXPECT_FALSE(OnMatchProfile(Windows([&](MatchProfileDialog& dialog) {
    dialog.StockHeightEdit()->setText("1/2\"");
    dialog.StockWidthEdit()->setText("1\"");
    dialog.TargetEdit()->setText(WriteTarget());
    dialog.ReadTarget();
    // The search is stopped as soon as it starts.
    dialog.SetSearch([](const std::vector<Tool>& c, const MatchTarget& t, const MatchOptions& o,
                        ProgressSink& p, const std::atomic<bool>* cancel) {
      while (!cancel->load()) std::this_thread::yield();
      MatchResult r = TwoCutPlan(c, t, o, p, cancel);
      r.Cancelled = true;
      return r;
    });
    QTimer::singleShot(100, [] {
      for (QWidget* widget : QApplication::allWidgets())
        if (widget->objectName() == "MatchProgress") widget->findChild<QPushButton*>()->click();
    });
    dialog.OnMatch();
    EXPECT_TRUE(WaitUntil([&] { return !dialog.Searching(); }));
    return dialog.result();
  })));
  // A search that fails tells why in the dialog, which stays open.
  EXPECT_FALSE(OnMatchProfile(Windows([&](MatchProfileDialog& dialog) {
    dialog.StockHeightEdit()->setText("1/2\"");
    dialog.StockWidthEdit()->setText("1\"");
    dialog.TargetEdit()->setText(WriteTarget());
    dialog.ReadTarget();
    dialog.SetSearch(
        [](const std::vector<Tool>&, const MatchTarget&, const MatchOptions&, ProgressSink&,
           const std::atomic<bool>*) -> MatchResult { throw std::runtime_error("out of pixels"); });
    dialog.OnMatch();
    EXPECT_TRUE(WaitUntil([&] { return !dialog.Searching(); }));
    EXPECT_TRUE(dialog.TargetMessage()->text().contains("The search failed: out of pixels"))
        << dialog.TargetMessage()->text().toStdString();
    return dialog.result();
  })));
  EXPECT_EQ(FormatProject(RecordFromModel(model)), before);
  EXPECT_EQ(desktop->History()->Stack().count(), steps);
  EXPECT_TRUE(reports.isEmpty());
}

}  // namespace
}  // namespace kerf
