// Texture images: item storage, power-of-two sizing, upright loading and the GL texture object.
#include "render/TextureImage.h"

#include <algorithm>
#include <cctype>
#include <cstring>

#include "project/PictureFile.h"
#include "render/JpegFile.h"

namespace kerf {

void TDArray::SetCount(int n) {
  count_ = std::max(n, 0);
  data_.resize(static_cast<size_t>(count_) * static_cast<size_t>(itemSize_));
  ++revision_;
}

void TDArray::Put(int index, const void* item) {
  if (index < 0) return;
  if (index >= count_) SetCount(index + 1);
  std::memcpy(data_.data() + static_cast<size_t>(index) * static_cast<size_t>(itemSize_), item,
              static_cast<size_t>(itemSize_));
  ++revision_;
}

void TCGImage::SetWidth(int width) {
  width_ = std::max(width, 0);
  SetCount(width_ * height_);
}

void TCGImage::SetHeight(int height) {
  height_ = std::max(height, 0);
  SetCount(width_ * height_);
}

Texel TCGImage::Pixel(int x, int y) const {
  Texel texel;
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return texel;
  std::memcpy(&texel, data_.data() + (static_cast<size_t>(y) * width_ + x) * 4, 4);
  return texel;
}

int NextPowerOfTwo(int value) {
  int side = 1;
  while (side < value && side < (1 << 30)) side <<= 1;
  return side;
}

TCGTexture::TCGTexture() {
  SetWrapS(true);
  SetWrapT(true);
  SetMinLinear(false);
  SetMagLinear(false);
  if (gl::glTexEnvf != nullptr) gl::glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
}

void TCGTexture::SetWidth(int width) { TCGImage::SetWidth(NextPowerOfTwo(width)); }
void TCGTexture::SetHeight(int height) { TCGImage::SetHeight(NextPowerOfTwo(height)); }

void TCGTexture::LoadFromBitmap(const Raster& picture) {
  SetWidth(picture.Width());
  SetHeight(picture.Height());
  const int pictureWidth = picture.Width();
  const int pictureHeight = picture.Height();
  for (int i = 0; i < height_; ++i) {
    // Texture row height_ - 1 - i shows picture row i; rows below the picture repeat its
    // bottom row, columns right of it repeat its last column.
    const int y = std::min(i, pictureHeight - 1);
    for (int j = 0; j < width_; ++j) {
      const int x = std::min(j, pictureWidth - 1);
      Texel texel{255, 255, 255, 255};
      if (x >= 0 && y >= 0) {
        const Colour c = picture.Pixel(x, y);
        texel = {static_cast<uint8_t>(ColourRed(c)), static_cast<uint8_t>(ColourGreen(c)),
                 static_cast<uint8_t>(ColourBlue(c)), 255};
      }
      SetPixel(j, height_ - 1 - i, texel);
    }
  }
}

namespace {

bool IsBitmapName(const std::string& path) {
  std::string extension;
  if (const auto dot = path.find_last_of('.'); dot != std::string::npos &&
                                               path.find('/', dot) == std::string::npos) {
    extension = path.substr(dot);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  }
  return extension == ".BMP";
}

bool FitsTexture(const std::string& name, int64_t width, int64_t height, std::string& error) {
  if (width <= MaxTexturePictureSide && height <= MaxTexturePictureSide) return true;
  error = "The picture " + name + " is " + std::to_string(width) + " x " + std::to_string(height) +
          " pixels; a texture may be at most " + std::to_string(MaxTexturePictureSide) +
          " pixels on a side.";
  return false;
}

}  // namespace

bool TCGTexture::LoadFromJPEGFile(const std::string& path, std::string& error) {
  Raster picture(0, 0);
  if (!DecodeJpegFile(path, picture, error)) return false;
  LoadFromBitmap(picture);
  return true;
}

void TCGTexture::SendParameter(GLenum parameter, GLint value) const {
  if (gl::glTexParameteri != nullptr) gl::glTexParameteri(GL_TEXTURE_2D, parameter, value);
}

void TCGTexture::SetWrapS(bool repeat) {
  wrapS_ = repeat;
  SendParameter(GL_TEXTURE_WRAP_S, repeat ? GL_REPEAT : GL_CLAMP);
}

void TCGTexture::SetWrapT(bool repeat) {
  wrapT_ = repeat;
  SendParameter(GL_TEXTURE_WRAP_T, repeat ? GL_REPEAT : GL_CLAMP);
}

void TCGTexture::SetMinLinear(bool linear) {
  minLinear_ = linear;
  SendParameter(GL_TEXTURE_MIN_FILTER, linear ? GL_LINEAR : GL_NEAREST);
}

void TCGTexture::SetMagLinear(bool linear) {
  magLinear_ = linear;
  SendParameter(GL_TEXTURE_MAG_FILTER, linear ? GL_LINEAR : GL_NEAREST);
}

void TCGTexture::Enable() {
  if (objectName_ != 0) gl::glBindTexture(GL_TEXTURE_2D, objectName_);
  SetWrapS(wrapS_);
  SetWrapT(wrapT_);
  SetMinLinear(minLinear_);
  SetMagLinear(magLinear_);
  // A texture object keeps its image, so it is sent once after each change; a texture without
  // an object goes to whatever texture is bound and is sent every time.
  if (objectName_ == 0 || !imageSent_ || sentRevision_ != revision_) {
    gl::glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, width_, height_, 0, GL_RGBA, GL_UNSIGNED_BYTE,
                     data_.data());
    imageSent_ = objectName_ != 0;
    sentRevision_ = revision_;
  }
  gl::glEnable(GL_TEXTURE_2D);
}

