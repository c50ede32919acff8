// Tools window: the cut grid after cuts, deletes and moves, the cutter box, the colour swatches.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include "desktop/ColourSwatch.h"
#include "desktop/ToolsWindow.h"
#include "model/Model.h"
#include "support/SetupFixtures.h"

namespace kerf {
namespace {

using testing::AddCut;
using testing::Find;
using testing::GridRows;
using testing::GridText;

class ToolsWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    model.SetCutterLibrary(testing::SmallCutterLibrary(4));
    model.NewWorkpiece(200, 200);
    // The owner's part of an edit: the grid is refilled after every change of the list.
    QObject::connect(&tools, &ToolsWindow::cutListChanged, &tools, &ToolsWindow::RefreshCutGrid);
    tools.Populate();
  }

  // Four cuts told apart by their fences 100, 200, 300, 400 and their cutters 1..4.
  void FourCuts() {
    for (int i = 1; i <= 4; ++i) AddCut(model, 100 * i, 10 * i, i, i);
    model.SetCurrentCutter(1);
    tools.RefreshCutGrid();
  }

  void Select(int gridRow) { Find<QTableWidget>(tools, "cutGrid")->setCurrentCell(gridRow - 1, 1); }
  void Press(const char* button) { Find<QToolButton>(tools, button)->click(); }

  // The fences of the cut list in order, in hundreds (the cut's original number).
  std::vector<int> Order() const {
    std::vector<int> order;
    for (int i = 1; i <= model.CutCount(); ++i) order.push_back(model.CutAt(i).Fence / 100);
    return order;
  }

  Model model;
  Section section;  // the measuring pass the grid shows
  ToolsWindow tools{model, section};
};

TEST_F(ToolsWindowTest, EmptyListShowsHeadingsAndOneEmptyRow) {
  const auto* grid = Find<QTableWidget>(tools, "cutGrid");
  EXPECT_EQ(grid->columnCount(), 6);
  const char* headings[] = {"", "Cutter", "Fence", "Height", "Face", "Verdict"};
  const int widths[] = {30, 143, 50, 50, 40, 56};
  for (int c = 0; c < 6; ++c) {
    EXPECT_EQ(grid->horizontalHeaderItem(c)->text(), headings[c]);
    // The length and verdict columns may be wider, so that the desktop's type fits them.
    if (c == 2 || c == 3 || c == 5) {
      EXPECT_GE(grid->columnWidth(c), widths[c]);
    } else {
      EXPECT_EQ(grid->columnWidth(c), widths[c]);
    }
  }
  ASSERT_EQ(GridRows(tools), 1);
  for (int c = 0; c < 6; ++c) EXPECT_EQ(GridText(tools, 1, c), "") << c;
  EXPECT_FALSE(grid->isSortingEnabled());
  EXPECT_EQ(grid->editTriggers(), QAbstractItemView::NoEditTriggers);
}

TEST_F(ToolsWindowTest, GridShowsEveryCutWithItsSettings) {
  AddCut(model, 150, -25, 3, 2);
  AddCut(model, 0, 350, 7, 4);
  tools.RefreshCutGrid();
  ASSERT_EQ(GridRows(tools), 2);
  const QStringList row1 = {"1", "Cutter 2", "1 1/2\"", "-1/4\"", "3"};
  const QStringList row2 = {"2", "Cutter 4", "0\"", "3 1/2\"", "7"};
  for (int c = 0; c < 5; ++c) {
    EXPECT_EQ(GridText(tools, 1, c), row1[c]) << c;
    EXPECT_EQ(GridText(tools, 2, c), row2[c]) << c;
  }
}

TEST_F(ToolsWindowTest, MetricGridShowsMillimetres) {
  AddCut(model, 200, 100, 3, 1);
  model.SetUnit(LengthUnit::Metric);
  tools.RefreshCutGrid();
  EXPECT_EQ(GridText(tools, 1, 2), "51mm");
  EXPECT_EQ(GridText(tools, 1, 3), "25mm");
}

