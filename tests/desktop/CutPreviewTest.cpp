// The Profile window's verdict before Cut, its face words and the face numbers on the picture.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QToolButton>

#include "desktop/CutPreviewPanel.h"
#include "desktop/FaceNumbers.h"
#include "desktop/ProfileWindow.h"
#include "model/CutVerdict.h"
#include "model/SectionRenderer.h"
#include "support/SetupFixtures.h"

namespace kerf {
namespace {

using testing::Find;

// A 1/2" straight bit an inch long, and a slot cutter 1 1/2" across and 1/4" thick.
std::vector<Tool> Cutters() {
  std::vector<Tool> tools(2);
  tools[0].Name = "Straight";
  tools[0].FileName = "straight.bmp";
  tools[0].RowCount = 100;
  tools[1].Name = "Slot";
  tools[1].FileName = "slot.bmp";
  tools[1].RowCount = 25;
  for (int l = 1; l <= 100; ++l) tools[0].Profile[static_cast<size_t>(l)] = 25;
  for (int l = 1; l <= 25; ++l) tools[1].Profile[static_cast<size_t>(l)] = 75;
  return tools;
}

class CutPreviewTest : public ::testing::Test {
 protected:
  CutPreviewTest() {
    model.SetCutterLibrary(Cutters());
    model.NewWorkpiece(200, 200);
    window.UpdateFaceLabel();
  }

  // The verdict as the panel shows it once the event loop has had its turn.
  QString Shown() {
    QCoreApplication::processEvents();
    return Find<QLabel>(window, "verdictLabel")->text();
  }
  QString Bearing() { return Find<QLabel>(window, "bearingLabel")->text(); }
  QString Problem() { return Find<QLabel>(window, "cutProblemLabel")->text(); }
  void Set(int fence, int height) {
    window.FenceSlider()->setValue(fence);
    window.HeightSlider()->setValue(height);
  }

