// Test fixture: OpenGL and GLU loaded by name and a headless EGL context, or a clear skip.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "model/Raster.h"
#include "model/Progress.h"
#include "render/GLApi.h"
#include "render/HeadlessContext.h"
#include "render/Photograph.h"

namespace kerf::testing {

inline constexpr int ViewWidth = 400;
inline constexpr int ViewHeight = 300;

// One context for the whole test program; the tests share it and set up their own state.
class HeadlessGLTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    if (context_ || !unavailable_.empty()) return;
    if (auto r = gl::LoadOpenGL(); !r.Ok) {
      unavailable_ = r.Message;
      return;
    }
    if (auto r = gl::LoadGLU(); !r.Ok) {
      unavailable_ = r.Message;
      return;
    }
    std::string error;
    context_ = HeadlessContext::Create(ViewWidth, ViewHeight, error);
    if (!context_) unavailable_ = error;
  }

  void SetUp() override {
    if (!context_) GTEST_SKIP() << "No headless OpenGL here (EGL pbuffer): " << unavailable_;
    ASSERT_TRUE(context_->MakeCurrent());
  }

  static Raster Photograph() {
    Raster picture(0, 0);
    NoProgress progress;
    std::string error;
    EXPECT_TRUE(TakePhotograph(ViewWidth, ViewHeight, picture, progress, error)) << error;
    return picture;
  }

  friend class HeadlessGLEnvironment;
  static inline std::unique_ptr<HeadlessContext> context_;
  static inline std::string unavailable_;
};

}  // namespace kerf::testing
