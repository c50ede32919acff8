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
  // Puts positions on the sliders (each held within its range) and Solid.
  void SetPositions(const ViewControlPositions& positions);

  // "Home View": head-on, centred and filled; zoom and light levels stay.
  void OnHomeView();

  // The turn sliders, moved by dragging over the 3-D view.
  QSlider* RotateXSlider() const { return rotateXSlider_; }
  QSlider* RotateYSlider() const { return rotateYSlider_; }

 private:
  QSlider* zoomSlider_ = nullptr;
  QSlider* rotateXSlider_ = nullptr;
  QSlider* rotateYSlider_ = nullptr;
  QSlider* rotateZSlider_ = nullptr;
  QSlider* shiftXSlider_ = nullptr;
  QSlider* shiftYSlider_ = nullptr;
  QSlider* ambientSlider_ = nullptr;
  QSlider* diffuseSlider_ = nullptr;
  QSlider* highlightSlider_ = nullptr;
  QCheckBox* solidCheck_ = nullptr;
  QPushButton* homeViewButton_ = nullptr;
};

}  // namespace kerf
