// RenderSection repaints every frame: once warmed up it must not touch the heap.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "model/SectionRenderer.h"
#include "model/TrialCut.h"

namespace {
std::atomic<long> allocations{0};
}  // namespace

// Counting replacements of the global allocation functions for this test binary. The memory
// comes from malloc, so free is the matching release; GCC cannot see that once it inlines them.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void* operator new(std::size_t size) {
  allocations.fetch_add(1, std::memory_order_relaxed);
  if (void* p = std::malloc(size ? size : 1)) return p;
  throw std::bad_alloc();
}
// std::stable_sort takes its buffer with the nothrow form and gives it back with the plain delete
// above, so that form must come from malloc too (the sanitizer's own would not match free).
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  allocations.fetch_add(1, std::memory_order_relaxed);
  return std::malloc(size ? size : 1);
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
#pragma GCC diagnostic pop

namespace kerf {
namespace {

TEST(RenderSectionHeap, RepaintingAllocatesNothing) {
  Model model;
  Tool tool;
  tool.RowCount = 120;
  for (int l = 1; l <= 120; ++l) tool.Profile[static_cast<size_t>(l)] = static_cast<float>(l % 70);
  model.SetCutterLibrary({tool});
  model.NewWorkpiece(1000, 900);
  for (int i = 0; i < 30; ++i) {
    model.SetFaceOnTable(1 + i % 8);
    model.AppendCut(-50 + 13 * i, -100 + 29 * i);
  }
  model.SetFaceOnTable(6);
  SectionView preview;
  preview.W = preview.H = 250;
  preview.Zoom = 4;
  preview.Cutter = model.Cutter(1);
  preview.Material = model.WoodSwatch();
  preview.Fence = 40;
  preview.CutterHeight = 20;

  SectionPictures pictures;
  Section section;
  Raster surface(SectionSize, SectionSize);
  MeasureSection(model, pictures, section);  // warm-up: the fill's scratch stack reaches its size
  RenderSection(model, preview, surface);
  const long before = allocations.load();
  for (int frame = 0; frame < 3; ++frame) {
    MeasureSection(model, pictures, section);
    RenderSection(model, preview, surface);
  }
  EXPECT_EQ(allocations.load() - before, 0);

  // The counter is live: the preview picture handed back is a new raster.
  const Raster picture = PreviewSection(model, surface, 250, 250, 1, Black, 0, 0);
  EXPECT_GT(allocations.load() - before, 0);
}

TEST(TrialCutHeap, MovingTheSlidersAllocatesNothing) {
  Model model;
  Tool tool;
  tool.RowCount = 90;
  for (int l = 1; l <= 90; ++l) tool.Profile[static_cast<size_t>(l)] = static_cast<float>(l % 40);
  model.SetCutterLibrary({tool});
  model.NewWorkpiece(600, 400);
  for (int i = 0; i < 20; ++i) {
    model.SetFaceOnTable(1 + i % 8);
    model.AppendCut(-40 + 11 * i, -80 + 23 * i);
  }
  TrialCut trial;
  // Warm-up: the copies and the pieces' rows reach their sizes over a sweep of the sliders.
  for (int step = 0; step < 40; ++step) trial.Judge(model, -100 + 10 * step, -60 + 4 * step);
  const long before = allocations.load();
  for (int step = 0; step < 40; ++step) trial.Judge(model, -100 + 10 * step, -60 + 4 * step);
  EXPECT_EQ(allocations.load() - before, 0);
  EXPECT_EQ(trial.ListMeasurements(), 1);
}

}  // namespace
}  // namespace kerf
