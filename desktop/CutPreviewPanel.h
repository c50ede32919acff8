// CutPreviewPanel: the verdict the cut at the Profile window's settings would get, before Cut.
#pragma once

#include <QTimer>
#include <QWidget>

#include "model/Model.h"
#include "model/TrialCut.h"

class QLabel;
class QSlider;

namespace kerf {

// Shows "Cut OK", "Caution" or "Danger" in the report's colours, the material the cut would
// leave on the table and against the fence, and why no real table could make it. It measures
// the cut list with one more cut at the two sliders' fence and height, with the current cutter
// and face, in the report's measuring pass; the model is not changed.
class CutPreviewPanel : public QWidget {
  Q_OBJECT

 public:
  CutPreviewPanel(const Model& model, const QSlider& fence, const QSlider& height,
                  QWidget* parent = nullptr);

  // Asks for the verdict to be worked out again once control returns to the event loop: a
  // burst of changes (a slider dragged over a long cut list) costs one measurement.
  void Schedule();
  // Works it out now.
  void Refresh();
  bool Pending() const { return timer_.isActive(); }

  const TrialCut& Trial() const { return trial_; }
  long long Refreshes() const { return refreshes_; }
  QLabel* VerdictLabel() const { return verdict_; }
  QLabel* BearingLabel() const { return bearing_; }
  QLabel* ProblemLabel() const { return problem_; }
  // The height the panel needs to show the badge and the whole reason, wrapped at its width.
  int WantedHeight() const;

 signals:
  // After a refresh (and after a change of type): the panel wants WantedHeight(); its owner gives
  // it room.
  void heightWanted(int height);

 protected:
  void changeEvent(QEvent* event) override;

 private:
  const Model& model_;
  const QSlider& fence_;
  const QSlider& height_;
  TrialCut trial_;
  QTimer timer_;
  long long refreshes_ = 0;

  int shownVerdict_ = -1;  // the verdict whose colours the badge has; -1 for none
  QLabel* verdict_ = nullptr;
  QLabel* bearing_ = nullptr;
  QLabel* problem_ = nullptr;
};

}  // namespace kerf
