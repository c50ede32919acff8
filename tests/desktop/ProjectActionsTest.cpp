// File > Open, Save and Save As: round trips, files that change nothing, textures, missing cutters.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "desktop/ColourSwatch.h"
#include "desktop/ProjectActions.h"
#include "desktop/StockSizeDialog.h"
#include "desktop/TextureWindow.h"
#include "desktop/ToolsWindow.h"
#include "model/Model.h"
#include "model/PlotOutline.h"
#include "project/PictureFile.h"
#include "project/ProjectFile.h"
#include "render/DefaultTexture.h"
#include "support/SetupFixtures.h"

namespace kerf {
namespace {

using testing::AddCut;
using testing::Find;
using testing::GridRows;
using testing::GridText;

// Everything a user can see of a set-up, and what File > Save would write.
struct SeenSetup {
  std::string fileBytes;
  std::string projectFileName;
  QString caption;
  QStringList grid;
  int cutterIndex = -1;
  QColor woodSwatch;
  bool textureMap = false;
  int repeatV = 0, repeatH = 0;
  QString textureHint;
  int textureWidth = 0;
  int widthSlider = 0, heightSlider = 0;
  bool operator==(const SeenSetup&) const = default;
};

std::string ReadBytes(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return "<unreadable>";
  return file.readAll().toStdString();
}

void WriteBytes(const QString& path, const std::string& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  file.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

class ProjectActionsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    model.SetCutterLibrary(testing::SmallCutterLibrary(4));
    mainWindow.setWindowTitle("Kerfwright");
    // The main window's part of New.
    QObject::connect(&config, &StockSizeDialog::newWorkpiece, [this] {
      Rebuild();
      if (actions) actions->ShowProjectName();
    });
    tools.Populate();
    config.StartWithNewWorkpiece();
    rebuilds = 0;
    texture.SetMessageShower([this](const QString& text) { messages << text; });

    ProjectWindows windows{mainWindow,
                           tools,
                           config,
                           texture,
                           [this] { Rebuild(); },
                           [this] { ++suspended; },
                           [this] { ++resumed; }};
    actions = std::make_unique<ProjectActions>(model, windows);
    actions->SetStartDirectory(dir.path());
    actions->SetFileChooser([this](const FileRequest& r) {
      requests.push_back(r);
      return answer;
    });
    actions->SetMessageShower([this](const QString& text) {
      messages << text;
      cursorWhileMessage = QGuiApplication::overrideCursor() != nullptr;
    });
  }

  void Rebuild() {
    NoProgress quiet;
    PlotOutline(model, pictures, section, quiet);
    tools.RefreshCutGrid();
    ++rebuilds;
  }

  QString Path(const QString& name) const { return QDir::toNativeSeparators(dir.filePath(name)); }

  QString Picture(const QString& name, int width, int height) {
    Raster picture(width, height);
    picture.Fill(MakeColour(180, 140, 90));
    EXPECT_EQ(SavePicture(Path(name).toStdString(), picture).Error(), "");
    return Path(name);
  }

  SeenSetup Now() const {
    SeenSetup s;
    s.fileBytes = FormatProject(RecordFromModel(model));
    s.projectFileName = model.ProjectFileName();
    s.caption = mainWindow.windowTitle();
    for (int row = 1; row <= GridRows(tools); ++row)
      for (int c = 0; c < 5; ++c) s.grid << GridText(tools, row, c);
    s.cutterIndex = Find<QComboBox>(tools, "cutterBox")->currentIndex();
    s.woodSwatch = Find<ColourSwatch>(tools, "woodSwatch")->Colour();
    s.textureMap = Find<QCheckBox>(texture, "textureMapCheck")->isChecked();
    s.repeatV = Find<QSpinBox>(texture, "verticalRepeatBox")->value();
    s.repeatH = Find<QSpinBox>(texture, "horizontalRepeatBox")->value();
    s.textureHint = Find<QLabel>(texture, "texturePicture")->toolTip();
    s.textureWidth = texture.TexturePicture().Width();
    s.widthSlider = Find<QSlider>(config, "stockHeightSlider")->value();
    s.heightSlider = Find<QSlider>(config, "stockWidthSlider")->value();
    return s;
  }

