// One frame of the 3-D view at 1280 x 800 under Mesa's software renderer on a headless context:
// clear, camera, fill mode, turns, material, light, the moulding, and glFinish for the swap.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "model/Model.h"
#include "model/PlotOutline.h"
#include "model/Progress.h"
#include "project/CutterLibrary.h"
#include "render/DefaultTexture.h"
#include "render/GLApi.h"
#include "render/HeadlessContext.h"
#include "render/HeapTuning.h"
#include "render/Scene.h"
#include "render/Texture.h"

namespace {

using namespace kerf;

constexpr int FrameWidth = 1280;
constexpr int FrameHeight = 800;

std::unique_ptr<HeadlessContext> context;

// CPU seconds of the whole process, the renderer's worker threads included: a figure that
// other programs on the machine disturb less than the wall clock.
double ProcessCpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
         (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) * 1e-6;
}
std::unique_ptr<Texture> woodGrain;

// A model with its traced section.
struct Traced {
  Model model;
  SectionPictures pictures;
  kerf::Section measured;
};

// The stock of a new workpiece: 200 x 200, no cuts.
Traced PlainStock() {
  Traced traced;
  traced.model.NewWorkpiece(200, 200);
  NoProgress quiet;
  PlotOutline(traced.model, traced.pictures, traced.measured, quiet);
  return traced;
}

// A 10 x 10 inch stock with quarter-inch grooves at the given fence positions in each face
// and its edges rounded over.
Traced GroovedStock(const std::vector<int>& fences) {
  Traced traced;
  Model& model = traced.model;
  NoProgress quiet;
  const CutterLibrary library =
      LoadCutterLibrary(std::string(KERF_SOURCE_DIR) + "/data/tools", quiet);
  model.SetCutterLibrary(library.Tools);
  model.NewWorkpiece(1000, 1000);
  const int straight = model.FindCutter("1-4! Straight.bmp");
  const int roundover = model.FindCutter("1-2! Roundover.bmp");
  if (straight == 0 || roundover == 0) return traced;
  for (int face : {3, 1, 2, 4}) {
    model.SetFaceOnTable(face);
    model.SetCurrentCutter(straight);
    for (int fence : fences) model.AppendCut(fence, 0);
    model.SetCurrentCutter(roundover);
    model.AppendCut(0, 0);
  }
  model.SetFaceOnTable(3);
  PlotOutline(model, traced.pictures, traced.measured, quiet);
  return traced;
}

// Thirty grooves in each face, 0.29" apart: an outline of about 9100 points.
std::vector<int> FineFences() {
  std::vector<int> fences;
  for (int k = 0; k < 30; ++k) fences.push_back(80 + 29 * k);
  return fences;
}

enum class Stock { Plain, Grooved, FinelyGrooved };

const Traced& Section(Stock stock) {
  static const Traced plain = PlainStock();
  // Five grooves in each face: about 3000 points.
  static const Traced groovedModel = GroovedStock({120, 290, 460, 630, 800});
  static const Traced fineModel = GroovedStock(FineFences());
  switch (stock) {
    case Stock::Grooved:
      return groovedModel;
    case Stock::FinelyGrooved:
      return fineModel;
    default:
      return plain;
  }
}

// The View Controls' initial positions (head-on: only the end face is on screen) or a
// three-quarter view that shows the end face and two long sides.
SceneParams ViewOf(const Model& model, bool turned, bool textureMap) {
  ViewControlPositions view;
  if (turned) {
    view.RotateX = 20;
    view.RotateY = 330;
    view.Highlight = 30;
    if (&model != &Section(Stock::Plain).model)
      view.Zoom = 120;  // big stocks fill the view from further
  }
  SceneParams params = MakeSceneParams(view, model);
  params.TextureMap = textureMap;
  return params;
}

