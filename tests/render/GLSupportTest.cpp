// Colour records, the photograph's colour conversion and the light's defaults.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "render/GLSupport.h"
#include "render/Photograph.h"

namespace kerf {
namespace {

struct ColourCase {
  float in[4];
  float out[4];
};

TEST(ColourF, LimitsEveryComponentToZeroToOne) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const float inf = std::numeric_limits<float>::infinity();
  const ColourCase cases[] = {
      {{1.5f, -0.2f, 0.5f, 1.0f}, {1.0f, 0.0f, 0.5f, 1.0f}},
      {{0.0f, 1.0f, 0.25f, 0.75f}, {0.0f, 1.0f, 0.25f, 0.75f}},
      {{nan, inf, -inf, 2.0f}, {0.0f, 1.0f, 0.0f, 1.0f}},
  };
  for (const auto& c : cases) {
    const ColourRec r = ColourF(c.in[0], c.in[1], c.in[2], c.in[3]);
    EXPECT_EQ(r.R, c.out[0]);
    EXPECT_EQ(r.G, c.out[1]);
    EXPECT_EQ(r.B, c.out[2]);
    EXPECT_EQ(r.A, c.out[3]);
  }
}

TEST(ColourRecFrom, SplitsTheBgrLayout) {
  const ColourRec c = ColourRecFrom(0x000080FF, 1.0f);
  EXPECT_FLOAT_EQ(c.R, 1.0f);
  EXPECT_FLOAT_EQ(c.G, 128.0f / 255.0f);
  EXPECT_FLOAT_EQ(c.B, 0.0f);
  EXPECT_FLOAT_EQ(c.A, 1.0f);
  const ColourRec blue = ColourRecFrom(0x00FF0000, 0.5f);
  EXPECT_FLOAT_EQ(blue.R, 0.0f);
  EXPECT_FLOAT_EQ(blue.B, 1.0f);
  EXPECT_FLOAT_EQ(blue.A, 0.5f);
}

TEST(VectorF, IsAPointWithWOne) {
  const VectorRec v = VectorF(200, 200, 250);
  EXPECT_EQ(v.X, 200);
  EXPECT_EQ(v.Y, 200);
  EXPECT_EQ(v.Z, 250);
  EXPECT_EQ(v.W, 1);
}

TEST(PhotographColour, ConvertsReadBackPixels) {
  struct Case {
    float rgba[4];
    Colour expected;
  };
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const Case cases[] = {
      {{1, 1, 1, 1}, 16777215},
      {{1, 1, 1, 0}, 16777215},  // alpha is ignored
      {{1, 0, 0, 1}, 255},
      {{0, 1, 0, 1}, 65280},
      {{0, 0, 1, 1}, 16711680},
      {{0, 0, 0, 1}, 0},
      {{128 / 255.0f, 64 / 255.0f, 32 / 255.0f, 1}, MakeColour(128, 64, 32)},
      {{0.5f, 0.5f, 0.5f, 1}, MakeColour(128, 128, 128)},  // 127.5 rounds to the even 128
      {{0.3f / 255.0f, 0.7f / 255.0f, 0, 1}, MakeColour(0, 1, 0)},
      {{1.2f, -0.1f, nan, 1}, MakeColour(255, 0, 0)},  // out of range values are limited
  };
  for (const auto& c : cases) {
    EXPECT_EQ(PhotographColour(c.rgba), c.expected)
        << c.rgba[0] << ", " << c.rgba[1] << ", " << c.rgba[2];
  }
}

TEST(Light, StartsAtOpenGLsDefaultsWithoutSendingAnything) {
  // No OpenGL is loaded in this test: constructing the light must not touch it.
  const Light light(GL_LIGHT0);
  EXPECT_EQ(light.Id(), static_cast<GLenum>(GL_LIGHT0));
  EXPECT_EQ(light.Ambient().R, 0);
  EXPECT_EQ(light.Ambient().A, 1);
  EXPECT_EQ(light.Diffuse().G, 1);
  EXPECT_EQ(light.Specular().B, 1);
  EXPECT_EQ(light.Position().Z, 1);
  EXPECT_EQ(light.Position().W, 0);
  EXPECT_TRUE(light.Infinite());
}

}  // namespace
}  // namespace kerf
