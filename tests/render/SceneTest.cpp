// Pixel probes of the drawn scene on a headless context: background, light, wire frame,
// texture, turns, the compiled moulding and the read-back of photographs.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <set>
#include <utility>
#include <vector>

#include "HeadlessGL.h"
#include "OutlineShapes.h"
#include "model/OutlineTrace.h"
#include "render/DefaultTexture.h"
#include "render/Scene.h"
#include "support/ResultValue.h"

namespace kerf::testing {
namespace {

// A 200 x 150 pixel section: seen head-on its end face covers the middle of the view.
SectionOutline TestSection() { return RectangleOutline(250, 300, 449, 449); }

// The middle of the view, well inside the end face of TestSection.
constexpr int BoxLeft = 165, BoxRight = 235, BoxTop = 125, BoxBottom = 175;

Colour Background(const SceneParams& p) {
  const float rgba[4] = {p.Clear[0], p.Clear[1], p.Clear[2], p.Clear[3]};
  return PhotographColour(rgba);
}

// A section with rounded corners, traced from the raster: curved sides of many short segments.
SectionOutline RoundedSection() {
  Raster picture(500, 500);
  picture.Fill(White);
  for (int y = 300; y <= 449; ++y)
    for (int x = 250; x <= 449; ++x) {
      const int cx = std::clamp(x, 290, 409), cy = std::clamp(y, 340, 409);
      if ((x - cx) * (x - cx) + (y - cy) * (y - cy) <= 40 * 40) picture.SetPixel(x, y, Black);
    }
  OutlineTracer tracer;
  tracer.Mark(picture);
  SectionOutline outline;
  tracer.Trace(outline);
  return outline;
}

// Pixels whose red, green or blue differ by more than tolerance.
int DifferingPixels(const Raster& a, const Raster& b, int tolerance = 0) {
  int differing = 0;
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x) {
      const Colour p = a.Pixel(x, y), q = b.Pixel(x, y);
      differing += std::abs(ColourRed(p) - ColourRed(q)) > tolerance ||
                   std::abs(ColourGreen(p) - ColourGreen(q)) > tolerance ||
                   std::abs(ColourBlue(p) - ColourBlue(q)) > tolerance;
    }
  return differing;
}

int Brightness(Colour c) { return ColourRed(c) + ColourGreen(c) + ColourBlue(c); }

// Share of the probe box showing the colour c.
double ShareInBox(const Raster& picture, Colour c) {
  int hits = 0, total = 0;
  for (int y = BoxTop; y <= BoxBottom; ++y)
    for (int x = BoxLeft; x <= BoxRight; ++x, ++total) hits += picture.Pixel(x, y) == c;
  return static_cast<double>(hits) / total;
}

struct Extent {
  int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1;
  int Width() const { return right - left + 1; }
  int Height() const { return bottom - top + 1; }
};

Extent DrawnExtent(const Raster& picture, Colour background) {
  Extent e;
  for (int y = 0; y < picture.Height(); ++y)
    for (int x = 0; x < picture.Width(); ++x)
      if (picture.Pixel(x, y) != background) {
        e.left = std::min(e.left, x);
        e.right = std::max(e.right, x);
        e.top = std::min(e.top, y);
        e.bottom = std::max(e.bottom, y);
      }
  return e;
}

class SceneTest : public HeadlessGLTest {
 protected:
  Raster Draw(const SceneParams& params, const SectionOutline& outline, Texture* texture = nullptr,
              bool compiled = true, int lengthSlices = 1, bool mergeStraightRuns = true) {
    Scene scene;
    scene.SetCompiledMoulding(compiled);
    scene.SetMouldingDetail(lengthSlices, mergeStraightRuns);
    scene.SetUpScene();
    scene.ResizeScene(ViewWidth, ViewHeight);
    scene.DrawScene(params, outline, texture);
    context_->SwapBuffers();
    return Photograph();
  }
};

TEST_F(SceneTest, CornersShowTheClearColourAndTheEndFaceIsLit) {
  const SectionOutline section = TestSection();
  for (const auto& clear :
       {std::array<float, 4>{0, 0, 0, 0}, std::array<float, 4>{0.2f, 0.4f, 0.6f, 1}}) {
    SceneParams params;
    params.Clear = clear;
    const Raster lit = Draw(params, section);
    const Colour background = Background(params);
    for (const auto& [x, y] : {std::pair{0, 0},
                               {ViewWidth - 1, 0},
                               {0, ViewHeight - 1},
                               {ViewWidth - 1, ViewHeight - 1}}) {
      EXPECT_EQ(lit.Pixel(x, y), background) << x << "," << y;
    }
    const Colour centre = lit.Pixel(ViewWidth / 2, ViewHeight / 2);
    EXPECT_NE(centre, background);
    // The wood colour (orange-brown) shows through the light.
    EXPECT_GT(ColourRed(centre), ColourGreen(centre));
    EXPECT_GT(ColourGreen(centre), ColourBlue(centre));

    // The diffuse light brightens the face: with none the face is darker.
    params.Diffuse = 0;
    const Raster unlit = Draw(params, section);
    EXPECT_GT(Brightness(centre), Brightness(unlit.Pixel(ViewWidth / 2, ViewHeight / 2)) + 60);
  }
}

TEST_F(SceneTest, NothingIsDrawnForAnOpenOutline) {
  SectionOutline section = TestSection();
  section.Closed = false;
  SceneParams params;
  const Raster picture = Draw(params, section);
  const Extent e = DrawnExtent(picture, Background(params));
  EXPECT_EQ(e.right, -1) << "drawn from " << e.left << "," << e.top;
}

TEST_F(SceneTest, WireFrameLeavesFaceInteriorsBackground) {
  // Only the corners of the section: a traced outline has a point for every boundary pixel,
  // and the edges of its many thin triangles would hatch the whole face.
  const SectionOutline section = OutlineThrough({{250, 300}, {449, 300}, {449, 449}, {250, 449}});
  SceneParams params;
  const Colour background = Background(params);
  params.Solid = false;
  const Raster wire = Draw(params, section);
  EXPECT_GT(ShareInBox(wire, background), 0.85);
  // The edges are still drawn.
  const Extent e = DrawnExtent(wire, background);
  EXPECT_GT(e.Width(), 100);
  EXPECT_GT(e.Height(), 70);
  // A solid view of the same outline fills the face.
  params.Solid = true;
  EXPECT_EQ(ShareInBox(Draw(params, section), background), 0.0);
}

TEST_F(SceneTest, TextureMapChangesTheSurface) {
  const SectionOutline section = TestSection();
  Texture texture;
  texture.SetImage(TextureImage::Upright(DefaultTexturePicture()));
  texture.Upload();
  SceneParams params;
  const Raster plain = Draw(params, section, &texture);
  params.TextureMap = true;
  const Raster textured = Draw(params, section, &texture);
  std::set<Colour> plainColours, texturedColours;
  int differing = 0;
  for (int y = BoxTop; y <= BoxBottom; ++y) {
    for (int x = BoxLeft; x <= BoxRight; ++x) {
      plainColours.insert(plain.Pixel(x, y));
      texturedColours.insert(textured.Pixel(x, y));
      differing += plain.Pixel(x, y) != textured.Pixel(x, y);
    }
  }
  EXPECT_GT(differing, (BoxRight - BoxLeft) * (BoxBottom - BoxTop) * 9 / 10);
  EXPECT_GT(texturedColours.size(), plainColours.size() + 20);
  // Switching mapping off again brings the plain surface back: the texture does not linger.
  params.TextureMap = false;
  const Raster again = Draw(params, section, &texture);
  EXPECT_EQ(ShareInBox(again, plain.Pixel(ViewWidth / 2, ViewHeight / 2)),
            ShareInBox(plain, plain.Pixel(ViewWidth / 2, ViewHeight / 2)));
}

TEST_F(SceneTest, TurningShowsTheLengthOfTheMoulding) {
  const SectionOutline section = TestSection();
  SceneParams params;
  const Colour background = Background(params);
  const Extent headOn = DrawnExtent(Draw(params, section), background);
  params.RotateY = 90;
  const Extent side = DrawnExtent(Draw(params, section), background);
  // Four scene units of length against two across the section.
  EXPECT_GT(side.Width(), headOn.Width() * 3 / 2);
  params.RotateY = 0;
  params.ShiftX = 1.0f;  // one scene unit to the right
  const Extent shifted = DrawnExtent(Draw(params, section), background);
  EXPECT_GT(shifted.left, headOn.left + 40);
}

TEST_F(SceneTest, CompiledMouldingDrawsTheSamePicture) {
  Texture texture;
  texture.SetImage(TextureImage::Upright(DefaultTexturePicture()));
  texture.Upload();
  const SectionOutline sections[] = {
      TestSection(),
      OutlineThrough(
          {{300, 300}, {420, 300}, {480, 360}, {480, 480}, {330, 480}, {330, 420}, {300, 400}}),
      RoundedSection(),
  };
  for (const auto& section : sections) {
    for (const auto& [textureMap, solid] : {std::pair{false, true}, {true, true}, {false, false}}) {
      // One piece along the length, and many (sides long enough to go in more than one batch).
      for (const auto& [slices, merge] : {std::pair{1, true}, {40, false}}) {
        SceneParams params;
        params.Solid = solid;  // a wire frame must not show the diagonals of the quadrilaterals
        params.TextureMap = textureMap;
        params.RotateX = 25;
        params.RotateY = 320;
        params.Specular = 0.5f;
        const Raster direct = Draw(params, section, &texture, false, slices, merge);
        const Raster compiled = Draw(params, section, &texture, true, slices, merge);
        EXPECT_EQ(DifferingPixels(direct, compiled), 0)
            << "texture map " << textureMap << ", solid " << solid << ", slices " << slices;
      }
    }
  }
}

TEST_F(SceneTest, OneStripPerSideDrawsWhatFortySlicesOfEveryPointDrew) {
  // The sides' light does not change along the length, so one strip per side segment changes
  // no colour; pixels differ by a shade where the triangles' edges fall differently, along the
  // seams, and on curves, where the light of a merged segment is blended between its ends
  // instead of being lit at every traced point.
  Texture texture;
  texture.SetImage(TextureImage::Upright(DefaultTexturePicture()));
  texture.Upload();
  const SectionOutline sections[] = {TestSection(), RoundedSection()};
  for (const auto& section : sections) {
    for (bool textureMap : {false, true}) {
      SceneParams params;
      params.TextureMap = textureMap;
      params.RotateX = 25;
      params.RotateY = 320;
      params.Specular = 0.5f;
      const Raster strips = Draw(params, section, &texture, true, 1, true);
      const Raster slices = Draw(params, section, &texture, true, 40, false);
      const Raster mergedSlices = Draw(params, section, &texture, true, 40, true);
      const Extent drawn = DrawnExtent(strips, Background(params));
      const int area = drawn.Width() * drawn.Height();
      // One strip against forty slices of the same segments: the seams only.
      EXPECT_LE(DifferingPixels(strips, mergedSlices), 10) << "texture map " << textureMap;
      // Against forty slices of every traced point: a shade here and there, more nowhere.
      EXPECT_LE(DifferingPixels(strips, slices), area / 20) << "texture map " << textureMap;
      EXPECT_LE(DifferingPixels(strips, slices, 3), 10) << "texture map " << textureMap;
      RecordProperty(textureMap ? "differing_pixels_textured" : "differing_pixels",
                     DifferingPixels(strips, slices));
    }
  }
}

TEST_F(SceneTest, MouldingIsCompiledAgainOnlyWhenItChanges) {
  Scene scene;
  scene.SetUpScene();
  scene.ResizeScene(ViewWidth, ViewHeight);
  SectionOutline section = TestSection();
  SceneParams params;
  scene.DrawScene(params, section, nullptr);
  params.RotateX = 40;  // the view changes, the moulding does not
  params.Ambient = 0.9f;
  scene.DrawScene(params, section, nullptr);
  EXPECT_EQ(scene.Compiled().Compilations(), 1);
  params.RepeatH = 5;
  scene.DrawScene(params, section, nullptr);
  EXPECT_EQ(scene.Compiled().Compilations(), 2);
  params.Wood = {0.5f, 0.5f, 0.5f, 1};
  scene.DrawScene(params, section, nullptr);
  EXPECT_EQ(scene.Compiled().Compilations(), 3);
  section.X[2] += 1;
  scene.DrawScene(params, section, nullptr);
  EXPECT_EQ(scene.Compiled().Compilations(), 4);
}

TEST_F(SceneTest, SelfCrossingOutlineStillFillsItsEndFace) {
  // The walk crosses itself once; the larger loop is walked clockwise like the stock.
  const SectionOutline section = OutlineThrough({{100, 150}, {100, 250}, {500, 150}, {500, 350}});
  SceneParams params;
  params.Wood = {1, 1, 1, 1};
  const Raster picture = Draw(params, section);
  // The middle of the larger loop, a little right of the view's centre.
  const Colour probe = picture.Pixel(ViewWidth / 2 + 60, ViewHeight / 2);
  EXPECT_NE(probe, Background(params));
}

TEST_F(SceneTest, PhotographIsViewSizedWithTheTopRowFirst) {
  // Top half red, bottom half blue, drawn straight into the framebuffer.
  gl::glDisable(GL_SCISSOR_TEST);
  gl::glClearColor(0, 0, 1, 1);
  gl::glClear(GL_COLOR_BUFFER_BIT);
  gl::glEnable(GL_SCISSOR_TEST);
  gl::glScissor(0, ViewHeight / 2, ViewWidth, ViewHeight / 2);
  gl::glClearColor(1, 0, 0, 1);
  gl::glClear(GL_COLOR_BUFFER_BIT);
  gl::glScissor(0, 0, 1, 1);
  gl::glClearColor(1, 1, 1, 1);
  gl::glClear(GL_COLOR_BUFFER_BIT);  // the bottom-left pixel white
  gl::glDisable(GL_SCISSOR_TEST);
  const Raster picture = Photograph();
  ASSERT_EQ(picture.Width(), 400);
  ASSERT_EQ(picture.Height(), 300);
  EXPECT_EQ(picture.Pixel(0, 0), Colour{255});
  EXPECT_EQ(picture.Pixel(399, 149), Colour{255});
  EXPECT_EQ(picture.Pixel(1, 299), Colour{16711680});
  EXPECT_EQ(picture.Pixel(399, 150), Colour{16711680});
  EXPECT_EQ(picture.Pixel(0, 299), Colour{16777215});
}

TEST_F(SceneTest, PhotographHoldsRowsOfAtMost5000Pixels) {
  struct Recorder : ProgressSink {
    std::string label;
    int maximum = 0, last = 0, ends = 0;
    void Begin(const std::string& l, int m) override { label = l, maximum = m; }
    void Step(int p) override { last = p; }
    void End() override { ++ends; }
  } progress;
  Raster picture(0, 0);
  EXPECT_NE(TakePhotograph(5001, 2, progress).Error(), "");
  EXPECT_EQ(test::TakeValue(TakePhotograph(5000, 2, progress), picture), "");
  EXPECT_EQ(picture.Width(), 5000);
  EXPECT_EQ(progress.label, "Photograph...");
  EXPECT_EQ(progress.maximum, 2);
  EXPECT_EQ(progress.last, 2);
  EXPECT_EQ(progress.ends, 1);
}

TEST_F(SceneTest, ASecondContextComesAndGoesWithoutDisturbingTheFirst) {
  {
    auto other = HeadlessContext::Create(64, 32);
    ASSERT_TRUE(other) << other.Error();
    EXPECT_EQ(other.Value()->Width(), 64);
  }
  ASSERT_TRUE(context_->MakeCurrent());
  SceneParams params;
  const Raster picture = Draw(params, TestSection());
  EXPECT_NE(picture.Pixel(ViewWidth / 2, ViewHeight / 2), Background(params));
}

TEST_F(SceneTest, InfiniteLightIsSentAsADirection) {
  gl::glMatrixMode(GL_MODELVIEW);
  gl::glLoadIdentity();
  Light light(GL_LIGHT1);
  light.SetPosition(VectorF(200, 200, 250));
  float sent[4] = {};
  gl::glGetLightfv(GL_LIGHT1, GL_POSITION, sent);
  EXPECT_EQ(sent[3], 1.0f);
  light.SetInfinite(true);
  gl::glGetLightfv(GL_LIGHT1, GL_POSITION, sent);
  EXPECT_EQ(sent[0], 200.0f);
  EXPECT_EQ(sent[1], 200.0f);
  EXPECT_EQ(sent[2], 250.0f);
  EXPECT_EQ(sent[3], 0.0f);
  light.SetInfinite(false);
  gl::glGetLightfv(GL_LIGHT1, GL_POSITION, sent);
  EXPECT_EQ(sent[3], 1.0f);
}

TEST_F(SceneTest, TextureObjectKeepsItsImageAndParameters) {
  Raster picture(100, 60);
  picture.Fill(MakeColour(200, 100, 50));
  Texture object;
  object.SetImage(TextureImage::Upright(picture));
  object.Upload();
  GLint bound = -1;
  gl::glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
  EXPECT_EQ(bound, 0);  // Upload leaves no texture bound
  object.Enable();
  GLint width = 0, height = 0, wrapS = 0, minFilter = 0;
  gl::glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
  gl::glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &height);
  gl::glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, &wrapS);
  gl::glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &minFilter);
  EXPECT_EQ(width, 128);
  EXPECT_EQ(height, 64);
  EXPECT_EQ(wrapS, GL_REPEAT);
  EXPECT_EQ(minFilter, GL_NEAREST);
  EXPECT_TRUE(gl::glIsEnabled(GL_TEXTURE_2D));
  std::vector<uint8_t> texels(128 * 64 * 4);
  gl::glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, texels.data());
  EXPECT_EQ(texels[0], 200);
  EXPECT_EQ(texels[1], 100);
  // A texel changed after the upload reaches the texture object at the next Enable.
  TextureImage changed = object.Image();
  changed.SetPixel(0, 0, Texel{1, 2, 3, 255});
  object.SetImage(std::move(changed));
  object.Enable();
  gl::glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, texels.data());
  EXPECT_EQ(texels[0], 1);
  EXPECT_EQ(texels[2], 3);
  object.Disable();
  EXPECT_FALSE(gl::glIsEnabled(GL_TEXTURE_2D));
  EXPECT_EQ(gl::glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

}  // namespace
}  // namespace kerf::testing

