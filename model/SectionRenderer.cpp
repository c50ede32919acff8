// RenderSection: the stock rectangle, every cut turned to the current orientation, bearing figures.
#include "model/SectionRenderer.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "model/CutPlacement.h"
#include "model/CutVerdict.h"
#include "model/MachineLines.h"
#include "model/Orientation.h"
#include "model/TableJudging.h"

namespace kerf {

namespace {

// Lengths to pixels: the product of two single-precision values formed in double, rounded to
// the nearest integer with halves to the even neighbour. Adding and taking away 1.5 * 2^52
// rounds in the current rounding mode exactly as nearbyint does, without a call into the maths
// library: a measuring pass rounds a few hundred thousand of these.
int RoundProduct(double length, float scale) {
  const double x = length * static_cast<double>(scale);
  constexpr double Shift = 6755399441055744.0;  // 1.5 * 2^52
  // A length far beyond any picture (a project's fence of 2^31 hundredths on the finely drawn
  // section) is held at a billion pixels: far outside, and two of them still add up in an int.
  constexpr double Far = 1e9;
  if (std::fabs(x) < Far) return static_cast<int>((x + Shift) - Shift);
  return x < 0 ? -static_cast<int>(Far) : static_cast<int>(Far);
}

// Where the section's rectangle lies on the raster and the scales it is drawn at.
struct Frame {
  int W, H;    // the fence face (a pixel column) and the table face (a pixel row)
  float r, s;  // pixels per unit, horizontally and vertically, zoom included
  int Left, Top;
  bool RowBands;  // paint each cutter row over every pixel row of its height
};

Placement PlaceCut(int orientationCase, const Cut& cut, const Frame& f) {
  const CaseLayout& layout = LayoutOfCase(orientationCase);
  const int32_t across = layout.ColumnByFence ? cut.Fence : cut.Height;
  const int32_t up = layout.ColumnByFence ? cut.Height : cut.Fence;
  return PlaceAxis(layout, RoundProduct(across, f.r), RoundProduct(up, f.s),
                   {f.Left, f.Top, f.W, f.H});
}

// The box of the raster a cut may have painted, all ends included.
struct PaintedBox {
  int FirstRow, LastRow, FirstColumn, LastColumn;
  void Take(int x, int y) {
    FirstRow = std::min(FirstRow, y);
    LastRow = std::max(LastRow, y);
    FirstColumn = std::min(FirstColumn, x);
    LastColumn = std::max(LastColumn, x);
  }
};

// Paints the area swept by the cutter white, one line per profile row; returns the box touched.
PaintedBox PaintCut(Raster& raster, const Tool& tool, const Placement& p, const Frame& f) {
  const int rows = std::clamp(tool.RowCount, 0, MaxProfileRows);
  PaintedBox box{p.U, p.U, p.V, p.V};
  // The line of reach a across the cutter's axis at pixel row b from its anchor.
  auto paintLine = [&](int a, int b) {
    int x0, y0, x1, y1;
    switch (p.Table) {
      case TableBelow:
        x0 = p.V - a, y0 = p.U - b, x1 = p.V + a, y1 = p.U - b;
        break;
      case TableAbove:
        x0 = p.V + a, y0 = p.U + b, x1 = p.V - a, y1 = p.U + b;
        break;
      case TableRight:
        x0 = p.V - b, y0 = p.U + a, x1 = p.V - b, y1 = p.U - a;
        break;
      default:
        x0 = p.V + b, y0 = p.U - a, x1 = p.V + b, y1 = p.U + a;
        break;
    }
    raster.Line(x0, y0, x1, y1, White);
    box.Take(x0, y0);
    box.Take(x1, y1);
  };
  // Drawn at less than a pixel per unit, several profile rows fall on one pixel row. Their
  // lines there are nested about the axis when their reaches are not negative (the longer
  // covers the shorter, ends included), so only the longest is drawn: the same pixels and the
  // same box, in about half the lines.
  int pendingRow = 0;
  int pendingReach = -1;  // none pending
  for (int l = 1; l <= rows; ++l) {
    const int a = RoundProduct(tool.Profile[static_cast<size_t>(l)], f.r);
    const int last = RoundProduct(l, f.s);
    if (f.RowBands) {
      // Row l stands for the unit of height below it: with bands it covers the pixel rows
      // from just above row l - 1's up to its own, so a drawing finer than a pixel per unit
      // has no gaps.
      for (int b = std::min(last, RoundProduct(l - 1, f.s) + 1); b <= last; ++b) paintLine(a, b);
      continue;
    }
    if (a >= 0 && pendingReach >= 0 && last == pendingRow) {
      pendingReach = std::max(pendingReach, a);
      continue;
    }
    if (pendingReach >= 0) paintLine(pendingReach, pendingRow);
    pendingReach = -1;
    if (a >= 0) {
      pendingRow = last;
      pendingReach = a;
    } else {
      paintLine(a, last);
    }
  }
  if (pendingReach >= 0) paintLine(pendingReach, pendingRow);
  return box;
}

bool MaterialInColumn(const Raster& raster, int x, int firstRow, int lastRow) {
  if (x < 0 || x >= raster.Width()) return false;
  for (int y = std::max(firstRow, 0); y <= lastRow && y < raster.Height(); ++y) {
    if (raster.Row(y)[x] != White) return true;
  }
  return false;
}

bool MaterialInRow(const Raster& raster, int y, int firstColumn, int lastColumn) {
  if (y < 0 || y >= raster.Height()) return false;
  const Colour* row = raster.Row(y);
  for (int x = std::max(firstColumn, 0); x <= lastColumn && x < raster.Width(); ++x) {
    if (row[x] != White) return true;
  }
  return false;
}

// Whether the bit's shank, rising from the cut's table face along the cutter's axis up to the
// cutter's lowest row, passes through material still on the raster. The axis is taken as the
// pixel on its fence side, so a cutter whose axis lies at the fence face or behind it never
// meets the stock; a cutter whose lowest row lies at or below the table has no shank in it.
bool ShankBlocked(const Raster& raster, const Placement& p, int fenceSide, const Frame& f) {
  const int lowest = RoundProduct(1, f.s);  // offset of the cutter's first row from its anchor
  const int bottom = f.H - 1;               // the rectangle's last row and column
  const int right = f.W - 1;
  switch (p.Table) {
    case TableBelow: {
      const int x = fenceSide == SideRight ? p.V : p.V - 1;
      return MaterialInColumn(raster, x, std::max(p.U - lowest + 1, f.Top), bottom);
    }
    case TableAbove: {
      const int x = fenceSide == SideRight ? p.V : p.V - 1;
      return MaterialInColumn(raster, x, f.Top, std::min(p.U + lowest - 1, bottom));
    }
    case TableRight: {
      const int y = fenceSide == SideBottom ? p.U : p.U - 1;
      return MaterialInRow(raster, y, std::max(p.V - lowest + 1, f.Left), right);
    }
    default: {  // table at the left
      const int y = fenceSide == SideBottom ? p.U : p.U - 1;
      return MaterialInRow(raster, y, f.Left, std::min(p.V + lowest - 1, right));
    }
  }
}

// The stock: its outline in the material colour, then a border-mode fill from its inner corner
// at the fence and the table.
void DrawStock(Raster& raster, const Frame& f, Colour material) {
  const int fenceX = f.W, tableY = f.H;
  raster.Line(fenceX, tableY, fenceX, f.Top, material);
  raster.Line(fenceX, f.Top, f.Left, f.Top, material);
  raster.Line(f.Left, f.Top, f.Left, tableY, material);
  raster.Line(f.Left, tableY, fenceX, tableY, material);
  // On the freshly whitened raster, a rectangle at least one pixel across whose corner pixel
  // lies on the raster is filled exactly over its inside, so its rows are filled directly.
  // Anything else (white material, an inverted rectangle) takes the flood fill.
  const bool plainRectangle = material != White && f.Left <= fenceX - 1 && f.Top <= tableY - 1 &&
                              fenceX >= 1 && tableY >= 1 && fenceX - 1 < raster.Width() &&
                              tableY - 1 < raster.Height();
  if (!plainRectangle) {
    raster.FloodFillBorder(fenceX - 1, tableY - 1, material, material);
    return;
  }
  const int right = std::min(fenceX, raster.Width() - 1);
  const int bottom = std::min(tableY, raster.Height() - 1);
  const int left = std::max(f.Left, 0);
  for (int y = std::max(f.Top, 0); y <= bottom; ++y)
    std::fill(raster.Row(y) + left, raster.Row(y) + right + 1, material);
}

// The material along each side of the stock during the measuring pass. A side is measured
// when first asked for and again only after a cut changed pixels in a box that crosses its
// line, so a run of cuts that leave a side alone costs no more than one reading of it.
class SideMaterial {
 public:
  SideMaterial(const Raster& raster, const Frame& f) : raster_(raster), f_(f) {}

