// Reading and writing picture files (BMP, PNG, PPM ...) as Rasters, with sound checks on input.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "model/Raster.h"
#include "model/Result.h"

namespace kerf {

// Decodes a picture file into picture (colours 0x00BBGGRR, row 0 at the top). An uncompressed
// BMP shorter than its header says is refused rather than read with garbage rows.
// A failure names the file and says why it cannot be read or decoded.
Result<Raster> LoadPicture(const std::string& path);
// The same for a file that must be a BMP, as cutter bitmaps are: a picture of another format
// (a truncated JPEG given a .bmp name) is refused, however much of it would decode.
Result<Raster> LoadBmpPicture(const std::string& path);
Result<Raster> LoadPictureFromMemory(const uint8_t* data, size_t size);

// The size a picture's header announces, read without decoding any pixels; false when the
// format does not say or the bytes are no picture.
bool PictureSizeFromHeader(const uint8_t* data, size_t size, int64_t& width, int64_t& height);

// Writes a Raster; the format follows the extension (.png, .bmp, .ppm, .jpg). The picture is
// encoded in full before the file is replaced (see ReplaceFile): any failure, a full disk
// included, keeps the old file and names the reason; a path that is a device, FIFO or folder
// is refused.
Result<void> SavePicture(const std::string& path, const Raster& picture);

}  // namespace kerf
