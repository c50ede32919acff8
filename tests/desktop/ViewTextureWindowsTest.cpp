// View Controls and Texture windows: the scene they describe, Home View, loading texture pictures.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

#include "desktop/Choosers.h"
#include "desktop/TextureWindow.h"
#include "desktop/ViewControlsWindow.h"
#include "model/Model.h"
#include "project/PictureFile.h"
#include "render/DefaultTexture.h"
#include "render/Scene.h"
#include "support/SetupFixtures.h"

namespace kerf {
namespace {

using testing::Find;

TEST(ViewControlsWindowTest, StartsHeadOnFilledWithTheStartingLights) {
  ViewControlsWindow view;
  SceneParams scene;
  scene.EyeDistance = 0;
  scene.Solid = false;
  scene = MakeSceneParams(view.Positions(), Model{});
  EXPECT_FLOAT_EQ(scene.EyeDistance, 7.0f);
  EXPECT_FLOAT_EQ(scene.RotateX + scene.RotateY + scene.RotateZ, 0.0f);
  EXPECT_FLOAT_EQ(scene.ShiftX + scene.ShiftY, 0.0f);
  EXPECT_FLOAT_EQ(scene.Ambient, 0.20f);
  EXPECT_FLOAT_EQ(scene.Diffuse, 0.70f);
  EXPECT_FLOAT_EQ(scene.Specular, 0.05f);
  EXPECT_TRUE(scene.Solid);
}

TEST(ViewControlsWindowTest, HomeViewTurnsBackButKeepsZoomAndLights) {
  ViewControlsWindow view;
  const std::pair<const char*, int> moved[] = {
      {"zoomSlider", 120},   {"rotateXSlider", 30}, {"rotateYSlider", 300},
      {"rotateZSlider", 10}, {"shiftXSlider", -7},  {"shiftYSlider", 12},
      {"ambientSlider", 55}, {"diffuseSlider", 15}, {"highlightSlider", 90}};
  for (const auto& [name, value] : moved) Find<QSlider>(view, name)->setValue(value);
  Find<QCheckBox>(view, "solidCheck")->setChecked(false);

  QTest::mouseClick(Find<QPushButton>(view, "homeViewButton"), Qt::LeftButton);
  SceneParams scene;
  scene = MakeSceneParams(view.Positions(), Model{});
  EXPECT_EQ(scene.RotateX, 0);
  EXPECT_EQ(scene.RotateY, 0);
  EXPECT_EQ(scene.RotateZ, 0);
  EXPECT_EQ(scene.ShiftX, 0);
  EXPECT_EQ(scene.ShiftY, 0);
  EXPECT_TRUE(scene.Solid);
  EXPECT_FLOAT_EQ(scene.EyeDistance, 12.0f);
  EXPECT_FLOAT_EQ(scene.Ambient, 0.55f);
  EXPECT_FLOAT_EQ(scene.Diffuse, 0.15f);
  EXPECT_FLOAT_EQ(scene.Specular, 0.90f);
}

class TextureWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    texture.SetMessageShower([this](const QString& text) { messages << text; });
  }

