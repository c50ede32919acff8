// ViewControlsWindow: the "View Controls" tool window: zoom, turns, shifts, light levels, Solid.
#pragma once

#include <QWidget>

#include "render/SceneParams.h"

class QCheckBox;
class QPushButton;
class QSlider;

namespace kerf {

class ViewControlsWindow : public QWidget {
  Q_OBJECT

 public:
  explicit ViewControlsWindow(QWidget* parent = nullptr);

  // The sliders and Solid as they stand; MakeSceneParams turns them into a frame.
  ViewControlPositions Positions() const;

  // "Home View": head-on, centred and filled; zoom and light levels stay.
  void Button3Click();

  // The turn sliders, moved by dragging over the 3-D view.
  QSlider* RotateXSlider() const { return trkX; }
  QSlider* RotateYSlider() const { return TrkY; }

 private:
  QSlider* trkZoom = nullptr;
  QSlider* trkX = nullptr;
  QSlider* TrkY = nullptr;
  QSlider* TrkZ = nullptr;
  QSlider* trkXShift = nullptr;
  QSlider* trkYShift = nullptr;
  QSlider* trkALight = nullptr;
  QSlider* trkDLight = nullptr;
  QSlider* trkSLight = nullptr;
  QCheckBox* CheckBox1 = nullptr;
  QPushButton* Button3 = nullptr;
};

}  // namespace kerf
