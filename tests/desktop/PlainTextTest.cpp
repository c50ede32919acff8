// Names and file contents in messages and tool tips show as written, never as markup.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTextDocument>

#include <memory>

#include "desktop/Choosers.h"
#include "desktop/TextureWindow.h"
#include "model/Model.h"
#include "project/PictureFile.h"
#include "support/SetupFixtures.h"
#include "support/UiEvents.h"

namespace kerf {
namespace {

using testing::Find;

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
  ASSERT_EQ(SavePicture(path.toStdString(), picture).Error(), "");
  Model model;
  TextureWindow texture(model);
  ASSERT_EQ(texture.LoadTextureFile(path).Error(), "");
  EXPECT_EQ(ShownToolTip(Find<QLabel>(texture, "texturePicture")->toolTip()),
            "Texture = <img src=\"x\">.bmp");
}

// The desktop's texture loading follows the same limit as a photograph: a picture wider than
// a texture may be is refused, not held in memory.
TEST(PlainText, TextureWindowRefusesPicturesBeyondTheTextureLimit) {
  QTemporaryDir dir;
  const QString path = dir.filePath("wide.jpg");
  std::string error;
  ASSERT_EQ(SavePicture(path.toStdString(), Raster(4097, 2)).Error(), "");
  Model model;
  TextureWindow texture(model);
  error = texture.LoadTextureFile(path).Error();
  EXPECT_NE(error.find("a texture may be at most 4096 pixels on a side"), std::string::npos)
      << error;
  EXPECT_TRUE(model.TextureFile().empty());
}

}  // namespace
}  // namespace kerf