// With oldDetail the sides are drawn as before the outline had its own normals: forty slices
// along the length for every traced point (the same number of triangles, the new normals).
void Frame(benchmark::State& state, Stock stock, bool turned, bool compiled, bool textureMap,
           bool oldDetail = false) {
  if (!context) {
    state.SkipWithError("no headless OpenGL context");
    return;
  }
  const Model& model = Section(stock).model;
  const SectionPictures& pictures = Section(stock).pictures;
  if (!pictures.Outline.Closed) {
    state.SkipWithError("the section's outline did not close");
    return;
  }
  Scene scene;
  scene.SetCompiledMoulding(compiled);
  if (oldDetail) scene.SetMouldingDetail(40, false);
  scene.SetUpScene();
  scene.ResizeScene(FrameWidth, FrameHeight);
  const SceneParams params = ViewOf(model, turned, textureMap);
  Texture* texture = textureMap ? woodGrain.get() : nullptr;
  scene.DrawScene(params, pictures.Outline, texture);  // prepares the compiled moulding
  context->SwapBuffers();
  const double cpuStart = ProcessCpuSeconds();
  for (auto _ : state) {
    scene.DrawScene(params, pictures.Outline, texture);
    context->SwapBuffers();  // glFinish: the frame is complete
  }
  state.counters["points"] = pictures.Outline.Count;
  if (compiled) state.counters["triangles"] = static_cast<double>(scene.Compiled().Triangles());
  state.counters["all_threads_cpu_ms"] =
      (ProcessCpuSeconds() - cpuStart) * 1000.0 / static_cast<double>(state.iterations());
}

// The first frame after the outline changed: the compiled moulding is prepared again.
void FrameAfterRebuild(benchmark::State& state) {
  if (!context) {
    state.SkipWithError("no headless OpenGL context");
    return;
  }
  const Model& model = Section(Stock::Grooved).model;
  const SectionPictures& pictures = Section(Stock::Grooved).pictures;
  Scene scene;
  scene.SetUpScene();
  scene.ResizeScene(FrameWidth, FrameHeight);
  SceneParams params = ViewOf(model, true, false);
  for (auto _ : state) {
    params.Wood[2] = params.Wood[2] == 0.0f ? 0.01f : 0.0f;  // forces the preparation
    scene.DrawScene(params, pictures.Outline, nullptr);
    context->SwapBuffers();
  }
  state.counters["points"] = pictures.Outline.Count;
}

#define KERF_FRAME(name, ...) \
  BENCHMARK_CAPTURE(Frame, name, __VA_ARGS__)->Unit(benchmark::kMillisecond)->UseRealTime()
// stock, view turned?, compiled?, texture map? [, forty slices of every point?]
KERF_FRAME(plain_head_on_direct, Stock::Plain, false, false, false);
KERF_FRAME(plain_head_on_compiled, Stock::Plain, false, true, false);
KERF_FRAME(plain_turned_direct, Stock::Plain, true, false, false);
KERF_FRAME(plain_turned_compiled, Stock::Plain, true, true, false);
KERF_FRAME(grooved_head_on_direct, Stock::Grooved, false, false, false);
KERF_FRAME(grooved_head_on_compiled, Stock::Grooved, false, true, false);
KERF_FRAME(grooved_turned_direct, Stock::Grooved, true, false, false);
KERF_FRAME(grooved_turned_compiled, Stock::Grooved, true, true, false);
KERF_FRAME(grooved_turned_compiled_40_slices, Stock::Grooved, true, true, false, true);
KERF_FRAME(grooved_turned_compiled_textured, Stock::Grooved, true, true, true);
KERF_FRAME(fine_grooved_turned_compiled, Stock::FinelyGrooved, true, true, false);
KERF_FRAME(fine_grooved_turned_compiled_40_slices, Stock::FinelyGrooved, true, true, false, true);
BENCHMARK(FrameAfterRebuild)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
  TuneHeapForFrames();  // as the program does
  benchmark::Initialize(&argc, argv);
  std::string why;
  if (auto r = gl::LoadOpenGL(); !r) {
    why = r.Error();
  } else if (auto g = gl::LoadGLU(); !g) {
    why = g.Error();
  } else {
    auto made = HeadlessContext::Create(FrameWidth, FrameHeight);
    if (made)
      context = std::move(made.Value());
    else
      why = made.Error();
  }
  if (context) {
    woodGrain = std::make_unique<Texture>();
    woodGrain->SetImage(TextureImage::Upright(DefaultTexturePicture()));
    woodGrain->Upload();
    const char* renderer = reinterpret_cast<const char*>(gl::glGetString(GL_RENDERER));
    std::printf("OpenGL renderer: %s\n", renderer != nullptr ? renderer : "?");
  } else {
    std::printf("No headless OpenGL context: %s\n", why.c_str());
  }
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  woodGrain.reset();
  context.reset();
  return 0;
}
