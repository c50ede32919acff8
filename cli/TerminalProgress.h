// TerminalProgress: a long verb's progress on one line of the error stream.
#pragma once

#include <string>

#include "model/Progress.h"

namespace kerf {

// "Matching the profile.... 42%" on one line of the terminal, rewritten as the search goes on.
class TerminalProgress final : public ProgressSink {
 public:
  void Begin(const std::string& label, int maximum) override;
  void Step(int position) override;
  void End() override;

 private:
  std::string label_;
  int maximum_ = 1;
  int shown_ = -1;
};

// The terminal's sink when the error stream is a terminal or the run is verbose, else quiet.
ProgressSink& VerbProgress(TerminalProgress& terminal, NoProgress& quiet);

}  // namespace kerf
