// The status bar's length panels hold every text the frame loop can write into them, and a
// confirmation fits beside them.
#include <gtest/gtest.h>

#include <QFont>
#include <QFontMetrics>
#include <QLabel>
#include <QStatusBar>
#include <QTest>

#include "desktop/MainWindow.h"
#include "desktop/ProfileWindow.h"
#include "desktop/StatusPanels.h"
#include "model/FenceInterlock.h"
#include "model/LengthText.h"
#include "model/Model.h"
#include "support/UiEvents.h"

namespace kerf {
namespace {

// The first length that does not fit its panel, or an empty text when all fit.
QString FirstCutShort(QLabel* panel, const char* prefix, int minimum, int maximum) {
  const QString shown = panel->text();
  QString cut;
  for (LengthUnit unit : {LengthUnit::Imperial, LengthUnit::Metric}) {
    for (int v = minimum; v <= maximum && cut.isEmpty(); ++v) {
      panel->setText(prefix + QString::fromStdString(WorkshopLength(v / 100.0f, unit)));
      if (panel->sizeHint().width() > panel->width()) cut = panel->text();
    }
  }
  panel->setText(shown);
  return cut;
}

TEST(StatusPanels, LengthPanelsHoldTheirLongestTextsInEitherUnitAndFont) {
  Model model;
  const SectionOutline outline;
  MainWindow window(model, outline, /*glLoaded=*/false);
  window.show();
  for (int pointSize : {0, 14}) {
    if (pointSize > 0) {
      QFont larger = window.font();
      larger.setPointSize(pointSize);
      window.setFont(larger);  // the desktop's font changed
      ASSERT_TRUE(testing::WaitUntil(
          [&] { return window.StatusPanel(0)->font().pointSize() == pointSize; }));
    }
    SCOPED_TRACE(window.StatusPanel(0)->font().toString().toStdString());
    EXPECT_EQ(FirstCutShort(window.StatusPanel(0), MainWindow::HeightPanelPrefix,
                            ProfileWindow::HeightMinimum, ProfileWindow::HeightMaximum),
              QString());
    EXPECT_EQ(FirstCutShort(window.StatusPanel(1), MainWindow::FencePanelPrefix, FenceMinimum,
                            FenceMaximum),
              QString());
    for (int i = 0; i < MainWindow::StatusPanels; ++i)
      EXPECT_GE(window.StatusPanel(i)->width(), MainWindow::StatusPanelWidths[i]) << i;
  }
}

// At 800 pixels a confirmation keeps its words and both ends of the file name; the tool tip
// holds the whole text while a middle is left out.
TEST(StatusPanels, ConfirmationsFitBesideThePanelsAt800PixelsWide) {
  Model model;
  const SectionOutline outline;
  MainWindow window(model, outline, /*glLoaded=*/false);
  window.resize(800, 600);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  QStatusBar* bar = window.statusBar();
  const QString longName = "Kitchen cabinet doors, raised panel with ovolo sticking " +
                           QString(40, QChar('x')) + " final.ROU";
  const struct {
    QString name;
    bool elided;
  } cases[] = {{"Door.ROU", false}, {longName, true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name.toStdString());
    window.ConfirmWritten("Saved", "/home/joiner/" + c.name);
    const QString shown = bar->currentMessage();
    EXPECT_TRUE(shown.startsWith("Saved ")) << shown.toStdString();
    EXPECT_TRUE(shown.endsWith(c.elided ? " final.ROU" : c.name)) << shown.toStdString();
    EXPECT_LE(QFontMetrics(bar->font()).horizontalAdvance(shown), window.StatusPanel(0)->x());
    EXPECT_EQ(bar->toolTip(), c.elided ? "Saved " + c.name : QString());
  }
  bar->clearMessage();
  EXPECT_EQ(bar->toolTip(), QString());
}

TEST(StatusPanels, TextsCoverBothUnitsOnce) {
  const QStringList texts = LengthPanelTexts("Fence Depth : ", -25, 25);
  for (const char* expected :
       {"Fence Depth : -1/4\"", "Fence Depth : -6mm", "Fence Depth : 0\"", "Fence Depth : 0mm"}) {
    EXPECT_EQ(texts.count(expected), 1) << expected;
  }
}

}  // namespace
}  // namespace kerf
