// Decoding JPEG pictures with the TurboJPEG API.
#include "render/JpegFile.h"

#include <turbojpeg.h>

#include <limits>
#include <memory>
#include <vector>

#include "project/SafeFiles.h"

namespace kerf {

namespace {

constexpr size_t MaxJpegFileBytes = size_t{256} * 1024 * 1024;

struct DecompressorDeleter {
  void operator()(void* handle) const { tjDestroy(handle); }
};

std::string DecoderMessage(tjhandle handle) {
  const char* text = tjGetErrorStr2(handle);
  return text != nullptr && *text != '\0' ? text : "the JPEG data could not be decoded";
}

}  // namespace

bool DecodeJpeg(const uint8_t* data, size_t size, Raster& picture, std::string& error) {
  if (data == nullptr || size == 0) {
    error = "The JPEG data is empty.";
    return false;
  }
  if (size > static_cast<size_t>(std::numeric_limits<unsigned long>::max())) {
    error = "The JPEG data is too large.";
    return false;
  }
  std::unique_ptr<void, DecompressorDeleter> handle(tjInitDecompress());
  if (!handle) {
    error = "The JPEG decoder could not be started.";
    return false;
  }
  int width = 0, height = 0, subsampling = 0, colourspace = 0;
  if (tjDecompressHeader3(handle.get(), data, static_cast<unsigned long>(size), &width, &height,
                          &subsampling, &colourspace) != 0) {
    error = "Not a readable JPEG picture: " + DecoderMessage(handle.get());
    return false;
  }
  if (width <= 0 || height <= 0 || int64_t{width} * height > MaxJpegPixels) {
    error = "The JPEG picture is " + std::to_string(width) + " x " + std::to_string(height) +
            " pixels, more than can be loaded.";
    return false;
  }
  std::vector<uint8_t> rgb(static_cast<size_t>(width) * static_cast<size_t>(height) * 3);
  // Stop at the first warning (a truncated file is only a warning to the decoder) and refuse
  // progressive files with absurd numbers of scans.
  const int flags = TJFLAG_STOPONWARNING | TJFLAG_LIMITSCANS;
  if (tjDecompress2(handle.get(), data, static_cast<unsigned long>(size), rgb.data(), width,
                    width * 3, height, TJPF_RGB, flags) != 0) {
    error = "The JPEG picture could not be decoded: " + DecoderMessage(handle.get());
    return false;
  }
  Raster decoded(width, height);
  const uint8_t* source = rgb.data();
  for (int y = 0; y < height; ++y) {
    Colour* row = decoded.Row(y);
    for (int x = 0; x < width; ++x, source += 3) row[x] = MakeColour(source[0], source[1], source[2]);
  }
  picture = std::move(decoded);
  return true;
}

bool JpegSizeFromHeader(const uint8_t* data, size_t size, int& width, int& height) {
  if (data == nullptr || size == 0 || size > std::numeric_limits<unsigned long>::max()) return false;
  std::unique_ptr<void, DecompressorDeleter> handle(tjInitDecompress());
  int subsampling = 0, colourspace = 0;
  return handle && tjDecompressHeader3(handle.get(), data, static_cast<unsigned long>(size), &width,
                                       &height, &subsampling, &colourspace) == 0;
}

bool ReadJpegFileBytes(const std::string& path, std::string& bytes, std::string& error) {
  const FileReadResult read = ReadRegularFile(path, MaxJpegFileBytes, bytes);
  if (read.Ok) return true;
  error = read.TooLarge ? "The picture " + path + " is too large to load."
                        : "Cannot open the picture " + path + ": " + read.Reason + ".";
  return false;
}

bool DecodeJpegFile(const std::string& path, Raster& picture, std::string& error) {
  std::string bytes;
  if (!ReadJpegFileBytes(path, bytes, error)) return false;
  if (!DecodeJpeg(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), picture, error)) {
    error = path + ": " + error;
    return false;
  }
  return true;
}

}  // namespace kerf
