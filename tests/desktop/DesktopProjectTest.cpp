// The File menu in the running program: Open reaches every window, photographs of the main view.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextEdit>
#include <functional>

#include "desktop/CutPreviewPanel.h"
#include "desktop/Desktop.h"
#include "desktop/FrameLoop.h"
#include "desktop/MainWindow.h"
#include "desktop/PhotographAction.h"
#include "desktop/ProfileWindow.h"
#include "desktop/ProjectActions.h"
#include "desktop/ReportWindow.h"
#include "desktop/SetupHistory.h"
#include "desktop/StockSizeDialog.h"
#include "desktop/TextureWindow.h"
#include "desktop/ToolsWindow.h"
#include "desktop/ViewPanel.h"
#include "model/CutReport.h"
#include "model/SectionRenderer.h"
#include "project/JpegFile.h"
#include "project/PictureFile.h"
#include "project/ProjectFile.h"
#include "support/DesktopOptions.h"
#include "support/ResultValue.h"
#include "support/UiEvents.h"

namespace kerf {
namespace {

using testing::DeleteLeftovers;
using testing::WaitUntil;

class DesktopProjectTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(scratch.isValid());
    DesktopOptions options = test::SourceDataDesktopOptions(scratch.path());
    options.ProjectToOpen = projectAtStart;
    options.StartupMessage = [this](const QString& text) { messages << text; };
    desktop = std::make_unique<Desktop>(model, std::move(options));
    desktop->Start();
    ASSERT_TRUE(WaitUntil([this] { return desktop->DelayedStepDone(); }));
    auto chooser = [this](const FileRequest&) { return answer; };
    auto shower = [this](const QString& text) { messages << text; };
    desktop->Project()->SetFileChooser(chooser);
    desktop->Project()->SetMessageShower(shower);
    desktop->Photograph()->SetFileChooser(chooser);
    desktop->Photograph()->SetMessageShower(shower);
  }
  void TearDown() override {
    desktop.reset();
    DeleteLeftovers();
  }

  void Trigger(const char* item) {
    QAction* action = desktop->Main()->findChild<QAction*>(item);
    ASSERT_NE(action, nullptr) << item;
    action->trigger();
  }

  // The first cutter of the library with a bearing row, whose width limits the fence.
  int BearingCutter() const {
    for (int n = 1; n <= model.CutterCount(); ++n)
      if (model.Cutter(n)->RedWidth > 0 && model.Cutter(n)->RedWidth < 200) return n;
    return 0;
  }

  std::string projectAtStart;
  QTemporaryDir scratch;
  Model model;
  std::unique_ptr<Desktop> desktop;
  QString answer;
  QStringList messages;
};

TEST_F(DesktopProjectTest, OpenReachesEveryWindow) {
  const int bearing = BearingCutter();
  ASSERT_GT(bearing, 1) << "the supplied cutters have no bearing cutter after the first";
  ProfileWindow* profile = desktop->Profile();
  profile->InterlockCheck()->setChecked(true);
  ASSERT_EQ(profile->FenceSlider()->maximum(),
            model.Cutter(1)->RedWidth > 0 ? -model.Cutter(1)->RedWidth : 1000);

  ProjectRecord record;
  record.CurrentCutter = bearing;
  record.StockWidth = 300;
  record.TextureFile = KERF_SOURCE_DIR "/data/textures/oak.jpg";
  record.TextureMap = true;
  record.Cuts = {ProjectCut{40, 30, 3, model.Cutter(bearing)->FileName}};
  record.FaceOnTable = 6;
  const QString path = QDir(scratch.path()).filePath("bearing.ROU");
  ASSERT_EQ(WriteProjectFile(path.toStdString(), record).Error(), "");

  answer = path;
  Trigger("openAction");
  EXPECT_TRUE(messages.isEmpty()) << messages.join("\n").toStdString();
  EXPECT_EQ(desktop->Main()->windowTitle(), "Kerfwright: bearing.ROU[*]");
  EXPECT_EQ(desktop->Report()->windowTitle(), "Report: bearing.ROU");
  EXPECT_TRUE(desktop->Main()->SaveAction()->isEnabled());
  // The loaded cutter is in the box and its bearing limits the fence.
  EXPECT_EQ(desktop->Tools()->findChild<QComboBox*>("cutterBox")->currentData().toInt(), bearing);
  EXPECT_EQ(profile->FenceSlider()->maximum(), -model.Cutter(bearing)->RedWidth);
  EXPECT_EQ(profile->FaceLabel()->text(), "Face against table = 6");
  EXPECT_EQ(desktop->Config()->findChild<QSlider*>("stockHeightSlider")->value(), 300);
  EXPECT_TRUE(desktop->Texture()->findChild<QCheckBox*>("textureMapCheck")->isChecked());
  Raster oak(1, 1);
  ASSERT_EQ(test::TakeValue(DecodeJpegFile(record.TextureFile), oak), "");
  EXPECT_EQ(desktop->Texture()->TexturePicture().Width(), oak.Width());
  EXPECT_EQ(desktop->Texture()->TexturePicture().Pixel(5, 7), oak.Pixel(5, 7));
  EXPECT_EQ(desktop->Texture()->findChild<QLabel*>("texturePicture")->toolTip(),
            "Texture = oak.jpg");
  EXPECT_TRUE(desktop->Pictures().Outline.Closed);
  // The frame loop runs on after the texture was replaced.
  EXPECT_FALSE(desktop->Frames()->Suspended());
  const long long frames = desktop->Frames()->FramesDrawn();
  EXPECT_TRUE(WaitUntil([&] { return desktop->Frames()->FramesDrawn() > frames + 1; }));

  // New makes an untitled project: its name leaves the captions, and Save asks for a name.
  desktop->Config()->findChild<QPushButton*>("newButton")->click();
  EXPECT_EQ(desktop->Main()->windowTitle(), "Kerfwright: Untitled[*]");
  EXPECT_EQ(desktop->Report()->windowTitle(), "Report: Untitled");
  answer.clear();
  Trigger("saveAction");
  EXPECT_FALSE(desktop->Project()->Named());
}

