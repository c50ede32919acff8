// PlotOutline: the rebuild after every change of stock or cuts (measure, mark, trace).
#pragma once

#include "model/Model.h"
#include "model/Progress.h"

namespace kerf {

class OutlineTracer;

// Paints the section into model.Image2 with the measuring pass (rewriting every cut's bearing
// figures), keeps only the largest piece of a section that has fallen apart, whitens the border
// column and row, marks the boundary and walks it into model.Outline. Reports "Plotting Outline...." in six steps and always ends the progress.
void PlotOutline(Model& model, ProgressSink& progress);

// The same with a tracer kept by the caller, whose mark storage is reused from one rebuild to
// the next instead of being allocated each time.
void PlotOutline(Model& model, ProgressSink& progress, OutlineTracer& tracer);

}  // namespace kerf
