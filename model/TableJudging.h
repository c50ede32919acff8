// TableJudging: the table's physics for every cut of a section, on a picture at 2 pixels a unit.
#pragma once

#include <vector>

#include "model/Cut.h"
#include "model/CutFigures.h"
#include "model/Model.h"
#include "model/Raster.h"
#include "model/Section.h"
#include "model/TablePhysics.h"

namespace kerf {

// Judges each of model's cuts into the figures of cuts (one per cut, already sized by the
// measuring pass).
void JudgeCutsOnTable(const Model& model, std::vector<CutResult>& cuts, TableScratch& scratch);

// Draws model's cut list finely into scratch, for JudgeFurtherCutOnTable; needed again only
// when the stock, its state, the cutters or the cut list change.
void DrawCutListFinely(const Model& model, TableScratch& scratch);

// Judges one more cut made after model's cut list into found, on a copy of the cut list that
// DrawCutListFinely drew.
void JudgeFurtherCutOnTable(const Model& model, const Cut& cut, CutFigures& found,
                            TableScratch& scratch);

}  // namespace kerf
