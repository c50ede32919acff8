// A rendering context without a window: an EGL pbuffer on Mesa's surfaceless platform.
#pragma once

#include <memory>
#include <string>

#include "model/Result.h"
#include "render/DeviceContext.h"

namespace kerf {

// Desktop OpenGL (compatibility profile, so OpenGL 1.1 drawing works) into an off-screen
// pbuffer of RGBA8 with a 24-bit depth buffer. EGL is loaded by name ("libEGL.so.1"), so the
// program does not link to it, and no X server is needed.
class HeadlessContext final : public DeviceContext {
 public:
  // A context with a width x height pbuffer, made current, or why none can be had.
  static Result<std::unique_ptr<HeadlessContext>> Create(int width, int height);
  ~HeadlessContext() override;
  HeadlessContext(const HeadlessContext&) = delete;
  HeadlessContext& operator=(const HeadlessContext&) = delete;

  bool MakeCurrent() override;
  void SwapBuffers() override;  // a pbuffer shows nothing; the frame is finished instead
  int Width() const override { return width_; }
  int Height() const override { return height_; }

 private:
  struct Egl;  // the EGL entry points and handles
  HeadlessContext() = default;
  std::unique_ptr<Egl> egl_;
  int width_ = 0;
  int height_ = 0;
};

}  // namespace kerf
