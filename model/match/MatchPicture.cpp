// The target of a profile match laid out as pixel classes, with distances and places in words.
#include <algorithm>
#include <cmath>
#include <limits>

#include "model/Orientation.h"
#include "model/match/MatchSearch.h"

namespace kerf::match {

namespace {

// Stands for "no pixel measured from": far beyond any squared distance on the section.
constexpr double Far = 1e12;

// Squared distances along one line (Felzenszwalb and Huttenlocher's lower envelope of
// parabolas): f holds 0 at the pixels measured from and Far elsewhere; d gets the squared
// distance to the nearest of them.
void DistanceAlong(const double* f, int n, double* d, std::vector<int>& v, std::vector<double>& z) {
  v.assign(static_cast<size_t>(n), 0);
  z.assign(static_cast<size_t>(n) + 1, 0);
  size_t k = 0;
  z[0] = -Far;
  z[1] = Far;
  for (int q = 1; q < n; ++q) {
    double s = 0;
    while (true) {
      const int p = v[k];
      s = ((f[q] + q * q) - (f[p] + p * p)) / (2.0 * q - 2.0 * p);
      if (s > z[k] || k == 0) break;
      --k;
    }
    if (s <= z[k]) {  // k == 0 and the new parabola lies below the first everywhere
      v[0] = q;
      z[0] = -Far;
      z[1] = Far;
      continue;
    }
    ++k;
    v[k] = q;
    z[k] = s;
    z[k + 1] = Far;
  }
  k = 0;
  for (int q = 0; q < n; ++q) {
    while (z[k + 1] < q) ++k;
    const int p = v[k];
    d[q] = static_cast<double>(q - p) * (q - p) + f[p];
  }
}

}  // namespace

std::vector<float> DistanceTransform(const std::vector<uint8_t>& source, int width, int height) {
  const size_t count = static_cast<size_t>(width) * static_cast<size_t>(height);
  const size_t longest = static_cast<size_t>(std::max(width, height));
  std::vector<double> grid(count), line(longest), out(longest);
  std::vector<int> v;
  std::vector<double> z;
  for (size_t i = 0; i < count; ++i) grid[i] = source[i] ? 0.0 : Far;
  const auto at = [width](int x, int y) {
    return static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x);
  };
  for (int x = 0; x < width; ++x) {
    for (int y = 0; y < height; ++y) line[static_cast<size_t>(y)] = grid[at(x, y)];
    DistanceAlong(line.data(), height, out.data(), v, z);
    for (int y = 0; y < height; ++y) grid[at(x, y)] = out[static_cast<size_t>(y)];
  }
  for (int y = 0; y < height; ++y) {
    double* row = &grid[at(0, y)];
    DistanceAlong(row, width, out.data(), v, z);
    std::copy(out.begin(), out.begin() + width, row);
  }
  std::vector<float> distance(count);
  for (size_t i = 0; i < count; ++i)
    distance[i] = grid[i] >= Far / 2 ? std::numeric_limits<float>::infinity()
                                     : static_cast<float>(std::sqrt(grid[i]));
  return distance;
}

void StockRectangle(int32_t stockWidth, int32_t stockHeight, int32_t faceOnTable, int& left,
                    int& top) {
  const int32_t w = std::clamp(stockWidth, int32_t{50}, int32_t{1000});
  const int32_t h = std::clamp(stockHeight, int32_t{50}, int32_t{1000});
  const int sectionHigh = static_cast<int>(std::nearbyint(static_cast<double>(Size) * h / 1100.0));
  const int sectionWide = static_cast<int>(std::nearbyint(static_cast<double>(Size) * w / 1100.0));
  const bool odd = faceOnTable >= 1 && faceOnTable <= 8 && faceOnTable % 2;
  left = Size - (odd ? sectionHigh : sectionWide);
  top = Size - (odd ? sectionWide : sectionHigh);
}

TargetPicture AnalyseTarget(const MatchTarget& target, double toleranceInches) {
  TargetPicture picture;
  picture.ToleranceInches = toleranceInches;
  StockRectangle(target.StockWidth, target.StockHeight, target.FaceOnTable, picture.Left,
                 picture.Top);
  const size_t count = static_cast<size_t>(Size) * Size;
  auto inStock = [&](int x, int y) {
    return x >= picture.Left && y >= picture.Top && x < Size && y < Size;
  };
  auto keeps = [&](int x, int y) {
    const size_t i = static_cast<size_t>(y) * Size + static_cast<size_t>(x);
    return inStock(x, y) && i < target.Keep.size() && target.Keep[i] != 0;
  };
  // One row and column more than the section: the fence face and the table face lie just
  // beyond it, and what lies there is outside the stock.
  const int n = Size + 1;
  std::vector<uint8_t> kept(static_cast<size_t>(n) * n, 0), cut(static_cast<size_t>(n) * n, 1);
  for (int y = 0; y < Size; ++y) {
    for (int x = 0; x < Size; ++x) {
      const bool k = keeps(x, y);
      const size_t at = static_cast<size_t>(y) * static_cast<size_t>(n) + static_cast<size_t>(x);
      kept[at] = k;
      cut[at] = !k;
    }
  }
  const std::vector<float> toKept = DistanceTransform(kept, n, n);
  const std::vector<float> toCut = DistanceTransform(cut, n, n);
  picture.ToKept.resize(count);
  picture.ToCut.resize(count);
  picture.Class.assign(count, Air);
  const double slack = 1e-9;
  for (int y = 0; y < Size; ++y) {
    for (int x = 0; x < Size; ++x) {
      const size_t i = static_cast<size_t>(y) * Size + static_cast<size_t>(x);
      const size_t at = static_cast<size_t>(y) * static_cast<size_t>(n) + static_cast<size_t>(x);
      picture.ToKept[i] = toKept[at];
      picture.ToCut[i] = toCut[at];
      if (!inStock(x, y)) continue;
      if (keeps(x, y)) {
        const double off = (picture.ToCut[i] - 0.5) * PixelInches;
        picture.Class[i] = off <= toleranceInches + slack ? Allowed : Forbidden;
      } else {
        const double off = (picture.ToKept[i] - 0.5) * PixelInches;
        const bool near = off <= toleranceInches + slack;
        picture.Class[i] = near ? Optional : Must;
        picture.RemoveX0 = std::min(picture.RemoveX0, x);
        picture.RemoveX1 = std::max(picture.RemoveX1, x);
        picture.RemoveY0 = std::min(picture.RemoveY0, y);
        picture.RemoveY1 = std::max(picture.RemoveY1, y);
        ++picture.RemoveCount;
        ++(near ? picture.OptionalCount : picture.MustCount);
      }
    }
  }
  return picture;
}

std::string PlaceInWords(int left, int top, int x, int y, LengthUnit unit) {
  const double cx = x + 0.5, cy = y + 0.5;
  const double toFence = Size - cx, toTable = Size - cy, toTop = cy - top, toLeft = cx - left;
  const char* face = "the fence face";
  double nearest = toFence;
  if (toTable < nearest) nearest = toTable, face = "the table face";
  if (toTop < nearest) nearest = toTop, face = "the top face";
  if (toLeft < nearest) nearest = toLeft, face = "the face away from the fence";
  auto length = [&](double pixels) { return ReducedLength(pixels * PixelInches, unit); };
  return std::string("near ") + face + ", " + length(toFence) + " from the fence and " +
         length(toTable) + " above the table";
}

}  // namespace kerf::match
