// Small OpenGL helpers: colour and vector records, frame timing, and the one scene light.
#pragma once

#include <chrono>

#include "model/Raster.h"
#include "render/GLApi.h"

namespace kerf {

// A colour as OpenGL takes it: red, green, blue, alpha, each 0..1.
struct ColourRec {
  float R = 0, G = 0, B = 0, A = 1;
  const float* Data() const { return &R; }
};

// A homogeneous vector as OpenGL takes it.
struct VectorRec {
  float X = 0, Y = 0, Z = 0, W = 1;
  const float* Data() const { return &X; }
};

// Each component limited to 0..1; a value that is not a number becomes 0.
ColourRec ColourF(float r, float g, float b, float a);
// The point (x, y, z) with W = 1.
VectorRec VectorF(float x, float y, float z);
// A 0x00BBGGRR colour as components 0..1, with the given alpha.
ColourRec ColourRecFrom(Colour colour, float alpha);

// Measures the drawing time of one frame.
class FrameTiming {
 public:
  void StartTiming() { start_ = std::chrono::steady_clock::now(); }
  // Milliseconds since the last StartTiming.
  float ElapsedMs() const {
    return std::chrono::duration<float, std::milli>(std::chrono::steady_clock::now() - start_)
        .count();
  }

 private:
  std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

// One OpenGL light. It sends nothing until a setter or Enable is called; each setter stores
// its value and sends it at once (a position is transformed by the modelview matrix current
// at that moment).
class Light {
 public:
  explicit Light(GLenum light) : light_(light) {}

  void Enable();  // lighting on, this light on
  void SetAmbient(const ColourRec& colour);
  void SetDiffuse(const ColourRec& colour);
  void SetSpecular(const ColourRec& colour);
  void SetPosition(const VectorRec& position);
  // A light at infinity (a direction, W = 0) or at its position (W = 1); sends the position.
  void SetInfinite(bool infinite);

  GLenum Id() const { return light_; }
  const ColourRec& Ambient() const { return ambient_; }
  const ColourRec& Diffuse() const { return diffuse_; }
  const ColourRec& Specular() const { return specular_; }
  const VectorRec& Position() const { return position_; }
  bool Infinite() const { return infinite_; }

 private:
  GLenum light_;
  ColourRec ambient_{0, 0, 0, 1};
  ColourRec diffuse_{1, 1, 1, 1};
  ColourRec specular_{1, 1, 1, 1};
  VectorRec position_{0, 0, 1, 0};
  bool infinite_ = true;  // spot and attenuation stay at OpenGL's defaults and are never sent
};

}  // namespace kerf
