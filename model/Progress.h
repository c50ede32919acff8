// ProgressSink: how long operations report their progress without showing a window.
#pragma once

#include <string>

namespace kerf {

class ProgressSink {
 public:
  virtual ~ProgressSink() = default;
  // The operation starts: label text (e.g. "Plotting Outline....") and the last position.
  virtual void Begin(const std::string& label, int maximum) = 0;
  // Position 1..maximum reached; the desktop program lets pending events run here.
  virtual void Step(int position) = 0;
  // The operation is over, however it ended.
  virtual void End() = 0;
};

// A sink that ignores everything, for headless callers.
class NoProgress final : public ProgressSink {
 public:
  void Begin(const std::string&, int) override {}
  void Step(int) override {}
  void End() override {}
};

}  // namespace kerf
