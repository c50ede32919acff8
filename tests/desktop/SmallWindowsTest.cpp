// Tips, Report and Progress windows: tip cycling and keys, RTF saving, printing, showing late.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QLabel>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QThread>

#include "desktop/AboutWindow.h"
#include "desktop/ProgressWindow.h"
#include "desktop/ReportWindow.h"
#include "desktop/TipsDialog.h"
#include "model/CutReport.h"
#include "support/UiEvents.h"

namespace kerf {
namespace {

using testing::SendKey;
using testing::WaitUntil;

TEST(TipsDialogTest, NextTenTimesComesBackToTheSameTip) {
  for (int first = 1; first <= TipCount; ++first) {
    TipsDialog tips(nullptr, first);
    for (int i = 1; i <= TipCount; ++i) {
      tips.NextButton()->click();
      EXPECT_EQ(tips.TipNumber(), (first + i - 1) % TipCount + 1);
    }
    EXPECT_EQ(tips.TipNumber(), first);
    EXPECT_EQ(tips.TipView()->toPlainText(), "Tip of the day:\n\n" + TipText(first));
  }
}

TEST(TipsDialogTest, EscAndEnterClose) {
  TipsDialog tips(nullptr, 10);
  tips.show();
  SendKey(&tips, Qt::Key_Escape);
  EXPECT_EQ(tips.TipNumber(), 10);
  EXPECT_FALSE(tips.isVisible());
  tips.NextButton()->click();
  tips.show();
  // Enter closes the dialog even where the tip text has the focus: it must not become a new
  // line in the text.
  SendKey(tips.TipView(), Qt::Key_Return);
  EXPECT_FALSE(tips.isVisible());
  EXPECT_EQ(tips.TipView()->toPlainText(), "Tip of the day:\n\n" + TipText(1));
}

TEST(TipsDialogTest, TheFirstTipIsAnyOfTheTen) {
  std::vector<int> seen(TipCount + 1, 0);
  for (int i = 0; i < 400; ++i) ++seen[TipsDialog().TipNumber()];
  for (int n = 1; n <= TipCount; ++n) EXPECT_GT(seen[n], 10) << "tip " << n;
  EXPECT_EQ(seen[0], 0);
  for (int n = 1; n <= TipCount; ++n) EXPECT_FALSE(TipText(n).isEmpty());
}

TEST(AboutWindowTest, ShowsTitleVersionAndTwoPictures) {
  AboutWindow about;
  EXPECT_EQ(about.findChild<QLabel*>("titleLabel")->text(), "Kerfwright");
  EXPECT_EQ(about.findChild<QLabel*>("versionLabel")->text(), "Version: 1.1.2");
  for (const char* name : {"mouldingPicture", "logoPicture"}) {
    const QPixmap picture = about.findChild<QLabel*>(name)->pixmap();
    ASSERT_FALSE(picture.isNull()) << name;
    // Drawn, not blank.
    const QImage image = picture.toImage();
    EXPECT_NE(image.pixelColor(image.width() / 3, image.height() / 2), QColor(Qt::white)) << name;
  }
  EXPECT_TRUE(about.CloseButton()->isDefault());
}

CutReport SampleReport() {
  return {{"Cut List report: Router.rou   01/02/2024 10:00:00", Black},
          {"", Black},
          {"Cut #1 (Danger)", MakeColour(255, 0, 0)},
          {"  Cutter: 45\xC2\xB0 Chamfer", MakeColour(255, 0, 0)}};
}

class ReportWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window.SetMessageShower([this](const QString& text) { errors << text; });
    window.ShowReport(SampleReport());
  }
  ReportWindow window;
  QStringList errors;
  QTemporaryDir dir;
};

