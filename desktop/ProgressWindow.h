// ProgressWindow: the "Progress" window long operations report to, and its ProgressSink.
#pragma once

#include <QElapsedTimer>
#include <QWidget>

#include "model/Progress.h"

class QLabel;
class QProgressBar;

namespace kerf {

class ProgressWindow : public QWidget, public ProgressSink {
  Q_OBJECT

 public:
  // Work that ends sooner than this never shows the window, so quick rebuilds do not flash it.
  static constexpr int ShowAfterMs = 300;

  explicit ProgressWindow(QWidget* parent = nullptr);

  // ProgressSink: the label, maximum and position are always set; the window appears once
  // the work has lasted ShowAfterMs. Each step lets pending paints and timers run, but not
  // user input, so nothing can start a second operation in the middle of this one.
  void Begin(const std::string& label, int maximum) override;
  void Step(int position) override;
  void End() override;

  QLabel* ProgressLabel() const { return progressLabel_; }
  QProgressBar* ProgressBar() const { return progressBar_; }

 private:
  void LetEventsRun();

  QLabel* progressLabel_;
  QProgressBar* progressBar_;
  QElapsedTimer clock_;
  int depth_ = 0;  // nested Begin/End pairs (a rebuild inside another operation)
};

}  // namespace kerf