  float Along(int side) {
    if (side < SideTop || side > SideLeft)
      return MaterialAlongSide(raster_, side, f_.Top, f_.Left, f_.W, f_.H);
    const size_t i = static_cast<size_t>(side - SideTop);
    if (!known_[i]) {
      value_[i] = MaterialAlongSide(raster_, side, f_.Top, f_.Left, f_.W, f_.H);
      known_[i] = true;
    }
    return value_[i];
  }

  // Pixels inside box changed and none outside it.
  void Changed(const PaintedBox& box) {
    auto crosses = [](int line, int first, int last) { return first <= line && line <= last; };
    // The lines MaterialAlongSide reads: a row just inside the top, the last column, the
    // last row, the left column.
    if (crosses(f_.Top + 1, box.FirstRow, box.LastRow)) known_[SideTop - SideTop] = false;
    if (crosses(f_.W - 1, box.FirstColumn, box.LastColumn)) known_[SideRight - SideTop] = false;
    if (crosses(f_.H - 1, box.FirstRow, box.LastRow)) known_[SideBottom - SideTop] = false;
    if (crosses(f_.Left, box.FirstColumn, box.LastColumn)) known_[SideLeft - SideTop] = false;
  }

 private:
  const Raster& raster_;
  const Frame& f_;
  std::array<float, 4> value_{};
  std::array<bool, 4> known_{};
};

// Copies the part of `from` that fits onto `to` at (0, 0); the rest of `to` is left alone.
void CopyPicture(const Raster& from, Raster& to) {
  const int rows = std::min(from.Height(), to.Height());
  const int cols = std::min(from.Width(), to.Width());
  for (int y = 0; y < rows; ++y) std::copy(from.Row(y), from.Row(y) + cols, to.Row(y));
}

}  // namespace

float MaterialAlongSide(const Raster& canvas, int side, int top, int left, int width, int height) {
  // The line examined: a row from column `left` to width - 1, or a column from row `top` to height
  // - 1. The top side is read one row inside the rectangle.
  bool isRow = true;
  int fixed = 0;
  long long n = 0;
  switch (side) {
    case SideTop:
      fixed = top + 1;
      n = static_cast<long long>(width) - left;
      break;
    case SideRight:
      isRow = false;
      fixed = width - 1;
      n = static_cast<long long>(height) - top;
      break;
    case SideBottom:
      fixed = height - 1;
      n = static_cast<long long>(width) - left;
      break;
    case SideLeft:
      isRow = false;
      fixed = left;
      n = static_cast<long long>(height) - top;
      break;
    default:
      return 0;
  }
  if (n <= 0) return 0;

  // Pixels off the raster read as white, so only the part on the raster is counted.
  long long count = 0;
  if (isRow) {
    if (fixed < 0 || fixed >= canvas.Height()) return 0;
    const int from = std::max(left, 0);
    const int to = std::min(width, canvas.Width());
    const Colour* row = canvas.Row(fixed);
    for (int x = from; x < to; ++x) count += row[x] != White;
  } else {
    if (fixed < 0 || fixed >= canvas.Width()) return 0;
    const int from = std::max(top, 0);
    const int to = std::min(height, canvas.Height());
    for (int y = from; y < to; ++y) count += canvas.Row(y)[fixed] != White;
  }
  if (count == 0) return 0;
  return static_cast<float>(static_cast<double>(count) / static_cast<double>(n) * 100.0);
}

StockOnPicture PlaceStock(const Model& model, const SectionView& view) {
  return PlaceStock(StockOf(model), view);
}

StockOnPicture PlaceStock(const StockSetup& lying, const SectionView& view) {
  const bool oddState = lying.FaceOnTable >= 1 && lying.FaceOnTable <= 8 && lying.FaceOnTable % 2;
  const double width = view.W;
  const double height = view.H;
  const int stockHeight =
      static_cast<int>(std::nearbyint(height * lying.Height / 1100.0)) * view.Zoom;
  const int stockWidth = static_cast<int>(std::nearbyint(width * lying.Width / 1100.0)) * view.Zoom;
  const int across = oddState ? stockHeight : stockWidth;  // extent along the table
  const int upright = oddState ? stockWidth : stockHeight;
  // The scales follow the picture's size; the stock's corner may stand in from its corner.
  const int margin = std::max(view.MachineMargin, 0);
  StockOnPicture stock;
  stock.FenceX = view.W - margin;
  stock.TableY = view.H - margin;
  stock.Left = stock.FenceX - across;
  stock.Top = stock.TableY - upright;
  return stock;
}

namespace {

// What a section is drawn from: the stock as it lies, the cut list and the cutter library.
struct Work {
  StockSetup Stock;
  const std::vector<Cut>& Cuts;
  const std::vector<Tool>& Cutters;
  // The cutter numbered n (1 is the first), or nullptr when n names none.
  const Tool* Cutter(int n) const {
    return n >= 1 && n <= static_cast<int>(Cutters.size()) ? &Cutters[static_cast<size_t>(n - 1)]
                                                           : nullptr;
  }
};

Work WorkOf(const Model& model) { return {StockOf(model), model.Cuts(), model.Cutters()}; }

// The frame of a section of work drawn as view says.
Frame FrameFor(const Work& work, const SectionView& view) {
  const int width = view.W;
  const int height = view.H;
  const int zoom = view.Zoom;

  // Scales are single precision; the stock extents are rounded from the exact ratio and
  // then magnified, so they do not inherit the scale's error.
  Frame f{};
  const StockOnPicture stock = PlaceStock(work.Stock, view);
  f.W = stock.FenceX;
  f.H = stock.TableY;
  f.Left = stock.Left;
  f.Top = stock.Top;
  f.r = static_cast<float>(width) / 1100.0f * static_cast<float>(zoom);
  f.s = static_cast<float>(height) / 1100.0f * static_cast<float>(zoom);
  f.RowBands = view.RowBands;
  return f;
}

// Where the table's line lies for a cut placed at p: a row for the table below or above, else a
// column.
int TableLine(const Placement& p, const Frame& f) {
  switch (p.Table) {
    case TableBelow:
      return f.H;
    case TableAbove:
      return f.Top;
    case TableRight:
      return f.W;
    default:
      return f.Left;
  }
}

// Which way a cut's rows run on the picture, as CutStand counts it.
int TurnOf(TableSide table) {
  switch (table) {
    case TableBelow:
      return 0;
    case TableAbove:
      return 2;
    case TableRight:
      return -1;
    default:
      return 1;
  }
}

// Paints one cut of work; when found is given, measures it into found, sides and pieces
// (which hold the section as the cuts before it left it); a watcher is told of it.
void PaintCutOf(const Work& work, const Cut& cut, const Frame& f, Raster& raster, CutFigures* found,
                SideMaterial& sides, SectionPieces* pieces, CutWatcher* watcher = nullptr,
                size_t index = 0) {
  // A cut made in no known state is placed and measured as if made in the current one.
  int fenceSide = SideRight;
  int tableSide = SideBottom;
  const int orientationCase =
      CutOrientation(cut.Face, work.Stock.FaceOnTable, fenceSide, tableSide);
  if (orientationCase == 0) {
    fenceSide = SideRight;
    tableSide = SideBottom;
  }
  const Tool* tool = work.Cutter(cut.Cutter);
  const Placement placement = PlaceCut(orientationCase, cut, f);
  const bool measure = found != nullptr && pieces != nullptr;
  const CutStand stand{placement.V, placement.U, TurnOf(placement.Table), fenceSide,
                       TableLine(placement, f)};
  if (watcher != nullptr) watcher->Before(index, cut, stand, raster);
  if (measure) {
    found->FenceBefore = sides.Along(fenceSide);
    found->TableBefore = sides.Along(tableSide);
    found->ShankBlocked = tool != nullptr && ShankBlocked(raster, placement, fenceSide, f);
    found->PiecesBefore = pieces->Count();
  }
  if (tool != nullptr) {
    const PaintedBox painted = PaintCut(raster, *tool, placement, f);
    // Every side's line lies inside the rectangle the pieces are read from, so a cut that
    // changed nothing there changed no side either.
    if (measure && pieces->Reread(raster, painted.FirstRow, painted.LastRow, painted.FirstColumn,
                                  painted.LastColumn)) {
      sides.Changed(painted);
    }
  }
  if (measure) {
    found->FenceAfter = sides.Along(fenceSide);
    found->TableAfter = sides.Along(tableSide);
    found->PiecesAfter = pieces->Count();
  }
  if (watcher != nullptr) watcher->After(index, cut, stand, raster);
}

// The measuring pass's view: 500 x 500, zoom 1, black, no cutter outlined.
SectionView MeasuringView() {
  SectionView view;
  view.W = SectionSize;
  view.H = SectionSize;
  view.Zoom = 1;
  view.Material = Black;
  return view;
}

// Paints the section; measures into figures and pieces when both are given.
void PaintSection(const Work& work, const SectionView& view, Raster& raster,
                  std::vector<CutResult>* figures, SectionPieces* pieces,
                  CutWatcher* watcher = nullptr) {
  const Frame f = FrameFor(work, view);
  const int width = view.W;
  const int height = view.H;
  const int margin = width - f.W;

  // Only the picture and the row and column beyond it, where the stock's outline runs, are
  // whitened: nothing drawn reads or reaches further (a 250 x 250 picture needs a quarter).
  raster.Fill(White, width + 1, height + 1);
  DrawStock(raster, f, view.Material & 0xFFFFFF);

  const bool measure = figures != nullptr && pieces != nullptr;
  SideMaterial sides(raster, f);
  if (measure) {
    figures->assign(work.Cuts.size(), CutResult{});
    pieces->Read(raster, f.Left, f.Top, f.W, f.H);
  }
  const std::vector<Cut>& cuts = work.Cuts;
  for (size_t i = 0; i < cuts.size(); ++i) {
    PaintCutOf(work, cuts[i], f, raster, measure ? &(*figures)[i].Figures : nullptr, sides, pieces,
               watcher, i);
  }

  const MachineFaces faces{f.W, f.H};
  if (margin > 0) DrawTableAndFence(raster, faces, width, height);
  if (view.Cutter != nullptr) {
    const CutterSetting setting{static_cast<double>(view.Fence),
                                static_cast<double>(view.CutterHeight), f.r, f.s};
    DrawCutterOutline(raster, *view.Cutter, setting, faces, margin > 0);
  }
}

}  // namespace

StockSetup StockOf(const Model& model) {
  return {model.StockWidth(), model.StockHeight(), model.FaceOnTable()};
}

void RenderSection(const Model& model, const SectionView& view, Raster& canvas) {
  PaintSection(WorkOf(model), view, canvas, nullptr, nullptr);
}

void MeasureSetup(const StockSetup& stock, const std::vector<Cut>& cuts,
                  const std::vector<Tool>& cutters, Section& into) {
  PaintSection(Work{stock, cuts, cutters}, MeasuringView(), into.Picture, &into.Cuts, &into.Pieces);
  for (CutResult& cut : into.Cuts) cut.Judged = JudgeCutOnTable(cut.Figures);
}

Section MeasureSetup(const StockSetup& stock, const std::vector<Cut>& cuts,
                     const std::vector<Tool>& cutters) {
  Section section;
  MeasureSetup(stock, cuts, cutters, section);
  return section;
}

void RenderSection(const Model& model, const SectionView& view, Raster& canvas,
                   CutWatcher& watcher) {
  PaintSection(WorkOf(model), view, canvas, nullptr, nullptr, &watcher);
}

void PaintCutsFrom(const Model& model, const SectionView& view, size_t first, Raster& canvas,
                   CutWatcher& watcher) {
  const Work work = WorkOf(model);
  const Frame f = FrameFor(work, view);
  SideMaterial sides(canvas, f);
  for (size_t i = first; i < work.Cuts.size(); ++i)
    PaintCutOf(work, work.Cuts[i], f, canvas, nullptr, sides, nullptr, &watcher, i);
}

void PaintFurtherCut(const Model& model, const SectionView& view, const Cut& cut, Raster& canvas,
                     CutWatcher& watcher) {
  const Work work = WorkOf(model);
  const Frame f = FrameFor(work, view);
  SideMaterial sides(canvas, f);
  PaintCutOf(work, cut, f, canvas, nullptr, sides, nullptr, &watcher, model.Cuts().size());
}

void MeasureSection(const Model& model, SectionPictures& pictures, Section& section) {
  PaintSection(WorkOf(model), MeasuringView(), section.Picture, &section.Cuts, &section.Pieces);
  JudgeCutsOnTable(model, section.Cuts, pictures.Table);
  for (CutResult& cut : section.Cuts) cut.Judged = JudgeCutOnTable(cut.Figures);
}

Section MeasureSection(const Model& model) {
  SectionPictures pictures;
  Section section;
  MeasureSection(model, pictures, section);
  return section;
}

CutFigures MeasureFurtherCut(const Model& model, const Cut& cut, Raster& canvas,
                             SectionPieces& pieces) {
  const Work work = WorkOf(model);
  const Frame f = FrameFor(work, SectionView{});
  SideMaterial sides(canvas, f);
  CutFigures found;
  PaintCutOf(work, cut, f, canvas, &found, sides, &pieces);
  return found;
}

Raster PreviewSection(const Model& model, Raster& scratch, int pictureWidth, int pictureHeight,
                      int zoom, Colour material, int32_t fence, int32_t height, int machineMargin) {
  SectionView view;
  view.W = pictureWidth;
  view.H = pictureHeight;
  view.Zoom = zoom;
  view.Cutter = model.Cutter(model.CurrentCutter());
  view.Material = material;
  view.Fence = fence;
  view.CutterHeight = height;
  view.MachineMargin = machineMargin;
  RenderSection(model, view, scratch);

  Raster picture(pictureWidth, pictureHeight);
  CopyPicture(scratch, picture);
  return picture;
}

}  // namespace kerf
