// File > Export 3-D...: the length and file asked for, the file written, refusals reported,
// F1 in its questions.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include "desktop/ExportMeshAction.h"
#include "desktop/HelpKey.h"
#include "model/Model.h"
#include "model/PlotOutline.h"

namespace kerf {
namespace {

class ExportMeshActionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    model.NewWorkpiece(300, 150);
    model.SetProjectFileName("/somewhere/Cove.ROU");
    NoProgress quiet;
    PlotOutline(model, pictures, measured, quiet);
    action.SetTextChooser([this](const QString&, const QString& initial) -> std::optional<QString> {
      lengthsOffered << initial;
      return length;
    });
    action.SetItemChooser(
        [this](const QString&, const QStringList& items, int current) -> std::optional<int> {
          sectionsOffered.push_back(current);
          if (items.size() != 2) return std::nullopt;
          return section;
        });
    action.SetFileChooser([this](const FileRequest& r) {
      requests.push_back(r);
      return answer;
    });
    action.SetMessageShower([this](const QString& text) { messages << text; });
  }

  QTemporaryDir dir;
  Model model;
  SectionPictures pictures;
  Section measured;
  QWidget parent;
  ExportMeshAction action{parent, model, pictures.Outline};
  std::optional<QString> length = QString("4");
  std::optional<int> section = 0;
  std::vector<int> sectionsOffered;
  QString answer;
  QStringList lengthsOffered, messages;
  std::vector<FileRequest> requests;
};

TEST_F(ExportMeshActionTest, WritesTheChosenFileAndOffersTheLastChoicesAgain) {
  struct Step {
    const char* Length;
    int Section;  // 0 true size, 1 traced
    const char* File;
    bool Written;
    const char* Message;  // part of the message shown, "" for none
  } steps[] = {
      {"4", 0, "a.stl", true, ""},
      {"3/4", 1, "b.3mf", true, ""},
      {"19mm", 0, "c.obj", true, ""},
      {"a foot", 0, "d.stl", false, "cannot read the length 'a foot'"},
      {"4", 1, "e.step", false, "unknown 3-D file type"},
      {"4", 0, "missing/f.stl", false, "f.stl"},
  };
  for (const Step& s : steps) {
    length = QString(s.Length);
    section = s.Section;
    answer = dir.filePath(s.File);
    messages.clear();
    EXPECT_EQ(action.OnExportMesh(), s.Written) << s.File;
    EXPECT_EQ(QFile::exists(answer), s.Written) << s.File;
    if (*s.Message) {
      ASSERT_EQ(messages.size(), 1) << s.File;
      EXPECT_TRUE(messages[0].contains(s.Message)) << messages[0].toStdString();
    } else {
      EXPECT_TRUE(messages.isEmpty()) << messages.join("\n").toStdString();
    }
  }
  // The first dialog offers the project's name as an STL and 4 inches; later ones what was
  // last accepted.
  ASSERT_GE(requests.size(), 2u);
  EXPECT_EQ(requests[0].proposedName, "Cove.stl");
  EXPECT_TRUE(requests[0].filter.contains("*.3mf"));
  EXPECT_EQ(requests[1].proposedName, dir.filePath("a.stl"));
  EXPECT_EQ(lengthsOffered.value(0), "4");
  EXPECT_EQ(lengthsOffered.value(1), "4");
  EXPECT_EQ(lengthsOffered.value(2), "3/4");
  // The section last chosen is offered again: true size, then traced after the second export.
  ASSERT_GE(sectionsOffered.size(), 3u);
  EXPECT_EQ(sectionsOffered[0], 0);
  EXPECT_EQ(sectionsOffered[2], 1);
}

TEST_F(ExportMeshActionTest, CancellingEitherStepWritesNothing) {
  length.reset();
  EXPECT_FALSE(action.OnExportMesh());
  EXPECT_TRUE(requests.empty());
  length = QString("4");
  section.reset();
  EXPECT_FALSE(action.OnExportMesh());
  EXPECT_TRUE(requests.empty());
  section = 1;
  answer.clear();
  EXPECT_FALSE(action.OnExportMesh());
  EXPECT_EQ(requests.size(), 1u);
  EXPECT_TRUE(messages.isEmpty());
}

// F1 in a question the program asks (here Qt's own input dialog, as for every standard dialog
// the desktop opens) shows the page on exports, not the page of the window it was opened over.
TEST(ExportMeshQuestions, F1OpensTheExportsPage) {
  Model model;
  const SectionOutline outline;
  QWidget window;
  SetHelpTopic(&window, HelpTopic::MainWindow);
  std::vector<HelpTopic> shown;
  HelpKeyFilter keys([&shown](HelpTopic topic) { shown.push_back(topic); });
  qApp->installEventFilter(&keys);
  QTimer answer;
  QObject::connect(&answer, &QTimer::timeout, [&] {
    QWidget* question = QApplication::activeModalWidget();
    if (question == nullptr) return;
    QTest::keyClick(question->focusWidget() ? question->focusWidget() : question, Qt::Key_F1);
    QTest::keyClick(question, Qt::Key_Escape);
    answer.stop();
  });
  answer.start(20);
  ExportMeshAction action(window, model, outline);
  EXPECT_FALSE(action.OnExportMesh());
  qApp->removeEventFilter(&keys);
  EXPECT_EQ(shown, std::vector<HelpTopic>{HelpTopic::Exports});
}

}  // namespace
}  // namespace kerf
