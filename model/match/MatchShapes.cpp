// The pixels a cutter paints in each turn, where its settings put its axis, and sums over them.
#include <algorithm>
#include <cmath>
#include <map>

#include "model/Orientation.h"
#include "model/TablePhysics.h"
#include "model/match/MatchSearch.h"

namespace kerf::match {

namespace {

// The section renderer's scale at 500 pixels and zoom 1, formed as it forms it.
const float Scale = static_cast<float>(Size) / 1100.0f * 1.0f;

// A length in units to pixels, rounded as the section renderer rounds it (halves to even).
int ToPixels(double length) {
  return static_cast<int>(std::nearbyint(length * static_cast<double>(Scale)));
}

constexpr int32_t FenceMin = -200, FenceMax = 1000;  // the sliders' ranges
constexpr int32_t HeightMin = -500, HeightMax = 500;

// The setting in [lo, hi] whose pixel offset is o, nearest the middle of that pixel.
bool SettingFor(int o, int32_t lo, int32_t hi, int32_t& setting) {
  const double exact = o / static_cast<double>(Scale);
  const auto guess = static_cast<int32_t>(std::nearbyint(exact));
  bool found = false;
  for (int32_t x = guess - 3; x <= guess + 3; ++x) {
    if (x < lo || x > hi || ToPixels(x) != o) continue;
    if (!found || std::fabs(x - exact) < std::fabs(setting - exact)) setting = x;
    found = true;
  }
  return found;
}

}  // namespace

bool Horizontal(int turn) { return turn == TableBelow || turn == TableAbove; }

std::array<int, 2> CasesOfTurn(int turn) {
  std::array<int, 2> cases{};
  size_t found = 0;
  for (int orientationCase = 1; orientationCase <= 8 && found < cases.size(); ++orientationCase)
    if (LayoutOfCase(orientationCase).Table == turn) cases[found++] = orientationCase;
  return cases;
}

int TurnOfCase(int orientationCase) { return LayoutOfCase(orientationCase).Table; }

bool PlacementOfCut(const Cut& cut, int faceOnTable, int left, int top, Candidate& placement) {
  int fenceSide = 0, tableSide = 0;
  const int orientationCase = CutOrientation(cut.Face, faceOnTable, fenceSide, tableSide);
  if (orientationCase == 0 || cut.Cutter < 1) return false;
  int v = 0, u = 0;
  AnchorOf(orientationCase, cut.Fence, cut.Height, left, top, v, u);
  placement.Cutter = static_cast<uint16_t>(cut.Cutter - 1);
  placement.Turn = static_cast<uint8_t>(TurnOfCase(orientationCase));
  placement.V = static_cast<int16_t>(v);
  placement.U = static_cast<int16_t>(u);
  return true;
}

CutterShape ShapeOf(const Tool& tool, int turn) {
  // Each profile row is one line across the axis at its own distance from the anchor; the
  // line's first end is painted and its last is not, which decides the side of the extra pixel.
  std::map<int, std::vector<std::pair<int, int>>> lines;
  const int rows = std::clamp(tool.RowCount, 0, MaxProfileRows);
  for (int l = 1; l <= rows; ++l) {
    const int a = ToPixels(tool.Profile[static_cast<size_t>(l)]);
    const int b = ToPixels(l);
    if (a == 0) continue;
    // Painted columns (or rows) for a line drawn from -a to +a, and from +a to -a.
    const std::pair<int, int> rising = a > 0 ? std::pair{-a, a - 1} : std::pair{a + 1, -a};
    const std::pair<int, int> falling = a > 0 ? std::pair{-a + 1, a} : std::pair{a, -a - 1};
    switch (turn) {
      case TableBelow:
        lines[-b].push_back(rising);
        break;
      case TableAbove:
        lines[b].push_back(falling);
        break;
      case TableRight:
        lines[-b].push_back(falling);
        break;
      default:
        lines[b].push_back(rising);
        break;
    }
  }
  CutterShape shape;
  bool first = true;
  for (auto& entry : lines) {
    const int off = entry.first;
    std::vector<std::pair<int, int>>& spans = entry.second;
    std::sort(spans.begin(), spans.end());
    std::pair<int, int> open = spans.front();
    auto close = [&]() {
      shape.Runs.push_back({off, open.first, open.second});
      shape.MinOff = first ? off : std::min(shape.MinOff, off);
      shape.MaxOff = first ? off : std::max(shape.MaxOff, off);
      shape.MinLo = first ? open.first : std::min(shape.MinLo, open.first);
      shape.MaxHi = first ? open.second : std::max(shape.MaxHi, open.second);
      first = false;
    };
    for (size_t i = 1; i < spans.size(); ++i) {
      if (spans[i].first <= open.second + 1) {
        open.second = std::max(open.second, spans[i].second);
      } else {
        close();
        open = spans[i];
      }
    }
    close();
  }
  // Widest runs first: a placement that cuts what it must not is then found out soonest.
  std::stable_sort(shape.Runs.begin(), shape.Runs.end(),
                   [](const ShapeRun& a, const ShapeRun& b) { return a.Hi - a.Lo > b.Hi - b.Lo; });
  return shape;
}

void AnchorOf(int orientationCase, int32_t fence, int32_t height, int left, int top, int& v,
              int& u) {
  const CaseLayout& layout = LayoutOfCase(orientationCase);
  const int f = ToPixels(fence), h = ToPixels(height);
  const Placement axis = PlaceAxis(layout, layout.ColumnByFence ? f : h,
                                   layout.ColumnByFence ? h : f, {left, top, Size, Size});
  v = axis.V;
  u = axis.U;
}

bool SettingsOf(int orientationCase, int v, int u, int left, int top, int32_t& fence,
                int32_t& height) {
  const CaseLayout& layout = LayoutOfCase(orientationCase);
  int column = 0, row = 0;  // pixel offsets of the axis from its edges
  AxisOffsets(layout, v, u, {left, top, Size, Size}, column, row);
  const int f = layout.ColumnByFence ? column : row;
  const int h = layout.ColumnByFence ? row : column;
  return SettingFor(f, FenceMin, FenceMax, fence) && SettingFor(h, HeightMin, HeightMax, height);
}

int FaceForCase(int orientationCase, int faceOnTable) {
  for (int face = 1; face <= 8; ++face) {
    int fenceSide = 0, tableSide = 0;
    if (CutOrientation(face, faceOnTable, fenceSide, tableSide) == orientationCase) return face;
  }
  return 0;
}

void GridSums::Build(const int32_t* grid) {
  const size_t n = static_cast<size_t>(Size) + 1;
  rows_.assign(static_cast<size_t>(Size) * n, 0);
  columns_.assign(static_cast<size_t>(Size) * n, 0);
  for (int y = 0; y < Size; ++y) {
    int32_t* row = &rows_[static_cast<size_t>(y) * n];
    const int32_t* in = grid + static_cast<size_t>(y) * Size;
    for (int x = 0; x < Size; ++x) row[x + 1] = row[x] + in[x];
  }
  for (int x = 0; x < Size; ++x) {
    int32_t* column = &columns_[static_cast<size_t>(x) * n];
    for (int y = 0; y < Size; ++y)
      column[y + 1] = column[y] + grid[static_cast<size_t>(y) * Size + static_cast<size_t>(x)];
  }
}

int32_t GridSums::RowSum(int y, int x0, int x1) const {
  if (y < 0 || y >= Size) return 0;
  x0 = std::max(x0, 0);
  x1 = std::min(x1, Size - 1);
  if (x0 > x1) return 0;
  const int32_t* row = &rows_[static_cast<size_t>(y) * (Size + 1)];
  return row[x1 + 1] - row[x0];
}

int32_t GridSums::ColumnSum(int x, int y0, int y1) const {
  if (x < 0 || x >= Size) return 0;
  y0 = std::max(y0, 0);
  y1 = std::min(y1, Size - 1);
  if (y0 > y1) return 0;
  const int32_t* column = &columns_[static_cast<size_t>(x) * (Size + 1)];
  return column[y1 + 1] - column[y0];
}

int32_t GridSums::Over(const CutterShape& shape, int turn, int v, int u,
                       bool stopAtPositive) const {
  int32_t sum = 0;
  const bool across = Horizontal(turn);
  for (const ShapeRun& run : shape.Runs) {
    sum += across ? RowSum(u + run.Off, v + run.Lo, v + run.Hi)
                  : ColumnSum(v + run.Off, u + run.Lo, u + run.Hi);
    if (stopAtPositive && sum > 0) return sum;
  }
  return sum;
}

bool ShankClear(const GridSums& kept, int turn, int v, int u, int left, int top) {
  const int lowest = ToPixels(1);  // the cutter's first row's distance from its anchor
  const int last = Size - 1;
  // The shank is at least 1/4" across: a band of 8 pixels (0.18") about the axis, less than
  // the 1/4" less the hundredth it may graze on either side, so every overlap found is certain.
  constexpr int Below = 4, Above = 3;
  auto clear = [&](auto sum) {
    for (int d = -Below; d <= Above; ++d)
      if (sum(d) != 0) return false;
    return true;
  };
  switch (turn) {
    case TableBelow: {
      const int from = std::max(u - lowest + 1, top);
      return clear([&](int d) { return kept.ColumnSum(v + d, from, last); });
    }
    case TableAbove: {
      const int to = std::min(u + lowest - 1, last);
      return clear([&](int d) { return kept.ColumnSum(v + d, top, to); });
    }
    case TableRight: {
      const int from = std::max(v - lowest + 1, left);
      return clear([&](int d) { return kept.RowSum(u + d, from, last); });
    }
    default: {
      const int to = std::min(v + lowest - 1, last);
      return clear([&](int d) { return kept.RowSum(u + d, left, to); });
    }
  }
}

CutterShape BearingShapeOf(const Tool& tool, int turn) {
  if (tool.BearingRow <= 0 || tool.RedWidth <= 0) return {};
  // The bearing's disc, less the hundredth it may graze and more than a pixel besides, so
  // that every overlap found is certain whichever way the pixels fall.
  Tool disc;
  disc.RowCount = std::min(tool.BearingRow + BearingThickness - 1, MaxProfileRows);
  const float radius = static_cast<float>(tool.RedWidth) - 3.5f;
  if (radius <= 0) return {};
  for (int l = tool.BearingRow; l <= disc.RowCount; ++l)
    disc.Profile[static_cast<size_t>(l)] = radius;
  return ShapeOf(disc, turn);
}

CutterShape BearingRingOf(const Tool& tool, int turn) {
  if (tool.BearingRow <= 0 || tool.RedWidth <= 0) return {};
  Tool ring;
  ring.RowCount = std::min(tool.BearingRow + BearingThickness - 1, MaxProfileRows);
  for (int l = tool.BearingRow; l <= ring.RowCount; ++l)
    ring.Profile[static_cast<size_t>(l)] = static_cast<float>(tool.RedWidth) + 3.0f;
  return ShapeOf(ring, turn);
}

int PaintPlacement(const CutterShape& shape, int turn, int v, int u, std::vector<uint8_t>& mask,
                   uint8_t value) {
  int painted = 0;
  const bool across = Horizontal(turn);
  for (const ShapeRun& run : shape.Runs) {
    const int line = (across ? u : v) + run.Off;
    if (line < 0 || line >= Size) continue;
    const int from = std::max((across ? v : u) + run.Lo, 0);
    const int to = std::min((across ? v : u) + run.Hi, Size - 1);
    for (int i = from; i <= to; ++i) {
      const size_t at = across ? static_cast<size_t>(line) * Size + static_cast<size_t>(i)
                               : static_cast<size_t>(i) * Size + static_cast<size_t>(line);
      mask[at] = value;
      ++painted;
    }
  }
  return painted;
}

}  // namespace kerf::match