  // A picture file of the given size, in the format its name asks for.
  QString Picture(const QString& name, int width, int height, Colour colour) {
    Raster picture(width, height);
    picture.Fill(colour);
    const QString path = dir.filePath(name);
    EXPECT_EQ(SavePicture(path.toStdString(), picture).Error(), "");
    return path;
  }
  QString Junk(const QString& name) {
    const QString path = dir.filePath(name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("this is not a picture");
    return path;
  }

  QTemporaryDir dir;
  Model model;
  TextureWindow texture{model};
  QStringList messages;
};

TEST_F(TextureWindowTest, StartsWithTheBuiltInWoodGrain) {
  const Raster standard = DefaultTexturePicture();
  ASSERT_EQ(texture.TexturePicture().Width(), 128);
  ASSERT_EQ(texture.TexturePicture().Height(), 128);
  for (int y = 0; y < 128; y += 17) {
    for (int x = 0; x < 128; x += 13)
      ASSERT_EQ(texture.TexturePicture().Pixel(x, y), standard.Pixel(x, y));
  }
  EXPECT_TRUE(model.TextureFile().empty());
  EXPECT_FALSE(Find<QLabel>(texture, "texturePicture")->pixmap().isNull());
}

TEST_F(TextureWindowTest, LoadsBitmapsOfAnyCaseAndJpegs) {
  struct Case {
    const char* name;
    int width, height;
  };
  // ".BMP" in any case is read as a bitmap, every other name as a JPEG.
  const Case cases[] = {{"oak.BMP", 40, 30},
                        {"ash.bmp", 16, 64},
                        {"elm.Bmp", 9, 7},
                        {"walnut.jpg", 50, 20},
                        {"birch.jpeg", 33, 33}};
  for (const Case& c : cases) {
    const QString path = Picture(c.name, c.width, c.height, MakeColour(200, 100, 50));
    QSignalSpy changed(&texture, &TextureWindow::textureChanged);
    ASSERT_EQ(texture.LoadTextureFile(path).Error(), "");
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(texture.TexturePicture().Width(), c.width) << c.name;
    EXPECT_EQ(texture.TexturePicture().Height(), c.height) << c.name;
    EXPECT_EQ(model.TextureFile(), path.toStdString());
    EXPECT_EQ(Find<QLabel>(texture, "texturePicture")->toolTip(), QString("Texture = ") + c.name);
  }
}

TEST_F(TextureWindowTest, APictureThatCannotBeReadChangesNothing) {
  const QString good = Picture("good.bmp", 20, 10, White);
  std::string error;
  ASSERT_EQ(texture.LoadTextureFile(good).Error(), "");
  // A bitmap named as a JPEG is decoded as a JPEG, and fails.
  const QString disguised = dir.filePath("bitmap.jpg");
  ASSERT_TRUE(QFile::rename(Picture("bitmap.BMP", 8, 8, Black), disguised));
  const std::vector<QString> bad = {dir.filePath("absent.bmp"), dir.filePath("absent.jpg"),
                                    Junk("junk.bmp"), Junk("junk.jpeg"), disguised};
  for (const QString& path : bad) {
    QSignalSpy changed(&texture, &TextureWindow::textureChanged);
    error.clear();
    error = texture.LoadTextureFile(path).Error();
    EXPECT_NE(error, "") << path.toStdString();
    EXPECT_NE(error.find(QFileInfo(path).fileName().toStdString()), std::string::npos) << error;
    EXPECT_EQ(changed.count(), 0);
    EXPECT_EQ(model.TextureFile(), good.toStdString());
    EXPECT_EQ(texture.TexturePicture().Width(), 20);
    EXPECT_EQ(Find<QLabel>(texture, "texturePicture")->toolTip(), "Texture = good.bmp");
  }
}

TEST_F(TextureWindowTest, ClickingThePictureOffersThePictureDialog) {
  std::vector<FileRequest> requests;
  QString answer;
  texture.SetFileChooser([&](const FileRequest& r) {
    requests.push_back(r);
    return answer;
  });
  texture.SetTextureDirectory("/somewhere/textures");
  auto* image = Find<QLabel>(texture, "texturePicture");
  EXPECT_EQ(image->cursor().shape(), Qt::PointingHandCursor);

  QTest::mouseClick(image, Qt::LeftButton);  // cancelled
  ASSERT_EQ(requests.size(), 1u);
  EXPECT_EQ(requests[0].directory, "/somewhere/textures");
  EXPECT_EQ(requests[0].filter,
            "All (*.jpg *.jpeg *.bmp);;JPEG Image File (*.jpg);;JPEG Image File (*.jpeg);;Bitmaps "
            "(*.bmp)");
  EXPECT_TRUE(model.TextureFile().empty());

  answer = Picture("maple.bmp", 12, 12, White);
  QTest::mouseClick(image, Qt::LeftButton);
  EXPECT_EQ(model.TextureFile(), answer.toStdString());
  EXPECT_TRUE(messages.isEmpty());

  answer = Junk("broken.jpg");
  QTest::mouseClick(image, Qt::LeftButton);
  EXPECT_EQ(requests.back().proposedName, dir.filePath("maple.bmp"));  // the last pick is offered
  ASSERT_EQ(messages.size(), 1);
  EXPECT_TRUE(messages[0].contains("broken.jpg"));
  EXPECT_EQ(model.TextureFile(), dir.filePath("maple.bmp").toStdString());
}

TEST_F(TextureWindowTest, ControlsAndModelStayInStep) {
  Find<QCheckBox>(texture, "textureMapCheck")->setChecked(true);
  Find<QSpinBox>(texture, "verticalRepeatBox")->setValue(7);
  Find<QSpinBox>(texture, "horizontalRepeatBox")->setValue(12);  // held to 10
  EXPECT_TRUE(model.TextureMap());
  EXPECT_EQ(model.TextureRepeatV(), 7);
  EXPECT_EQ(model.TextureRepeatH(), 10);
  SceneParams scene;
  scene = MakeSceneParams(ViewControlPositions{}, model);
  EXPECT_TRUE(scene.TextureMap);
  EXPECT_EQ(scene.RepeatV, 7);
  EXPECT_EQ(scene.RepeatH, 10);

  model.SetTextureMap(false);
  // The model holds the counts within 1..10 itself, so the counters see the lowest.
  model.SetTextureRepeat(1, 1);
  texture.SyncFromModel();
  EXPECT_FALSE(Find<QCheckBox>(texture, "textureMapCheck")->isChecked());
  EXPECT_EQ(Find<QSpinBox>(texture, "verticalRepeatBox")->value(), 1);
  EXPECT_EQ(Find<QSpinBox>(texture, "horizontalRepeatBox")->value(), 1);
  EXPECT_EQ(model.TextureRepeatH(), 1);
}

TEST(FileFilterText, PairsBecomeQtFilters) {
  const std::pair<const char*, const char*> cases[] = {
      {"Router File|*.ROU", "Router File (*.ROU)"},
      {"Router Files|*.ROU", "Router Files (*.ROU)"},
      {"Bitmaps (*.bmp)|*.bmp", "Bitmaps (*.bmp)"},
      {"All (*.jpg;*.jpeg)|*.jpg;*.jpeg|Bitmaps (*.bmp)|*.bmp",
       "All (*.jpg *.jpeg);;Bitmaps (*.bmp)"},
      {"Dangling", ""},
  };
  for (const auto& [pairs, qt] : cases) EXPECT_EQ(QtFileFilter(pairs), qt) << pairs;
}

}  // namespace
}  // namespace kerf
