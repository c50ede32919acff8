// The smooth section: the worked section drawn finely and vectorised into flattened curves.
#include "project/SmoothSection.h"

#include <potracelib.h>

#include <algorithm>
#include <cmath>
#include <memory>

#include "model/SectionRenderer.h"

namespace kerf {

namespace {

struct Point {
  double X, Y;
};

// The stock's rectangle on the fine drawing (y up): fitted curves may bulge past a pixel's edge,
// but never past the stock.
struct Bounds {
  double Left = 0, Right = 0, Bottom = 0, Top = 0;
  double MmPerPixel = MillimetresPerUnit;
};

// Appends a point in whole micrometres (fine pixels, y up), kept within the stock.
void Add(SectionPolygon& ring, const Point& p, const Bounds& b) {
  ring.X.push_back(std::llround(std::clamp(p.X, b.Left, b.Right) * b.MmPerPixel * 1000));
  ring.Y.push_back(std::llround(std::clamp(p.Y, b.Bottom, b.Top) * b.MmPerPixel * 1000));
}

// The cubic from a to d with control points b and c, in straight pieces close enough to it;
// the start point is not added.
void Flatten(SectionPolygon& ring, const Bounds& bounds, Point a, Point b, Point c, Point d) {
  // A cubic strays from its chords of m equal steps by at most 3/4 of its largest second
  // difference over m squared.
  const double bend = std::max(std::hypot(a.X - 2 * b.X + c.X, a.Y - 2 * b.Y + c.Y),
                               std::hypot(b.X - 2 * c.X + d.X, b.Y - 2 * c.Y + d.Y));
  const double tolerance = SmoothToleranceMm / bounds.MmPerPixel;
  const int steps =
      std::clamp(static_cast<int>(std::ceil(std::sqrt(0.75 * bend / tolerance))), 1, 1000);
  for (int k = 1; k <= steps; ++k) {
    const double t = static_cast<double>(k) / steps, u = 1 - t;
    Add(ring,
        {u * u * u * a.X + 3 * u * u * t * b.X + 3 * u * t * t * c.X + t * t * t * d.X,
         u * u * u * a.Y + 3 * u * u * t * b.Y + 3 * u * t * t * c.Y + t * t * t * d.Y},
        bounds);
  }
}

struct PotraceDeleter {
  void operator()(potrace_state_t* s) const { potrace_state_free(s); }
  void operator()(potrace_param_t* p) const { potrace_param_free(p); }
};

}  // namespace

Result<std::vector<SectionPolygon>> SmoothSectionPieces(const Model& model, int pixelsPerUnit) {
  using Pieces = Result<std::vector<SectionPolygon>>;
  std::vector<SectionPolygon> pieces;
  const int fineSize = 1100 * pixelsPerUnit;  // the whole drawing area, 1100 units
  Raster fine(fineSize, fineSize);
  SectionView view;
  view.W = view.H = fineSize;
  view.RowBands = pixelsPerUnit > 1;
  RenderSection(model, view, fine);

  // Potrace's bitmap: one bit per pixel, line 0 at the bottom, so its y runs up.
  constexpr int WordBits = static_cast<int>(8 * sizeof(potrace_word));
  std::vector<potrace_word> words(
      static_cast<size_t>((fineSize + WordBits - 1) / WordBits) * fineSize, 0);
  potrace_bitmap_t bitmap{fineSize, fineSize, (fineSize + WordBits - 1) / WordBits, words.data()};
  for (int y = 0; y < fineSize; ++y) {
    const Colour* row = fine.Row(fineSize - 1 - y);
    potrace_word* line = words.data() + static_cast<size_t>(y) * static_cast<size_t>(bitmap.dy);
    for (int x = 0; x < fineSize; ++x) {
      if (row[x] != White) line[x / WordBits] |= potrace_word{1} << (WordBits - 1 - x % WordBits);
    }
  }

  std::unique_ptr<potrace_param_t, PotraceDeleter> param(potrace_param_default());
  if (!param) return Pieces::Fail("cannot start the curve fitting");
  param->turdsize = 0;  // keep every speck of material: the section is exact
  std::unique_ptr<potrace_state_t, PotraceDeleter> state(potrace_trace(param.get(), &bitmap));
  if (!state || state->status != POTRACE_STATUS_OK) return Pieces::Fail("the curve fitting failed");

  // The stock lies against the right and bottom edges, drawn at exactly pixelsPerUnit.
  const bool oddState =
      model.FaceOnTable() >= 1 && model.FaceOnTable() <= 8 && model.FaceOnTable() % 2;
  Bounds bounds;
  bounds.MmPerPixel = MillimetresPerUnit / pixelsPerUnit;
  bounds.Right = fineSize;
  bounds.Left = fineSize - pixelsPerUnit * (oddState ? model.StockHeight() : model.StockWidth());
  bounds.Top = pixelsPerUnit * (oddState ? model.StockWidth() : model.StockHeight());

  for (const potrace_path_t* path = state->plist; path; path = path->next) {
    if (path->sign != '+') {
      return Pieces::Fail("the section encloses a hole, which the smooth outline does not handle");
    }
    const potrace_curve_t& curve = path->curve;
    SectionPolygon ring;
    Point at{curve.c[curve.n - 1][2].x, curve.c[curve.n - 1][2].y};
    for (int i = 0; i < curve.n; ++i) {
      const auto& c = curve.c[i];
      if (curve.tag[i] == POTRACE_CORNER) {
        Add(ring, {c[1].x, c[1].y}, bounds);
        Add(ring, {c[2].x, c[2].y}, bounds);
      } else {
        Flatten(ring, bounds, at, {c[0].x, c[0].y}, {c[1].x, c[1].y}, {c[2].x, c[2].y});
      }
      at = {c[2].x, c[2].y};
    }
    SectionPolygon piece = CleanPolygon(ring);
    if (!piece.X.empty()) pieces.push_back(std::move(piece));
  }
  if (pieces.empty()) return Pieces::Fail("the section holds no material");
  return pieces;
}

}  // namespace kerf
