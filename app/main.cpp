// Program entry: the command-line verbs run headless; without a verb the desktop program starts.
#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include "app/CommandLine.h"

namespace {

// A frame of a long moulding has the software renderer bin some hundred thousand triangles:
// tens of megabytes of heap taken and given back every frame. With the C library's default
// trim threshold the freed top of the heap went back to the system each time and had to be
// faulted in again on the next frame, which cost more than lighting the vertices. Keeping up
// to this much free heap lets one frame reuse the last one's pages.
constexpr int KeptFreeHeap = 64 * 1024 * 1024;

void TuneHeap() {
#if defined(__GLIBC__)
  mallopt(M_TRIM_THRESHOLD, KeptFreeHeap);
#endif
}

}  // namespace

int main(int argc, char** argv) {
  TuneHeap();
  return kerf::RunKerfwright(argc, argv);
}