  Model model;
  ProfileWindow window{model};
};

struct PreviewCase {
  const char* what;
  int cutter, fence, height;
  const char* verdict;
  const char* bearing;
  const char* problem;
};

TEST_F(CutPreviewTest, ShowsTheVerdictOfTheCutAtTheSliders) {
  const PreviewCase cases[] = {
      {"in the air", 1, -100, 0, "Cut OK", "Table 100%, fence 100% left", ""},
      {"a rebate", 1, -13, 0, "Cut OK", "Table 95%, fence 51% left", ""},
      {"a slot leaving a quarter of the table", 2, 100, -10, "Caution",
       "Table 25%, fence 100% left", ""},
      {"inside the stock", 1, 100, 50, "Danger", "Table 100%, fence 100% left",
       "Impossible: the shank passes through the stock"},
  };
  for (const PreviewCase& c : cases) {
    model.SetCurrentCutter(c.cutter);
    window.OnInterlock();  // what choosing a cutter in the Tools window runs
    Set(c.fence, c.height);
    EXPECT_EQ(Shown(), c.verdict) << c.what;
    EXPECT_EQ(Bearing(), c.bearing) << c.what;
    EXPECT_EQ(Problem(), c.problem) << c.what;
    // The widest badge beside the longest figures fits the panel's row.
    if (std::string(c.verdict) == "Caution") {
      const QLabel* bearing = Find<QLabel>(window, "bearingLabel");
      const int longest = bearing->fontMetrics().horizontalAdvance("Table 100%, fence 100% left");
      EXPECT_LE(Find<QLabel>(window, "verdictLabel")->sizeHint().width() + 6 + longest,
                window.CutPreview()->width());
    }
  }
  // The badge takes the report's colour as its ground.
  EXPECT_NE(Find<QLabel>(window, "verdictLabel")->styleSheet().indexOf("#ff0000"), -1);
}

TEST_F(CutPreviewTest, FollowsTurnsAndNewCutsWithoutChangingTheCuts) {
  model.SetCurrentCutter(2);
  Set(100, -10);
  EXPECT_EQ(Shown(), "Caution");
  // Once the cut is made, the same slot again removes nothing more: it leaves what the cut left.
  window.OnCut();
  const Cut made = model.CutAt(1);
  const CutFigures madeFigures = MeasureSection(model).Cuts[0].Figures;
  window.SetBusy(true);  // the rebuild that follows a cut
  window.SetBusy(false);
  EXPECT_EQ(Shown(), "Caution");
  EXPECT_EQ(Bearing(), "Table 25%, fence 100% left");
  EXPECT_EQ(RoundPercent(madeFigures.TableAfter), 25);

  // Turned end over end, the slotted face is on top: the same cut bites whole stock.
  Find<QToolButton>(window, "flipEndOverEndButton")->click();
  EXPECT_EQ(Shown(), "Caution");
  Set(-100, -10);
  EXPECT_EQ(Shown(), "Cut OK");
  EXPECT_EQ(Bearing(), "Table 100%, fence 100% left");
}

// However long the reason and however large the type, it shows whole in its own type above the
// Cut button, and the picture stays where it was; without a reason the window is as it was.
TEST_F(CutPreviewTest, ReasonsShowWholeAtAnyLength) {
  const QRect picture = window.SectionPicture()->geometry();
  const QSize first = window.size();
  const struct {
    qreal points;  // 0: the desktop's type
    int fence, height;
  } cases[] = {{0, 100, 400}, {20, 100, 50}, {0, -100, 0}};
  QFont font = window.font();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.points);
    if (c.points > 0) font.setPointSizeF(c.points);
    window.setFont(font);
    Set(c.fence, c.height);
    Shown();
    EXPECT_EQ(Find<QLabel>(window, "cutProblemLabel")->font().pointSizeF(), font.pointSizeF());
    EXPECT_GE(window.CutPreview()->height(), window.CutPreview()->WantedHeight());
    EXPECT_LT(window.CutPreview()->geometry().bottom(), window.CutButton()->geometry().top());
    EXPECT_LE(window.HeightSlider()->geometry().bottom(), window.height());
    EXPECT_EQ(window.SectionPicture()->geometry(), picture);
  }
  window.setFont(QFont());
  Shown();
  EXPECT_EQ(window.size(), first);
}

TEST_F(CutPreviewTest, ADragCostsOneMeasurementPerTurnOfTheEventLoop) {
  auto* panel = window.CutPreview();
  QCoreApplication::processEvents();
  const long long before = panel->Refreshes();
  for (int step = 0; step < 50; ++step) Set(step, -step / 2);
  EXPECT_TRUE(panel->Pending());
  EXPECT_EQ(panel->Refreshes(), before);
  QCoreApplication::processEvents();
  EXPECT_EQ(panel->Refreshes(), before + 1);
  EXPECT_EQ(panel->Trial().Last().Fence, 49);
  EXPECT_EQ(panel->Trial().Last().Height, -24);
}

TEST_F(CutPreviewTest, WithoutCuttersSaysSo) {
  model.SetCutterLibrary({});
  window.OnInterlock();
  EXPECT_EQ(Shown(), "No cutter");
  EXPECT_EQ(Bearing(), "");
}

TEST_F(CutPreviewTest, FaceWordsFollowEveryTurn) {
  // From state 3: anticlockwise turns through 4, 1, 2; flipped, 7 and its turns.
  struct Step {
    const char* button;
    int state;
    const char* words;
  };
  const Step steps[] = {
      {"rotateAnticlockwiseButton", 4, "Face 4 on the table, face 3 against the fence"},
      {"rotateAnticlockwiseButton", 1, "Face 1 on the table, face 4 against the fence"},
      {"rotateAnticlockwiseButton", 2, "Face 2 on the table, face 1 against the fence"},
      {"rotateAnticlockwiseButton", 3, "Face 3 on the table, face 2 against the fence"},
      {"flipEndOverEndButton", 7, "Face 1 on the table, face 2 against the fence"},
      {"rotateClockwiseButton", 6, "Face 2 on the table, face 3 against the fence"},
      {"rotateClockwiseButton", 5, "Face 3 on the table, face 4 against the fence"},
      {"rotateClockwiseButton", 8, "Face 4 on the table, face 1 against the fence"},
  };
  EXPECT_EQ(window.FaceWordsLabel()->text().replace('\n', ' '),
            "Face 3 on the table, face 2 against the fence");
  for (const Step& s : steps) {
    Find<QToolButton>(window, s.button)->click();
    EXPECT_EQ(window.FaceLabel()->text(), QString("Face against table = %1").arg(s.state));
    EXPECT_EQ(window.FaceWordsLabel()->text().replace('\n', ' '), s.words) << s.state;
  }
}

