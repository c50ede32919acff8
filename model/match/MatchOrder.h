// MatchOrder: puts a matched plan's cuts in a safe order, each from its better fence side.
#pragma once

#include <vector>

#include "model/Raster.h"
#include "model/match/MatchJudge.h"
#include "model/match/MatchSearch.h"

namespace kerf::match {

struct OrderedPlan {
  std::vector<Cut> Cuts;          // in the order to make them
  std::vector<CutResult> Judged;  // each cut's figures and verdict, as the report judges it
  std::vector<int> DangerCuts;    // 1-based positions of the cuts still judged Danger
  Raster Section{Size, Size};     // the plan's measured section
  int64_t MeasuringPasses = 0;    // measuring passes of the section renderer run
};

// Every cut made, in turn, from whichever fence side and at whichever place in the order
// leaves most bearing while no cut is Danger (judged as the report judges, the table's physics
// included) and fewest are Caution; where no such order is found within `budget` judgings, the
// order with the fewest Danger cuts found. Settings that raise a cut beyond reach are not
// tried. The section is the same whatever the order, as cuts only ever remove material.
OrderedPlan OrderSafely(PlanJudge& judge, const std::vector<Tool>& cutters,
                        const MatchTarget& target, const TargetPicture& picture,
                        const std::vector<Candidate>& chosen, int budget, int32_t reach);
// The same with a judge of its own and the table's default reach.
OrderedPlan OrderSafely(const std::vector<Tool>& cutters, const MatchTarget& target,
                        const TargetPicture& picture, const std::vector<Candidate>& chosen,
                        int budget);
// Each cut of plan that takes away wood thicker than mostAtOnce inches made instead in as many
// passes of rising depth as it takes (the same cutter and face, the fence stepped back for the
// lighter passes or, where that would widen the cut, the bit lowered; the last the cut
// itself), where the section stays the same and no pass is then Danger that was not. Returns the
// cuts so split, numbered in the new plan; plan is judged.
// A cut is left whole where its passes would make the plan longer than mostCuts.
std::vector<DepthPasses> SplitDeepCuts(PlanJudge& judge, OrderedPlan& plan, double mostAtOnce,
                                       size_t mostCuts);
// Judges plan.Cuts as they stand into plan's verdicts, Danger cuts and section.
void Finish(PlanJudge& judge, OrderedPlan& plan);

}  // namespace kerf::match
