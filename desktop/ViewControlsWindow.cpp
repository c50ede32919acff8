// ViewControlsWindow: the "View Controls" tool window: zoom, turns, shifts, light levels, Solid.
#include "desktop/ViewControlsWindow.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include "desktop/HelpKey.h"
#include "desktop/ToolWindowFrame.h"

namespace kerf {
namespace {

struct SliderSetting {
  const char* name;
  const char* label;
  int minimum;
  int maximum;
  int pageStep;
  int tickInterval;
  int position;
  const char* hint;
};

// Top to bottom as the window shows them.
constexpr ViewControlPositions Start;
constexpr SliderSetting Sliders[] = {
    {"zoomSlider", "Zoom", ZoomRange.Min, ZoomRange.Max, 1, 20, Start.Zoom, "Zoom"},
    {"rotateXSlider", "Rotate X", TurnRange.Min, TurnRange.Max, 2, 20, Start.RotateX,
     "Rotate in X axis"},
    {"rotateYSlider", "Rotate Y", TurnRange.Min, TurnRange.Max, 2, 20, Start.RotateY,
     "Rotate in Y axis"},
    {"rotateZSlider", "Rotate Z", TurnRange.Min, TurnRange.Max, 2, 20, Start.RotateZ,
     "Rotate in Z axis"},
    {"shiftXSlider", "Shift X", ShiftRange.Min, ShiftRange.Max, 1, 5, Start.ShiftX,
     "Shift Left and right"},
    {"shiftYSlider", "Shift Y", ShiftRange.Min, ShiftRange.Max, 1, 5, Start.ShiftY,
     "Shift Up and Down"},
    {"ambientSlider", "Ambient", LightRange.Min, LightRange.Max, 2, 10, Start.Ambient,
     "Increase/Decrease Ambient light level"},
    {"diffuseSlider", "Defused", LightRange.Min, LightRange.Max, 2, 10, Start.Diffuse,
     "Increase/Decrease Defused light level"},
    {"highlightSlider", "Highlight", LightRange.Min, LightRange.Max, 2, 10, Start.Highlight,
     "Increase/Decrease Specular light level"},
};

}  // namespace

ViewControlsWindow::ViewControlsWindow(QWidget* parent) : QWidget(parent, ToolWindowFlags) {
  setObjectName("ViewControlsWindow");
  SetUpToolWindow(*this);
  setWindowTitle("View Controls");
  SetHelpTopic(this, HelpTopic::ViewControls);

  auto* layout = new QGridLayout(this);
  layout->setContentsMargins(8, 6, 8, 8);
  layout->setHorizontalSpacing(8);
  layout->setVerticalSpacing(0);

  QSlider** targets[] = {&zoomSlider_,    &rotateXSlider_, &rotateYSlider_,
                         &rotateZSlider_, &shiftXSlider_,  &shiftYSlider_,
                         &ambientSlider_, &diffuseSlider_, &highlightSlider_};
  int row = 0;
  for (const SliderSetting& s : Sliders) {
    auto* label = new QLabel(s.label, this);
    label->setObjectName(QString(s.name).replace("Slider", "Label"));  // zoomLabel, ...
    auto* slider = new QSlider(Qt::Horizontal, this);
    slider->setObjectName(s.name);
    slider->setRange(s.minimum, s.maximum);
    slider->setSingleStep(1);
    slider->setPageStep(s.pageStep);
    slider->setTickPosition(QSlider::TicksBelow);
    slider->setTickInterval(s.tickInterval);
    slider->setValue(s.position);
    slider->setToolTip(s.hint);
    slider->setFixedWidth(144);
    layout->addWidget(label, row, 0);
    layout->addWidget(slider, row, 1);
    *targets[row] = slider;
    ++row;
  }

  homeViewButton_ = new QPushButton("Home View", this);
  homeViewButton_->setObjectName("homeViewButton");
  homeViewButton_->setToolTip("Return View to normal");
  solidCheck_ = new QCheckBox("Solid", this);
  solidCheck_->setObjectName("solidCheck");
  solidCheck_->setToolTip("Wire frame or solid view");
  solidCheck_->setChecked(true);
  layout->setRowMinimumHeight(row, 6);
  layout->addWidget(homeViewButton_, row + 1, 0, 1, 1);
  layout->addWidget(solidCheck_, row + 1, 1, Qt::AlignCenter);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  connect(homeViewButton_, &QPushButton::clicked, this, &ViewControlsWindow::OnHomeView);
}

void ViewControlsWindow::OnHomeView() {
  rotateXSlider_->setValue(0);
  rotateYSlider_->setValue(0);
  rotateZSlider_->setValue(0);
  shiftXSlider_->setValue(0);
  shiftYSlider_->setValue(0);
  solidCheck_->setChecked(true);
}

ViewControlPositions ViewControlsWindow::Positions() const {
  ViewControlPositions p;
  p.Zoom = zoomSlider_->value();
  p.RotateX = rotateXSlider_->value();
  p.RotateY = rotateYSlider_->value();
  p.RotateZ = rotateZSlider_->value();
  p.ShiftX = shiftXSlider_->value();
  p.ShiftY = shiftYSlider_->value();
  p.Ambient = ambientSlider_->value();
  p.Diffuse = diffuseSlider_->value();
  p.Highlight = highlightSlider_->value();
  p.Solid = solidCheck_->isChecked();
  return p;
}

void ViewControlsWindow::SetPositions(const ViewControlPositions& p) {
  zoomSlider_->setValue(p.Zoom);
  rotateXSlider_->setValue(p.RotateX);
  rotateYSlider_->setValue(p.RotateY);
  rotateZSlider_->setValue(p.RotateZ);
  shiftXSlider_->setValue(p.ShiftX);
  shiftYSlider_->setValue(p.ShiftY);
  ambientSlider_->setValue(p.Ambient);
  diffuseSlider_->setValue(p.Diffuse);
  highlightSlider_->setValue(p.Highlight);
  solidCheck_->setChecked(p.Solid);
}

}  // namespace kerf
