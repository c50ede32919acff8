// Decoding JPEG pictures with the TurboJPEG API.
#include "project/JpegFile.h"

#include <turbojpeg.h>

#include <limits>
#include <memory>
#include <vector>

#include "project/PictureLimits.h"
#include "project/SafeFiles.h"

namespace kerf {

namespace {

struct DecompressorDeleter {
  void operator()(void* handle) const { tjDestroy(handle); }
};

std::string DecoderMessage(tjhandle handle) {
  const char* text = tjGetErrorStr2(handle);
  return text != nullptr && *text != '\0' ? text : "the JPEG data could not be decoded";
}

}  // namespace

Result<Raster> DecodeJpeg(const uint8_t* data, size_t size) {
  if (data == nullptr || size == 0) {
    return Result<Raster>::Fail("The JPEG data is empty.");
  }
  if (size > static_cast<size_t>(std::numeric_limits<unsigned long>::max())) {
    return Result<Raster>::Fail("The JPEG data is too large.");
  }
  std::unique_ptr<void, DecompressorDeleter> handle(tjInitDecompress());
  if (!handle) {
    return Result<Raster>::Fail("The JPEG decoder could not be started.");
  }
  int width = 0, height = 0, subsampling = 0, colourspace = 0;
  if (tjDecompressHeader3(handle.get(), data, static_cast<unsigned long>(size), &width, &height,
                          &subsampling, &colourspace) != 0) {
    return Result<Raster>::Fail("Not a readable JPEG picture: " + DecoderMessage(handle.get()));
  }
  if (!PictureSizeAllowed(width, height)) {
    return Result<Raster>::Fail("The JPEG picture is " + std::to_string(width) + " x " +
                                std::to_string(height) + " pixels, more than can be loaded.");
  }
  std::vector<uint8_t> rgb(static_cast<size_t>(width) * static_cast<size_t>(height) * 3);
  // Stop at the first warning (a truncated file is only a warning to the decoder) and refuse
  // progressive files with absurd numbers of scans.
  const int flags = TJFLAG_STOPONWARNING | TJFLAG_LIMITSCANS;
  if (tjDecompress2(handle.get(), data, static_cast<unsigned long>(size), rgb.data(), width,
                    width * 3, height, TJPF_RGB, flags) != 0) {
    return Result<Raster>::Fail("The JPEG picture could not be decoded: " +
                                DecoderMessage(handle.get()));
  }
  Raster decoded(width, height);
  const uint8_t* source = rgb.data();
  for (int y = 0; y < height; ++y) {
    Colour* row = decoded.Row(y);
    for (int x = 0; x < width; ++x, source += 3)
      row[x] = MakeColour(source[0], source[1], source[2]);
  }
  return decoded;
}

bool JpegSizeFromHeader(const uint8_t* data, size_t size, int& width, int& height) {
  if (data == nullptr || size == 0 || size > std::numeric_limits<unsigned long>::max())
    return false;
  std::unique_ptr<void, DecompressorDeleter> handle(tjInitDecompress());
  int subsampling = 0, colourspace = 0;
  return handle && tjDecompressHeader3(handle.get(), data, static_cast<unsigned long>(size), &width,
                                       &height, &subsampling, &colourspace) == 0;
}

Result<std::string> ReadJpegFileBytes(const std::string& path) {
  Result<std::string> read = ReadRegularFile(
      path, static_cast<size_t>(MaxPictureFileBytes),
      "it is too large to load (more than " + std::to_string(MaxPictureFileBytes >> 20) + " MiB)");
  if (!read) {
    return Result<std::string>::Fail("Cannot open the picture " + path + ": " + read.Error() + ".");
  }
  return read;
}

Result<Raster> DecodeJpegFile(const std::string& path) {
  const Result<std::string> bytes = ReadJpegFileBytes(path);
  if (!bytes) return Result<Raster>::FailLike(bytes);
  Result<Raster> decoded =
      DecodeJpeg(reinterpret_cast<const uint8_t*>(bytes.Value().data()), bytes.Value().size());
  if (!decoded) return Result<Raster>::Fail(path + ": " + decoded.Error());
  return decoded;
}

}  // namespace kerf
