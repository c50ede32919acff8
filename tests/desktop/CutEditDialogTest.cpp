// Cut edit dialog: lengths typed as text in either unit, refusals with a message, the cutter box;
// and the Tools window's Edit button and double click.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>

#include "desktop/CutEditDialog.h"
#include "desktop/ToolsWindow.h"
#include "model/Model.h"
#include "support/SetupFixtures.h"

namespace kerf {
namespace {

using testing::AddCut;
using testing::Find;

class CutEditDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    model.SetCutterLibrary(testing::SmallCutterLibrary(3));
    model.NewWorkpiece(200, 200);
    AddCut(model, 13, -25, 5, 2);  // 0.13" shows as 1/8": rounded text
  }

  // Types into the dialog's fields and presses OK; returns whether the dialog closed.
  bool TypeAndAccept(CutEditDialog& dialog, const char* fence, const char* height) {
    if (fence) Find<QLineEdit>(dialog, "fenceEdit")->setText(fence);
    if (height) Find<QLineEdit>(dialog, "heightEdit")->setText(height);
    dialog.SetMessageShower([this](const QString& text) { messages << text; });
    dialog.accept();
    return dialog.result() == QDialog::Accepted;
  }

  Model model;
  QStringList messages;
};

struct TypedField {
  const char* text;
  LengthUnit unit;
  bool accepted;
  int32_t fence;  // hundredths, when accepted
};

class TypedFences : public CutEditDialogTest, public ::testing::WithParamInterface<TypedField> {};

TEST_P(TypedFences, AcceptsLengthsAndRefusesOtherText) {
  const TypedField& c = GetParam();
  model.SetUnit(c.unit);
  CutEditDialog dialog(model, 1);
  EXPECT_EQ(TypeAndAccept(dialog, c.text, nullptr), c.accepted) << c.text;
  if (c.accepted) {
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(dialog.EditedCut().Fence, c.fence);
    EXPECT_EQ(dialog.EditedCut().Height, -25);
  } else {
    // One message, naming the field and the text it could not use.
    ASSERT_EQ(messages.size(), 1) << c.text;
    EXPECT_TRUE(messages[0].contains("fence")) << messages[0].toStdString();
    EXPECT_TRUE(messages[0].contains(QString("\"%1\"").arg(c.text))) << messages[0].toStdString();
  }
}

INSTANTIATE_TEST_SUITE_P(
    Dialog, TypedFences,
    ::testing::Values(TypedField{"3/4", LengthUnit::Imperial, true, 75},
                      TypedField{"0.75", LengthUnit::Imperial, true, 75},
                      TypedField{"19mm", LengthUnit::Imperial, true, 75},
                      TypedField{"19", LengthUnit::Metric, true, 75},
                      TypedField{"-1 1/2\"", LengthUnit::Metric, true, -150},
                      TypedField{"10", LengthUnit::Imperial, true, 1000},
                      TypedField{"three", LengthUnit::Imperial, false, 0},
                      TypedField{"3/4 <b>x</b>", LengthUnit::Imperial, false, 0},
                      TypedField{"", LengthUnit::Imperial, false, 0},
                      TypedField{"10 1/64", LengthUnit::Imperial, false, 0},  // past the fence
                      TypedField{"-51mm", LengthUnit::Metric, false, 0}));

TEST_F(CutEditDialogTest, OkWithoutChangesKeepsTheCutExactly) {
  CutEditDialog dialog(model, 1);
  EXPECT_EQ(dialog.windowTitle(), "Edit Cut #1");
  EXPECT_EQ(Find<QLineEdit>(dialog, "fenceEdit")->text(), "1/8\"");
  EXPECT_EQ(Find<QLineEdit>(dialog, "heightEdit")->text(), "-1/4\"");
  EXPECT_EQ(Find<QSpinBox>(dialog, "faceBox")->value(), 5);
  EXPECT_EQ(Find<QComboBox>(dialog, "cutterBox")->currentText(), "Cutter 2");
  ASSERT_TRUE(TypeAndAccept(dialog, nullptr, nullptr));
  const Cut& cut = dialog.EditedCut();
  EXPECT_EQ(cut.Fence, 13);  // not the 64th the field showed
  EXPECT_EQ(cut.Height, -25);
  EXPECT_EQ(cut.Face, 5);
  EXPECT_EQ(cut.Cutter, 2);
  EXPECT_EQ(cut.CutterFileName, "cutter2.bmp");
}

