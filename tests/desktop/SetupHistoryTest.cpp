// Undo and redo in the running program, the modified mark, and the question before work is lost.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <functional>

#include "desktop/Desktop.h"
#include "desktop/MainWindow.h"
#include "desktop/ProfileWindow.h"
#include "desktop/ProjectActions.h"
#include "desktop/SetupHistory.h"
#include "desktop/StockSizeDialog.h"
#include "desktop/TextureWindow.h"
#include "desktop/ToolsWindow.h"
#include "project/ProjectFile.h"
#include "support/DesktopOptions.h"
#include "support/UiEvents.h"

namespace kerf {
namespace {

using testing::DeleteLeftovers;
using testing::WaitUntil;

class SetupHistoryTest : public ::testing::Test {
 public:  // the tables' edits drive the program through the fixture
  void Start(const std::string& projectAtStart = {}) {
    ASSERT_TRUE(scratch.isValid());
    DesktopOptions options = test::SourceDataDesktopOptions(scratch.path());
    options.ProjectToOpen = projectAtStart;
    options.StartupMessage = [this](const QString& text) { messages << text; };
    desktop = std::make_unique<Desktop>(model, std::move(options));
    desktop->Start();
    ASSERT_TRUE(WaitUntil([this] { return desktop->DelayedStepDone(); }));
    desktop->Project()->SetFileChooser([this](const FileRequest&) {
      ++chooserCalls;
      return fileAnswer;
    });
    desktop->Project()->SetMessageShower([this](const QString& text) { messages << text; });
    desktop->Project()->SetSaveQuestion([this](const QString& text) {
      questions << text;
      return saveAnswer;
    });
    desktop->Tools()->SetColourChooser([](const QColor&) { return QColor(10, 200, 30); });
    desktop->Texture()->SetFileChooser(
        [](const FileRequest&) { return QString(KERF_SOURCE_DIR "/data/textures/oak.jpg"); });
  }
  void TearDown() override {
    desktop.reset();
    DeleteLeftovers();
  }

  std::string Bytes() const { return FormatProject(RecordFromModel(model)); }
  QAction* Item(const char* name) const { return desktop->Main()->findChild<QAction*>(name); }
  void Cut(int fence, int height) {
    desktop->Profile()->FenceSlider()->setValue(fence);
    desktop->Profile()->HeightSlider()->setValue(height);
    desktop->Profile()->CutButton()->click();
  }
  void ToolsButton(int row, const char* button) {
    desktop->Tools()->findChild<QTableWidget*>("cutGrid")->setCurrentCell(row - 1, 1);
    desktop->Tools()->findChild<QToolButton*>(button)->click();
  }
  QString WriteProject(const char* name, int cuts) {
    ProjectRecord record;
    record.StockWidth = 240;
    record.FaceOnTable = 5;
    for (int i = 0; i < cuts; ++i)
      record.Cuts.push_back(ProjectCut{20 + 10 * i, 15, 3, "1-2! Cove.bmp"});
    const QString path = QDir(scratch.path()).filePath(name);
    EXPECT_EQ(WriteProjectFile(path.toStdString(), record).Error(), "");
    return path;
  }
  bool Modified() const { return desktop->Main()->isWindowModified(); }

