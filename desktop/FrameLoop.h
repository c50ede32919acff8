// FrameLoop: one frame on the user-interface thread every 75 ms after the last has ended.
#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

namespace kerf {

// A single-shot timer re-armed PauseMs after each frame has ended, so frames never pile up and
// stopping needs no wait on another thread. Suspend and Resume nest (a texture load inside a
// project load); Stop is for good.
class FrameLoop : public QObject {
  Q_OBJECT

 public:
  static constexpr int PauseMs = 75;

  explicit FrameLoop(std::function<void()> frameTick, QObject* parent = nullptr);

  // Starts the loop; the first frame is drawn as soon as the event loop runs.
  void Start();
  void Suspend();
  void Resume();
  void Stop();

  bool Started() const { return started_; }
  bool Stopped() const { return stopped_; }
  bool Suspended() const { return suspendCount_ > 0; }
  // A frame is due: started, neither stopped nor suspended.
  bool Running() const { return started_ && !stopped_ && suspendCount_ == 0; }
  long long FramesDrawn() const { return framesDrawn_; }

 private:
  void Tick();
  void Arm(int delayMs);

  std::function<void()> frameTick_;
  QTimer timer_;
  bool started_ = false;
  bool stopped_ = false;
  int suspendCount_ = 0;
  long long framesDrawn_ = 0;
};

}  // namespace kerf
