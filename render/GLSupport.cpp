// Colour and vector records and the scene light.
#include "render/GLSupport.h"

#include <cmath>

namespace kerf {

namespace {

float Clamp01(float v) {
  if (std::isnan(v) || v < 0.0f) return 0.0f;
  if (v > 1.0f) return 1.0f;
  return v;
}

}  // namespace

ColourRec ColourF(float r, float g, float b, float a) {
  return {Clamp01(r), Clamp01(g), Clamp01(b), Clamp01(a)};
}

VectorRec VectorF(float x, float y, float z) { return {x, y, z, 1.0f}; }

ColourRec ColourRecFrom(Colour colour, float alpha) {
  return {static_cast<float>(colour & 0xFF) / 255.0f,
          static_cast<float>((colour >> 8) & 0xFF) / 255.0f,
          static_cast<float>((colour >> 16) & 0xFF) / 255.0f, alpha};
}

void Light::Enable() {
  gl::glEnable(GL_LIGHTING);
  gl::glEnable(light_);
}

void Light::SetAmbient(const ColourRec& colour) {
  ambient_ = colour;
  gl::glLightfv(light_, GL_AMBIENT, ambient_.Data());
}

void Light::SetDiffuse(const ColourRec& colour) {
  diffuse_ = colour;
  gl::glLightfv(light_, GL_DIFFUSE, diffuse_.Data());
}

void Light::SetSpecular(const ColourRec& colour) {
  specular_ = colour;
  gl::glLightfv(light_, GL_SPECULAR, specular_.Data());
}

void Light::SetPosition(const VectorRec& position) {
  position_ = position;
  gl::glLightfv(light_, GL_POSITION, position_.Data());
}

void Light::SetInfinite(bool infinite) {
  infinite_ = infinite;
  position_.W = infinite ? 0.0f : 1.0f;
  gl::glLightfv(light_, GL_POSITION, position_.Data());
}

}  // namespace kerf
