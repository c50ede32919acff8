// TFastTimer: the frame loop on a single-shot timer of the user-interface thread.
#include "app/FrameLoop.h"

#include <QtGlobal>
#include <exception>

namespace kerf {

TFastTimer::TFastTimer(std::function<void()> frameTick, QObject* parent)
    : QObject(parent), frameTick_(std::move(frameTick)) {
  timer_.setSingleShot(true);
  timer_.setTimerType(Qt::PreciseTimer);
  connect(&timer_, &QTimer::timeout, this, &TFastTimer::Tick);
}

void TFastTimer::Start() {
  if (started_ || stopped_) return;
  started_ = true;
  Arm(0);
}

void TFastTimer::Suspend() {
  ++suspendCount_;
  timer_.stop();
}

void TFastTimer::Resume() {
  if (suspendCount_ == 0) return;
  if (--suspendCount_ == 0) Arm(PauseMs);
}

void TFastTimer::Stop() {
  stopped_ = true;
  timer_.stop();
}

void TFastTimer::Arm(int delayMs) {
  if (Running()) timer_.start(delayMs);
}

void TFastTimer::Tick() {
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