// The Report window after each change of the project, one after the other: always the
// report of the project as it is now, under its name, and Save writes what is shown.
TEST_F(DesktopProjectTest, ReportFollowsEveryChangeOfTheProject) {
  const QString unsafe = KERF_SOURCE_DIR "/data/work/Lipped edge unsafe order.ROU";
  const QString safe = KERF_SOURCE_DIR "/data/work/Lipped edge safe order.ROU";
  auto* grid = desktop->Tools()->findChild<QTableWidget*>("cutGrid");
  ReportWindow* report = desktop->Report();
  const struct {
    const char* what;
    std::function<void()> change;
  } changes[] = {
      {"open", [&] { desktop->Project()->OpenProject(unsafe); }},
      {"move up",
       [&] {
         grid->setCurrentCell(1, 1);
         desktop->Tools()->OnMoveCutUp();
       }},
      {"undo", [&] { Trigger("undoAction"); }},
      {"open another", [&] { desktop->Project()->OpenProject(safe); }},
      {"save as",
       [&] {
         answer = QDir(scratch.path()).filePath("renamed.ROU");
         Trigger("saveAsAction");
       }},
      {"new", [&] { desktop->Config()->findChild<QPushButton*>("newButton")->click(); }},
  };
  Trigger("cutReportAction");
  for (const auto& c : changes) {
    SCOPED_TRACE(c.what);
    c.change();
    ASSERT_TRUE(WaitUntil([&] { return !report->Stale(); }));
    const QString name = QFileInfo(QString::fromStdString(model.ProjectFileName())).fileName();
    EXPECT_EQ(report->windowTitle(), "Report: " + name);
    CutReport now = BuildCutReport(model, MeasureSection(model), "");
    if (now.empty()) now = CutReportHeader(model, "");
    ASSERT_EQ(report->Report().size(), now.size());
    EXPECT_EQ(report->Report()[0].Text.rfind("Cut List report: " + model.ProjectFileName(), 0), 0u);
    for (size_t i = 1; i < now.size(); ++i) EXPECT_EQ(report->Report()[i].Text, now[i].Text) << i;
  }
}

// After Open the project's last cut is selected and the sliders stand at it, whatever row was
// selected before; the picture is zoomed so that the stock fills it.
TEST_F(DesktopProjectTest, OpenSetsTheSlidersToTheLastCutAndZoomsToTheStock) {
  const struct {
    const char* file;
    int fence, height;
    const char* verdict;
  } cases[] = {{"Lipped edge unsafe order.ROU", -25, -25, "Danger"},
               {"Lipped edge safe order.ROU", -25, 150, "Cut OK"}};
  auto* grid = desktop->Tools()->findChild<QTableWidget*>("cutGrid");
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    desktop->Profile()->FenceSlider()->setValue(0);
    desktop->Profile()->HeightSlider()->setValue(0);
    grid->setCurrentCell(0, 1);
    ASSERT_TRUE(desktop->Project()->OpenProject(KERF_SOURCE_DIR "/data/work/" + QString(c.file)));
    EXPECT_EQ(desktop->Tools()->SelectedRow(), 2);
    EXPECT_EQ(desktop->Profile()->FenceSlider()->value(), c.fence);
    EXPECT_EQ(desktop->Profile()->HeightSlider()->value(), c.height);
    EXPECT_EQ(model.ProfileZoom(), 4);  // a 2" x 3/4" stock is small at 1 or 2
    // The verdict is that of the last cut made again: the project's own.
    desktop->Profile()->CutPreview()->Refresh();
    EXPECT_EQ(desktop->Profile()->CutPreview()->VerdictLabel()->text(), c.verdict);
  }
}

