// The frame loop's pacing, suspend, resume and stop; the help file and the help window.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <QThread>
#include <QUrl>
#include <stdexcept>
#include <vector>

#include "desktop/FrameLoop.h"
#include "desktop/HelpViewer.h"
#include "support/UiEvents.h"

namespace kerf {
namespace {

using testing::WaitUntil;

// Lets the event loop run while a frame loop of its own draws count frames: time enough for a
// loop that ought to stay still to have drawn some too, however late a busy machine fires timers.
void RunWhileFramesDraw(int count) {
  int drawn = 0;
  FrameLoop yardstick([&] { ++drawn; });
  yardstick.Start();
  ASSERT_TRUE(WaitUntil([&] { return drawn >= count; }));
}

TEST(FrameLoopTest, FramesComeOnePauseAfterTheLastEnded) {
  std::vector<qint64> starts;
  QElapsedTimer clock;
  clock.start();
  FrameLoop loop([&] {
    starts.push_back(clock.elapsed());
    QThread::msleep(20);  // a slow frame: the pause still counts from its end
  });
  EXPECT_FALSE(loop.Running());
  RunWhileFramesDraw(2);
  EXPECT_TRUE(starts.empty());  // nothing before Start
  clock.restart();
  loop.Start();
  ASSERT_TRUE(WaitUntil([&] { return starts.size() >= 5; }));
  for (size_t i = 1; i < starts.size(); ++i)
    EXPECT_GE(starts[i] - starts[i - 1], FrameLoop::PauseMs + 20 - 2) << i;
}

TEST(FrameLoopTest, SuspendNestsAndStopIsForGood) {
  int frames = 0;
  FrameLoop loop([&] { ++frames; });
  loop.Start();
  ASSERT_TRUE(WaitUntil([&] { return frames >= 1; }));
  loop.Suspend();
  loop.Suspend();
  const int held = frames;
  RunWhileFramesDraw(3);
  EXPECT_EQ(frames, held);
  loop.Resume();
  RunWhileFramesDraw(3);
  EXPECT_EQ(frames, held);  // still held by the outer suspend
  loop.Resume();
  loop.Resume();  // one too many does no harm
  ASSERT_TRUE(WaitUntil([&] { return frames >= held + 2; }));
  loop.Stop();
  const int stopped = frames;
  loop.Resume();
  loop.Start();
  RunWhileFramesDraw(3);
  EXPECT_EQ(frames, stopped);
  EXPECT_TRUE(loop.Stopped());
}

TEST(FrameLoopTest, AFailureThatEscapesAFrameEndsTheLoopQuietly) {
  int frames = 0;
  FrameLoop loop([&] {
    if (++frames == 2) throw std::runtime_error("frame failed");
  });
  loop.Start();
  ASSERT_TRUE(WaitUntil([&] { return loop.Stopped(); }));
  RunWhileFramesDraw(3);
  EXPECT_EQ(frames, 2);
  EXPECT_TRUE(loop.Stopped());
}

TEST(HelpFileTest, TopicsAreKeyedByContextNumber) {
  const HelpFile file = ParseHelpText(
      "@# a comment\r\nwords before any topic\n@topic 10 The main window\r\nFirst line.\n\n"
      "@topic 50 Profile\nCut here.\n@# not part of the body\n@topic x not a topic line\n");
  ASSERT_EQ(file.Topics.size(), 2u);
  EXPECT_EQ(file.Topics.at(10).Title, "The main window");
  EXPECT_EQ(file.Topics.at(10).Body, "First line.\n\n");
  EXPECT_EQ(file.Topics.at(50).Body, "Cut here.\n@topic x not a topic line\n");
}

TEST(HelpFileTest, TheSuppliedHelpHasATopicForEveryWindow) {
  const Result<HelpFile> read = ReadHelpFile(KERF_SOURCE_DIR "/data/ROUTERHELP.HLP");
  ASSERT_TRUE(read.Ok()) << read.Error();
  const HelpFile& file = read.Value();
  for (int context : {0, 10, 20, 25, 30, 40, 50, 60, 65, 70, 75, 80, 85, 135, 145, 160}) {
    ASSERT_TRUE(file.Topics.count(context)) << context;
    EXPECT_GT(file.Topics.at(context).Body.size(), 200u) << context;
  }
  // Every link leads to a topic that exists.
  for (const auto& [context, topic] : file.Topics) {
    size_t at = 0;
    while ((at = topic.Body.find("(help:", at)) != std::string::npos) {
      const int target = std::stoi(topic.Body.substr(at + 6));
      EXPECT_TRUE(file.Topics.count(target)) << "topic " << context << " links to " << target;
      at += 6;
    }
  }
}

TEST(HelpViewerTest, ShowsTheTopicAndFollowsLinks) {
  HelpViewer viewer(KERF_SOURCE_DIR "/data/ROUTERHELP.HLP");
  viewer.ShowTopic(50);
  EXPECT_TRUE(viewer.isVisible());
  EXPECT_EQ(viewer.CurrentContext(), 50);
  EXPECT_TRUE(viewer.Browser()->toPlainText().contains("Profile"));
  emit viewer.Browser()->anchorClicked(QUrl("help:0"));
  EXPECT_EQ(viewer.CurrentContext(), 0);
  viewer.ShowTopic(999);
  EXPECT_TRUE(viewer.Browser()->toPlainText().contains("no topic 999"));
}

TEST(HelpViewerTest, BackRetracesThePagesReadAndEscapeCloses) {
  HelpViewer viewer(KERF_SOURCE_DIR "/data/ROUTERHELP.HLP");
  viewer.ShowTopic(50);
  EXPECT_FALSE(viewer.BackButton()->isEnabled());
  emit viewer.Browser()->anchorClicked(QUrl("help:110"));
  viewer.ShowTopic(20);  // F1 in another window while the help is open
  viewer.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&viewer));
  viewer.BackButton()->click();
  EXPECT_EQ(viewer.CurrentContext(), 110);
  QTest::keyClick(viewer.Browser(), Qt::Key_Left, Qt::AltModifier);
  EXPECT_EQ(viewer.CurrentContext(), 50);
  EXPECT_FALSE(viewer.BackButton()->isEnabled());
  QTest::keyClick(viewer.Browser(), Qt::Key_Escape);
  EXPECT_FALSE(viewer.isVisible());
}

TEST(HelpViewerTest, AMissingHelpFileIsExplainedInTheWindow) {
  HelpViewer viewer("/nonexistent/ROUTERHELP.HLP");
  viewer.ShowTopic(10);
  EXPECT_TRUE(viewer.isVisible());
  EXPECT_TRUE(viewer.Browser()->toPlainText().contains("/nonexistent/ROUTERHELP.HLP"));
}

}  // namespace
}  // namespace kerf
