// File > Match a Profile... in the running program: the target is drawn over the Profile picture,
// the plan found is drawn over the target and becomes the set-up as one undoable step, its sheet
// one click away, and cancelling changes nothing.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QProgressDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTimer>
#include <QUndoStack>
#include <map>
#include <stdexcept>
#include <thread>

#include "desktop/Desktop.h"
#include "desktop/MainWindow.h"
#include "desktop/MatchDeviationPicture.h"
#include "desktop/MatchPlanPanel.h"
#include "desktop/MatchProfileAction.h"
#include "desktop/MatchProfileDialog.h"
#include "desktop/PrintSheetAction.h"
#include "desktop/ProfileWindow.h"
#include "desktop/SetupHistory.h"
#include "desktop/StockSizeDialog.h"
#include "model/Progress.h"
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

  // A 1/2" x 1" section picture with its top-right corner cut away, from column notchLeft to the
  // fence and down to row notchBottom.
  QString WriteTarget(int notchLeft = 490, int notchBottom = 485) {
    Raster picture(SectionSize, SectionSize);
    picture.Fill(White);
    for (int y = 478; y < SectionSize; ++y)
      for (int x = 455; x < SectionSize; ++x)
        if (x < notchLeft || y > notchBottom) picture.SetPixel(x, y, Black);
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
            [this](const Model&) { ++sheets; },
            std::move(run)};
  }

  // Reads target on 1/2" x 1" stock and runs search to its end in dialog.
  static void RunToPlan(MatchProfileDialog& dialog, const QString& target, MatchSearch search) {
    dialog.StockHeightEdit()->setText("1/2\"");
    dialog.StockWidthEdit()->setText("1\"");
    dialog.TargetEdit()->setText(target);
    dialog.ReadTarget();
    dialog.SetSearch(std::move(search));
    dialog.OnMatch();
    EXPECT_TRUE(WaitUntil([&] { return !dialog.Searching(); }));
  }

  QTemporaryDir scratch;
  Model model;
  std::unique_ptr<Desktop> desktop;
  int sheets = 0;
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
  QString report;

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
    // The plan waits in the dialog, with its report, until it is applied.
    EXPECT_EQ(model.CutCount(), 1);
    report = dialog.PlanPanel()->Report()->toPlainText();
    dialog.ApplyButton()->click();
    return dialog.result();
  })));
  EXPECT_GT(overlay, 50u);
  EXPECT_EQ(model.StockWidth(), 50);
  EXPECT_EQ(model.StockHeight(), 100);
  ASSERT_EQ(model.CutCount(), 2);
  EXPECT_EQ(model.CutAt(2).Fence, 10);
  EXPECT_TRUE(report.contains("Cut #2: ")) << report.toStdString();
  EXPECT_EQ(sheets, 0);
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
  EXPECT_EQ(sheets, 0);
}

// Set-up Sheet... puts the plan in as Apply does, then prints the sheet of the set-up so made.
TEST_F(MatchProfileActionTest, SetUpSheetPrintsThePlanPutIn) {
  desktop->Profile()->CutButton()->click();
  const std::string before = FormatProject(RecordFromModel(model));
  const QString pdf = scratch.filePath("plan.pdf");
  const QString target = WriteTarget();
  MatchProfileWindows windows = Windows([&](MatchProfileDialog& dialog) {
    RunToPlan(dialog, target, TwoCutPlan);
    dialog.SheetButton()->click();
    return dialog.result();
  });
  int cutsOnSheet = 0;
  windows.printSheet = [&](const Model& planned) {
    cutsOnSheet = planned.CutCount();
    EXPECT_TRUE(OnPrintSetupSheet(
        planned,
        [&](QPrinter& printer) {
          printer.setOutputFormat(QPrinter::PdfFormat);
          printer.setOutputFileName(pdf);
          return true;
        },
        [](const QString& text) { ADD_FAILURE() << text.toStdString(); }));
  };
  EXPECT_TRUE(OnMatchProfile(windows));
  EXPECT_EQ(cutsOnSheet, 2);
  EXPECT_GT(QFileInfo(pdf).size(), 1000);
  desktop->History()->Stack().undo();
  EXPECT_EQ(FormatProject(RecordFromModel(model)), before);
}

// The plan shown over its target: wood it leaves standing and wood it cuts too deep each in its
// own colour; nothing off where the target is the plan's own section.
struct DeviationCase {
  const char* name;
  bool cuts;        // the plan makes TwoCutPlan's cuts, else none
  bool ownSection;  // the target is the plan's measured section, else WriteTarget's with:
  int notchLeft, notchBottom;
  bool standing, deep;
};

class MatchPlanShown : public MatchProfileActionTest,
                       public ::testing::WithParamInterface<DeviationCase> {};

TEST_P(MatchPlanShown, DeviationPictureColoursWhereThePlanIsOff) {
  const DeviationCase& c = GetParam();
  const MatchSearch search = [&c](const std::vector<Tool>& cutters, const MatchTarget& target,
                                  const MatchOptions& options, ProgressSink& progress,
                                  const std::atomic<bool>* cancel) {
    MatchResult plan = TwoCutPlan(cutters, target, options, progress, cancel);
    if (!c.cuts) plan.Cuts.clear();
    return plan;
  };
  QString target = WriteTarget(c.notchLeft, c.notchBottom);
  if (c.ownSection) {
    NoProgress quiet;
    const Section own = MeasureSetup(
        {50, 100, 3}, search(model.Cutters(), {}, {}, quiet, nullptr).Cuts, model.Cutters());
    target = scratch.filePath("own.png");
    ASSERT_TRUE(SavePicture(target.toStdString(), own.Picture));
  }
  std::map<QRgb, int> shown;
  EXPECT_FALSE(OnMatchProfile(Windows([&](MatchProfileDialog& dialog) {
    RunToPlan(dialog, target, search);
    EXPECT_TRUE(dialog.PlanPanel()->isVisibleTo(&dialog));
    const QImage picture = dialog.PlanPanel()->Picture()->pixmap().toImage();
    for (int y = 0; y < picture.height(); ++y)
      for (int x = 0; x < picture.width(); ++x) ++shown[picture.pixel(x, y) | 0xff000000];
    return static_cast<int>(QDialog::Rejected);
  })));
  EXPECT_GT(shown[DeviationColour(Deviation::Wood)], 1000);
  EXPECT_EQ(shown[DeviationColour(Deviation::Standing)] > 0, c.standing);
  EXPECT_EQ(shown[DeviationColour(Deviation::Deep)] > 0, c.deep);
  const int pale =
      shown[DeviationColour(Deviation::NearStanding)] + shown[DeviationColour(Deviation::NearDeep)];
  if (c.ownSection) {
    EXPECT_EQ(pale, 0);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Plans, MatchPlanShown,
    ::testing::Values(DeviationCase{"NoCutLeavesTheCorner", false, false, 490, 485, true, false},
                      DeviationCase{"CutsTheCornerAndTooDeep", true, false, 490, 485, false, true},
                      DeviationCase{"CutsTooDeepLeavingAWideRebate", true, false, 462, 481, true,
                                    true},
                      DeviationCase{"OwnSectionIsExact", true, true, 0, 0, false, false}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kerf
