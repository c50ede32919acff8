// PlotOutline: the rebuild after every change of stock or cuts (measure, mark, trace).
#include "model/PlotOutline.h"

#include "model/OutlineTrace.h"
#include "model/SectionRenderer.h"

namespace kerf {

namespace {

// Ends the progress however the rebuild ends.
class ProgressScope {
 public:
  ProgressScope(ProgressSink& sink, const char* label, int maximum) : sink_(sink) {
    sink_.Begin(label, maximum);
  }
  ~ProgressScope() { sink_.End(); }
  ProgressScope(const ProgressScope&) = delete;
  ProgressScope& operator=(const ProgressScope&) = delete;

 private:
  ProgressSink& sink_;
};

// The right border column and the bottom border row become white, so that material reaching
// the raster's right or bottom edge still meets white there and the outline closes round it.
void WhitenBorder(Raster& picture) {
  const int w = picture.Width();
  const int h = picture.Height();
  if (w <= 0 || h <= 0) return;
  for (int y = 0; y < h; ++y) picture.Row(y)[w - 1] = White;
  Colour* bottom = picture.Row(h - 1);
  for (int x = 0; x < w; ++x) bottom[x] = White;
}

}  // namespace

void PlotOutline(const Model& model, SectionPictures& pictures, Section& section,
                 ProgressSink& progress, OutlineTracer& tracer) {
  ProgressScope scope(progress, "Plotting Outline....", 6);
  MeasureSection(model, pictures, section);
  progress.Step(1);

  Raster& picture = section.Picture;
  // A section that has fallen apart is traced round its largest piece alone.
  section.Pieces.KeepLargest(picture);
  WhitenBorder(picture);
  tracer.MarkVertical(picture);
  progress.Step(2);
  tracer.MarkHorizontal(picture);
  progress.Step(3);
  tracer.ClearBorderRows();
  progress.Step(4);
  tracer.ClearBorderColumns();
  progress.Step(5);
  progress.Step(6);
  tracer.Trace(pictures.Outline);
}

void PlotOutline(const Model& model, SectionPictures& pictures, Section& section,
                 ProgressSink& progress) {
  OutlineTracer tracer;
  PlotOutline(model, pictures, section, progress, tracer);
}

}  // namespace kerf
