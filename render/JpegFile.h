// Decoding JPEG pictures with libjpeg-turbo into Rasters, reporting every fault as an error.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "model/Raster.h"

namespace kerf {

// Pictures with more pixels than this are refused before any memory is set aside for them.
inline constexpr int64_t MaxJpegPixels = int64_t{64} * 1024 * 1024;

// Decodes JPEG bytes into picture (colours 0x00BBGGRR, row 0 at the top). Any complaint of the
// decoder, a warning about a truncated or damaged file included, fails the load with a message;
// the picture is then left as it was.
bool DecodeJpeg(const uint8_t* data, size_t size, Raster& picture, std::string& error);
// The size the JPEG header announces, without decoding; false when the bytes are no JPEG.
bool JpegSizeFromHeader(const uint8_t* data, size_t size, int& width, int& height);
// Reads a JPEG file's bytes (a regular file of at most 256 MiB); false with a message naming it.
bool ReadJpegFileBytes(const std::string& path, std::string& bytes, std::string& error);
// Reads and decodes a file; the message names the file.
bool DecodeJpegFile(const std::string& path, Raster& picture, std::string& error);

}  // namespace kerf