TEST_F(ReportWindowTest, ShowsEachLineInItsColour) {
  EXPECT_EQ(window.reportText()->toPlainText(),
            "Cut List report: Router.rou   01/02/2024 10:00:00\n\nCut #1 (Danger)\n"
            "  Cutter: 45\u00B0 Chamfer");
  QTextCursor cursor = window.reportText()->document()->find("Danger");
  ASSERT_FALSE(cursor.isNull());
  EXPECT_EQ(cursor.charFormat().foreground().color(), QColor(255, 0, 0));
}

struct SavedFormat {
  const char* name;
  ReportFormat format;
  const char* start;   // the file's first bytes
  bool plainNewlines;  // the report's lines, each ended by a line feed, nothing else
};

class ReportSaveFormats : public ReportWindowTest,
                          public ::testing::WithParamInterface<SavedFormat> {};

TEST_P(ReportSaveFormats, SaveWritesTheChosenFormatOverAnyFile) {
  const SavedFormat& c = GetParam();
  const QString path = dir.path() + "/" + c.name;
  {
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write(QByteArray(5000, 'x'));  // longer than the report: nothing of it may remain
  }
  FileRequest asked;
  window.SetFileChooser([&](const FileRequest& request) {
    asked = request;
    return std::optional<ReportFileChoice>(ReportFileChoice{path, c.format});
  });
  QSignalSpy confirmed(&window, &ReportWindow::savedAs);
  window.OnSave();
  ASSERT_EQ(confirmed.size(), 1);  // the main window names the file
  EXPECT_EQ(confirmed[0][0].toString(), path);
  // Rich text is offered first, so that it is the format chosen unless the user picks another.
  EXPECT_EQ(asked.filter, "Rich text (*.rtf);;Plain text (*.txt)");
  EXPECT_EQ(asked.defaultSuffix, "rtf");
  QFile saved(path);
  ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
  const QByteArray bytes = saved.readAll();
  EXPECT_TRUE(bytes.startsWith(c.start)) << bytes.left(40).toStdString();
  EXPECT_FALSE(bytes.contains("xxxx"));
  EXPECT_TRUE(bytes.contains("Cut #1 (Danger)"));
  if (c.plainNewlines) {
    EXPECT_EQ(bytes,
              "Cut List report: Router.rou   01/02/2024 10:00:00\n\nCut #1 (Danger)\n"
              "  Cutter: 45\xC2\xB0 Chamfer\n");
  }
  EXPECT_TRUE(errors.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Report, ReportSaveFormats,
    ::testing::Values(SavedFormat{"report.rtf", ReportFormat::RichText, "{\\rtf1", false},
                      SavedFormat{"report.txt", ReportFormat::PlainText, "Cut List", true},
                      // The filter chosen decides, whatever the name ends in.
                      SavedFormat{"report.TXT", ReportFormat::RichText, "{\\rtf1", false},
                      SavedFormat{"notes.doc", ReportFormat::PlainText, "Cut List", true}),
    [](const auto& info) { return std::to_string(info.index); });

TEST_F(ReportWindowTest, CancelledSaveWritesNothing) {
  window.SetFileChooser([](const FileRequest&) { return std::optional<ReportFileChoice>(); });
  QSignalSpy confirmed(&window, &ReportWindow::savedAs);
  window.OnSave();
  EXPECT_TRUE(errors.isEmpty());
  EXPECT_TRUE(QDir(dir.path()).isEmpty());
  EXPECT_TRUE(confirmed.isEmpty());
}

TEST_F(ReportWindowTest, AFileThatCannotBeWrittenIsReported) {
  window.SetFileChooser([&](const FileRequest&) {
    return std::optional<ReportFileChoice>(
        ReportFileChoice{dir.path() + "/no/such/dir/r.TXT", ReportFormat::PlainText});
  });
  QSignalSpy confirmed(&window, &ReportWindow::savedAs);
  window.OnSave();
  ASSERT_EQ(errors.size(), 1);
  EXPECT_TRUE(errors[0].contains("r.TXT"));
  EXPECT_TRUE(confirmed.isEmpty());
}

TEST_F(ReportWindowTest, OpensLargeEnoughForEightyColumnsAndThirtyLines) {
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  const QTextEdit* text = window.reportText();
  const QFontMetrics metrics(text->font());
  EXPECT_GE(text->viewport()->width(), metrics.horizontalAdvance(QString(80, QChar('0'))));
  EXPECT_GE(text->viewport()->height(), 30 * metrics.lineSpacing());
  // About that, not the whole screen.
  EXPECT_LT(text->viewport()->width(), metrics.horizontalAdvance(QString(100, QChar('0'))));
}

TEST_F(ReportWindowTest, CaptionAndSaveNameTheProjectFile) {
  window.SetProjectName("/home/joiner/work/Door <rail>.ROU");
  EXPECT_EQ(window.windowTitle(), "Report: Door <rail>.ROU");
  QString proposed;
  window.SetFileChooser([&](const FileRequest& request) {
    proposed = request.proposedName;
    return std::optional<ReportFileChoice>();
  });
  window.OnSave();
  EXPECT_EQ(proposed, "Door <rail>.rtf");
}

TEST_F(ReportWindowTest, PrintingWithoutAPrinterOffersAPdfNamedAfterTheProject) {
  if (!QPrinterInfo::defaultPrinter().isNull()) GTEST_SKIP() << "a printer is set up here";
  window.SetProjectName(dir.filePath("Door rail.ROU"));
  QString offered;
  window.SetPrintChooser([&](QPrinter& printer) {
    offered = printer.outputFileName();
    printer.setOutputFileName(dir.filePath("printed.pdf"));
    return true;
  });
  QSignalSpy confirmed(&window, &ReportWindow::printedTo);
  window.OnPrint();
  EXPECT_EQ(offered, dir.filePath("Door rail report.pdf"));
  ASSERT_EQ(confirmed.size(), 1);
  EXPECT_EQ(confirmed[0][0].toString(), dir.filePath("printed.pdf"));
  EXPECT_TRUE(errors.isEmpty()) << errors.join("\n").toStdString();
  QFile pdf(dir.filePath("printed.pdf"));
  ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
  EXPECT_TRUE(pdf.read(5) == "%PDF-");
}

TEST_F(ReportWindowTest, ExitHidesAndKeepsTheText) {
  window.show();
  window.OnExit();
  EXPECT_FALSE(window.isVisible());
  EXPECT_FALSE(window.reportText()->toPlainText().isEmpty());
}

TEST(ProgressWindowTest, QuickWorkSetsTheBarButNeverShowsTheWindow) {
  ProgressWindow progress;
  progress.Begin("Plotting Outline....", 6);
  EXPECT_EQ(progress.ProgressLabel()->text(), "Plotting Outline....");
  EXPECT_EQ(progress.ProgressBar()->maximum(), 6);
  EXPECT_EQ(progress.ProgressBar()->value(), 0);
  for (int i = 1; i <= 6; ++i) progress.Step(i);
  EXPECT_EQ(progress.ProgressBar()->value(), 6);
  EXPECT_FALSE(progress.isVisible());
  progress.End();
  EXPECT_FALSE(progress.isVisible());
}

TEST(ProgressWindowTest, LongWorkShowsTheWindowUntilItEnds) {
  ProgressWindow progress;
  QElapsedTimer clock;
  clock.start();
  progress.Begin("Setup Tools....", 3);
  progress.Step(1);
  EXPECT_FALSE(progress.isVisible());
  // Each step looks at the clock: the window comes with the first step after ShowAfterMs.
  EXPECT_TRUE(WaitUntil([&] {
    progress.Step(2);
    return progress.isVisible();
  }));
  EXPECT_GE(clock.elapsed(), ProgressWindow::ShowAfterMs);
  progress.End();
  EXPECT_FALSE(progress.isVisible());
}

}  // namespace
}  // namespace kerf