  // A set-up that differs from the start in every stored value.
  void WorkedSetup() {
    Find<QSlider>(config, "stockHeightSlider")->setValue(350);
    Find<QSlider>(config, "stockWidthSlider")->setValue(275);
    Find<QPushButton>(config, "newButton")->click();
    tools.SetColourChooser([](const QColor&) { return std::optional<QColor>(QColor(90, 60, 30)); });
    QTest::mouseClick(Find<ColourSwatch>(tools, "woodSwatch"), Qt::LeftButton);
    ASSERT_EQ(texture.LoadTextureFile(Picture("grain.BMP", 64, 32)).Error(), "");
    Find<QCheckBox>(texture, "textureMapCheck")->setChecked(true);
    Find<QSpinBox>(texture, "verticalRepeatBox")->setValue(3);
    Find<QSpinBox>(texture, "horizontalRepeatBox")->setValue(7);
    AddCut(model, 120, 40, 3, 2);
    AddCut(model, -12, 75, 6, 4);
    AddCut(model, 300, 0, 8, 1);
    model.SetFaceOnTable(5);
    Rebuild();
    Find<QComboBox>(tools, "cutterBox")->setCurrentIndex(2);
  }

  void SaveAs(const QString& name) {
    answer = Path(name);
    actions->SaveAs();
  }
  bool Open(const QString& path) {
    answer = path;
    const int before = rebuilds;
    actions->Open();
    return rebuilds > before;
  }

