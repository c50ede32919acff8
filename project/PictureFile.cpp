// Picture files to and from Rasters through QImage, with the BMP header checked before decoding.
#include "project/PictureFile.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>

#include <cstdlib>

#include "model/FileNames.h"
#include "project/PictureLimits.h"
#include "project/SafeFiles.h"

namespace kerf {

namespace {

uint32_t ReadLE(const uint8_t* p, int bytes) {
  uint32_t v = 0;
  for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | p[i];
  return v;
}

std::string SizeText(int64_t width, int64_t height) {
  return std::to_string(width) + " x " + std::to_string(height);
}

Result<void> CheckSize(int64_t width, int64_t height) {
  if (width <= 0 || height <= 0) {
    return Result<void>::Fail("the picture has no pixels (" + SizeText(width, height) + ")");
  }
  if (!PictureSizeAllowed(width, height)) {
    return Result<void>::Fail("the picture is too large (" + SizeText(width, height) + " pixels)");
  }
  return {};
}

// A BMP's headers say how many bytes of pixels follow; QImage reads a file that stops short
// without complaint and fills the missing rows with garbage. The headers are checked here,
// and an uncompressed file must hold every row it announces.
Result<void> CheckBmpHeader(const uint8_t* data, size_t size) {
  constexpr size_t FileHeaderBytes = 14;
  if (size < FileHeaderBytes + 12) {
    return Result<void>::Fail("the BMP file is too short to hold its headers");
  }
  const uint32_t pixelOffset = ReadLE(data + 10, 4);
  const uint32_t infoBytes = ReadLE(data + 14, 4);
  int64_t width = 0;
  int64_t height = 0;
  uint32_t bitCount = 0;
  uint32_t compression = 0;  // BI_RGB
  if (infoBytes == 12) {     // the old OS/2 core header: 16-bit sizes, never compressed
    width = static_cast<int16_t>(ReadLE(data + 18, 2));
    height = static_cast<int16_t>(ReadLE(data + 20, 2));
    bitCount = ReadLE(data + 24, 2);
  } else if (infoBytes >= 40) {
    if (size < FileHeaderBytes + 40) {
      return Result<void>::Fail("the BMP file is too short to hold its headers");
    }
    width = static_cast<int32_t>(ReadLE(data + 18, 4));
    height = static_cast<int32_t>(ReadLE(data + 22, 4));
    bitCount = ReadLE(data + 28, 2);
    compression = ReadLE(data + 30, 4);
  } else {
    return Result<void>::Fail("the BMP header has an unknown size (" + std::to_string(infoBytes) +
                              " bytes)");
  }
  if (Result<void> fits = CheckSize(width, std::llabs(height)); !fits) return fits;
  if (pixelOffset < FileHeaderBytes + infoBytes || pixelOffset > size) {
    return Result<void>::Fail("the BMP header gives a pixel offset that does not fit the file");
  }

  constexpr uint32_t BiRgb = 0, BiBitfields = 3, BiAlphaBitfields = 6;
  if (compression != BiRgb && compression != BiBitfields && compression != BiAlphaBitfields)
    return {};  // run-length coded: the decoder stops at the end of the data itself
  switch (bitCount) {
    case 1:
    case 4:
    case 8:
    case 16:
    case 24:
    case 32:
      break;
    default:
      return Result<void>::Fail("the BMP has an unsupported depth of " + std::to_string(bitCount) +
                                " bits");
  }
  const int64_t stride = (width * bitCount + 31) / 32 * 4;  // rows are padded to 4 bytes
  const int64_t needed = static_cast<int64_t>(pixelOffset) + stride * std::llabs(height);
  if (static_cast<int64_t>(size) < needed) {
    return Result<void>::Fail("the BMP file is truncated: its header announces " +
                              SizeText(width, std::llabs(height)) + " pixels in " +
                              std::to_string(needed) + " bytes, but the file has only " +
                              std::to_string(size));
  }
  return {};
}

// A picture reader over bytes already in memory, which it does not copy; the format comes
// from the content, not from a file name.
struct MemoryPictureReader {
  MemoryPictureReader(const uint8_t* data, size_t size)
      : Bytes(QByteArray::fromRawData(reinterpret_cast<const char*>(data),
                                      static_cast<qsizetype>(size))),
        Buffer(&Bytes) {
    Buffer.open(QIODevice::ReadOnly);
    Reader.setDevice(&Buffer);
    Reader.setDecideFormatFromContent(true);
  }
  QByteArray Bytes;
  QBuffer Buffer;
  QImageReader Reader;
};

Result<Raster> Decode(const uint8_t* data, size_t size) {
  if (size == 0) {
    return Result<Raster>::Fail("the file is empty");
  }
  if (size >= 2 && data[0] == 'B' && data[1] == 'M') {
    if (const Result<void> header = CheckBmpHeader(data, size); !header)
      return Result<Raster>::FailLike(header);
  }

  MemoryPictureReader memory(data, size);
  QImageReader& reader = memory.Reader;
  if (!reader.canRead()) {
    return Result<Raster>::Fail("the file is not a picture in a known format");
  }
  const QSize announced = reader.size();  // from the header, where the format has one
  if (announced.isValid()) {
    if (const Result<void> fits = CheckSize(announced.width(), announced.height()); !fits)
      return Result<Raster>::FailLike(fits);
  }

  QImage image;
  if (!reader.read(&image) || image.isNull()) {
    return Result<Raster>::Fail("the picture cannot be decoded (" +
                                reader.errorString().toStdString() + ")");
  }
  if (const Result<void> fits = CheckSize(image.width(), image.height()); !fits)
    return Result<Raster>::FailLike(fits);

  image = image.convertToFormat(QImage::Format_RGB32);
  Raster picture(image.width(), image.height());
  for (int y = 0; y < image.height(); ++y) {
    const QRgb* source = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    Colour* target = picture.Row(y);
    for (int x = 0; x < image.width(); ++x)
      target[x] = MakeColour(qRed(source[x]), qGreen(source[x]), qBlue(source[x]));
  }
  return picture;
}

// The QImageWriter format for a file name, from its extension; empty when it has none we write.
QByteArray WriterFormat(const std::string& path) {
  const std::string suffix = LowerExtension(path);
  if (suffix == "png") return "png";
  if (suffix == "bmp") return "bmp";
  if (suffix == "ppm") return "ppm";
  if (suffix == "jpg" || suffix == "jpeg") return "jpg";
  return {};
}

}  // namespace

namespace {

Result<Raster> LoadPictureOf(const std::string& path, bool bmpOnly) {
  const Result<std::string> read =
      ReadRegularFile(path, static_cast<size_t>(MaxPictureFileBytes),
                      "the file is too large to be a picture (more than " +
                          std::to_string(MaxPictureFileBytes) + " bytes)");
  if (!read) return Result<Raster>::Fail(path + ": " + read.Error());
  const std::string& bytes = read.Value();
  if (bmpOnly && !bytes.empty() && bytes.compare(0, 2, "BM") != 0)
    return Result<Raster>::Fail(path + ": the file is not a BMP picture");
  Result<Raster> decoded = Decode(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
  if (!decoded) return Result<Raster>::Fail(path + ": " + decoded.Error());
  return decoded;
}

}  // namespace

Result<Raster> LoadPicture(const std::string& path) { return LoadPictureOf(path, false); }

Result<Raster> LoadBmpPicture(const std::string& path) { return LoadPictureOf(path, true); }

bool PictureSizeFromHeader(const uint8_t* data, size_t size, int64_t& width, int64_t& height) {
  if (data == nullptr || size == 0) return false;
  MemoryPictureReader memory(data, size);
  QImageReader& reader = memory.Reader;
  const QSize announced = reader.size();
  if (!announced.isValid()) return false;
  width = announced.width();
  height = announced.height();
  return true;
}

Result<Raster> LoadPictureFromMemory(const uint8_t* data, size_t size) {
  if (data == nullptr) size = 0;
  return Decode(data, size);
}

Result<void> SavePicture(const std::string& path, const Raster& picture) {
  const QByteArray format = WriterFormat(path);
  if (format.isEmpty())
    return Result<void>::Fail(path + ": unknown picture type; use .png, .bmp, .ppm or .jpg");
  if (picture.Width() <= 0 || picture.Height() <= 0)
    return Result<void>::Fail(path + ": the picture has no pixels");

  QImage image(picture.Width(), picture.Height(), QImage::Format_RGB32);
  for (int y = 0; y < picture.Height(); ++y) {
    const Colour* source = picture.Row(y);
    QRgb* target = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < picture.Width(); ++x)
      target[x] = qRgb(ColourRed(source[x]), ColourGreen(source[x]), ColourBlue(source[x]));
  }
  // A new QImage takes its resolution from the screen when the program has windows; the same
  // picture must give the same file with or without them, so it is always 100 dots per inch
  // (what Qt gives without windows, and the scale of a cutter bitmap).
  image.setDotsPerMeterX(3937);
  image.setDotsPerMeterY(3937);

  // Encoded in memory first: the file on disk is only replaced once the whole picture exists.
  QByteArray encoded;
  QBuffer buffer(&encoded);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, format);
  if (format == "jpg") writer.setQuality(95);
  // Quality 80 is zlib level 1 for PNG: a 1280 x 1024 picture is written in about 70 % of the
  // time of the default level, for a file about a tenth larger.
  if (format == "png") writer.setQuality(80);
  if (!writer.write(image) || encoded.isEmpty()) {
    return Result<void>::Fail(path + ": the picture could not be encoded (" +
                              writer.errorString().toStdString() + ")");
  }
  const Result<void> written =
      ReplaceFile(path, std::string_view(encoded.constData(), static_cast<size_t>(encoded.size())));
  if (!written) return Result<void>::Fail(path + ": " + written.Error());
  return {};
}

}  // namespace kerf