TEST_F(ToolsWindowTest, MissingCutterShowsItsStoredFileName) {
  AddCut(model, 100, 10, 3, 1);
  Cut missing = model.CutAt(1);
  missing.Cutter = 0;
  missing.CutterFileName = "Ogee 1%2.bmp";
  model.ReplaceCut(1, missing);
  tools.RefreshCutGrid();
  EXPECT_EQ(GridText(tools, 1, 1), "Ogee 1%2.bmp (missing)");
}

TEST_F(ToolsWindowTest, LongMissingCutterNameIsShownWhole) {
  AddCut(model, 100, 10, 3, 1);
  AddCut(model, 50, 10, 3, 2);
  tools.RefreshCutGrid();
  tools.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&tools));
  Cut missing = model.CutAt(1);
  missing.Cutter = 0;
  missing.CutterFileName = "5-32! Roman Ogee with Fillet and Bead 1@25 Radius.bmp";
  model.ReplaceCut(1, missing);
  tools.RefreshCutGrid();
  auto* grid = Find<QTableWidget>(tools, "cutGrid");
  EXPECT_GT(tools.width(), 337);  // the panel grows with its grid
  const QString text = GridText(tools, 1, 1);
  EXPECT_GE(grid->columnWidth(1), QFontMetrics(grid->font()).horizontalAdvance(text))
      << text.toStdString();
  // Every column lies inside the grid: nothing is pushed out of sight.
  const int last = grid->columnCount() - 1;
  EXPECT_LE(grid->columnViewportPosition(last) + grid->columnWidth(last),
            grid->viewport()->width());

  // Once the cut is gone the column is back to its usual width.
  Select(1);
  Press("deleteCutButton");
  EXPECT_EQ(grid->columnWidth(1), 143);
}