namespace kerf {
namespace {

// The desktop's view and the photo verb both make their frame here: slider units become scene
// units, and the model's colours and texture settings come along.
TEST(MakeSceneParams, SliderPositionsAndModelSettingsBecomeTheFrame) {
  ViewControlPositions view;
  view.Zoom = ZoomRange.Max;
  view.RotateX = TurnRange.Max;
  view.ShiftX = ShiftRange.Min;
  view.ShiftY = ShiftRange.Max;
  view.Ambient = LightRange.Max;
  view.Solid = false;
  Model model;
  model.SetWoodSwatch(MakeColour(255, 51, 0));
  model.SetBackgroundSwatch(MakeColour(255, 0, 51));
  model.SetTextureMap(true);
  model.SetTextureRepeat(3, 9);
  const SceneParams p = MakeSceneParams(view, model);
  EXPECT_FLOAT_EQ(p.EyeDistance, 20.0f);
  EXPECT_FLOAT_EQ(p.RotateX, 359.0f);
  EXPECT_FLOAT_EQ(p.ShiftX, -5.0f);
  EXPECT_FLOAT_EQ(p.ShiftY, 5.0f);
  EXPECT_FLOAT_EQ(p.Ambient, 1.0f);
  EXPECT_FLOAT_EQ(p.Specular, 0.05f);
  EXPECT_FALSE(p.Solid);
  EXPECT_EQ(p.Wood, (std::array<float, 4>{1.0f, 0.2f, 0.0f, 1.0f}));
  EXPECT_EQ(p.Clear, (std::array<float, 4>{1.0f, 0.0f, 0.2f, 1.0f}));
  EXPECT_TRUE(p.TextureMap);
  EXPECT_EQ(p.RepeatV, 3);
  EXPECT_EQ(p.RepeatH, 9);
}

}  // namespace
}  // namespace kerf