void TCGTexture::Disable() {
  gl::glDisable(GL_TEXTURE_2D);
  if (objectName_ != 0) gl::glBindTexture(GL_TEXTURE_2D, 0);
}

namespace {

GLuint GenerateAndBindTexture() {
  GLuint name = 0;
  gl::glGenTextures(1, &name);
  gl::glBindTexture(GL_TEXTURE_2D, name);
  return name;
}

}  // namespace

TCGTextureObject::TCGTextureObject() : name_(GenerateAndBindTexture()) {
  texture_.objectName_ = name_;
}

TCGTextureObject::~TCGTextureObject() {
  if (gl::glDeleteTextures != nullptr) gl::glDeleteTextures(1, &name_);
}

void TCGTextureObject::Unbind() { gl::glBindTexture(GL_TEXTURE_2D, 0); }

void TCGTextureObject::Upload() {
  texture_.SetWrapS(true);
  texture_.SetWrapT(true);
  texture_.Enable();
  Unbind();
}

bool LoadTexturePictureFromMemory(const std::string& name, const uint8_t* data, size_t size,
                                  Raster& picture, std::string& error) {
  const bool bitmap = IsBitmapName(name);
  // The size is checked from the header, before a forged or huge picture is decoded.
  int64_t width = 0, height = 0;
  int jpegWidth = 0, jpegHeight = 0;
  const bool announced = bitmap ? PictureSizeFromHeader(data, size, width, height)
                                : JpegSizeFromHeader(data, size, jpegWidth, jpegHeight);
  if (!bitmap) width = jpegWidth, height = jpegHeight;
  if (announced && !FitsTexture(name, width, height, error)) return false;
  Raster decoded(0, 0);
  if (bitmap) {
    if (!LoadPictureFromMemory(data, size, decoded, error)) {
      error = name + ": " + error;
      return false;
    }
  } else if (!DecodeJpeg(data, size, decoded, error)) {
    error = name + ": " + error;
    return false;
  }
  if (!FitsTexture(name, decoded.Width(), decoded.Height(), error)) return false;
  picture = std::move(decoded);
  return true;
}

bool LoadTexturePicture(const std::string& path, Raster& picture, std::string& error) {
  // Both kinds are read through the JPEG reader's bounded read of regular files only.
  std::string bytes;
  if (!ReadJpegFileBytes(path, bytes, error)) return false;
  return LoadTexturePictureFromMemory(path, reinterpret_cast<const uint8_t*>(bytes.data()),
                                      bytes.size(), picture, error);
}

}  // namespace kerf
