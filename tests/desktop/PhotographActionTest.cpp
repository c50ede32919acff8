// File > Photograph: the picture has the view's size and pixels; cancelling and failures are safe.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include "desktop/PhotographAction.h"
#include "desktop/ViewPanel.h"
#include "model/Model.h"
#include "model/PlotOutline.h"
#include "project/PictureFile.h"
#include "support/ResultValue.h"

namespace kerf {
namespace {

// Remembers what the Progress window was told.
struct RecordedProgress final : ProgressSink {
  std::string label;
  int maximum = -1, last = 0, ends = 0;
  void Begin(const std::string& l, int m) override { label = l, maximum = m; }
  void Step(int p) override { last = p; }
  void End() override { ++ends; }
};

class PhotographActionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    model.NewWorkpiece(300, 150);
    NoProgress quiet;
    PlotOutline(model, pictures, section, quiet);
    // A turned moulding on a coloured background, so that a picture upside down or mirrored
    // would not match.
    view.SetSceneFiller([](SceneParams& scene) {
      scene.RotateX = 25;
      scene.RotateY = 40;
      scene.ShiftX = 0.7f;
      scene.Clear = {0.1f, 0.3f, 0.6f, 1.0f};
    });
    view.SetSceneReady(true);
    action.SetStartDirectory(dir.path());
    action.SetFileChooser([this](const FileRequest& r) {
      requests.push_back(r);
      return answer;
    });
    action.SetMessageShower([this](const QString& text) { messages << text; });
  }

  void ShowView(int width, int height) {
    view.resize(width, height);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    view.DrawFrame();
  }

  QTemporaryDir dir;
  Model model;
  SectionPictures pictures;
  Section section;
  QWidget mainWindow;
  ViewPanel view{model, pictures.Outline, true};
  RecordedProgress progress;
  int suspended = 0, resumed = 0;
  QString title;  // the project's, proposed as the name
  PhotographAction action{PhotographWindows{mainWindow, view, progress, [this] { ++suspended; },
                                            [this] { ++resumed; }, [this] { return title; }}};
  std::vector<FileRequest> requests;
  QString answer;
  QStringList messages;
};

TEST_F(PhotographActionTest, PictureIsTheViewAsLastDrawn) {
  ShowView(400, 300);
  if (!view.GLAvailable() || !view.MakeCurrent()) GTEST_SKIP() << "no OpenGL";
  answer = QDir(dir.path()).filePath("MyPhoto.BMP");
  ASSERT_TRUE(action.OnPhotograph()) << messages.join("\n").toStdString();

  ASSERT_EQ(requests.size(), 1u);
  EXPECT_EQ(requests[0].proposedName, "MyPhoto.png");
  EXPECT_EQ(requests[0].filter,
            "PNG pictures (*.png);;JPEG pictures (*.jpg *.jpeg);;Bitmaps (*.bmp)");
  EXPECT_EQ(requests[0].defaultSuffix, "png");
  EXPECT_EQ(requests[0].directory, dir.path());
  EXPECT_EQ(progress.label, "Photograph...");
  EXPECT_EQ(progress.maximum, 300);
  EXPECT_EQ(progress.last, 300);
  EXPECT_EQ(progress.ends, 1);
  EXPECT_EQ(suspended, 1);
  EXPECT_EQ(resumed, 1);
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);

  Raster photo(1, 1);
  ASSERT_EQ(test::TakeValue(LoadPicture(answer.toStdString()), photo), "");
  ASSERT_EQ(photo.Width(), 400);
  ASSERT_EQ(photo.Height(), 300);
  // The same frame drawn again and read by Qt, top row first.
  const QImage frame = view.GrabFrame().convertToFormat(QImage::Format_RGB32);
  ASSERT_EQ(frame.size(), QSize(400, 300));
  int differing = 0, background = 0;
  const Colour corner = photo.Pixel(0, 0);
  for (int y = 0; y < 300; ++y) {
    for (int x = 0; x < 400; ++x) {
      const QRgb expected = frame.pixel(x, y);
      const Colour got = photo.Pixel(x, y);
      if (got != MakeColour(qRed(expected), qGreen(expected), qBlue(expected))) ++differing;
      if (got == corner) ++background;
    }
  }
  EXPECT_EQ(differing, 0);
  // Both the background and the moulding are in the picture.
  EXPECT_NEAR(ColourBlue(corner), 153, 1);
  EXPECT_GT(background, 1000);
  EXPECT_LT(background, 400 * 300);

  // The next photograph offers the last name chosen.
  answer.clear();
  EXPECT_FALSE(action.OnPhotograph());
  EXPECT_EQ(requests.back().proposedName,
            QDir::toNativeSeparators(QDir(dir.path()).filePath("MyPhoto.BMP")));
}

