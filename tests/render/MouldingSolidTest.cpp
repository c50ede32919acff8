// Every sample project in every orientation draws a closed, evenly lit solid; plain sides are flat.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "HeadlessGL.h"
#include "OutlineShapes.h"
#include "model/Model.h"
#include "model/PlotOutline.h"
#include "project/CutterLibrary.h"
#include "project/ProjectFile.h"
#include "render/DefaultTexture.h"
#include "render/Scene.h"
#include "support/ResultValue.h"

namespace kerf::testing {
namespace {

namespace fs = std::filesystem;

// Small pictures keep the many photographs quick.
constexpr int Width = 240, Height = 180;
const Colour BackFaceGreen = MakeColour(0, 255, 0);

const std::vector<Tool>& SuppliedCutters() {
  static const std::vector<Tool> tools = [] {
    NoProgress quiet;
    return LoadCutterLibrary(KERF_SOURCE_DIR "/data/tools", quiet).Tools;
  }();
  return tools;
}

std::vector<fs::path> SampleProjects() {
  std::vector<fs::path> projects;
  for (const auto& entry : fs::directory_iterator(KERF_SOURCE_DIR "/data/work"))
    if (entry.path().extension() == ".ROU") projects.push_back(entry.path());
  std::sort(projects.begin(), projects.end());
  return projects;
}

class MouldingSolid : public HeadlessGLTest {
 protected:
  // The project rebuilt with the given face on the table (the file's last line).
  static bool LoadSample(const fs::path& path, int face, Model& model, SectionPictures& pictures,
                         Section& section) {
    ProjectReadResult read = ReadProjectFile(path.string());
    EXPECT_TRUE(read.Ok()) << path << ": " << read.Error();
    if (!read.Ok()) return false;
    read.Value().FaceOnTable = face;
    model.SetCutterLibrary(SuppliedCutters());
    ApplyRecord(model, read.Value());
    NoProgress quiet;
    PlotOutline(model, pictures, section, quiet);
    return pictures.Outline.Closed;
  }

