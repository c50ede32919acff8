// DeviceContext: the surface that OpenGL draws into, as the scene and photographs see it.
#pragma once

namespace kerf {

// The view's OpenGL window and the headless pbuffer both offer this face, so the scene and
// the photograph do not care where they draw.
class DeviceContext {
 public:
  virtual ~DeviceContext() = default;
  // Makes the rendering context current on this thread; false when there is none.
  virtual bool MakeCurrent() = 0;
  // Shows the frame just drawn.
  virtual void SwapBuffers() = 0;
  // Size of the drawing surface in pixels.
  virtual int Width() const = 0;
  virtual int Height() const = 0;
};

}  // namespace kerf
