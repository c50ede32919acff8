// Texture images: a growable item array, an RGBA image, a power-of-two texture and its GL object.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/Raster.h"
#include "render/GLApi.h"

namespace kerf {

// A growable array of fixed-size items.
class TDArray {
 public:
  explicit TDArray(int itemSize = 1) : itemSize_(itemSize) {}
  virtual ~TDArray() = default;

  int Count() const { return count_; }
  int ItemSize() const { return itemSize_; }
  const uint8_t* Data() const { return data_.data(); }
  // Counts the changes of the items, so that a copy held elsewhere knows when it is stale.
  uint64_t Revision() const { return revision_; }

  // Count := n; the item memory is resized to n items.
  void SetCount(int n);
  // Copies ItemSize bytes into item index, growing the array to index + 1 items if needed.
  void Put(int index, const void* item);

 protected:
  int count_ = 0;
  int itemSize_;
  std::vector<uint8_t> data_;
  uint64_t revision_ = 0;
};

struct Texel {
  uint8_t R = 0, G = 0, B = 0, A = 0;
  bool operator==(const Texel&) const = default;
};

// An RGBA image of Width x Height texels; texel (x, y) is item x + y * Width and row 0 is the
// bottom row, as OpenGL expects.
class TCGImage : public TDArray {
 public:
  TCGImage() : TDArray(4) {}

  // Size a new image; the item memory follows Width * Height.
  virtual void SetWidth(int width);
  virtual void SetHeight(int height);
  int Width() const { return width_; }
  int Height() const { return height_; }

  void SetPixel(int x, int y, const Texel& texel) { Put(x + y * width_, &texel); }
  Texel Pixel(int x, int y) const;

 protected:
  int width_ = 0;
  int height_ = 0;
};

// The smallest power of two (1, 2, 4 ...) that is at least value.
int NextPowerOfTwo(int value);

// A texture image with its sampling parameters. Its sides are raised to powers of two, as
// OpenGL 1.1 requires. Each parameter setter stores its value and at once sends it to the
// texture bound to GL_TEXTURE_2D (nothing is sent while OpenGL is not loaded).
class TCGTexture : public TCGImage {
 public:
  TCGTexture();

  void SetWidth(int width) override;
  void SetHeight(int height) override;

  // The picture (row 0 at its top) upright in texture space: picture pixel (x, y) becomes
  // texel (x, Height - 1 - y). Texels beyond a picture whose sides are not powers of two
  // repeat its edge pixels, so the texture shows no bands of a foreign colour.
  void LoadFromBitmap(const Raster& picture);
  // Decodes a JPEG file into the texture; false with a message when it cannot be read.
  bool LoadFromJPEGFile(const std::string& path, std::string& error);

  void SetWrapS(bool repeat);
  void SetWrapT(bool repeat);
  void SetMinLinear(bool linear);
  void SetMagLinear(bool linear);
  bool WrapS() const { return wrapS_; }
  bool WrapT() const { return wrapT_; }
  bool MinLinear() const { return minLinear_; }
  bool MagLinear() const { return magLinear_; }

  // Makes this texture current for the drawing that follows: binds its texture object (if it
  // has one), sends the four parameters, sends the image when the object does not hold it
  // yet, and enables texturing. Disable turns texturing off again.
  void Enable();
  void Disable();

 private:
  friend class TCGTextureObject;
  void SendParameter(GLenum parameter, GLint value) const;

  bool wrapS_ = true;
  bool wrapT_ = true;
  bool minLinear_ = false;
  bool magLinear_ = false;
  GLuint objectName_ = 0;  // the texture object that keeps the image; 0 for none
  bool imageSent_ = false;  // the object holds the image of revision sentRevision_
  uint64_t sentRevision_ = 0;
};

// A texture object: an OpenGL texture name with the texture that fills it. Create and destroy
// it with the rendering context current.
class TCGTextureObject {
 public:
  TCGTextureObject();
  ~TCGTextureObject();
  TCGTextureObject(const TCGTextureObject&) = delete;
  TCGTextureObject& operator=(const TCGTextureObject&) = delete;

  TCGTexture& Texture() { return texture_; }
  GLuint Name() const { return name_; }
  void Unbind();
  // Sends the texture's image to the object and leaves no texture bound.
  void Upload();

 private:
  GLuint name_;           // generated and bound first, so that the texture's constructor
  TCGTexture texture_;    // sends its parameters to this object
};

// Reads a texture picture: a name ending in ".bmp" (any case) as a bitmap, anything else as a
// JPEG file. Only a regular file is read. Pictures with a side beyond MaxTexturePictureSide are
// refused from the size their header announces, before any pixel is decoded.
inline constexpr int MaxTexturePictureSide = 4096;
bool LoadTexturePicture(const std::string& path, Raster& picture, std::string& error);
// The same for bytes already read; name (its extension) chooses the decoder and names the picture.
bool LoadTexturePictureFromMemory(const std::string& name, const uint8_t* data, size_t size,
                                  Raster& picture, std::string& error);

}  // namespace kerf
