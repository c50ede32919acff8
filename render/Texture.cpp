// The moulding texture: texture name lifetime, parameters and image upload.
#include "render/Texture.h"

#include <utility>

namespace kerf {

Texture::Texture() {
  // The name is bound first, so that the parameters below go to this object.
  gl::glGenTextures(1, &name_);
  gl::glBindTexture(GL_TEXTURE_2D, name_);
  SetWrapS(true);
  SetWrapT(true);
  SetMinLinear(false);
  SetMagLinear(false);
  if (gl::glTexEnvf != nullptr) gl::glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
}

Texture::~Texture() {
  if (gl::glDeleteTextures != nullptr) gl::glDeleteTextures(1, &name_);
}

void Texture::SetImage(TextureImage image) {
  image_ = std::move(image);
  imageSent_ = false;
}

void Texture::SendParameter(GLenum parameter, GLint value) const {
  if (gl::glTexParameteri != nullptr) gl::glTexParameteri(GL_TEXTURE_2D, parameter, value);
}

void Texture::SetWrapS(bool repeat) {
  wrapS_ = repeat;
  SendParameter(GL_TEXTURE_WRAP_S, repeat ? GL_REPEAT : GL_CLAMP);
}

void Texture::SetWrapT(bool repeat) {
  wrapT_ = repeat;
  SendParameter(GL_TEXTURE_WRAP_T, repeat ? GL_REPEAT : GL_CLAMP);
}

void Texture::SetMinLinear(bool linear) {
  minLinear_ = linear;
  SendParameter(GL_TEXTURE_MIN_FILTER, linear ? GL_LINEAR : GL_NEAREST);
}

void Texture::SetMagLinear(bool linear) {
  magLinear_ = linear;
  SendParameter(GL_TEXTURE_MAG_FILTER, linear ? GL_LINEAR : GL_NEAREST);
}

void Texture::Enable() {
  gl::glBindTexture(GL_TEXTURE_2D, name_);
  SetWrapS(wrapS_);
  SetWrapT(wrapT_);
  SetMinLinear(minLinear_);
  SetMagLinear(magLinear_);
  // The texture object keeps its image, so it is sent once after each change.
  if (!imageSent_) {
    gl::glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, image_.Width(), image_.Height(), 0, GL_RGBA,
                     GL_UNSIGNED_BYTE, image_.Data());
    imageSent_ = true;
  }
  gl::glEnable(GL_TEXTURE_2D);
}

void Texture::Disable() {
  gl::glDisable(GL_TEXTURE_2D);
  gl::glBindTexture(GL_TEXTURE_2D, 0);
}

void Texture::Upload() {
  SetWrapS(true);
  SetWrapT(true);
  Enable();
  gl::glBindTexture(GL_TEXTURE_2D, 0);
}

}  // namespace kerf
