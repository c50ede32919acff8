// Decoding JPEG pictures with libjpeg-turbo into Rasters, reporting every fault as an error.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "model/Raster.h"
#include "model/Result.h"

namespace kerf {

// Decodes JPEG bytes into picture (colours 0x00BBGGRR, row 0 at the top); a picture beyond
// the limits of PictureLimits.h is refused before any memory is set aside for it. Any complaint of
// the decoder, a warning about a truncated or damaged file included, fails the load with a message;
// nothing is decoded then.
Result<Raster> DecodeJpeg(const uint8_t* data, size_t size);
// The size the JPEG header announces, without decoding; false when the bytes are no JPEG.
bool JpegSizeFromHeader(const uint8_t* data, size_t size, int& width, int& height);
// Reads a JPEG file's bytes (a regular file of at most 256 MiB); a failure names the file.
Result<std::string> ReadJpegFileBytes(const std::string& path);
// Reads and decodes a file; a failure names the file.
Result<Raster> DecodeJpegFile(const std::string& path);

}  // namespace kerf
