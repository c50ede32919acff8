// ViewControlsWindow: the "View Controls" tool window: zoom, turns, shifts, light levels, Solid.
#include "ui/ViewControlsWindow.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include "ui/HelpKey.h"
#include "ui/ToolWindowFrame.h"

namespace kerf {
namespace {

constexpr int HelpContext = 30;

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
constexpr SliderSetting Sliders[] = {
    {"trkZoom", "Zoom", 1, 200, 1, 20, 70, "Zoom"},
    {"trkX", "Rotate X", 0, 359, 2, 20, 0, "Rotate in X axis"},
    {"TrkY", "Rotate Y", 0, 359, 2, 20, 0, "Rotate in Y axis"},
    {"TrkZ", "Rotate Z", 0, 359, 2, 20, 0, "Rotate in Z axis"},
    {"trkXShift", "Shift X", -50, 50, 1, 5, 0, "Shift Left and right"},
    {"trkYShift", "Shift Y", -50, 50, 1, 5, 0, "Shift Up and Down"},
    {"trkALight", "Ambient", 0, 100, 2, 10, 20, "Increase/Decrease Ambient light level"},
    {"trkDLight", "Defused", 0, 100, 2, 10, 70, "Increase/Decrease Defused light level"},
    {"trkSLight", "Highlight", 0, 100, 2, 10, 5, "Increase/Decrease Specular light level"},
};

}  // namespace

ViewControlsWindow::ViewControlsWindow(QWidget* parent)
    : QWidget(parent, ToolWindowFlags) {
  setObjectName("Form3");
  setWindowTitle("View Controls");
  SetHelpContext(this, HelpContext);

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

void ViewControlsWindow::FillScene(SceneParams& scene) const {
  scene.EyeDistance = static_cast<float>(trkZoom->value()) / 10.0f;
  scene.RotateX = static_cast<float>(trkX->value());
  scene.RotateY = static_cast<float>(TrkY->value());
  scene.RotateZ = static_cast<float>(TrkZ->value());
  scene.ShiftX = static_cast<float>(trkXShift->value()) / 10.0f;
  scene.ShiftY = static_cast<float>(trkYShift->value()) / 10.0f;
  scene.Ambient = static_cast<float>(trkALight->value()) / 100.0f;
  scene.Diffuse = static_cast<float>(trkDLight->value()) / 100.0f;
  scene.Specular = static_cast<float>(trkSLight->value()) / 100.0f;
  scene.Solid = CheckBox1->isChecked();
}

void ViewControlsWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_F1) {
    emit helpRequested(HelpContext);
    return;
  }
  QWidget::keyPressEvent(event);
}

}  // namespace kerf
