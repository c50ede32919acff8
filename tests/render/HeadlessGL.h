// Test fixture: OpenGL and GLU loaded by name and a headless EGL context, or a clear skip.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "model/Progress.h"
#include "model/Raster.h"
#include "render/GLApi.h"
#include "render/HeadlessContext.h"
#include "render/Photograph.h"
#include "support/ResultValue.h"

namespace kerf::testing {

inline constexpr int ViewWidth = 400;
inline constexpr int ViewHeight = 300;

// One context for the whole test program; the tests share it and set up their own state.
class HeadlessGLTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    if (context_ || !unavailable_.empty()) return;
    if (auto r = gl::LoadOpenGL(); !r) {
      unavailable_ = r.Error();
      return;
    }
    if (auto r = gl::LoadGLU(); !r) {
      unavailable_ = r.Error();
      return;
    }
    auto made = HeadlessContext::Create(ViewWidth, ViewHeight);
    if (made)
      context_ = std::move(made.Value());
    else
      unavailable_ = made.Error();
  }

  void SetUp() override {
    if (!context_) GTEST_SKIP() << "No headless OpenGL here (EGL pbuffer): " << unavailable_;
    ASSERT_TRUE(context_->MakeCurrent());
  }

  static Raster Photograph() {
    Raster picture(0, 0);
    NoProgress progress;
    EXPECT_EQ(test::TakeValue(TakePhotograph(ViewWidth, ViewHeight, progress), picture), "");
    return picture;
  }

  friend class HeadlessGLEnvironment;
  static inline std::unique_ptr<HeadlessContext> context_;
  static inline std::string unavailable_;
};

}  // namespace kerf::testing