  QTemporaryDir dir;
  Model model;
  SectionPictures pictures;
  Section section;
  QWidget mainWindow;
  ToolsWindow tools{model, section};
  StockSizeDialog config{model};
  TextureWindow texture{model};
  std::unique_ptr<ProjectActions> actions;
  std::vector<FileRequest> requests;
  QString answer;
  QStringList messages;
  bool cursorWhileMessage = false;
  int rebuilds = 0, suspended = 0, resumed = 0;
};

TEST_F(ProjectActionsTest, SaveAsThenOpenGivesTheSameSetup) {
  WorkedSetup();
  SaveAs("shop.ROU");
  ASSERT_EQ(requests.size(), 1u);
  EXPECT_EQ(requests[0].mode, FileRequest::Mode::Save);
  EXPECT_EQ(requests[0].filter, "Router File (*.ROU)");
  EXPECT_EQ(requests[0].defaultSuffix, "ROU");
  EXPECT_EQ(requests[0].proposedName, "Untitled");
  EXPECT_EQ(requests[0].directory, dir.path());
  EXPECT_EQ(mainWindow.windowTitle(), "Kerfwright: shop.ROU[*]");
  EXPECT_EQ(model.ProjectFileName(), Path("shop.ROU").toStdString());
  EXPECT_TRUE(actions->Named());
  EXPECT_TRUE(messages.isEmpty());
  const SeenSetup saved = Now();
  EXPECT_EQ(ReadBytes(Path("shop.ROU")), saved.fileBytes);

  // Everything changed, the name and caption too.
  Find<QSlider>(config, "stockHeightSlider")->setValue(100);
  Find<QPushButton>(config, "newButton")->click();
  EXPECT_FALSE(actions->Named());
  model.SetWoodSwatch(White);
  tools.SyncSwatches();
  ASSERT_EQ(texture.LoadTextureFile(Picture("other.bmp", 8, 8)).Error(), "");
  Find<QCheckBox>(texture, "textureMapCheck")->setChecked(false);
  Find<QSpinBox>(texture, "verticalRepeatBox")->setValue(10);
  Find<QComboBox>(tools, "cutterBox")->setCurrentIndex(0);
  SaveAs("elsewhere.ROU");
  ASSERT_NE(Now(), saved);

  ASSERT_TRUE(Open(Path("shop.ROU")));
  EXPECT_EQ(requests.back().mode, FileRequest::Mode::Open);
  EXPECT_EQ(requests.back().filter, "Router Files (*.ROU)");
  EXPECT_EQ(requests.back().defaultSuffix, "ROU");
  const SeenSetup opened = Now();
  EXPECT_EQ(opened.fileBytes, saved.fileBytes);
  EXPECT_EQ(opened.grid, saved.grid);
  EXPECT_EQ(opened, saved);
  EXPECT_EQ(model.StockWidth(), 350);
  EXPECT_EQ(model.StockHeight(), 275);
  EXPECT_EQ(model.FaceOnTable(), 5);
  EXPECT_EQ(model.CurrentCutter(), 3);
  EXPECT_TRUE(messages.isEmpty());
  EXPECT_EQ(suspended, 1);
  EXPECT_EQ(resumed, 1);
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(ProjectActionsTest, SaveWritesTheNamedProjectWithoutADialogAndAnUntitledOneWithIt) {
  actions->Save();  // nothing named yet: Save is Save As, here cancelled
  EXPECT_FALSE(QFile::exists(Path("Untitled")));
  ASSERT_EQ(requests.size(), 1u);
  EXPECT_EQ(requests[0].caption, "Save As");

  WorkedSetup();
  SaveAs("shop.ROU");
  AddCut(model, 10, 10, 5, 1);
  actions->Save();
  EXPECT_EQ(requests.size(), 2u);
  EXPECT_EQ(ReadBytes(Path("shop.ROU")), FormatProject(RecordFromModel(model)));

  // New makes the project untitled: the old name leaves the caption, and Save asks for a name
  // instead of writing over the old file.
  Find<QPushButton>(config, "newButton")->click();
  EXPECT_EQ(mainWindow.windowTitle(), "Kerfwright: Untitled[*]");
  QFile::remove(Path("shop.ROU"));
  answer.clear();
  actions->Save();
  EXPECT_EQ(requests.back().caption, "Save As");
  EXPECT_EQ(requests.back().proposedName, "Untitled");
  EXPECT_FALSE(QFile::exists(Path("shop.ROU")));
}

struct BadFile {
  const char* what;
  const char* bytes;  // nullptr: the file does not exist
  int line;           // the line the message names; 0 for none
};

class BadProjectFiles : public ProjectActionsTest, public ::testing::WithParamInterface<BadFile> {};

TEST_P(BadProjectFiles, ChangeNothingAndSayWhy) {
  const BadFile& bad = GetParam();
  WorkedSetup();
  SaveAs("good.ROU");
  const SeenSetup before = Now();
  const int rebuildsBefore = rebuilds;
  const QString path = Path(QString(bad.what) + ".ROU");
  if (bad.bytes != nullptr) WriteBytes(path, bad.bytes);

  EXPECT_FALSE(Open(path));
  EXPECT_EQ(Now(), before);
  EXPECT_EQ(rebuilds, rebuildsBefore);
  ASSERT_EQ(messages.size(), 1);
  EXPECT_TRUE(messages[0].contains(path)) << messages[0].toStdString();
  if (bad.line > 0) {
    EXPECT_TRUE(messages[0].contains(QString("line %1:").arg(bad.line)))
        << messages[0].toStdString();
  } else {
    EXPECT_FALSE(messages[0].contains("line ")) << messages[0].toStdString();
  }
  EXPECT_FALSE(cursorWhileMessage);
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Open, BadProjectFiles,
    ::testing::Values(
        BadFile{"Missing", nullptr, 0}, BadFile{"Empty", "", 1},
        BadFile{"Version2", "2\r\n1\r\n200\r\n200\r\n752609\r\n\r\nFALSE\r\n2\r\n4\r\n0\r\n3\r\n",
                1},
        BadFile{"WordForWidth",
                "1\r\n1\r\nwide\r\n200\r\n752609\r\n\r\nFALSE\r\n2\r\n4\r\n0\r\n3\r\n", 3},
        BadFile{"EmptyCount", "1\r\n1\r\n200\r\n200\r\n752609\r\n\r\nFALSE\r\n2\r\n4\r\n\r\n3\r\n",
                10},
        BadFile{"BrokenCut",
                "1\r\n1\r\n200\r\n200\r\n752609\r\n\r\nFALSE\r\n2\r\n4\r\n2\r\n"
                "100\r\n10\r\n3\r\ncutter1.bmp\r\n50\r\nhigh\r\n3\r\ncutter2.bmp\r\n3\r\n",
                16}),
    [](const auto& info) { return std::string(info.param.what); });

TEST_F(ProjectActionsTest, FileEndingInsideTheCutsChangesNothing) {
  WorkedSetup();
  const SeenSetup before = Now();
  WriteBytes(Path("short.ROU"),
             "1\r\n1\r\n200\r\n200\r\n752609\r\n\r\nFALSE\r\n2\r\n4\r\n3\r\n100\r\n10\r\n3\r\n");
  EXPECT_FALSE(Open(Path("short.ROU")));
  EXPECT_EQ(Now(), before);
  ASSERT_EQ(messages.size(), 1);
  EXPECT_TRUE(messages[0].contains("line ")) << messages[0].toStdString();
}

TEST_F(ProjectActionsTest, UnloadableTextureIsNamedAndTheRestApplied) {
  // A texture of the project opened before must not stand in for the one that failed.
  ASSERT_EQ(texture.LoadTextureFile(Picture("grain.bmp", 16, 16)).Error(), "");
  ProjectRecord record;
  record.StockWidth = 400;
  record.TextureFile = Path("gone.jpg").toStdString();
  record.TextureMap = true;
  record.RepeatV = 5;
  record.Cuts = {ProjectCut{100, 20, 3, "cutter2.bmp"}};
  record.FaceOnTable = 4;
  WriteBytes(Path("textured.ROU"), FormatProject(record));

  EXPECT_TRUE(Open(Path("textured.ROU")));
  ASSERT_EQ(messages.size(), 1);
  EXPECT_TRUE(messages[0].contains(Path("gone.jpg"))) << messages[0].toStdString();
  EXPECT_EQ(model.StockWidth(), 400);
  EXPECT_EQ(model.CutCount(), 1);
  EXPECT_EQ(model.FaceOnTable(), 4);
  EXPECT_TRUE(Find<QCheckBox>(texture, "textureMapCheck")->isChecked());
  EXPECT_EQ(Find<QSpinBox>(texture, "verticalRepeatBox")->value(), 5);
  EXPECT_EQ(texture.TexturePicture().Width(), DefaultTexturePicture().Width());  // built-in grain
  EXPECT_EQ(Find<QLabel>(texture, "texturePicture")->toolTip(), "");
  EXPECT_EQ(model.TextureFile(), record.TextureFile);  // saving keeps the project's texture
  EXPECT_EQ(mainWindow.windowTitle(), "Kerfwright: textured.ROU[*]");
  EXPECT_TRUE(actions->Named());
  EXPECT_EQ(suspended, resumed);
}

TEST_F(ProjectActionsTest, ProjectWithoutTextureShowsTheBuiltInGrainAndSavesNoTexture) {
  ASSERT_EQ(texture.LoadTextureFile(Picture("grain.bmp", 16, 16)).Error(), "");
  QSignalSpy textureChanged(&texture, &TextureWindow::textureChanged);
  const std::string bytes = FormatProject(ProjectRecord{});
  WriteBytes(Path("plain.ROU"), bytes);
  EXPECT_TRUE(Open(Path("plain.ROU")));
  EXPECT_TRUE(messages.isEmpty()) << messages.join("\n").toStdString();
  EXPECT_EQ(model.TextureFile(), "");
  EXPECT_EQ(texture.TexturePicture().Width(), DefaultTexturePicture().Width());
  EXPECT_EQ(texture.TexturePicture().Pixel(3, 5), DefaultTexturePicture().Pixel(3, 5));
  EXPECT_EQ(Find<QLabel>(texture, "texturePicture")->toolTip(), "");
  EXPECT_EQ(textureChanged.count(), 1);  // the view takes the grain up
  // Saving writes no foreign texture path into the project.
  actions->Save();
  EXPECT_EQ(ReadBytes(Path("plain.ROU")), bytes);
  // Opening it again with the grain already shown changes nothing more.
  EXPECT_TRUE(Open(Path("plain.ROU")));
  EXPECT_EQ(textureChanged.count(), 1);
}

TEST_F(ProjectActionsTest, MissingCutterKeepsItsNameThroughOpenAndSave) {
  ProjectRecord record;
  record.CurrentCutter = 3;
  record.Cuts = {ProjectCut{100, 20, 3, "cutter2.bmp"}, ProjectCut{-30, 45, 7, "Retired Ogee.bmp"},
                 ProjectCut{0, 0, 1, "CUTTER1.BMP"}, ProjectCut{-20, 40, 7, "Retired Ogee.bmp"}};
  const std::string bytes = FormatProject(record);
  WriteBytes(Path("old.ROU"), bytes);
  QSignalSpy cutterChanged(&tools, &ToolsWindow::cutterChanged);

  ASSERT_TRUE(Open(Path("old.ROU")));
  // One message names every missing cutter file, each once.
  ASSERT_EQ(messages.size(), 1);
  EXPECT_EQ(messages[0].count("Retired Ogee.bmp"), 1) << messages[0].toStdString();
  EXPECT_EQ(messages[0].count("CUTTER1.BMP"), 1) << messages[0].toStdString();
  EXPECT_FALSE(messages[0].contains("cutter2.bmp")) << messages[0].toStdString();
  EXPECT_EQ(model.CutAt(1).Cutter, 2);
  EXPECT_EQ(model.CutAt(2).Cutter, 0);
  EXPECT_EQ(model.CutAt(3).Cutter, 0);  // file names match exactly, case included
  EXPECT_EQ(GridText(tools, 2, 1), "Retired Ogee.bmp (missing)");
  EXPECT_EQ(GridText(tools, 3, 1), "CUTTER1.BMP (missing)");
  // The loaded cutter is the one in the box, and the owner hears of it (the interlock follows).
  EXPECT_EQ(Find<QComboBox>(tools, "cutterBox")->currentIndex(), 2);
  EXPECT_GE(cutterChanged.count(), 1);

  actions->Save();
  EXPECT_EQ(ReadBytes(Path("old.ROU")), bytes);
}

TEST_F(ProjectActionsTest, ValuesClippedOnOpenAreNamedWithTheirLines) {
  ProjectRecord record;
  record.StockWidth = 5000;
  record.RepeatH = 0;
  WriteBytes(Path("wide.ROU"), FormatProject(record));
  ASSERT_TRUE(Open(Path("wide.ROU")));
  ASSERT_EQ(messages.size(), 1);
  EXPECT_TRUE(
      messages[0].contains("line 3: the stock width 5000 is out of range; 1000 is used\n"
                           "line 9: the horizontal texture repeat 0 is out of range"))
      << messages[0].toStdString();
  EXPECT_EQ(model.StockWidth(), 1000);
}

TEST_F(ProjectActionsTest, FailedSaveAsLeavesTheProjectNamedAsItWas) {
  WorkedSetup();
  SaveAs("shop.ROU");
  const std::string shopBytes = ReadBytes(Path("shop.ROU"));
  AddCut(model, 1, 1, 1, 1);
  SaveAs("no such folder/other.ROU");
  ASSERT_EQ(messages.size(), 1);
  EXPECT_TRUE(messages[0].contains("other.ROU")) << messages[0].toStdString();
  EXPECT_EQ(mainWindow.windowTitle(), "Kerfwright: shop.ROU[*]");
  EXPECT_EQ(model.ProjectFileName(), Path("shop.ROU").toStdString());
  EXPECT_EQ(ReadBytes(Path("shop.ROU")), shopBytes);

  // A failed Save keeps the previous file whole.
  model.SetProjectFileName(Path("gone/shop.ROU").toStdString());
  actions->Save();
  EXPECT_EQ(messages.size(), 2);
}

TEST_F(ProjectActionsTest, CommandLineNameIsTakenFromTheCurrentDirectory) {
  WriteBytes(Path("start.ROU"), FormatProject(ProjectRecord{}));
  const QString previous = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(dir.path()));
  const bool opened = actions->OpenProjectAtStart("start.ROU");
  QDir::setCurrent(previous);
  EXPECT_TRUE(opened);
  EXPECT_EQ(model.ProjectFileName(), Path("start.ROU").toStdString());
  EXPECT_EQ(mainWindow.windowTitle(), "Kerfwright: start.ROU[*]");
}

TEST_F(ProjectActionsTest, CancelledDialogsDoNothing) {
  const SeenSetup before = Now();
  answer.clear();
  actions->Open();
  actions->SaveAs();
  EXPECT_EQ(Now(), before);
  EXPECT_EQ(requests.size(), 2u);
  EXPECT_TRUE(messages.isEmpty());
}

}  // namespace
}  // namespace kerf
