// The cutter designer: proposed names, the message under the sizes, and Save into the folder.
#include "desktop/CutterDesigner.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "desktop/ToolsWindow.h"
#include "model/Model.h"
#include "project/ProjectFile.h"
#include "support/SetupFixtures.h"

namespace kerf {
namespace {

using testing::Find;

std::string Bytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class CutterDesignerTest : public ::testing::Test {
 protected:
  void Kind(const char* key) {
    auto* kinds = Find<QComboBox>(designer, "kindBox");
    kinds->setCurrentIndex(kinds->findData(QString(key)));
  }
  void Size(const char* key, const char* text) {
    Find<QLineEdit>(designer, (std::string(key) + "Edit").c_str())->setText(text);
  }
  QString Name() { return Find<QLineEdit>(designer, "nameEdit")->text(); }
  QString Message() { return Find<QLabel>(designer, "messageLabel")->text(); }
  bool CanSave() { return Find<QPushButton>(designer, "saveButton")->isEnabled(); }

  QTemporaryDir scratch;
  std::string folder = scratch.filePath("own/tools").toStdString();  // created by Save
  CutterDesigner designer{folder};
};

TEST_F(CutterDesignerTest, ARoundoverFromTheCatalogueIsNamedSavedAndMatchesTheSuppliedBit) {
  Size("radius", "3/8");
  Size("bearing", "1/2");
  EXPECT_EQ(Name(), "3/8\" Roundover");
  const std::string path = folder + "/3-8! Roundover.bmp";
  EXPECT_TRUE(
      Message().startsWith("Cutting height 5/8\", largest radius 5/8\", bearing radius "
                           "1/4\".\nSave writes " +
                           QString::fromStdString(path)))
      << Message().toStdString();
  designer.SetUnit(LengthUnit::Metric);
  EXPECT_TRUE(Message().startsWith(
      "Cutting height 16.0 mm, largest radius 16.0 mm, bearing radius 6.3 mm."))
      << Message().toStdString();
  ASSERT_TRUE(CanSave());
  Find<QPushButton>(designer, "saveButton")->click();
  EXPECT_EQ(designer.result(), QDialog::Accepted);
  EXPECT_EQ(Message(), "Saved as " + QString::fromStdString(path) + ".");
  EXPECT_EQ(designer.SavedFileName(), "3-8! Roundover.bmp");
  const std::string saved = Bytes(path),
                    supplied = Bytes(KERF_SOURCE_DIR "/data/tools/3-8! Roundover.bmp");
  EXPECT_TRUE(saved == supplied)
      << "the files differ from byte "
      << std::mismatch(saved.begin(), saved.end(), supplied.begin(), supplied.end()).first -
             saved.begin();
}

TEST_F(CutterDesignerTest, WhatCannotBeMadeOrNamedIsSaidAndSaveWaits) {
  const struct {
    const char* Kind;
    std::vector<std::pair<const char*, const char*>> Sizes;
    const char* Typed;  // a name typed by the user, or nullptr
    QString Said;
  } cases[] = {
      {"rebate",
       {{"diameter", "3/4"}, {"bearing", "1"}},
       nullptr,
       "Cannot make this bit: the bearing (1\") is larger than the cutter (3/4\"): the bit would "
       "cut nothing"},
      {"chamfer",
       {{"angle", "90"}},
       nullptr,
       "Cannot make this bit: the chamfer angle must be between 5\xC2\xB0 and 85\xC2\xB0, not "
       "90\xC2\xB0"},
      {"straight",
       {{"diameter", "1/2"}},
       "T-Slot",
       "The name cannot be used as a file name: the name holds '-', which a cutter's file name "
       "uses "
       "for another character."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Kind);
    Kind(c.Kind);
    for (const auto& [key, text] : c.Sizes) Size(key, text);
    if (c.Typed != nullptr) {
      auto* name = Find<QLineEdit>(designer, "nameEdit");
      name->clear();
      QTest::keyClicks(name, c.Typed);
    }
    EXPECT_TRUE(Message().endsWith(c.Said)) << Message().toStdString();
    EXPECT_FALSE(CanSave());
  }
  EXPECT_FALSE(std::filesystem::exists(folder));
}

TEST_F(CutterDesignerTest, ReplacingACutterIsAskedFirstNamingTheRecentProjectsThatUseIt) {
  ProjectRecord record;
  record.Cuts.push_back({-25, 0, 3, "3-8! Roundover.bmp"});
  const std::string uses = scratch.filePath("uses.ROU").toStdString();
  ASSERT_TRUE(WriteProjectFile(uses, record).Ok());
  designer.SetRecentProjects({uses, scratch.filePath("gone.ROU").toStdString()});
  designer.SetSuppliedFolder(KERF_SOURCE_DIR "/data/tools");
  QString asked;
  bool answer = false;
  designer.SetReplaceQuestion([&](const QString& text) {
    asked = text;
    return answer;
  });
  const struct {
    const char* Radius;
    bool Answer;
    QString Asked;  // how the question starts; empty when none is asked
  } cases[] = {
      {"5/16", false, ""},  // a new name is saved unasked
      {"3/8", false, "Replace the supplied cutter \"3/8\" Roundover\"?"},
      {"3/8", true, "Replace the supplied cutter \"3/8\" Roundover\"?"},
      {"5/16", true, "Replace your own cutter \"5/16\" Roundover\"?"},  // saved above
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Radius);
    asked.clear();
    answer = c.Answer;
    std::filesystem::remove(folder + "/3-8! Roundover.bmp");
    designer.setResult(QDialog::Rejected);
    Size("radius", c.Radius);
    Find<QPushButton>(designer, "saveButton")->click();
    EXPECT_EQ(designer.result() == QDialog::Accepted, c.Asked.isEmpty() || c.Answer);
    EXPECT_TRUE(c.Asked.isEmpty() ? asked.isEmpty() : asked.startsWith(c.Asked))
        << asked.toStdString();
    // Only the project whose cuts use the cutter is named; a project that is gone is passed by.
    EXPECT_EQ(asked.contains(QString::fromStdString(uses)), QString(c.Radius) == "3/8");
  }
}

TEST_F(CutterDesignerTest, ATypedNameStaysWhileTheSizesChange) {
  Kind("cove");
  Size("radius", "1/4");
  EXPECT_EQ(Name(), "1/4\" Cove");
  auto* name = Find<QLineEdit>(designer, "nameEdit");
  name->clear();
  QTest::keyClicks(name, "Small Cove");
  Size("radius", "3/16");
  EXPECT_EQ(Name(), "Small Cove");
  EXPECT_TRUE(CanSave());
}

TEST(ToolsWindowCutters, NewCutterAsksTheOwnerAndTheBoxMarksTheUsersCutters) {
  Model model;
  model.SetCutterLibrary(testing::SmallCutterLibrary(3));
  Section section;  // no measuring pass yet
  ToolsWindow tools(model, section);
  tools.SetUserCutters({model.Cutter(2)->FileName});
  tools.Populate();
  auto* box = Find<QComboBox>(tools, "cutterBox");
  ASSERT_EQ(box->count(), 3);
  EXPECT_FALSE(box->itemText(0).endsWith(" (own)"));
  EXPECT_EQ(box->itemText(1), QString::fromStdString(model.Cutter(2)->Name) + " (own)");
  QSignalSpy asked(&tools, &ToolsWindow::newCutterRequested);
  Find<QToolButton>(tools, "newCutterButton")->click();
  EXPECT_EQ(asked.count(), 1);
}

TEST(ToolsWindowCutters, TheBoxListsByKindAndSizeAndPicksCuttersByTheirNumber) {
  Model model;
  std::vector<Tool> table = testing::SmallCutterLibrary(4);
  const char* names[] = {"1/2\" Roundover", "1/4\" Straight", "1/8\" Roundover",
                         "45\xC2\xB0 Chamfer"};
  for (size_t i = 0; i < table.size(); ++i) table[i].Name = names[i];
  model.SetCutterLibrary(table);
  model.SetCurrentCutter(2);
  Section section;  // no measuring pass yet
  ToolsWindow tools(model, section);
  tools.Populate();
  auto* box = Find<QComboBox>(tools, "cutterBox");
  const std::pair<QString, int> expected[] = {{"45\xC2\xB0 Chamfer", 4},
                                              {"1/8\" Roundover", 3},
                                              {"1/2\" Roundover", 1},
                                              {"1/4\" Straight", 2}};
  ASSERT_EQ(box->count(), 4);
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(box->itemText(i), expected[i].first);
    box->setCurrentIndex(i);
    EXPECT_EQ(model.CurrentCutter(), expected[i].second);
  }
  // The model's cutter is shown wherever it stands in the box.
  model.SetCurrentCutter(2);
  tools.SelectCurrentCutter();
  EXPECT_EQ(box->currentText(), "1/4\" Straight");
}

}  // namespace
}  // namespace kerf
