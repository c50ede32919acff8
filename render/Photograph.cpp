// Photographs: read-back of the view with the colour conversion of the picture.
#include "render/Photograph.h"

#include <cmath>
#include <vector>

#include "render/GLApi.h"

namespace kerf {

namespace {

int Channel(float value) {
  if (!(value > 0.0f)) return 0;  // also a value that is not a number
  if (value >= 1.0f) return 255;
  return static_cast<int>(std::nearbyint(static_cast<double>(value) * 255.0));
}

// Ends the progress however the photograph ends.
struct ProgressGuard {
  ProgressSink& Sink;
  ~ProgressGuard() { Sink.End(); }
};

}  // namespace

Colour PhotographColour(const float rgba[4]) {
  return static_cast<Colour>(Channel(rgba[0]) + 256 * Channel(rgba[1]) + 65536 * Channel(rgba[2]));
}

Result<Raster> TakePhotograph(int width, int height, ProgressSink& progress) {
  if (width > MaxPhotographWidth) {
    return Result<Raster>::Fail("The view is " + std::to_string(width) +
                                " pixels wide; a photograph may be at most " +
                                std::to_string(MaxPhotographWidth) + " pixels wide.");
  }
  if (width <= 0 || height <= 0) {
    return Result<Raster>::Fail("The view has no pixels to photograph.");
  }
  if (gl::glReadPixels == nullptr) {
    return Result<Raster>::Fail("OpenGL is not loaded.");
  }
  progress.Begin("Photograph...", height);
  ProgressGuard guard{progress};
  Raster result(width, height);
  // Errors left over from drawing are not the read-back's.
  for (int i = 0; i < 16 && gl::glGetError() != GL_NO_ERROR; ++i) {
  }
  // The whole view in one read of 8-bit channels: the framebuffer holds 8 bits a channel, so
  // this gives the very values a read as floats rounds back to, at a fraction of the cost.
  std::vector<unsigned char> pixels(4 * static_cast<size_t>(width) * static_cast<size_t>(height));
  gl::glPixelStorei(GL_PACK_ALIGNMENT, 4);
  gl::glPixelStorei(GL_PACK_ROW_LENGTH, 0);
  gl::glReadPixels(0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
  for (int y = 0; y < height; ++y) {
    const unsigned char* in = &pixels[4 * static_cast<size_t>(width) * static_cast<size_t>(y)];
    Colour* out = result.Row(height - 1 - y);
    for (int x = 0; x < width; ++x, in += 4) out[x] = MakeColour(in[0], in[1], in[2]);
    progress.Step(y + 1);
  }
  if (const GLenum glError = gl::glGetError(); glError != GL_NO_ERROR) {
    return Result<Raster>::Fail("OpenGL could not read the view back (error " +
                                std::to_string(glError) + ").");
  }
  return result;
}

}  // namespace kerf
