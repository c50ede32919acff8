// TrialCut: how the cut the Profile window is set to would be judged, before it is made.
#pragma once

#include <cstdint>
#include <vector>

#include "model/Cut.h"
#include "model/CutVerdict.h"
#include "model/Model.h"
#include "model/Raster.h"
#include "model/Section.h"
#include "model/SectionPictures.h"
#include "model/SectionPieces.h"
#include "model/TableJudging.h"

namespace kerf {

// Measures the model's cut list followed by one more cut at a given fence and height, with the
// current cutter in the current state, in the same measuring pass as the report's figures. The
// model is never changed. The section of the cut list is
// kept and measured again only when the stock, its state, the cutters or the cut list changed;
// a new fence or height paints just the one cut on a copy of it. Once warmed up, judging
// allocates nothing unless the cut list grew.
class TrialCut {
 public:
  // The figures the measuring pass would find for the cut at fence and height as the last cut
  // of the list.
  const CutFigures& Judge(const Model& model, int32_t fence, int32_t height);

  // The last judged cut and its verdict (Danger also for a cut no real table can make).
  const Cut& Last() const { return trial_; }
  Verdict Judged() const { return JudgeCutOnTable(found_); }

  // How many times the section of the cut list has been measured.
  long long ListMeasurements() const { return listMeasurements_; }

 private:
  // Everything the section of the cut list follows from.
  void FillKey(const Model& model, std::vector<int64_t>& key) const;

  // The cut list's section, as measured.
  Section list_;
  Raster trialSection_{SectionSize, SectionSize};  // a copy with the trial cut painted on
  SectionPieces trialPieces_;
  std::vector<int64_t> key_;  // what listSection_ was measured from
  std::vector<int64_t> keyNow_;
  bool measured_ = false;
  long long listMeasurements_ = 0;
  Cut trial_;
  CutFigures found_;
  TableScratch table_;  // where the trial cut's physics is judged
};

}  // namespace kerf
