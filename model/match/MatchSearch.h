// MatchSearch: the pieces of the profile matcher shared by its files (target pixels, cut shapes).
#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "model/CutPlacement.h"
#include "model/LengthText.h"
#include "model/SectionPictures.h"
#include "model/Tool.h"
#include "model/match/ProfileMatch.h"

namespace kerf::match {

inline constexpr int Size = SectionSize;
// One pixel of the measured section: 1100 hundredths across 500 pixels.
inline constexpr double PixelInches = 11.0 / Size;

// What the plan may do with each pixel of the measured section. The target's boundary is only
// known to the pixel, so a pixel lies "within the tolerance" when the distance from its centre
// to the nearest centre of a pixel of the other kind, less the half pixel by which the
// boundary between them is uncertain, is no more than the tolerance. At 1/64" (0.71 pixel) a
// wrong pixel is tolerated only where it shares a side with a right one: the boundary moved
// by one pixel at most, half a pixel (0.011") from where the target puts it.
enum PixelClass : uint8_t {
  Air = 0,        // outside the stock
  Must = 1,       // the target removes it, beyond the tolerance from what it keeps
  Optional = 2,   // the target removes it, within the tolerance of what it keeps
  Allowed = 3,    // the target keeps it, within the tolerance of what it removes
  Forbidden = 4,  // the target keeps it, beyond the tolerance
};

// The target laid out for the search: the stock rectangle and the class of every pixel.
struct TargetPicture {
  int Left = 0, Top = 0;       // the stock covers [Left, Size) x [Top, Size)
  std::vector<uint8_t> Class;  // Size * Size, row-major
  // Distance in pixels from each pixel's centre to the nearest pixel the target keeps, and
  // to the nearest it does not keep (the stock's outside included); Size * Size each.
  std::vector<float> ToKept, ToCut;
  int MustCount = 0, OptionalCount = 0, RemoveCount = 0;
  double ToleranceInches = 0;
  // The box of every pixel the target removes (Must or Optional), inclusive; empty when
  // RemoveX0 > RemoveX1.
  int RemoveX0 = Size, RemoveY0 = Size, RemoveX1 = -1, RemoveY1 = -1;
};

// The stock rectangle of the measured section, as the section renderer draws it.
void StockRectangle(int32_t stockWidth, int32_t stockHeight, int32_t faceOnTable, int& left,
                    int& top);
TargetPicture AnalyseTarget(const MatchTarget& target, double toleranceInches);
// Euclidean distance in pixels from every pixel of a width x height grid (row-major) to the
// nearest pixel where source is set; infinity when none is.
std::vector<float> DistanceTransform(const std::vector<uint8_t>& source, int width, int height);

// One line of pixels a cutter paints, relative to its axis anchor (v, u): for the upright and
// upside-down turns pixel row u + Off from column v + Lo to v + Hi; for the quarter turns
// pixel column v + Off from row u + Lo to u + Hi.
struct ShapeRun {
  int Off, Lo, Hi;
};
// The cutter's swept area in one of the four turns, as runs (each pixel once).
struct CutterShape {
  std::vector<ShapeRun> Runs;
  int MinOff = 0, MaxOff = 0, MinLo = 0, MaxHi = 0;  // bounds of the runs
  bool Empty() const { return Runs.empty(); }
};
// A cutter's turn is the side of its table (TableSide): 0 upright (table below), 1 upside down
// (table above), 2 rows running leftwards (table at the right), 3 rows running rightwards
// (table at the left).
inline constexpr int TurnCount = TableSideCount;
bool Horizontal(int turn);
CutterShape ShapeOf(const Tool& tool, int turn);
// The pixels a cutter's guide bearing covers in a turn (its disc, a little smaller, from its red
// row up its thickness): wood there before the cut makes the cut impossible. Empty for a cutter
// without a bearing.
CutterShape BearingShapeOf(const Tool& tool, int turn);
// The pixels a hair beyond its guide bearing's disc (3 hundredths): wood there after the cut is
// wood the bearing rides on. Empty for a cutter without a bearing.
CutterShape BearingRingOf(const Tool& tool, int turn);
// The two orientation cases that place a cutter in a turn.
std::array<int, 2> CasesOfTurn(int turn);

// Where a cut's axis lands for the given case, fence and height, as the section renderer
// places it (LayoutOfCase), and the other way round (the fence and height nearest the middle
// of the pixel); false when no setting within the sliders' ranges lands there.
void AnchorOf(int orientationCase, int32_t fence, int32_t height, int left, int top, int& v,
              int& u);
bool SettingsOf(int orientationCase, int v, int u, int left, int top, int32_t& fence,
                int32_t& height);
// The state a cut must be made in to lie in the given case when the stock is in faceOnTable.
int FaceForCase(int orientationCase, int faceOnTable);

// The anchors of a turn within the sliders' ranges at which the shape's box meets the box of
// what the target removes, inclusive; false when there are none, and the cutter cannot touch
// the target in that turn.
bool AnchorRange(const TargetPicture& picture, const CutterShape& shape, int turn, int& v0, int& v1,
                 int& u0, int& u1);

// A cutter at one anchor in one turn, with the most it could gain.
struct Candidate {
  int32_t Bound = 0;  // weighted removable pixels it covers (see the search's weights)
  uint16_t Cutter = 0;
  uint8_t Turn = 0;
  bool Riding = false;  // its bearing rides on wood the target keeps
  int16_t V = 0, U = 0;
};

// The turn a case places a cutter in, and the placement of a cut (made with cutter number
// cut.Cutter, 1-based) seen in faceOnTable; false for a cut of no known state or cutter.
int TurnOfCase(int orientationCase);
bool PlacementOfCut(const Cut& cut, int faceOnTable, int left, int top, Candidate& placement);

// Row and column prefix sums of an integer grid over the section.
class GridSums {
 public:
  void Build(const int32_t* grid);
  int32_t RowSum(int y, int x0, int x1) const;  // inclusive, clipped to the section
  int32_t ColumnSum(int x, int y0, int y1) const;
  // The sum over the pixels a placement paints; stops early and returns a value above 0 as
  // soon as one run's sum is above 0 when stopAtPositive is set.
  int32_t Over(const CutterShape& shape, int turn, int v, int u, bool stopAtPositive) const;

