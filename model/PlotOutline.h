// PlotOutline: the rebuild after every change of stock or cuts (measure, mark, trace).
#pragma once

#include "model/Model.h"
#include "model/Progress.h"
#include "model/Section.h"
#include "model/SectionPictures.h"

namespace kerf {

class OutlineTracer;

// Measures model's set-up into section (MeasureSection), then traces its picture: keeps only the
// largest piece of a section that has fallen apart, whitens the border column and row, marks the
// boundary and walks it into pictures.Outline; section.Picture is left as traced. Reports
// "Plotting Outline...." in six steps and always ends the progress.
void PlotOutline(const Model& model, SectionPictures& pictures, Section& section,
                 ProgressSink& progress);

// The same with a tracer kept by the caller, whose mark storage is reused from one rebuild to
// the next instead of being allocated each time.
void PlotOutline(const Model& model, SectionPictures& pictures, Section& section,
                 ProgressSink& progress, OutlineTracer& tracer);

}  // namespace kerf
