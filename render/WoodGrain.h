// Procedural wood grain: deterministic, seamlessly tiling pictures of plain-sawn boards.
#pragma once

// Standard library only, so that the data generators can share it without linking the library.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace kerf::woodgrain {

struct Style {
  uint8_t Light[3];  // earlywood colour (red, green, blue)
  uint8_t Dark[3];   // latewood colour
  int Rings;         // growth rings across the picture's height (whole, so the picture tiles)
  double Wander;     // how far the rings wander, in rings
  double Latewood;   // share of each ring that is dark latewood (0.1 thin .. 0.5 broad)
  double Fibre;      // strength of the fine streaks along the grain
  double Pores;      // share of the surface showing dark open pores (oak); 0 for none
  double Figure;     // slow light/dark variation across the board
  uint32_t Seed;
};

// Hash of a lattice point to 0..1.
inline double Lattice(uint32_t seed, int x, int y) {
  uint32_t h =
      seed ^ (static_cast<uint32_t>(x) * 0x8DA6B343u) ^ (static_cast<uint32_t>(y) * 0xD8163841u);
  h ^= h >> 13;
  h *= 0x5BD1E995u;
  h ^= h >> 15;
  h *= 0x27D4EB2Du;
  h ^= h >> 16;
  return h / 4294967295.0;
}

// Smooth value noise at (u, v) in 0..1 on a lattice of periodX x periodY cells that wraps
// around, so the noise tiles.
inline double Noise(double u, double v, int periodX, int periodY, uint32_t seed) {
  const double x = u * periodX, y = v * periodY;
  const double fx0 = std::floor(x), fy0 = std::floor(y);
  const double fx = x - fx0, fy = y - fy0;
  auto wrap = [](int i, int period) { return ((i % period) + period) % period; };
  const int x0 = wrap(static_cast<int>(fx0), periodX), x1 = wrap(x0 + 1, periodX);
  const int y0 = wrap(static_cast<int>(fy0), periodY), y1 = wrap(y0 + 1, periodY);
  const double sx = fx * fx * (3 - 2 * fx), sy = fy * fy * (3 - 2 * fy);
  const double a = Lattice(seed, x0, y0), b = Lattice(seed, x1, y0);
  const double c = Lattice(seed, x0, y1), d = Lattice(seed, x1, y1);
  return (a + (b - a) * sx) * (1 - sy) + (c + (d - c) * sx) * sy;
}

// Several octaves of Noise, each with twice the periods and half the weight; about 0..1.
inline double Turbulence(double u, double v, int periodX, int periodY, uint32_t seed, int octaves) {
  double sum = 0, weight = 0.5, total = 0;
  for (int k = 0; k < octaves; ++k) {
    sum += weight * Noise(u, v, periodX << k, periodY << k, seed + 977u * k);
    total += weight;
    weight *= 0.5;
  }
  return sum / total;
}

// A width x height picture, colours 0x00BBGGRR, row 0 at the top. The grain runs along the
// picture's width (the length of the board).
inline std::vector<uint32_t> Paint(const Style& style, int width, int height) {
  std::vector<uint32_t> pixels(static_cast<size_t>(width) * height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const double u = static_cast<double>(x) / width, v = static_cast<double>(y) / height;
      // Rings: stripes along the length. A slow swell along the board moves neighbouring rings
      // together, as the arches of a plain-sawn board do; slower noise across the board lets
      // them drift apart, and a faint ripple keeps the lines from looking drawn.
      const double swell = Turbulence(u, v, 1, 1, style.Seed, 2) - 0.5;
      const double drift = Turbulence(u, v, 1, 2, style.Seed + 17u, 2) - 0.5;
      const double ripple = Turbulence(u, v, 4, 32, style.Seed + 29u, 2) - 0.5;
      // Years of fast and slow growth: rings of uneven width.
      const double growth = Turbulence(u, v, 1, 3, style.Seed + 41u, 2) - 0.5;
      const double ring = v * style.Rings + style.Wander * (2.0 * swell + 1.2 * drift) +
                          0.12 * ripple + 1.5 * growth;
      const double phase = ring - std::floor(ring);
      // Earlywood darkens a little across the ring into a band of latewood, which ends
      // abruptly where the next year's earlywood begins.
      const double w = style.Latewood;
      const double t = std::clamp((phase - (1 - w)) / (0.8 * w), 0.0, 1.0);
      double dark = 0.25 * phase * phase + 0.75 * t * t * (3 - 2 * t);
      // Streaks along the fibres: long along the length, thin across it.
      const double fibre = Turbulence(u, v, 4, 256, style.Seed + 101u, 2) - 0.5;
      dark += style.Fibre * 2.0 * fibre;
      // Open pores: short dark dashes, most of them in the latewood.
      if (style.Pores > 0) {
        const double pore = Noise(u, v, 48, 192, style.Seed + 211u);
        if (pore > 1.0 - style.Pores * (0.5 + phase)) dark += 0.35;
      }
      // Slow figure across the board.
      dark += style.Figure * (Turbulence(u, v, 1, 2, style.Seed + 307u, 2) - 0.5);
      dark = std::clamp(dark, 0.0, 1.0);
      uint32_t colour = 0;
      for (int k = 0; k < 3; ++k) {
        const double c = style.Light[k] + (style.Dark[k] - style.Light[k]) * dark;
        colour |= static_cast<uint32_t>(std::clamp(std::lround(c), 0L, 255L)) << (8 * k);
      }
      pixels[static_cast<size_t>(y) * width + x] = colour;
    }
  }
  return pixels;
}

// The built-in texture: light wood grain, as pale pine or ash.
inline constexpr Style LightWood{{238, 210, 164}, {196, 146, 92}, 6, 0.8, 0.3, 0.16, 0.0, 0.10,
                                 0x5EEDu};

}  // namespace kerf::woodgrain
