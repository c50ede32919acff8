// Config window: the size boxes, unit switching of every length text, New, and F1 in every window.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>

#include "desktop/StockSizeDialog.h"
#include "desktop/TextureWindow.h"
#include "desktop/ToolsWindow.h"
#include "desktop/ViewControlsWindow.h"
#include "model/Model.h"
#include "support/SetupFixtures.h"

namespace kerf {
namespace {

using testing::AddCut;
using testing::Find;
using testing::GridRows;
using testing::GridText;

class StockSizeDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    model.SetCutterLibrary(testing::SmallCutterLibrary(2));
    // The owner's part: the grid follows New and the unit.
    QObject::connect(&config, &StockSizeDialog::newWorkpiece, &tools, &ToolsWindow::RefreshCutGrid);
    QObject::connect(&config, &StockSizeDialog::unitChanged, &tools, &ToolsWindow::RefreshCutGrid);
    tools.Populate();
    config.StartWithNewWorkpiece();
  }

  QString Text(const char* name) const {
    if (auto* label = config.findChild<QLabel*>(name)) return label->text();
    return Find<QLineEdit>(config, name)->text();
  }
  QSlider* Slider(const char* name) { return Find<QSlider>(config, name); }

  Model model;
  Section section;  // no measuring pass yet
  ToolsWindow tools{model, section};
  StockSizeDialog config{model};
};

TEST_F(StockSizeDialogTest, CreationStartsTheDefaultWorkpiece) {
  EXPECT_EQ(model.StockWidth(), 200);
  EXPECT_EQ(model.StockHeight(), 200);
  EXPECT_EQ(model.FaceOnTable(), 3);
  EXPECT_EQ(Text("stockWidthLabel"), "Width (\")");
  EXPECT_EQ(Text("stockHeightLabel"), "Height (\")");
  EXPECT_EQ(Text("stockHeightBox"), "2\"");
  EXPECT_EQ(Text("stockWidthBox"), "2\"");
}

TEST_F(StockSizeDialogTest, SliderShowsTheSizeButLeavesTheStockUntilNew) {
  QSignalSpy created(&config, &StockSizeDialog::newWorkpiece);
  Slider("stockHeightSlider")->setValue(350);
  Slider("stockWidthSlider")->setValue(125);
  EXPECT_EQ(Text("stockHeightBox"), "3 1/2\"");
  EXPECT_EQ(Text("stockWidthBox"), "1 1/4\"");
  EXPECT_EQ(model.StockWidth(), 200);
  EXPECT_EQ(model.StockHeight(), 200);
  EXPECT_EQ(created.count(), 0);

  Find<QPushButton>(config, "newButton")->click();
  EXPECT_EQ(model.StockWidth(), 350);
  EXPECT_EQ(model.StockHeight(), 125);
  EXPECT_EQ(created.count(), 1);
}

TEST_F(StockSizeDialogTest, SlidersHoldStoredSizesWithinRange) {
  config.SetStockSliders(20, 1500);
  EXPECT_EQ(Slider("stockHeightSlider")->value(), 50);
  EXPECT_EQ(Slider("stockWidthSlider")->value(), 1000);
  EXPECT_EQ(Text("stockHeightBox"), "1/2\"");
  EXPECT_EQ(Text("stockWidthBox"), "10\"");
}

TEST_F(StockSizeDialogTest, MetricRelabelsAndReformatsEveryLengthText) {
  AddCut(model, 200, 100, 3, 1);
  tools.RefreshCutGrid();
  QSignalSpy unit(&config, &StockSizeDialog::unitChanged);

  QTest::mouseClick(Find<QRadioButton>(config, "metricButton"), Qt::LeftButton);
  EXPECT_EQ(model.Unit(), LengthUnit::Metric);
  EXPECT_EQ(unit.count(), 1);
  EXPECT_EQ(Text("stockWidthLabel"), "Width (mm)");
  EXPECT_EQ(Text("stockHeightLabel"), "Height (mm)");
  EXPECT_EQ(Text("stockHeightBox"), "51mm");
  EXPECT_EQ(Text("stockWidthBox"), "51mm");
  EXPECT_EQ(GridText(tools, 1, 2), "51mm");
  EXPECT_EQ(GridText(tools, 1, 3), "25mm");
  EXPECT_EQ(model.StockWidth(), 200);
  EXPECT_EQ(model.StockHeight(), 200);

  QTest::mouseClick(Find<QRadioButton>(config, "imperialButton"), Qt::LeftButton);
  EXPECT_EQ(model.Unit(), LengthUnit::Imperial);
  EXPECT_EQ(Text("stockWidthLabel"), "Width (\")");
  EXPECT_EQ(Text("stockHeightBox"), "2\"");
  EXPECT_EQ(GridText(tools, 1, 2), "2\"");
}

TEST_F(StockSizeDialogTest, NewWithFiveCutsStartsAfresh) {
  for (int i = 1; i <= 5; ++i) AddCut(model, 10 * i, 20, 1 + i % 8, 2);
  model.ZoomIn();
  model.ZoomIn();
  model.SetWoodSwatch(MakeColour(1, 2, 3));
  model.SetProjectFileName("/tmp/kept.ROU");
  tools.RefreshCutGrid();
  ASSERT_EQ(GridRows(tools), 5);

  Find<QPushButton>(config, "newButton")->click();
  EXPECT_EQ(model.CutCount(), 0);
  EXPECT_EQ(model.FaceOnTable(), 3);
  EXPECT_EQ(model.ProfileZoom(), 1);
  EXPECT_EQ(GridRows(tools), 1);
  EXPECT_EQ(GridText(tools, 1, 0), "");
  // New leaves the cutter and the colour alone; the project is untitled.
  EXPECT_EQ(model.CurrentCutter(), 2);
  EXPECT_EQ(model.WoodSwatch(), MakeColour(1, 2, 3));
  EXPECT_EQ(model.ProjectFileName(), "Untitled");
}

}  // namespace
}  // namespace kerf