TEST_F(CutEditDialogTest, HeightOutsideTheSliderIsRefusedAndTheDialogStaysOpen) {
  CutEditDialog dialog(model, 1);
  EXPECT_FALSE(TypeAndAccept(dialog, "1", "6"));
  ASSERT_EQ(messages.size(), 1);
  EXPECT_EQ(messages[0], "The height \"6\" is outside the range -5\" to 5\".");
  messages.clear();
  EXPECT_TRUE(TypeAndAccept(dialog, nullptr, "5"));
  EXPECT_EQ(dialog.EditedCut().Fence, 100);
  EXPECT_EQ(dialog.EditedCut().Height, 500);
}

TEST_F(CutEditDialogTest, CutterFaceAndAMissingCutterKeptAsItWas) {
  Cut missing = model.CutAt(1);
  missing.Cutter = 0;
  missing.CutterFileName = "Ogee <1>.bmp";
  model.ReplaceCut(1, missing);
  {
    CutEditDialog dialog(model, 1);
    auto* box = Find<QComboBox>(dialog, "cutterBox");
    ASSERT_EQ(box->count(), 4);
    EXPECT_EQ(box->currentText(), "Ogee <1>.bmp (missing)");
    ASSERT_TRUE(TypeAndAccept(dialog, nullptr, nullptr));
    EXPECT_EQ(dialog.EditedCut().Cutter, 0);
    EXPECT_EQ(dialog.EditedCut().CutterFileName, "Ogee <1>.bmp");
  }
  CutEditDialog dialog(model, 1);
  Find<QComboBox>(dialog, "cutterBox")->setCurrentIndex(3);
  Find<QSpinBox>(dialog, "faceBox")->setValue(8);
  ASSERT_TRUE(TypeAndAccept(dialog, nullptr, nullptr));
  EXPECT_EQ(dialog.EditedCut().Cutter, 3);
  EXPECT_EQ(dialog.EditedCut().CutterFileName, "cutter3.bmp");
  EXPECT_EQ(dialog.EditedCut().Face, 8);
}

class ToolsWindowEditTest : public ::testing::Test {
 protected:
  void SetUp() override {
    model.SetCutterLibrary(testing::SmallCutterLibrary(3));
    model.NewWorkpiece(200, 200);
    tools.SetCutEditor([this](const Model&, int row) -> std::optional<Cut> {
      askedRows.push_back(row);
      return answer;
    });
    tools.Populate();
  }
  Model model;
  Section section;  // no measuring pass yet
  ToolsWindow tools{model, section};
  std::vector<int> askedRows;
  std::optional<Cut> answer;
};

TEST_F(ToolsWindowEditTest, DoubleClickEditsThatCutAndCancelChangesNothing) {
  for (int i = 1; i <= 3; ++i) AddCut(model, 100 * i, 0, 3, 1);
  tools.RefreshCutGrid();
  tools.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&tools));
  QSignalSpy requested(&tools, &ToolsWindow::cutEditRequested);
  auto* grid = Find<QTableWidget>(tools, "cutGrid");
  const QPoint cell = grid->visualItemRect(grid->item(1, 2)).center();
  // A double click, as the window system sends it: press, release, then the double click.
  QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell);
  QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cell);
  EXPECT_EQ(askedRows, std::vector<int>{2});
  EXPECT_EQ(requested.count(), 0);  // cancelled

  Cut edited = model.CutAt(2);
  edited.Fence = 75;
  answer = edited;
  Find<QToolButton>(tools, "editCutButton")->click();
  ASSERT_EQ(requested.count(), 1);
  EXPECT_EQ(requested[0][0].toInt(), 2);
  EXPECT_EQ(requested[0][1].value<Cut>().Fence, 75);
  EXPECT_EQ(model.CutAt(2).Fence, 200);  // the owner applies it
}

TEST_F(ToolsWindowEditTest, EditWithoutCutsAsksNothing) {
  QSignalSpy requested(&tools, &ToolsWindow::cutEditRequested);
  Find<QToolButton>(tools, "editCutButton")->click();
  EXPECT_TRUE(askedRows.empty());
  EXPECT_EQ(requested.count(), 0);
}

}  // namespace
}  // namespace kerf