  // With backFacesGreen the back of every face is lit pure green and nothing is culled, so
  // any face seen from behind shows.
  static Raster Photo(const SceneParams& params, const SectionOutline& outline,
                      bool backFacesGreen) {
    Scene scene;
    scene.SetUpScene();
    scene.ResizeScene(Width, Height);
    if (backFacesGreen) {
      gl::glDisable(GL_CULL_FACE);
      gl::glColorMaterial(GL_FRONT, GL_AMBIENT_AND_DIFFUSE);
      const float black[4] = {0, 0, 0, 1}, green[4] = {0, 1, 0, 1};
      gl::glMaterialfv(GL_BACK, GL_AMBIENT_AND_DIFFUSE, black);
      gl::glMaterialfv(GL_BACK, GL_EMISSION, green);
    }
    scene.DrawScene(params, outline, nullptr);
    if (backFacesGreen) {
      const float none[4] = {0, 0, 0, 1}, ambient[4] = {0.2f, 0.2f, 0.2f, 1};
      const float diffuse[4] = {0.8f, 0.8f, 0.8f, 1};
      gl::glMaterialfv(GL_BACK, GL_EMISSION, none);
      gl::glMaterialfv(GL_BACK, GL_AMBIENT, ambient);
      gl::glMaterialfv(GL_BACK, GL_DIFFUSE, diffuse);
    }
    Raster picture(0, 0);
    NoProgress quiet;
    EXPECT_EQ(test::TakeValue(TakePhotograph(Width, Height, quiet), picture), "");
    return picture;
  }
};

// The colours of the head-on photograph where the near end face must be: photograph pixels
// whose spot on the section raster lies well inside the material.
std::set<Colour> NearFaceColours(const Raster& photo, const SectionPictures& pictures,
                                 const Section& measured, int& pixels) {
  // The near face lies 5 units from the eye under a 50 degree view.
  const double perUnit = (Height / 2.0) / std::tan(25.0 * M_PI / 180.0) / 5.0;
  const Raster& section = measured.Picture;
  std::set<Colour> colours;
  pixels = 0;
  for (int py = 0; py < Height; ++py) {
    for (int px = 0; px < Width; ++px) {
      // Screen right is along the raster's columns, screen up against its rows.
      const double right = (px + 0.5 - Width / 2.0) / perUnit;
      const double up = (Height / 2.0 - (py + 0.5)) / perUnit;
      const int column = static_cast<int>(std::lround(right * 100 + pictures.Outline.CentreX));
      const int row = static_cast<int>(std::lround(-up * 100 + pictures.Outline.CentreY));
      bool inside = true;
      for (int dy = -4; dy <= 4 && inside; ++dy)
        for (int dx = -4; dx <= 4 && inside; ++dx) {
          const int x = column + dx, y = row + dy;
          inside = x >= 0 && y >= 0 && x < section.Width() - 1 && y < section.Height() - 1 &&
                   section.Pixel(x, y) != White;
        }
      if (!inside) continue;
      ++pixels;
      colours.insert(photo.Pixel(px, py));
    }
  }
  return colours;
}

int CountColour(const Raster& photo, Colour c) {
  int n = 0;
  for (int y = 0; y < photo.Height(); ++y)
    for (int x = 0; x < photo.Width(); ++x) n += photo.Pixel(x, y) == c;
  return n;
}

TEST_F(MouldingSolid, EverySampleInEveryOrientationIsAClosedSolid) {
  SectionPictures pictures;
  Section section;
  const std::vector<fs::path> samples = SampleProjects();
  ASSERT_GE(samples.size(), 5u);
  for (const fs::path& sample : samples) {
    for (int face = 1; face <= 8; ++face) {
      SCOPED_TRACE(sample.filename().string() + ", face " + std::to_string(face));
      Model model;
      ASSERT_TRUE(LoadSample(sample, face, model, pictures, section));
      SceneParams params;
      params.EyeDistance = 7;
      // Head-on: the near end face is there, whole and of one colour.
      const Raster headOn = Photo(params, pictures.Outline, false);
      int pixels = 0;
      const std::set<Colour> colours = NearFaceColours(headOn, pictures, section, pixels);
      EXPECT_GT(pixels, 200);
      ASSERT_EQ(colours.size(), 1u);
      EXPECT_NE(*colours.begin(), Black);
      // Turned both ways, no face is seen from behind.
      params.Specular = 0;
      for (const auto& [x, y] : {std::pair{20, 330}, {200, 140}}) {
        params.RotateX = static_cast<float>(x);
        params.RotateY = static_cast<float>(y);
        const Raster turned = Photo(params, pictures.Outline, true);
        EXPECT_LE(CountColour(turned, BackFaceGreen), 3) << "turned " << x << ", " << y;
        EXPECT_GT(Width * Height - CountColour(turned, Black), 1000);
      }
    }
  }
}

TEST_F(MouldingSolid, FlatSidesOfThePlainStockAreOneColourEach) {
  SceneParams params;
  params.RotateX = 20;
  params.RotateY = 330;
  params.Specular = 0.3f;
  for (const SectionOutline& stock : {PlainStockOutline(), RectangleOutline(250, 300, 449, 449)}) {
    const Raster turned = Photo(params, stock, false);
    std::set<Colour> colours;
    for (int y = 0; y < Height; ++y)
      for (int x = 0; x < Width; ++x)
        if (turned.Pixel(x, y) != Black) colours.insert(turned.Pixel(x, y));
    // The near end face, the top and the right side.
    EXPECT_EQ(colours.size(), 3u);
  }
}

TEST_F(MouldingSolid, EndFacesShowTheGrainEndOn) {
  // Textured, the end face shows the edges of the growth layers running straight across the
  // stock (each pixel column of the face one colour), not the long grain of the sides.
  Texture texture;
  texture.SetImage(TextureImage::Upright(DefaultTexturePicture()));
  texture.Upload();
  SceneParams params;
  params.TextureMap = true;
  Scene scene;
  scene.SetUpScene();
  scene.ResizeScene(Width, Height);
  scene.DrawScene(params, RectangleOutline(200, 250, 449, 449), &texture);
  Raster picture(0, 0);
  NoProgress quiet;
  ASSERT_EQ(test::TakeValue(TakePhotograph(Width, Height, quiet), picture), "");
  // Well inside the face, which covers about 100 x 77 pixels in the middle.
  std::set<Colour> across;
  for (int x = Width / 2 - 40; x <= Width / 2 + 40; ++x) {
    const Colour top = picture.Pixel(x, Height / 2 - 30);
    across.insert(top);
    for (int y = Height / 2 - 30; y <= Height / 2 + 30; ++y)
      ASSERT_EQ(picture.Pixel(x, y), top) << x << "," << y;
  }
  EXPECT_GE(across.size(), 4u);
}

}  // namespace
}  // namespace kerf::testing
