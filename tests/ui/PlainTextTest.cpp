// Names and file contents in messages and tool tips show as written, never as markup.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>

#include <filesystem>
#include <fstream>
#include <memory>

#include "app/Desktop.h"
#include "app/HelpViewer.h"
#include "model/Model.h"
#include "project/PictureFile.h"
#include "tests/ui/SetupFixtures.h"
#include "tests/ui/UiEvents.h"
#include "ui/Choosers.h"
#include "ui/TextureWindow.h"

namespace kerf {
namespace {

using testing::Find;
using testing::RunEvents;
using testing::WaitUntil;

// A file name that, read as markup, would make the label load a file of its own choosing.
const QString Tagged = "<img src=\"/dev/zero\">";
// The same kind of name as it can be a file name (without a slash).
const QString TaggedFileName = "<img src=\"x\">";

// What a tool tip shows: rich text rendered, plain text as it is.
QString ShownToolTip(const QString& tip) {
  if (!Qt::mightBeRichText(tip)) return tip;
  QTextDocument document;
  document.setHtml(tip);
  return document.toPlainText();
}

TEST(PlainText, MessageBoxesAndToolTipsShowNamesAsWritten) {
  const QString text = "The project " + Tagged + ".ROU could not be opened.";
  const std::unique_ptr<QMessageBox> box(PlainMessageBox(nullptr, QMessageBox::Warning, text));
  EXPECT_EQ(box->textFormat(), Qt::PlainText);
  EXPECT_EQ(box->text(), text);

  for (const QString& text : {QString("Texture = oak.bmp"), "Texture = " + Tagged + ".bmp",
                              QString("Texture = <b>&amp;</b>.jpg")}) {
    EXPECT_EQ(ShownToolTip(PlainToolTip(text)), text);
  }
}

TEST(PlainText, TextureToolTipShowsATaggedNameAsWritten) {
  QTemporaryDir dir;
  const QString path = dir.filePath(TaggedFileName + ".bmp");
  Raster picture(4, 4);
  std::string error;
  ASSERT_TRUE(SavePicture(path.toStdString(), picture, error)) << error;
  Model model;
  TextureWindow texture(model);
  ASSERT_TRUE(texture.LoadTextureFile(path, error)) << error;
  EXPECT_EQ(ShownToolTip(Find<QLabel>(texture, "Image1")->toolTip()),
            "Texture = <img src=\"x\">.bmp");
}

// The desktop's texture loading follows the same limit as a photograph: a picture wider than
// a texture may be is refused, not held in memory.
TEST(PlainText, TextureWindowRefusesPicturesBeyondTheTextureLimit) {
  QTemporaryDir dir;
  const QString path = dir.filePath("wide.jpg");
  std::string error;
  ASSERT_TRUE(SavePicture(path.toStdString(), Raster(4097, 2), error)) << error;
  Model model;
  TextureWindow texture(model);
  EXPECT_FALSE(texture.LoadTextureFile(path, error));
  EXPECT_NE(error.find("a texture may be at most 4096 pixels on a side"), std::string::npos) << error;
  EXPECT_TRUE(model.TextureFile.empty());
}

TEST(PlainText, StartUpMessageNamingABrokenCutterIsPlainText) {
  QTemporaryDir scratch;
  const std::filesystem::path tools = scratch.filePath("tools").toStdString();
  std::filesystem::create_directory(tools);
  std::ofstream(tools / (TaggedFileName.toStdString() + ".bmp")) << "BM broken";
  DesktopOptions options;
  options.Paths.ToolsDir = tools.string();
  options.Paths.TexturesDir = KERF_SOURCE_DIR "/data/textures";
  options.Paths.HelpFile = KERF_SOURCE_DIR "/data/ROUTERHELP.HLP";
  options.Paths.WorkDir = scratch.path().toStdString();
  options.Paths.PhotosDir = scratch.path().toStdString();
  options.QuitWhenClosed = false;
  Model model;
  {
    Desktop desktop(model, std::move(options));
    desktop.Start();
    QMessageBox* box = nullptr;
    ASSERT_TRUE(WaitUntil([&] {
      for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == "StartupMessage") box = qobject_cast<QMessageBox*>(w);
      return box != nullptr;
    }));
    EXPECT_EQ(box->textFormat(), Qt::PlainText);
    EXPECT_TRUE(box->text().contains(TaggedFileName + ".bmp")) << box->text().toStdString();
    box->close();
  }
  RunEvents(10);
}

TEST(PlainText, HelpPagesLoadNoFilesTheyName) {
  QTemporaryDir dir;
  const QString picture = dir.filePath("picture.png");
  std::string error;
  ASSERT_TRUE(SavePicture(picture.toStdString(), Raster(4, 4), error)) << error;
  const QString help = dir.filePath("help.hlp");
  std::ofstream(help.toStdString()) << "@topic 0 Contents\n![picture](" << picture.toStdString() << ")\n";
  HelpViewer viewer(help.toStdString());
  viewer.ShowTopic(0);
  // No picture in the page (each would be read from the file it names); its name stays as text.
  int images = 0;
  for (QTextBlock block = viewer.Browser()->document()->begin(); block.isValid(); block = block.next())
    for (auto it = block.begin(); !it.atEnd(); ++it) images += it.fragment().charFormat().isImageFormat();
  EXPECT_EQ(images, 0);
  EXPECT_TRUE(viewer.Browser()->toPlainText().contains("picture"));
  viewer.close();
}

}  // namespace
}  // namespace kerf
