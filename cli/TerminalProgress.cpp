// TerminalProgress: a long verb's progress on one line of the error stream.
#include "cli/TerminalProgress.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>

#include "cli/QtMessages.h"

namespace kerf {

void TerminalProgress::Begin(const std::string& label, int maximum) {
  label_ = label;
  maximum_ = std::max(1, maximum);
  shown_ = -1;
  Step(0);
}

void TerminalProgress::Step(int position) {
  const int percent =
      static_cast<int>(std::clamp(static_cast<long long>(position) * 100 / maximum_, 0LL, 100LL));
  if (percent == shown_) return;
  shown_ = percent;
  std::fprintf(stderr, "\r%s %3d%%", label_.c_str(), percent);
  std::fflush(stderr);
}

void TerminalProgress::End() {
  if (shown_ < 0) return;
  std::fprintf(stderr, "\r%*s\r", static_cast<int>(label_.size()) + 5, "");
  std::fflush(stderr);
  shown_ = -1;
}

ProgressSink& VerbProgress(TerminalProgress& terminal, NoProgress& quiet) {
  if (isatty(STDERR_FILENO) || VerboseRun()) return terminal;
  return quiet;
}

}  // namespace kerf
