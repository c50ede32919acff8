// Program entry: the command-line verbs run headless; without a verb the desktop program starts.
#include "cli/CommandLine.h"
#include "desktop/DesktopProgram.h"
#include "render/HeapTuning.h"

int main(int argc, char** argv) {
  kerf::TuneHeapForFrames();
  const kerf::CommandLineRequest request = kerf::RunCommandLine(argc, argv);
  if (request.ExitStatus) return *request.ExitStatus;
  return kerf::RunDesktopProgram(argc, argv, request.Project);
}
