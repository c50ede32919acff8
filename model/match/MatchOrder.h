// MatchOrder: puts a matched plan's cuts in a safe order, each from its better fence side.
#pragma once

#include <vector>

#include "model/Raster.h"
#include "model/Section.h"
#include "model/match/MatchSearch.h"

namespace kerf::match {

struct OrderedPlan {
  std::vector<Cut> Cuts;  // in the order to make them
  // What a measuring pass of them found, Cuts[i]'s at i.
  std::vector<CutResult> Measured;
  std::vector<int> DangerCuts;  // 1-based positions of the cuts still judged Danger
  Raster Section{Size, Size};   // the plan's measured section
  int64_t MeasuringPasses = 0;  // measuring passes of the section renderer run
};

// Every cut made, in turn, from whichever fence side and at whichever place in the order
// leaves most bearing while no cut is Danger; where no such order is found within `budget`
// measuring passes, the order with the fewest Danger cuts found. The section is the same
// whatever the order, as cuts only ever remove material.
OrderedPlan OrderSafely(const std::vector<Tool>& cutters, const MatchTarget& target,
                        const TargetPicture& picture, const std::vector<Candidate>& chosen,
                        int budget);

}  // namespace kerf::match
