// The moulding texture: an OpenGL texture object holding a texture image and its sampling.
#pragma once

#include "render/GLApi.h"
#include "render/TextureImage.h"

namespace kerf {

// An OpenGL texture object, its image and its sampling parameters. The constructor generates
// the texture name and the destructor deletes it: create and destroy it with the rendering
// context current. Each parameter setter stores its value and at once sends it to the texture
// bound to GL_TEXTURE_2D (nothing is sent while OpenGL is not loaded).
class Texture {
 public:
  Texture();
  ~Texture();
  Texture(const Texture&) = delete;
  Texture& operator=(const Texture&) = delete;

  GLuint Name() const { return name_; }

  // Replaces the image; the texture object receives it at the next Enable or Upload.
  void SetImage(TextureImage image);
  const TextureImage& Image() const { return image_; }

  void SetWrapS(bool repeat);
  void SetWrapT(bool repeat);
  void SetMinLinear(bool linear);
  void SetMagLinear(bool linear);
  bool WrapS() const { return wrapS_; }
  bool WrapT() const { return wrapT_; }
  bool MinLinear() const { return minLinear_; }
  bool MagLinear() const { return magLinear_; }

  // Makes this texture current for the drawing that follows: binds the texture object, sends
  // the four parameters, sends the image when the object does not hold it yet, and enables
  // texturing. Disable turns texturing off again and leaves no texture bound.
  void Enable();
  void Disable();
  // Sends the image to the object with repeating wrap and leaves no texture bound.
  void Upload();

 private:
  void SendParameter(GLenum parameter, GLint value) const;

  GLuint name_ = 0;
  TextureImage image_;
  bool wrapS_ = true;
  bool wrapT_ = true;
  bool minLinear_ = false;
  bool magLinear_ = false;
  bool imageSent_ = false;  // the object holds image_
};

}  // namespace kerf