TEST_F(PhotographActionTest, EachOfferedFormatIsWrittenAsItsExtensionSays) {
  ShowView(64, 48);
  if (!view.GLAvailable() || !view.MakeCurrent()) GTEST_SKIP() << "no OpenGL";
  const std::pair<const char*, QByteArray> formats[] = {{"shot.png", "\x89PNG"},
                                                        {"shot.jpg", "\xFF\xD8\xFF"},
                                                        {"shot.jpeg", "\xFF\xD8\xFF"},
                                                        {"shot.bmp", "BM"}};
  for (const auto& [name, magic] : formats) {
    answer = QDir(dir.path()).filePath(name);
    ASSERT_TRUE(action.OnPhotograph()) << name << messages.join("\n").toStdString();
    QFile file(answer);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    EXPECT_TRUE(file.read(magic.size()) == magic) << name;
    const QImage picture(answer);
    EXPECT_EQ(picture.size(), QSize(64, 48)) << name;
  }
}

TEST(PhotographStartDirectoryTest, BesideTheProgramThenPicturesThenHome) {
  QTemporaryDir root;
  ASSERT_TRUE(root.isValid());
  const QString photos = root.filePath("photos"), pictures = root.filePath("home/Pictures");
  const QString home = root.filePath("home");
  ASSERT_TRUE(QDir().mkpath(photos));
  EXPECT_EQ(PhotographStartDirectory(photos.toStdString(), pictures, home), photos);
  // No folder beside the program: the Pictures folder, or home while there is none.
  const std::string gone = root.filePath("no photos").toStdString();
  ASSERT_TRUE(QDir().mkpath(home));
  EXPECT_EQ(PhotographStartDirectory(gone, pictures, home), home);
  ASSERT_TRUE(QDir().mkpath(pictures));
  EXPECT_EQ(PhotographStartDirectory(gone, pictures, home), pictures);
  // A folder that cannot be written (an installed program's) is passed over too.
  ASSERT_TRUE(QFile::setPermissions(photos, QFile::ReadOwner | QFile::ExeOwner));
  if (!QFileInfo(photos).isWritable()) {
    EXPECT_EQ(PhotographStartDirectory(photos.toStdString(), pictures, home), pictures);
  }
  QFile::setPermissions(photos, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  EXPECT_EQ(PhotographStartDirectory(gone, QString(), home), home);
}

TEST_F(PhotographActionTest, CancellingReadsAndSavesNothing) {
  ShowView(120, 80);
  EXPECT_FALSE(action.OnPhotograph());
  EXPECT_EQ(requests.size(), 1u);
  EXPECT_EQ(progress.maximum, -1);
  EXPECT_EQ(suspended, 1);
  EXPECT_EQ(resumed, 1);
  EXPECT_TRUE(messages.isEmpty());
  EXPECT_TRUE(QDir(dir.path()).isEmpty());
  title = "Cove";  // a project's name is proposed
  EXPECT_FALSE(action.OnPhotograph());
  EXPECT_EQ(requests.back().proposedName, "Cove.png");
}

TEST_F(PhotographActionTest, AFileThatCannotBeWrittenIsReported) {
  ShowView(120, 80);
  if (!view.GLAvailable() || !view.MakeCurrent()) GTEST_SKIP() << "no OpenGL";
  answer = QDir(dir.path()).filePath("no such folder/shot.BMP");
  EXPECT_FALSE(action.OnPhotograph());
  ASSERT_EQ(messages.size(), 1);
  EXPECT_TRUE(messages[0].contains("shot.BMP")) << messages[0].toStdString();
  EXPECT_EQ(resumed, suspended);
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(PhotographActionTest, ViewsWiderThanTheRowBufferAreRefused) {
  ShowView(5001, 4);
  if (view.Width() != 5001) GTEST_SKIP() << "the window system would not make the view 5001 wide";
  EXPECT_FALSE(action.OnPhotograph());
  EXPECT_TRUE(requests.empty());
  ASSERT_EQ(messages.size(), 1);
  EXPECT_TRUE(messages[0].contains("5000"));
  EXPECT_EQ(suspended, 0);

  ShowView(5000, 4);
  answer.clear();
  action.OnPhotograph();
  EXPECT_EQ(requests.size(), 1u);
}

}  // namespace
}  // namespace kerf
