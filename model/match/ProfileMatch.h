// ProfileMatch: the search for cuts of the library's cutters that make a wanted section.
#pragma once

#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

#include "model/Cut.h"
#include "model/LengthText.h"
#include "model/Progress.h"
#include "model/Section.h"
#include "model/TablePhysics.h"
#include "model/Tool.h"

namespace kerf {

// The section a woodworker wants, as the measuring pass sees a section: SectionSize x
// SectionSize pixels, the stock lying in orientation state FaceOnTable with its fence face just
// beyond the right edge and its table face just below the bottom edge (the picture that
// `kerfwright section` writes of a project in that state).
struct MatchTarget {
  int32_t StockWidth = 0;   // hundredths of an inch
  int32_t StockHeight = 0;  // hundredths of an inch
  int32_t FaceOnTable = 1;  // the state the target is seen in; the plan ends in it
  // Row-major, SectionSize * SectionSize entries: 1 where the target keeps material, 0 where
  // it is cut away or lies outside the stock.
  std::vector<uint8_t> Keep;
  // What the target was read from, for the report ("moulding.svg"); may be empty.
  std::string Name;
  // The same section at true size, where it is known finer than the section's pixels (a
  // drawing): 2 pixels a hundredth over the stock's rectangle alone, FineAcross x FineUp,
  // row 0 along the top face and the last column along the fence; empty otherwise, and the
  // match is then measured on Keep, each pixel's boundary uncertain by half a pixel.
  int32_t FineAcross = 0, FineUp = 0;
  std::vector<uint8_t> FineKeep;
};

struct MatchOptions {
  double ToleranceInches = 1.0 / 64;  // how far a cut may remove material the target keeps
  int MaxPasses = 8;                  // most cuts in a plan
  int BeamWidth = 0;                  // sequences kept per pass; 0 chooses a default
  int Threads = 0;                    // worker threads; 0 uses every core
  int32_t Reach = DefaultTableReach;  // how high the table's lift raises a bit, in hundredths
};

// A part of the target that the plan does not make: its extent in the section's pixels and
// in words for the report.
struct MatchShortfall {
  int Left = 0, Top = 0, Right = 0, Bottom = 0;  // pixel box, right and bottom exclusive
  std::string Place;                             // e.g. "on the top face, 0.42\" from the fence"
  int Pixels = 0;                                // how many pixels of the target it holds
  bool NoCutter = false;       // no cutter of the library, placed anywhere, makes any of it
  int PlaceX = 0, PlaceY = 0;  // the pixel Place describes (its deepest)
};

// Where a deviation lies: the nearest face of the stock and the distances from fence and table.
struct MatchSpot {
  bool Found = false;
  std::string Face;                      // "the top face"
  double FromFence = 0, AboveTable = 0;  // inches
};

// A profile cut in several passes of rising depth, because one pass would take Thickness of
// wood at once, more than a woodworker takes (WoodAtOnceInches): the same cutter, face and
// height, the fence stepped back by Step for each lighter pass (into the face on the table: the
// same fence, the bit lowered by Step).
struct DepthPasses {
  int First = 0;                   // the 1-based number of its first pass in the plan
  int Count = 0;                   // its passes, the last the full depth
  double Step = 0, Thickness = 0;  // inches
  bool ByHeight = false;           // the height stepped, not the fence
};

// The most wood a pass takes at once in hardwood.
inline constexpr double WoodAtOnceInches = 0.25;

struct MatchResult {
  // The plan, in the order to make it. Each cut's Cutter is a 1-based number in the library
  // the search was given and CutterFileName is that cutter's file name.
  std::vector<Cut> Cuts;
  // Each cut's figures and verdict as the report and `check` judge it (the table's physics
  // included); no cut of a plan is Danger unless DangerCuts names it.
  std::vector<CutResult> Judged;
  int32_t FaceOnTable = 1;  // the state the stock is left in: the target's
  bool Reached = false;     // the worst deviation at true size is within the tolerance
  bool Cancelled = false;   // the search stopped early; Cuts is the best plan found so far
  // Of the material the target removes, the percentage the plan removes.
  double AreaReachedPercent = 0;
  // The largest distance between the plan's section and the target, and where it lies.
  double LargestDeviationInches = 0;
  std::string DeviationPlace;
  std::vector<MatchShortfall> Shortfalls;  // parts of the target no cutter could make
  std::vector<int> DangerCuts;             // 1-based plan positions judged Danger
  std::vector<DepthPasses> Deep;           // cuts of Cuts that are passes of one deep profile
  int64_t CandidatesMeasured = 0;          // candidate cuts put through a measuring pass
  double Seconds = 0;                      // wall-clock time of the search
  // The pixel the largest deviation lies at (-1 when the plan matches the target exactly),
  // the tolerance the search kept to, and the section renderer's full measuring passes run
  // to order and check the plan.
  int DeviationX = -1, DeviationY = -1;
  bool DeviationCutAway = false;  // the plan cuts away wood the target keeps there (else leaves it)
  double ToleranceInches = 1.0 / 64;
  int64_t MeasuringPasses = 0;
  // Measured at true size (2 pixels a hundredth): the worst wood left standing where the target
  // removes it and the worst cut too deep into what it keeps, in inches, and where each lies.
  // TrueSize: the target was drawn finer than the section; otherwise its boundary is known only to
  // half a section pixel, which the figures leave out.
  double StandingInches = 0, DeepInches = 0;
  MatchSpot StandingAt, DeepAt;
  bool TrueSize = false;
  // Of the plans the search found and judged, how many a real table can make in some order as
  // found (no Danger cut; the others had their Danger cuts left out).
  int SoundPlans = 0;
  int PlansJudged = 0;
  double WorstInches() const { return StandingInches > DeepInches ? StandingInches : DeepInches; }
};

// Searches for the plan. Progress is reported on the calling thread only; cancel, when given,
// is polled by every worker and ends the search with the best plan so far. Pure computation:
// no files, no windows.
MatchResult MatchProfile(const std::vector<Tool>& cutters, const MatchTarget& target,
                         const MatchOptions& options, ProgressSink& progress,
                         const std::atomic<bool>* cancel = nullptr);

// The match report, one line per entry, lengths in unit: whether the target is reached, the
// worst deviation at true size and where it lies, the parts no cutter can make, the plan with
// each cut's verdict and why a cut is Caution.
std::vector<std::string> MatchReportLines(const MatchResult& result, const MatchTarget& target,
                                          LengthUnit unit);

}  // namespace kerf