 private:
  std::vector<int32_t> rows_, columns_;  // Size + 1 entries per row, per column
};

// Whether the bit's shank, a band about the axis rising from the table face to the cutter's
// lowest row, meets none of the pixels counted by kept: a cut whose shank must pass through
// material the target keeps can never be made.
bool ShankClear(const GridSums& kept, int turn, int v, int u, int left, int top);

// Paints a placement's pixels into mask (Size * Size) with value; returns how many it painted.
int PaintPlacement(const CutterShape& shape, int turn, int v, int u, std::vector<uint8_t>& mask,
                   uint8_t value);

// A length as a woodworker reads it, reduced: "3/4"", "1 1/8"", "-1/4"" (the nearest 64th), or
// in millimetres to a tenth ("9.5 mm").
std::string ReducedLength(double inches, LengthUnit unit);

// A pixel's position in words: the nearest face of the stock (whose rectangle starts at left,
// top) and the distances of the pixel's centre from the fence and the table.
std::string PlaceInWords(int left, int top, int x, int y, LengthUnit unit);

// What every part of the search reads: the cutters it may use, their shapes in each turn,
// the target, how many threads, the cancel flag, and the count of placements measured.
struct SearchContext {
  const std::vector<Tool>* Cutters = nullptr;
  std::vector<int> Usable;                           // indices of the cutters searched with
  std::vector<std::array<CutterShape, 4>> Shapes;    // per cutter index (empty when unused)
  std::vector<std::array<CutterShape, 4>> Bearings;  // their bearings' discs, per turn
  std::vector<std::array<CutterShape, 4>> Rings;     // just beyond those discs, per turn
  int32_t Reach = 150;                               // highest a cutter's lowest row may stand
  const TargetPicture* Picture = nullptr;
  int Threads = 1;
  const std::atomic<bool>* Cancel = nullptr;
  std::atomic<int64_t> Measured{0};
  bool Cancelled() const { return Cancel != nullptr && Cancel->load(std::memory_order_relaxed); }
};

// Weights of the search's score: what a pixel left standing costs, by its class.
inline constexpr int32_t MustWeight = 4, OptionalWeight = 1, OvercutWeight = 2;

// Every placement of every usable cutter, in every turn, within the sliders' ranges, that
// removes some of what the target removes and nothing it keeps beyond the tolerance; the
// most promising first. report(fraction done in 0..1) runs on the calling thread.
std::vector<Candidate> ProposePlacements(SearchContext& context,
                                         const std::function<void(double)>& report);

// A plan of the beam search: the placements chosen (indices into the proposals), the pixels
// it removes, and its score (the weighted pixels it leaves wrong).
struct PlanState {
  std::vector<int> Chosen;
  std::vector<uint8_t> Cut;  // Size * Size, 1 where the plan removes the pixel
  int64_t Score = 0;
  int MustLeft = 0;
};

// The best plans of a beam search of the given width, at most maxPasses cuts each, best
// first: every plan that reaches the target before any that does not, fewer cuts first.
std::vector<PlanState> BeamSearch(SearchContext& context, const std::vector<Candidate>& placements,
                                  int beamWidth, int maxPasses, int finalists,
                                  const std::function<void(double)>& report);

}  // namespace kerf::match
