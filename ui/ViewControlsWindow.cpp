// ViewControlsWindow: the "View Controls" tool window: zoom, turns, shifts, light levels, Solid.
#include "ui/ViewControlsWindow.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include "ui/HelpKey.h"
#include "ui/ToolWindowFrame.h"

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
    {"trkZoom", "Zoom", ZoomRange.Min, ZoomRange.Max, 1, 20, Start.Zoom, "Zoom"},
    {"trkX", "Rotate X", TurnRange.Min, TurnRange.Max, 2, 20, Start.RotateX, "Rotate in X axis"},
    {"TrkY", "Rotate Y", TurnRange.Min, TurnRange.Max, 2, 20, Start.RotateY, "Rotate in Y axis"},
    {"TrkZ", "Rotate Z", TurnRange.Min, TurnRange.Max, 2, 20, Start.RotateZ, "Rotate in Z axis"},
    {"trkXShift", "Shift X", ShiftRange.Min, ShiftRange.Max, 1, 5, Start.ShiftX, "Shift Left and right"},
    {"trkYShift", "Shift Y", ShiftRange.Min, ShiftRange.Max, 1, 5, Start.ShiftY, "Shift Up and Down"},
    {"trkALight", "Ambient", LightRange.Min, LightRange.Max, 2, 10, Start.Ambient,
     "Increase/Decrease Ambient light level"},
    {"trkDLight", "Defused", LightRange.Min, LightRange.Max, 2, 10, Start.Diffuse,
     "Increase/Decrease Defused light level"},
    {"trkSLight", "Highlight", LightRange.Min, LightRange.Max, 2, 10, Start.Highlight,
     "Increase/Decrease Specular light level"},
};

}  // namespace

ViewControlsWindow::ViewControlsWindow(QWidget* parent)
    : QWidget(parent, ToolWindowFlags) {
  setObjectName("Form3");
  setWindowTitle("View Controls");
  SetHelpTopic(this, HelpTopic::ViewControls);

  auto* layout = new QGridLayout(this);
  layout->setContentsMargins(8, 6, 8, 8);
  layout->setHorizontalSpacing(8);
  layout->setVerticalSpacing(0);

  QSlider** targets[] = {&trkZoom,   &trkX,      &TrkY,      &TrkZ,     &trkXShift,
                         &trkYShift, &trkALight, &trkDLight, &trkSLight};
  int row = 0;
  for (const SliderSetting& s : Sliders) {
    auto* label = new QLabel(s.label, this);
    label->setObjectName(QString("lbl") + s.name);
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

  Button3 = new QPushButton("Home View", this);
  Button3->setObjectName("Button3");
  Button3->setToolTip("Return View to normal");
  CheckBox1 = new QCheckBox("Solid", this);
  CheckBox1->setObjectName("CheckBox1");
  CheckBox1->setToolTip("Wire frame or solid view");
  CheckBox1->setChecked(true);
  layout->setRowMinimumHeight(row, 6);
  layout->addWidget(Button3, row + 1, 0, 1, 1);
  layout->addWidget(CheckBox1, row + 1, 1, Qt::AlignCenter);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  connect(Button3, &QPushButton::clicked, this, &ViewControlsWindow::Button3Click);
}

void ViewControlsWindow::Button3Click() {
  trkX->setValue(0);
  TrkY->setValue(0);
  TrkZ->setValue(0);
  trkXShift->setValue(0);
  trkYShift->setValue(0);
  CheckBox1->setChecked(true);
}

ViewControlPositions ViewControlsWindow::Positions() const {
  ViewControlPositions p;
  p.Zoom = trkZoom->value();
  p.RotateX = trkX->value();
  p.RotateY = TrkY->value();
  p.RotateZ = TrkZ->value();
  p.ShiftX = trkXShift->value();
  p.ShiftY = trkYShift->value();
  p.Ambient = trkALight->value();
  p.Diffuse = trkDLight->value();
  p.Highlight = trkSLight->value();
  p.Solid = CheckBox1->isChecked();
  return p;
}

}  // namespace kerf
