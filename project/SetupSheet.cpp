// The set-up sheet's content: each pass drawn before and after, its settings and verdict, and
// paging.
#include "project/SetupSheet.h"

#include <algorithm>
#include <cmath>

#include "model/LengthText.h"
#include "model/Progress.h"
#include "model/SectionRenderer.h"
#include "model/StockFaces.h"
#include "project/SetupSheetGauge.h"
#include "project/TemplateFile.h"

namespace kerf {

namespace {

// The sections are drawn at two pixels per unit, each cutter row as a band, so that a printed
// cove shows steps of an eighth of a millimetre at full size.
constexpr int SheetPixelsPerUnit = 2;
constexpr int DrawingSize = 1100 * SheetPixelsPerUnit;

bool KnownState(int face) { return face >= 1 && face <= 8; }

std::string Inches(int32_t hundredths) {
  return WorkshopLength(static_cast<float>(hundredths) / 100.0f, LengthUnit::Imperial);
}
std::string Millimetres(int32_t hundredths) {
  return WorkshopLength(static_cast<float>(hundredths) / 100.0f, LengthUnit::Metric);
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

// Puts work in state `face` with the first `cuts` cuts of `setup`; returns where the stock lies.
StockBox SetState(Model& work, const WorkSetup& setup, int face, size_t cuts) {
  WorkSetup state = setup;
  state.FaceOnTable = face;
  state.Cuts.resize(cuts);
  work.ReplaceSetup(state);
  return StockOn(work);
}

SectionView SheetView() {
  SectionView view;
  view.W = view.H = DrawingSize;
  view.RowBands = true;
  return view;
}
SheetSection SectionOf(const Raster& raster, const StockBox& box) {
  SheetSection section;
  section.Across = box.Across / SheetPixelsPerUnit;
  section.Upright = box.Upright / SheetPixelsPerUnit;
  section.Material =
      MaterialRects(raster, box.Left, box.Top, DrawingSize, DrawingSize, SheetPixelsPerUnit);
  return section;
}

// The pixels of `before` that `after` no longer holds, as black on white, within the stock.
void Difference(const Raster& before, const Raster& after, const StockBox& box, Raster& removed) {
  for (int y = box.Top; y < DrawingSize; ++y) {
    std::fill(removed.Row(y) + box.Left, removed.Row(y) + DrawingSize, White);
    const Colour* b = before.Row(y);
    const Colour* a = after.Row(y);
    Colour* out = removed.Row(y);
    for (int x = box.Left; x < DrawingSize; ++x) {
      if (b[x] != White && a[x] == White) out[x] = Black;
    }
  }
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

// Fills the cards of the cuts made in one state from one drawing of every cut in that state:
// the section before and after each cut is the drawing as it stands when that cut is painted.
class CardFiller final : public CutWatcher {
 public:
  CardFiller(std::vector<SheetCard>& cards, const std::vector<int>& faces, int state, StockBox box,
             Raster& before, Raster& removed, ProgressSink& progress, int& done)
      : cards_(cards),
        faces_(faces),
        state_(state),
        box_(box),
        before_(before),
        removed_(removed),
        progress_(progress),
        done_(done) {}

  void Before(size_t index, const Cut&, const CutStand&, const Raster& canvas) override {
    if (faces_[index] != state_) return;
    for (int y = box_.Top; y < DrawingSize; ++y)
      std::copy(canvas.Row(y) + box_.Left, canvas.Row(y) + DrawingSize, before_.Row(y) + box_.Left);
  }
  void After(size_t index, const Cut&, const CutStand&, const Raster& canvas) override {
    if (faces_[index] != state_) return;
    SheetCard& card = cards_[index];
    card.Before = SectionOf(before_, box_);
    Difference(before_, canvas, box_, removed_);
    card.Before.Removed =
        MaterialRects(removed_, box_.Left, box_.Top, DrawingSize, DrawingSize, SheetPixelsPerUnit);
    card.After = SectionOf(canvas, box_);
    card.Faces = FacesOf(state_, card.Before.Across, card.Before.Upright);
    progress_.Step(++done_);
  }

 private:
  std::vector<SheetCard>& cards_;
  const std::vector<int>& faces_;
  const int state_;
  const StockBox box_;
  Raster& before_;
  Raster& removed_;
  ProgressSink& progress_;
  int& done_;
};

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
  NoProgress quiet;
  return BuildSetupSheet(model, quiet);
}

SetupSheet BuildSetupSheet(const Model& model, ProgressSink& progress) {
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
  std::vector<int> faces(measured.size());
  std::vector<int> states;  // each state a cut is made in, in order; the current one last
  for (size_t i = 0; i < measured.size(); ++i) {
    const Cut& cut = measured[i];
    // A cut made in no known state is drawn as the program draws it: in the current one.
    faces[i] = KnownState(cut.Face) ? cut.Face : current;
    if (faces[i] != current && std::find(states.begin(), states.end(), faces[i]) == states.end())
      states.push_back(faces[i]);

    SheetCard card;
    card.Number = static_cast<int>(i) + 1;
    if (const Tool* tool = model.Cutter(cut.Cutter)) {
      card.Cutter = tool->Name;
      const int rows = std::clamp(tool->RowCount, 1, MaxProfileRows);
      card.Profile.assign(tool->Profile.begin() + 1, tool->Profile.begin() + 1 + rows);
      FillGauge(card, *tool, cut);
    } else {
      card.Cutter = cut.CutterFileName + " (missing)";
    }
    card.Height = Inches(cut.Height);
    card.HeightMm = Millimetres(cut.Height);
    card.Fence = Inches(cut.Fence);
    card.FenceMm = Millimetres(cut.Fence);
    card.HeightUnits = cut.Height;
    card.FenceUnits = cut.Fence;
    card.Orientation = TemplateOrientationText(faces[i]);

    const CutResult& found = section.ResultOfCut(card.Number);
    card.Judged = found.Judged;
    card.Bearing = BearingText(found.Figures);
    card.Reasons = Reasons(found.Figures);
    if (static_cast<int>(card.Judged) > static_cast<int>(sheet.Overall))
      sheet.Overall = card.Judged;
    sheet.Cards.push_back(std::move(card));
  }
  states.push_back(current);

  // One drawing of every cut per state: the cards of the cuts made in it are filled as the
  // drawing passes them, and the current state's drawing ends as the finished section.
  progress.Begin("Drawing the set-up sheet....", static_cast<int>(measured.size()));
  Raster canvas(DrawingSize, DrawingSize), before(DrawingSize, DrawingSize),
      removed(DrawingSize, DrawingSize);
  int done = 0;
  StockBox box{};
  for (const int state : states) {
    box = SetState(work, setup, state, measured.size());
    CardFiller filler{sheet.Cards, faces, state, box, before, removed, progress, done};
    RenderSection(work, SheetView(), canvas, filler);
  }
  sheet.Finished = SectionOf(canvas, box);
  for (size_t i = 0; i < measured.size(); ++i) {
    SheetCard& card = sheet.Cards[i];
    if (card.Reasons.empty() && !card.EdgeWhere.empty())
      card.Split = SplitPassLines(DepthOf(card.Before, card.After), measured[i], card.ProudUnits);
  }
  progress.End();
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