TEST_F(DesktopProjectTest, EditedCutIsReplacedAndTheSectionRebuilt) {
  desktop->Profile()->CutButton()->click();
  desktop->Profile()->CutButton()->click();
  const std::vector<int> beforeX = desktop->Pictures().Outline.X;
  const std::vector<int> beforeY = desktop->Pictures().Outline.Y;
  Cut edited = model.CutAt(2);
  edited.Fence = 50;
  edited.Height = -20;
  desktop->Tools()->SetCutEditor([&](const Model&, int) { return std::optional<Cut>(edited); });
  auto* grid = desktop->Tools()->findChild<QTableWidget*>("cutGrid");
  grid->setCurrentCell(1, 1);
  desktop->Tools()->OnEditCut();
  EXPECT_EQ(model.CutAt(2).Fence, 50);
  EXPECT_EQ(model.CutAt(2).Height, -20);
  EXPECT_EQ(grid->item(1, 2)->text(), "1/2\"");
  EXPECT_EQ(desktop->Tools()->SelectedRow(), 2);
  // The section was measured and traced again with the edited cut.
  EXPECT_TRUE(desktop->Pictures().Outline.X != beforeX || desktop->Pictures().Outline.Y != beforeY);
  // One undoable step puts the cut back as it was.
  EXPECT_EQ(desktop->History()->Stack().undoText(), "Edit Cut #2");
  desktop->History()->Stack().undo();
  EXPECT_NE(model.CutAt(2).Fence, 50);
}

TEST_F(DesktopProjectTest, StatusBarTellsOfAPartedSection) {
  // A full-depth groove through a board 2" wide and 1/2" thick leaves two pieces.
  ProjectRecord record;
  record.StockWidth = 50;
  record.StockHeight = 200;
  record.Cuts = {ProjectCut{100, -25, 3, "3-4! Straight.bmp"}};
  record.FaceOnTable = 3;
  const QString path = QDir(scratch.path()).filePath("parted.ROU");
  ASSERT_EQ(WriteProjectFile(path.toStdString(), record).Error(), "");
  ASSERT_NE(model.FindCutter("3-4! Straight.bmp"), 0);

  answer = path;
  Trigger("openAction");
  EXPECT_TRUE(messages.isEmpty()) << messages.join("\n").toStdString();
  QLabel* status = desktop->Main()->StatusMessage();
  EXPECT_EQ(status->text(),
            "The section has fallen into 2 pieces; the moulding shows the largest.");
  EXPECT_TRUE(desktop->Pictures().Outline.Closed);

  // A whole stock again: the message goes.
  desktop->Config()->findChild<QPushButton*>("newButton")->click();
  EXPECT_EQ(status->text(), desktop->LibraryStatus());
}

TEST_F(DesktopProjectTest, PhotographHasTheSizeOfTheView) {
  ViewPanel* view = desktop->Main()->View();
  ASSERT_TRUE(WaitUntil([&] { return desktop->Frames()->FramesDrawn() >= 2; }));
  if (!view->MakeCurrent()) GTEST_SKIP() << "no OpenGL";
  answer = QDir(scratch.path()).filePath("MyPhoto.BMP");
  Trigger("photographAction");
  EXPECT_TRUE(messages.isEmpty()) << messages.join("\n").toStdString();
  Raster photo(1, 1);
  ASSERT_EQ(test::TakeValue(LoadPicture(answer.toStdString()), photo), "");
  EXPECT_EQ(photo.Width(), view->Width());
  EXPECT_EQ(photo.Height(), view->Height());
  EXPECT_FALSE(desktop->Frames()->Suspended());
}

class DesktopCommandLineTest : public DesktopProjectTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder.isValid());
    const QString path = QDir(folder.path()).filePath("start.ROU");
    ProjectRecord record;
    record.StockHeight = 450;
    record.Cuts = {ProjectCut{100, 20, 3, "no such cutter.bmp"}};
    ASSERT_EQ(WriteProjectFile(path.toStdString(), record).Error(), "");
    projectAtStart = path.toStdString();
    DesktopProjectTest::SetUp();
  }
  QTemporaryDir folder;
};

TEST_F(DesktopCommandLineTest, ProjectNamedOnTheCommandLineIsOpened) {
  EXPECT_EQ(model.ProjectFileName(), projectAtStart);
  EXPECT_EQ(desktop->Main()->windowTitle(), "Kerfwright: start.ROU[*]");
  EXPECT_EQ(model.StockHeight(), 450);
  ASSERT_EQ(model.CutCount(), 1);
  EXPECT_EQ(model.CutAt(1).Cutter, 0);
  EXPECT_TRUE(desktop->Main()->SaveAction()->isEnabled());
  // The missing cutter is named among the start-up messages, which hold nothing up.
  ASSERT_EQ(messages.size(), 1);
  EXPECT_TRUE(messages[0].contains("no such cutter.bmp")) << messages[0].toStdString();
}

}  // namespace
}  // namespace kerf