  QTemporaryDir scratch;
  Model model;
  std::unique_ptr<Desktop> desktop;
  QStringList messages;
  QStringList questions;
  SaveAnswer saveAnswer = SaveAnswer::Cancel;
  QString fileAnswer;
  int chooserCalls = 0;
};

struct Edit {
  const char* step;  // the Edit menu's name of it
  std::function<void(SetupHistoryTest&)> make;
};

struct Sequence {
  const char* name;
  std::vector<Edit> edits;
  // Undone to the start, the set-up is the one saved: not after an Open, whose file is then
  // the saved state.
  bool startIsSaved = true;
};

class UndoSequenceTest : public SetupHistoryTest, public ::testing::WithParamInterface<Sequence> {};

// After each step: the project bytes, the traced outline and the grid, as the edit left them.
struct Seen {
  std::string bytes;
  int outlinePoints;
  int gridRows;
  QString faceLabel;
  bool operator==(const Seen&) const = default;
};

void PrintTo(const Seen& s, std::ostream* os) {
  *os << s.bytes << "| outline " << s.outlinePoints << ", grid " << s.gridRows << ", "
      << s.faceLabel.toStdString();
}

TEST_P(UndoSequenceTest, UndoneToTheStartAndRedoneToTheEndGivesTheSameSetUps) {
  Start();
  const auto seen = [this] {
    return Seen{Bytes(), desktop->Pictures().Outline.Count,
                desktop->Tools()->findChild<QTableWidget*>("cutGrid")->rowCount(),
                desktop->Profile()->FaceLabel()->text()};
  };
  std::vector<Seen> states;
  states.push_back(seen());
  EXPECT_FALSE(Item("undoAction")->isEnabled());
  EXPECT_EQ(Item("undoAction")->text(), "&Undo");
  for (const Edit& edit : GetParam().edits) {
    edit.make(*this);
    states.push_back(seen());
    EXPECT_NE(states.back().bytes, states[states.size() - 2].bytes) << edit.step;
    EXPECT_EQ(Item("undoAction")->text().toStdString(), std::string("&Undo ") + edit.step);
  }
  EXPECT_TRUE(Modified());
  const std::vector<Edit>& edits = GetParam().edits;
  for (size_t k = edits.size(); k-- > 0;) {
    Item("undoAction")->trigger();
    EXPECT_EQ(seen(), states[k]) << "undoing " << edits[k].step;
    EXPECT_EQ(Item("redoAction")->text().toStdString(), std::string("&Redo ") + edits[k].step);
  }
  EXPECT_EQ(Bytes(), states.front().bytes);
  EXPECT_FALSE(Item("undoAction")->isEnabled());
  EXPECT_EQ(Modified(), !GetParam().startIsSaved);
  for (size_t k = 0; k < edits.size(); ++k) {
    Item("redoAction")->trigger();
    EXPECT_EQ(seen(), states[k + 1]) << "redoing " << edits[k].step;
  }
  EXPECT_EQ(Bytes(), states.back().bytes);
  EXPECT_FALSE(Item("redoAction")->isEnabled());
  EXPECT_TRUE(messages.isEmpty()) << messages.join("\n").toStdString();
}

const Sequence kSequences[] = {
    {"CutList",
     {{"Cut #1", [](SetupHistoryTest& t) { t.Cut(10, 20); }},
      {"Rotate Clockwise",
       [](SetupHistoryTest& t) { t.desktop->Profile()->ViewButton(5)->click(); }},
      {"Cut #2", [](SetupHistoryTest& t) { t.Cut(30, -10); }},
      {"Cut #3", [](SetupHistoryTest& t) { t.Cut(0, 40); }},
      {"Move Cut #3 Up", [](SetupHistoryTest& t) { t.ToolsButton(3, "moveCutUpButton"); }},
      {"Move Cut #1 Down", [](SetupHistoryTest& t) { t.ToolsButton(1, "moveCutDownButton"); }},
      {"Delete Cut #2", [](SetupHistoryTest& t) { t.ToolsButton(2, "deleteCutButton"); }},
      {"Cut #3", [](SetupHistoryTest& t) { t.Cut(50, 5); }}}},
    {"StockAndLook",
     {{"Flip End over End",
       [](SetupHistoryTest& t) { t.desktop->Profile()->ViewButton(4)->click(); }},
      {"Rotate Anticlockwise",
       [](SetupHistoryTest& t) { t.desktop->Profile()->ViewButton(3)->click(); }},
      {"Cut #1", [](SetupHistoryTest& t) { t.Cut(20, 30); }},
      {"Wood Colour", [](SetupHistoryTest& t) { t.desktop->Tools()->OnChooseWoodColour(); }},
      {"Texture Mapping",
       [](SetupHistoryTest& t) {
         t.desktop->Texture()->findChild<QCheckBox*>("textureMapCheck")->click();
       }},
      {"Texture Repeat",
       [](SetupHistoryTest& t) {
         t.desktop->Texture()->findChild<QSpinBox*>("verticalRepeatBox")->setValue(7);
       }},
      {"Texture Picture", [](SetupHistoryTest& t) { t.desktop->Texture()->OnChooseTexture(); }},
      {"New",
       [](SetupHistoryTest& t) {
         t.saveAnswer = SaveAnswer::Discard;  // New asks first: the work above is unsaved
         t.desktop->Config()->findChild<QSlider*>("stockHeightSlider")->setValue(420);
         t.desktop->Config()->findChild<QPushButton*>("newButton")->click();
       }}}},
    {"Open",
     {{"Cut #1", [](SetupHistoryTest& t) { t.Cut(10, 20); }},
      {"Open opened.ROU",
       [](SetupHistoryTest& t) {
         // Discards the cut above: it comes back with Undo.
         t.saveAnswer = SaveAnswer::Discard;
         t.fileAnswer = t.WriteProject("opened.ROU", 2);
         t.Item("openAction")->trigger();
       }},
      {"Delete Cut #1", [](SetupHistoryTest& t) { t.ToolsButton(1, "deleteCutButton"); }}},
     false},
};

INSTANTIATE_TEST_SUITE_P(Sequences, UndoSequenceTest, ::testing::ValuesIn(kSequences),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SetupHistoryTest, EditMenuSitsBetweenFileAndWindowWithTheKeys) {
  Start();
  QStringList menus;
  for (QAction* action : desktop->Main()->menuBar()->actions()) menus << action->text();
  EXPECT_EQ(menus, QStringList({"&File", "&Edit", "&Window", "&Help"}));
  EXPECT_EQ(Item("undoAction")->shortcuts(), QList<QKeySequence>{QKeySequence("Ctrl+Z")});
  EXPECT_EQ(Item("redoAction")->shortcuts(),
            QList<QKeySequence>({QKeySequence("Ctrl+Shift+Z"), QKeySequence("Ctrl+Y")}));
  EXPECT_EQ(Item("undoAction")->shortcutContext(), Qt::ApplicationShortcut);
  EXPECT_EQ(Item("redoAction")->shortcutContext(), Qt::ApplicationShortcut);
  Cut(10, 20);
  // The keys work from a tool window, which is a window of its own.
  for (QWidget* window :
       {static_cast<QWidget*>(desktop->Tools()), static_cast<QWidget*>(desktop->Profile())}) {
    window->activateWindow();
    ASSERT_TRUE(WaitUntil([window] { return window->isActiveWindow(); }));
    testing::SendKey(window, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(model.CutCount(), 0);
    testing::SendKey(window, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(model.CutCount(), 1);
    testing::SendKey(window, Qt::Key_Z, Qt::ControlModifier);
    testing::SendKey(window, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(model.CutCount(), 1);
  }
}

TEST_F(SetupHistoryTest, CaptionMarkFollowsSavesAndUndo) {
  Start();
  EXPECT_EQ(desktop->Main()->windowTitle(), "Kerfwright: Untitled[*]");
  EXPECT_FALSE(Modified());
  Cut(10, 20);
  EXPECT_TRUE(Modified());
  fileAnswer = QDir(scratch.path()).filePath("saved.ROU");
  Item("saveAsAction")->trigger();
  EXPECT_EQ(desktop->Main()->windowTitle(), "Kerfwright: saved.ROU[*]");
  EXPECT_FALSE(Modified());
  Cut(20, 20);
  EXPECT_TRUE(Modified());
  Item("undoAction")->trigger();
  EXPECT_FALSE(Modified());  // the saved set-up again
  Item("undoAction")->trigger();
  EXPECT_TRUE(Modified());
  Item("saveAction")->trigger();
  EXPECT_FALSE(Modified());
}

// Closing, New and Open: the question only with unsaved changes, and what each answer does.
struct CloseCase {
  const char* name;
  bool changed;
  SaveAnswer answer;
  QString saveAsName;  // what the Save As dialog answers; empty: cancelled
  bool closes;
};

class CloseQuestionTest : public SetupHistoryTest,
                          public ::testing::WithParamInterface<CloseCase> {};

TEST_P(CloseQuestionTest, AsksOnlyWithUnsavedChangesAndCancelKeepsTheSetUp) {
  const CloseCase& c = GetParam();
  Start();
  if (c.changed) Cut(10, 20);
  const std::string before = Bytes();
  saveAnswer = c.answer;
  fileAnswer = c.saveAsName.isEmpty() ? QString() : QDir(scratch.path()).filePath(c.saveAsName);
  EXPECT_EQ(desktop->Main()->close(), c.closes);
  EXPECT_EQ(desktop->Main()->isVisible(), !c.closes);
  EXPECT_EQ(questions, c.changed ? QStringList{"Save changes to Untitled?"} : QStringList{});
  EXPECT_EQ(Bytes(), before);
  if (!c.closes) {
    EXPECT_TRUE(Modified());
  }
  if (c.answer == SaveAnswer::Save && c.closes) {
    QFile saved(fileAnswer);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll().toStdString(), before);
  }
}

const CloseCase kCloseCases[] = {
    {"Unchanged", false, SaveAnswer::Cancel, "", true},
    {"Cancel", true, SaveAnswer::Cancel, "", false},
    {"Discard", true, SaveAnswer::Discard, "", true},
    {"SaveAsCancelled", true, SaveAnswer::Save, "", false},
    {"SaveFails", true, SaveAnswer::Save, "missing-folder/work.ROU", false},
    {"Saved", true, SaveAnswer::Save, "work.ROU", true},
};

INSTANTIATE_TEST_SUITE_P(Answers, CloseQuestionTest, ::testing::ValuesIn(kCloseCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SetupHistoryTest, NewAndOpenAskAndCancelLeavesEverythingAsItWas) {
  Start();
  Cut(10, 20);
  const std::string before = Bytes();
  desktop->Config()->findChild<QPushButton*>("newButton")->click();
  Item("openAction")->trigger();
  EXPECT_EQ(questions.size(), 2);
  EXPECT_EQ(chooserCalls, 0);  // Cancel comes before the file dialog
  EXPECT_EQ(Bytes(), before);
  EXPECT_EQ(Item("undoAction")->text(), "&Undo Cut #1");
  // Undone back to the start, nothing is lost by New: no question.
  Item("undoAction")->trigger();
  desktop->Config()->findChild<QPushButton*>("newButton")->click();
  EXPECT_EQ(questions.size(), 2);
}

TEST_F(SetupHistoryTest, ProjectOpenedAtStartClosesWithoutAQuestionUntilChanged) {
  Start(WriteProject("start.ROU", 1).toStdString());
  EXPECT_EQ(model.CutCount(), 1);
  EXPECT_FALSE(Modified());
  EXPECT_FALSE(Item("undoAction")->isEnabled());  // the opened project is where the run starts
  Cut(10, 20);
  EXPECT_FALSE(desktop->Main()->close());
  EXPECT_EQ(questions, QStringList{"Save changes to start.ROU?"});
  Item("undoAction")->trigger();
  EXPECT_TRUE(desktop->Main()->close());
  EXPECT_EQ(questions.size(), 1);
}

}  // namespace
}  // namespace kerf