// After Cut the grid gets the new cuts' rows only; it then reads as a grid filled afresh, and
// the selection stays where it was.
TEST(ToolsWindowAppend, AppendedCutsGetRowsThatReadAsARefilledGrid) {
  struct Case {
    const char* what;
    int before, selected, appended;
    bool missingCutter;  // the last cut's cutter is missing, under a long file name
  };
  const Case cases[] = {{"the empty row becomes the first cut", 0, 1, 1, false},
                        {"one cut under three", 3, 2, 1, false},
                        {"a long cutter name widens its column", 2, 1, 2, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Model model;
    model.SetCutterLibrary(testing::SmallCutterLibrary(4));
    model.NewWorkpiece(200, 200);
    const Section section;
    ToolsWindow appended(model, section), refilled(model, section);
    for (int i = 1; i <= c.before; ++i) AddCut(model, 100 * i, 10 * i, 3, i);
    appended.Populate();
    auto* grid = Find<QTableWidget>(appended, "cutGrid");
    grid->setCurrentCell(c.selected - 1, 2);
    for (int i = 1; i <= c.appended; ++i) AddCut(model, 50 * i, -10 * i, 2, 4);
    if (c.missingCutter) {
      Cut missing = model.CutAt(model.CutCount());
      missing.Cutter = 0;
      missing.CutterFileName = "5-32! Roman Ogee with Fillet and Bead 1@25 Radius.bmp";
      model.ReplaceCut(model.CutCount(), missing);
    }
    appended.AppendCutRows();
    refilled.Populate();
    const auto* whole = Find<QTableWidget>(refilled, "cutGrid");
    ASSERT_EQ(grid->rowCount(), model.CutCount());
    EXPECT_EQ(grid->currentRow(), c.selected - 1);
    EXPECT_EQ(grid->currentColumn(), 2);
    for (int column = 0; column < ToolsWindow::GridColumns; ++column) {
      EXPECT_EQ(grid->columnWidth(column), whole->columnWidth(column)) << column;
      for (int row = 0; row < grid->rowCount(); ++row) {
        const QTableWidgetItem* item = grid->item(row, column);
        const QTableWidgetItem* expected = whole->item(row, column);
        ASSERT_NE(item, nullptr) << row << "," << column;
        EXPECT_EQ(item->text(), expected->text()) << row << "," << column;
        EXPECT_EQ(item->toolTip(), expected->toolTip()) << row << "," << column;
        EXPECT_EQ(item->background(), expected->background()) << row << "," << column;
      }
    }
  }
}

struct VerdictRow {
  float fenceAfter, tableAfter;
  bool shankBlocked;
  int face;
  const char* verdict;
  QColor ground;  // the row's ground; invalid for the grid's own
  const char* faceWords;
};

TEST_F(ToolsWindowTest, RowsShowTheirVerdictInTheReportsColours) {
  const VerdictRow rows[] = {
      {100, 100, false, 3, "Cut OK", QColor(), "Face 3 on the table, face 2 against the fence"},
      {50, 50, false, 7, "Cut OK", QColor(), "Face 1 on the table, face 2 against the fence"},
      {49.9f, 90, false, 1, "Caution", QColor(255, 255, 0),
       "Face 1 on the table, face 4 against the fence"},
      {90, 19.9f, false, 8, "Danger", QColor(255, 0, 0),
       "Face 4 on the table, face 1 against the fence"},
      // Plenty left to bear on, but no bit on a shank can reach the cut.
      {100, 100, true, 2, "Danger", QColor(255, 0, 0),
       "Face 2 on the table, face 1 against the fence"},
  };
  for (const VerdictRow& r : rows) {
    AddCut(model, 50, 10, r.face, 1);
    CutFigures f;
    f.FenceAfter = r.fenceAfter;
    f.TableAfter = r.tableAfter;
    f.ShankBlocked = r.shankBlocked;
    section.Cuts.push_back({f, JudgeCutOnTable(f)});
  }
  tools.RefreshCutGrid();
  const auto* grid = Find<QTableWidget>(tools, "cutGrid");
  for (int row = 1; row <= 5; ++row) {
    const VerdictRow& r = rows[row - 1];
    EXPECT_EQ(GridText(tools, row, 5), r.verdict) << row;
    EXPECT_EQ(grid->item(row - 1, 4)->toolTip(), r.faceWords) << row;
    for (int column = 1; column <= 5; ++column) {
      const QTableWidgetItem* item = grid->item(row - 1, column);
      if (r.ground.isValid()) {
        EXPECT_EQ(item->background().color(), r.ground) << row << "," << column;
        EXPECT_EQ(item->foreground().color(), QColor(Qt::black)) << row << "," << column;
      } else {
        EXPECT_EQ(item->background().style(), Qt::NoBrush) << row << "," << column;
      }
    }
  }
  EXPECT_NE(grid->item(4, 5)->toolTip().indexOf("the shank passes through the stock"), -1);
  EXPECT_NE(grid->item(3, 5)->toolTip().indexOf("Table 20%, fence 90% left"), -1);

  // A row whose cut became safe, then the empty row, lose the colours and words.
  model.ReplaceCut(4, model.CutAt(1));
  section.Cuts[3] = section.Cuts[0];
  tools.RefreshCutGrid();
  EXPECT_EQ(GridText(tools, 4, 5), "Cut OK");
  EXPECT_EQ(grid->item(3, 2)->background().style(), Qt::NoBrush);
  EXPECT_EQ(grid->item(3, 2)->foreground().style(), Qt::NoBrush);
  model.NewWorkpiece(200, 200);
  tools.RefreshCutGrid();
  EXPECT_EQ(GridText(tools, 1, 5), "");
  EXPECT_EQ(grid->item(0, 5)->background().style(), Qt::NoBrush);
  EXPECT_EQ(grid->item(0, 4)->toolTip(), "");
}

struct EditCase {
  const char* what;
  const char* button;
  int selectedRow;
  std::vector<int> order;  // cut list afterwards, by original number
  bool changes;
  int selectedAfter;  // a moved cut takes the selection with it
};

class CutListEdits : public ToolsWindowTest, public ::testing::WithParamInterface<EditCase> {};

TEST_P(CutListEdits, EditsTheListAndRenumbersTheGrid) {
  const EditCase& c = GetParam();
  FourCuts();
  QSignalSpy changed(&tools, &ToolsWindow::cutListChanged);
  Select(c.selectedRow);
  Press(c.button);
  EXPECT_EQ(Order(), c.order);
  EXPECT_EQ(changed.count(), c.changes ? 1 : 0);
  // Every cut keeps its four settings; the grid numbers the rows afresh.
  ASSERT_EQ(GridRows(tools), model.CutCount());
  for (int row = 1; row <= model.CutCount(); ++row) {
    const int original = c.order[row - 1];
    EXPECT_EQ(model.CutAt(row).Height, 10 * original);
    EXPECT_EQ(model.CutAt(row).Face, original);
    EXPECT_EQ(model.CutAt(row).Cutter, original);
    EXPECT_EQ(GridText(tools, row, 0), QString::number(row));
    EXPECT_EQ(GridText(tools, row, 1), QString("Cutter %1").arg(original));
    EXPECT_EQ(GridText(tools, row, 4), QString::number(original));
  }
  EXPECT_EQ(tools.SelectedRow(), c.selectedAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Tools, CutListEdits,
    ::testing::Values(EditCase{"DeleteSecond", "deleteCutButton", 2, {1, 3, 4}, true, 2},
                      EditCase{"DeleteFirst", "deleteCutButton", 1, {2, 3, 4}, true, 1},
                      EditCase{"DeleteLast", "deleteCutButton", 4, {1, 2, 3}, true, 3},
                      EditCase{"UpThird", "moveCutUpButton", 3, {1, 3, 2, 4}, true, 2},
                      EditCase{"UpFirst", "moveCutUpButton", 1, {1, 2, 3, 4}, false, 1},
                      EditCase{"DownSecond", "moveCutDownButton", 2, {1, 3, 2, 4}, true, 3},
                      EditCase{"DownLast", "moveCutDownButton", 4, {1, 2, 3, 4}, false, 4}),
    [](const auto& info) { return std::string(info.param.what); });

TEST_F(ToolsWindowTest, RepeatedMovesCarryTheCutAlong) {
  FourCuts();
  Select(4);
  Press("moveCutUpButton");
  Press("moveCutUpButton");
  EXPECT_EQ(Order(), (std::vector<int>{1, 4, 2, 3}));
  EXPECT_EQ(tools.SelectedRow(), 2);
  Press("moveCutDownButton");
  Press("moveCutDownButton");
  Press("moveCutDownButton");  // already last: stays there
  EXPECT_EQ(Order(), (std::vector<int>{1, 2, 3, 4}));
  EXPECT_EQ(tools.SelectedRow(), 4);
}

TEST_F(ToolsWindowTest, DeletingTheOnlyCutLeavesTheEmptyGrid) {
  AddCut(model, 100, 10, 3, 1);
  tools.RefreshCutGrid();
  Select(1);
  Press("deleteCutButton");
  EXPECT_EQ(model.CutCount(), 0);
  ASSERT_EQ(GridRows(tools), 1);
  EXPECT_EQ(GridText(tools, 1, 1), "");
  // Nothing left to delete: the button does nothing.
  QSignalSpy changed(&tools, &ToolsWindow::cutListChanged);
  Press("deleteCutButton");
  EXPECT_EQ(changed.count(), 0);
}

TEST_F(ToolsWindowTest, RepeatedDeletesFollowTheSelectionToTheLastRow) {
  FourCuts();
  Select(4);
  Press("deleteCutButton");
  Press("deleteCutButton");
  EXPECT_EQ(Order(), (std::vector<int>{1, 2}));
}

TEST_F(ToolsWindowTest, ClickedCellsChooseTheRowToEdit) {
  FourCuts();
  auto* grid = Find<QTableWidget>(tools, "cutGrid");
  tools.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&tools));
  // A cutter cell of row 2, then the number cell of row 3.
  QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                    grid->visualItemRect(grid->item(1, 1)).center());
  EXPECT_EQ(tools.SelectedRow(), 2);
  QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                    grid->visualItemRect(grid->item(2, 0)).center());
  EXPECT_EQ(tools.SelectedRow(), 3);
  Press("deleteCutButton");
  EXPECT_EQ(Order(), (std::vector<int>{1, 2, 4}));
}

