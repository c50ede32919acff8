// Program entry: the command-line verbs run headless; without a verb the desktop program starts.
#include "app/CommandLine.h"
#include "render/HeapTuning.h"

int main(int argc, char** argv) {
  kerf::TuneHeapForFrames();
  return kerf::RunKerfwright(argc, argv);
}
