// Paints the supplied wood-grain texture pictures into <data dir>/textures as JPEG files.
//
// Each wood is a recipe for the shared wood-grain painter: the colours of its earlywood and
// latewood, how many growth rings cross the board, how they wander, fibre streaks and open
// pores. The pictures tile seamlessly, as the moulding repeats them along and around itself.
//
// Usage: make_textures <data dir>
#include <QDir>
#include <QImage>
#include <QString>

#include <cstdio>
#include <vector>

#include "../render/WoodGrain.h"

namespace {

constexpr int Side = 256;

struct Wood {
  const char* FileName;
  kerf::woodgrain::Style Style;
};

// Light, Dark, Rings, Wander, Latewood, Fibre, Pores, Figure, Seed.
const Wood Woods[] = {
    // Oak: straw brown, strong rings and open pores in the latewood.
    {"oak.jpg", {{214, 178, 128}, {146, 104, 60}, 10, 1.2, 0.35, 0.16, 0.05, 0.12, 0x0A4Bu}},
    // Walnut: dark chocolate with soft, wandering rings.
    {"walnut.jpg", {{132, 92, 62}, {62, 40, 26}, 9, 1.2, 0.45, 0.18, 0.0, 0.20, 0x3A1Fu}},
    // Cherry: reddish brown, fine and even.
    {"cherry.jpg", {{208, 130, 88}, {156, 80, 48}, 12, 1.0, 0.35, 0.16, 0.0, 0.14, 0xC3E2u}},
    // Maple: pale cream with faint rings.
    {"maple.jpg", {{244, 228, 198}, {214, 186, 144}, 14, 0.8, 0.25, 0.12, 0.0, 0.08, 0x3A9Eu}},
    // Pine: pale yellow with bold resinous latewood.
    {"pine.jpg", {{240, 208, 152}, {188, 124, 62}, 7, 1.0, 0.3, 0.10, 0.0, 0.10, 0x91E5u}},
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_textures <data dir>\n");
    return 2;
  }
  const QString directory = QDir(QString::fromLocal8Bit(argv[1])).filePath("textures");
  if (!QDir().mkpath(directory)) {
    std::fprintf(stderr, "make_textures: cannot make %s\n", qPrintable(directory));
    return 1;
  }
  for (const Wood& wood : Woods) {
    const std::vector<uint32_t> pixels = kerf::woodgrain::Paint(wood.Style, Side, Side);
    QImage image(Side, Side, QImage::Format_RGB32);
    for (int y = 0; y < Side; ++y) {
      for (int x = 0; x < Side; ++x) {
        const uint32_t c = pixels[static_cast<size_t>(y) * Side + x];
        image.setPixel(x, y, qRgb(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF));
      }
    }
    const QString path = QDir(directory).filePath(QString::fromLatin1(wood.FileName));
    if (!image.save(path, "JPG", 90)) {
      std::fprintf(stderr, "make_textures: cannot write %s\n", qPrintable(path));
      return 1;
    }
    std::printf("%s\n", qPrintable(path));
  }
  return 0;
}