TEST_F(CutPreviewTest, NewRowsOpenUnderThePictureAndTheFaceLabel) {
  const QRect picture = window.SectionPicture()->geometry();
  const QRect verdict = window.CutPreview()->geometry();
  const QRect words = window.FaceWordsLabel()->geometry();
  EXPECT_GT(verdict.top(), picture.bottom());
  EXPECT_LT(verdict.bottom(), window.CutButton()->geometry().top());
  EXPECT_GT(words.top(), window.FaceLabel()->geometry().bottom());
  EXPECT_LT(words.bottom(), window.InterlockCheck()->geometry().top());
  EXPECT_LE(window.HeightSlider()->geometry().bottom(), window.height());
}

// Dark pixels of image inside rect.
int Ink(const QImage& image, const QRect& rect) {
  int n = 0;
  for (int y = rect.top(); y <= rect.bottom(); ++y)
    for (int x = rect.left(); x <= rect.right(); ++x)
      if (qGray(image.pixel(x, y)) < 160) ++n;
  return n;
}

TEST(FaceNumbers, EachVisibleEdgeGetsItsNumber) {
  struct Case {
    const char* what;
    QRect stock;
    bool top, left;  // whether those edges show a number
  };
  const Case cases[] = {
      {"room all round", QRect(100, 120, 150, 130), true, true},
      {"stock reaching past the top and left", QRect(-40, -30, 290, 280), false, false},
      {"stock at the top edge", QRect(60, 0, 190, 250), true, true},
  };
  for (const Case& c : cases) {
    QImage image(250, 250, QImage::Format_RGB32);
    image.fill(Qt::white);
    DrawFaceNumbers(image, FacesInState(3), c.stock);
    const QRect shown = c.stock.intersected(image.rect());
    const int midX = shown.center().x();
    const int midY = shown.center().y();
    EXPECT_GT(Ink(image, QRect(midX - 8, 236, 16, 14)), 0) << c.what << ": table";
    EXPECT_GT(Ink(image, QRect(236, midY - 8, 14, 16)), 0) << c.what << ": fence";
    const QRect above(midX - 8, std::max(0, c.stock.top() - 14), 16, 28);
    const QRect beside(std::max(0, c.stock.left() - 14), midY - 8, 28, 16);
    EXPECT_EQ(Ink(image, above) > 0, c.top) << c.what << ": top";
    EXPECT_EQ(Ink(image, beside) > 0, c.left) << c.what << ": left";
  }
  // A stock too small to hold the numbers apart: the table's beside it, the fence's above.
  QImage image(250, 250, QImage::Format_RGB32);
  image.fill(Qt::white);
  DrawFaceNumbers(image, FacesInState(3), QRect(239, 239, 11, 11));
  EXPECT_EQ(Ink(image, QRect(239, 239, 11, 11)), 0) << "nothing over the stock";
  EXPECT_GT(Ink(image, QRect(220, 236, 19, 14)), 0) << "table beside";
  EXPECT_GT(Ink(image, QRect(236, 220, 14, 19)), 0) << "fence above";

  image.fill(Qt::white);
  DrawFaceNumbers(image, FacesInState(0), QRect(100, 100, 150, 150));
  EXPECT_EQ(Ink(image, image.rect()), 0) << "no state, no numbers";
}

}  // namespace
}  // namespace kerf
