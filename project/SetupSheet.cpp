// The set-up sheet's content: each pass drawn before and after, its settings and verdict, and
// paging.
#include "project/SetupSheet.h"

#include <algorithm>
#include <cmath>

#include "model/LengthText.h"
#include "model/SectionRenderer.h"
#include "model/StockFaces.h"
#include "project/TemplateFile.h"

namespace kerf {

namespace {

// The sections are drawn at two pixels per unit, each cutter row as a band, so that a printed
// cove shows steps of an eighth of a millimetre at full size.
constexpr int SheetPixelsPerUnit = 2;
constexpr int DrawingSize = 1100 * SheetPixelsPerUnit;

bool KnownState(int face) { return face >= 1 && face <= 8; }

std::string Inches(int32_t hundredths) {
  return FormatLength(static_cast<float>(hundredths) / 100.0f, LengthUnit::Imperial);
}
std::string Millimetres(int32_t hundredths) {
  return FormatLength(static_cast<float>(hundredths) / 100.0f, LengthUnit::Metric);
}

// Where the stock lies on the fine drawing of a model in its current state.
struct StockBox {
  int Left, Top, Across, Upright;  // pixels
};

StockBox StockOn(const Model& model) {
  const bool oddState = KnownState(model.FaceOnTable()) && model.FaceOnTable() % 2;
  StockBox box;
  box.Across = (oddState ? model.StockHeight() : model.StockWidth()) * SheetPixelsPerUnit;
  box.Upright = (oddState ? model.StockWidth() : model.StockHeight()) * SheetPixelsPerUnit;
  box.Left = DrawingSize - box.Across;
  box.Top = DrawingSize - box.Upright;
  return box;
}

// Draws work's stock in state `face` with the first `cuts` cuts of `setup` on canvas; returns
// where it lies.
StockBox Draw(Model& work, const WorkSetup& setup, int face, int cuts, Raster& canvas) {
  WorkSetup state = setup;
  state.FaceOnTable = face;
  state.Cuts.resize(static_cast<size_t>(cuts));
  work.ReplaceSetup(state);
  SectionView view;
  view.W = view.H = DrawingSize;
  view.RowBands = true;
  RenderSection(work, view, canvas);
  return StockOn(work);
}

SheetSection SectionOf(const Raster& raster, const StockBox& box) {
  SheetSection section;
  section.Across = box.Across / SheetPixelsPerUnit;
  section.Upright = box.Upright / SheetPixelsPerUnit;
  section.Material =
      MaterialRects(raster, box.Left, box.Top, DrawingSize, DrawingSize, SheetPixelsPerUnit);
  return section;
}

// The pixels of `before` that `after` no longer holds, as black on white.
Raster Difference(const Raster& before, const Raster& after, const StockBox& box) {
  Raster removed(DrawingSize, DrawingSize);
  removed.Fill(White);
  for (int y = box.Top; y < DrawingSize; ++y) {
    const Colour* b = before.Row(y);
    const Colour* a = after.Row(y);
    Colour* out = removed.Row(y);
    for (int x = box.Left; x < DrawingSize; ++x) {
      if (b[x] != White && a[x] == White) out[x] = Black;
    }
  }
  return removed;
}

std::string BearingText(const CutFigures& cut) {
  auto percent = [](float p) { return std::to_string(RoundPercent(p)) + "%"; };
  return "On the table " + percent(cut.TableBefore) + " before, " + percent(cut.TableAfter) +
         " after; against the fence " + percent(cut.FenceBefore) + " before, " +
         percent(cut.FenceAfter) + " after";
}

std::vector<std::string> Reasons(const CutFigures& cut) {
  std::vector<std::string> reasons;
  const std::string all = CutProblem(cut);
  for (size_t from = 0; from < all.size();) {
    const size_t end = all.find("; ", from);
    reasons.push_back(all.substr(from, end == std::string::npos ? std::string::npos : end - from));
    if (end == std::string::npos) break;
    from = end + 2;
  }
  return reasons;
}

SheetFaces FacesOf(int state, int across, int upright) {
  SheetFaces faces;
  faces.Across = across;
  faces.Upright = upright;
  const StockFaces lying = FacesInState(state);
  faces.Table = lying.Table;
  faces.Fence = lying.Fence;
  faces.Top = lying.Top;
  faces.Left = lying.Left;
  return faces;
}

}  // namespace

std::vector<SheetRect> MaterialRects(const Raster& raster, int left, int top, int right, int bottom,
                                     double scale) {
  struct Run {
    int From, To, Top;  // columns From..To, open since row Top
  };
  std::vector<SheetRect> rects;
  std::vector<Run> open, next;
  left = std::max(left, 0), top = std::max(top, 0);
  right = std::min(right, raster.Width()), bottom = std::min(bottom, raster.Height());
  auto close = [&](const Run& run, int endRow) {
    rects.push_back({(run.From - left) / scale, (run.Top - top) / scale,
                     (run.To - run.From + 1) / scale, (endRow - run.Top) / scale});
  };
  for (int y = top; y <= bottom; ++y) {
    next.clear();
    if (y < bottom) {
      const Colour* row = raster.Row(y);
      for (int x = left; x < right;) {
        if (row[x] == White) {
          ++x;
          continue;
        }
        const int from = x;
        while (x < right && row[x] != White) ++x;
        next.push_back({from, x - 1, y});
      }
    }
    // Runs are left to right in both rows: a run carries on where the row below repeats it.
    size_t j = 0;
    for (const Run& run : open) {
      while (j < next.size() && next[j].From < run.From) ++j;
      if (j < next.size() && next[j].From == run.From && next[j].To == run.To) {
        next[j].Top = run.Top;
      } else {
        close(run, y);
      }
    }
    open.swap(next);
  }
  return rects;
}

SetupSheet BuildSetupSheet(const Model& model) {
  SetupSheet sheet;
  sheet.ProjectName = model.ProjectTitle();
  // Across the table, then up from it, as the stock lies when New has made it.
  sheet.StockSize = Inches(model.StockHeight()) + " x " + Inches(model.StockWidth()) + " (" +
                    Millimetres(model.StockHeight()) + " x " + Millimetres(model.StockWidth()) +
                    ")";
  sheet.Orientation = TemplateOrientationText(model.FaceOnTable());

  // The bearing figures as the report has them: one measuring pass in the model's own state.
  const Section section = MeasureSection(model);
  Model work = model;  // drawn in each cut's state in turn
  const WorkSetup setup = work.TakeSetup();
  const std::vector<Cut>& measured = setup.Cuts;

  const int current = KnownState(model.FaceOnTable()) ? model.FaceOnTable() : 3;
  Raster canvas(DrawingSize, DrawingSize);
  StockBox box = Draw(work, setup, current, static_cast<int>(measured.size()), canvas);
  sheet.Finished = SectionOf(canvas, box);

  for (size_t i = 0; i < measured.size(); ++i) {
    const Cut& cut = measured[i];
    SheetCard card;
    card.Number = static_cast<int>(i) + 1;
    if (const Tool* tool = model.Cutter(cut.Cutter)) {
      card.Cutter = tool->Name;
      const int rows = std::clamp(tool->RowCount, 1, MaxProfileRows);
      card.Profile.assign(tool->Profile.begin() + 1, tool->Profile.begin() + 1 + rows);
    } else {
      card.Cutter = cut.CutterFileName + " (missing)";
    }
    card.Height = Inches(cut.Height);
    card.HeightMm = Millimetres(cut.Height);
    card.Fence = Inches(cut.Fence);
    card.FenceMm = Millimetres(cut.Fence);
    // A cut made in no known state is drawn as the program draws it: in the current one.
    const int face = KnownState(cut.Face) ? cut.Face : current;
    card.Orientation = TemplateOrientationText(face);

    box = Draw(work, setup, face, static_cast<int>(i), canvas);
    const Raster before = canvas;
    Draw(work, setup, face, static_cast<int>(i) + 1, canvas);
    card.Before = SectionOf(before, box);
    card.Before.Removed = MaterialRects(Difference(before, canvas, box), box.Left, box.Top,
                                        DrawingSize, DrawingSize, SheetPixelsPerUnit);
    card.After = SectionOf(canvas, box);
    card.Faces = FacesOf(face, card.Before.Across, card.Before.Upright);

    const CutResult& found = section.ResultOfCut(card.Number);
    card.Judged = found.Judged;
    card.Bearing = BearingText(found.Figures);
    card.Reasons = Reasons(found.Figures);
    if (static_cast<int>(card.Judged) > static_cast<int>(sheet.Overall))
      sheet.Overall = card.Judged;
    sheet.Cards.push_back(std::move(card));
  }
  return sheet;
}

SheetPages PaginateSheet(int cards, double printableHeight, double coverTop) {
  SheetPages pages;
  // The list: a heading row, one row per pass, and the overall verdict's row.
  const int rows = cards + 2;
  pages.CoverRowsFirst =
      std::max(0, static_cast<int>((printableHeight - coverTop) / CoverLineHeight));
  // Further pages of the list repeat its heading above their rows.
  pages.CoverRowsMore =
      std::max(1, static_cast<int>((printableHeight - PageHeadHeight) / CoverLineHeight) - 1);
  if (rows > pages.CoverRowsFirst) {
    pages.CoverPages +=
        (rows - pages.CoverRowsFirst + pages.CoverRowsMore - 1) / pages.CoverRowsMore;
  }
  const int perPage = std::max(
      1, static_cast<int>((printableHeight - PageHeadHeight + CardGap) / (CardHeight + CardGap)));
  for (int i = 0; i < cards; ++i) {
    if (i % perPage == 0) pages.CardPages.emplace_back();
    pages.CardPages.back().push_back(i);
  }
  return pages;
}

}  // namespace kerf
