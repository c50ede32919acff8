// FrameLoop: the frame loop on a single-shot timer of the user-interface thread.
#include "desktop/FrameLoop.h"

#include <QtGlobal>
#include <exception>

namespace kerf {

FrameLoop::FrameLoop(std::function<void()> frameTick, QObject* parent)
    : QObject(parent), frameTick_(std::move(frameTick)) {
  timer_.setSingleShot(true);
  timer_.setTimerType(Qt::PreciseTimer);
  connect(&timer_, &QTimer::timeout, this, &FrameLoop::Tick);
}

void FrameLoop::Start() {
  if (started_ || stopped_) return;
  started_ = true;
  Arm(0);
}

void FrameLoop::Suspend() {
  ++suspendCount_;
  timer_.stop();
}

void FrameLoop::Resume() {
  if (suspendCount_ == 0) return;
  if (--suspendCount_ == 0) Arm(PauseMs);
}

void FrameLoop::Stop() {
  stopped_ = true;
  timer_.stop();
}

void FrameLoop::Arm(int delayMs) {
  if (Running()) timer_.start(delayMs);
}

void FrameLoop::Tick() {
  if (!Running()) return;
  try {
    frameTick_();
    ++framesDrawn_;
  } catch (const std::exception& failure) {
    // A failure that escapes the frame ends the loop; paints still draw the view.
    qWarning("kerfwright: the animation stopped: %s", failure.what());
    stopped_ = true;
    return;
  }
  Arm(PauseMs);  // the pause counts from the end of the frame
}

}  // namespace kerf