TEST_F(ToolsWindowTest, ChoosingTheThirdCutterMakesItCurrent) {
  auto* box = Find<QComboBox>(tools, "cutterBox");
  ASSERT_EQ(box->count(), 4);
  EXPECT_EQ(box->itemText(2), "Cutter 3");
  EXPECT_EQ(box->currentIndex(), 0);
  QSignalSpy changed(&tools, &ToolsWindow::cutterChanged);
  box->setCurrentIndex(2);
  EXPECT_EQ(model.CurrentCutter(), 3);
  EXPECT_EQ(changed.count(), 1);
}

TEST(ToolsWindowLibrary, ASingleCutterIsListed) {
  Model model;
  model.SetCutterLibrary(testing::SmallCutterLibrary(1));
  Section section;  // no measuring pass yet
  ToolsWindow tools(model, section);
  tools.Populate();
  auto* box = Find<QComboBox>(tools, "cutterBox");
  ASSERT_EQ(box->count(), 1);
  EXPECT_EQ(box->currentText(), "Cutter 1");
}

TEST_F(ToolsWindowTest, WoodSwatchSetsTheWoodColourOnlyWhenConfirmed) {
  auto* swatch = Find<ColourSwatch>(tools, "woodSwatch");
  EXPECT_EQ(FromQColor(swatch->Colour()), DefaultWoodColour);
  QColor offered;
  std::optional<QColor> answer;
  tools.SetColourChooser([&](const QColor& initial) {
    offered = initial;
    return answer;
  });

  QTest::mouseClick(swatch, Qt::RightButton);  // any button opens the dialog
  EXPECT_EQ(offered, QColor(225, 123, 11));
  EXPECT_EQ(model.WoodSwatch(), DefaultWoodColour);

  answer = QColor(10, 20, 255);
  QTest::mouseClick(swatch, Qt::LeftButton);
  EXPECT_EQ(model.WoodSwatch(), MakeColour(10, 20, 255));
  EXPECT_FLOAT_EQ(model.WoodColour()[2], 1.0f);
  EXPECT_FLOAT_EQ(model.WoodColour()[3], 1.0f);
  EXPECT_EQ(swatch->Colour(), QColor(10, 20, 255));
}

TEST_F(ToolsWindowTest, BackgroundSwatchAnnouncesTheNewClearColour) {
  auto* swatch = Find<ColourSwatch>(tools, "backgroundSwatch");
  QSignalSpy changed(&tools, &ToolsWindow::backgroundColourChanged);
  tools.SetColourChooser([](const QColor&) { return std::optional<QColor>(); });
  QTest::mouseClick(swatch, Qt::LeftButton);
  EXPECT_EQ(changed.count(), 0);
  tools.SetColourChooser([](const QColor&) { return std::optional<QColor>(QColor(0, 0, 128)); });
  QTest::mouseClick(swatch, Qt::LeftButton);
  EXPECT_EQ(changed.count(), 1);
  EXPECT_EQ(model.BackgroundSwatch(), MakeColour(0, 0, 128));
  EXPECT_EQ(model.WoodSwatch(), DefaultWoodColour);
}

}  // namespace
}  // namespace kerf
