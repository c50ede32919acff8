// Names in the desktop's start-up message and in help pages show as written, never as markup.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>

#include <filesystem>
#include <fstream>

#include "desktop/Desktop.h"
#include "desktop/HelpViewer.h"
#include "model/Model.h"
#include "project/PictureFile.h"
#include "support/UiEvents.h"

namespace kerf {
namespace {

using testing::DeleteLeftovers;
using testing::WaitUntil;

// A file name that, read as markup, would make a label load a file of its own choosing.
const QString TaggedFileName = "<img src=\"x\">";

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
    EXPECT_TRUE(box->detailedText().contains(TaggedFileName + ".bmp"))
        << box->detailedText().toStdString();
    box->close();
  }
  DeleteLeftovers();
}

TEST(PlainText, HelpPagesLoadNoFilesTheyName) {
  QTemporaryDir dir;
  const QString picture = dir.filePath("picture.png");
  ASSERT_EQ(SavePicture(picture.toStdString(), Raster(4, 4)).Error(), "");
  const QString help = dir.filePath("help.hlp");
  std::ofstream(help.toStdString())
      << "@topic 0 Contents\n![picture](" << picture.toStdString() << ")\n";
  HelpViewer viewer(help.toStdString());
  viewer.ShowTopic(0);
  // No picture in the page (each would be read from the file it names); its name stays as text.
  int images = 0;
  for (QTextBlock block = viewer.Browser()->document()->begin(); block.isValid();
       block = block.next())
    for (auto it = block.begin(); !it.atEnd(); ++it)
      images += it.fragment().charFormat().isImageFormat();
  EXPECT_EQ(images, 0);
  EXPECT_TRUE(viewer.Browser()->toPlainText().contains("picture"));
  viewer.close();
}

}  // namespace
}  // namespace kerf
