// StockSizeDialog: the "Config" tool window: size of the next stock, display unit, New.
#include "ui/StockSizeDialog.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QVBoxLayout>
#include <algorithm>

#include "model/LengthText.h"
#include "ui/HelpKey.h"
#include "ui/ToolWindowFrame.h"

namespace kerf {
namespace {

QSlider* StockSlider(QWidget* parent, const char* name) {
  auto* slider = new QSlider(Qt::Horizontal, parent);
  slider->setObjectName(name);
  slider->setRange(MinStockSize, MaxStockSize);
  slider->setValue(200);
  slider->setSingleStep(1);
  slider->setPageStep(1);
  slider->setTickPosition(QSlider::TicksBelow);
  slider->setTickInterval(50);  // a mark every half inch; one per hundredth would be a smear
  return slider;
}

QLineEdit* SizeBox(QWidget* parent, const char* name, const char* hint) {
  auto* box = new QLineEdit(QStringLiteral("2\""), parent);
  box->setObjectName(name);
  box->setToolTip(hint);
  // Nothing reads what is typed here: the box only shows the slider.
  box->setReadOnly(true);
  return box;
}

}  // namespace

StockSizeDialog::StockSizeDialog(Model& model, QWidget* parent)
    : QWidget(parent, ToolWindowFlags), model_(model) {
  setObjectName("Form5");
  SetUpToolWindow(*this);
  setWindowTitle("Config");
  SetHelpTopic(this, HelpTopic::StockSize);
  setFixedSize(250, 189);

  heightSliderLabel_ = new QLabel("Height", this);
  heightSliderLabel_->setObjectName("Label2");
  heightSliderLabel_->move(15, 6);
  edtHeight = SizeBox(this, "edtHeight", "Workpiece height");
  edtHeight->setGeometry(82, 3, 49, 21);
  trkHeight = StockSlider(this, "trkHeight");
  trkHeight->setToolTip("Use to adjust new workpiece height");
  trkHeight->setGeometry(5, 25, 242, 33);

  widthSliderLabel_ = new QLabel("Width", this);
  widthSliderLabel_->setObjectName("Label3");
  widthSliderLabel_->move(17, 59);
  edtWidth = SizeBox(this, "edtWidth", "Workpiece Width");
  edtWidth->setGeometry(80, 56, 49, 21);
  trkWidth = StockSlider(this, "trkWidth");
  trkWidth->setGeometry(3, 78, 242, 33);

  unitGroup_ = new QGroupBox("Dimensions", this);
  unitGroup_->setObjectName("RadioGroup1");
  unitGroup_->setGeometry(8, 112, 82, 60);
  rbImperial = new QRadioButton("Imperial", unitGroup_);
  rbImperial->setObjectName("rbImperial");
  rbMetric = new QRadioButton("Metric", unitGroup_);
  rbMetric->setObjectName("rbMetric");
  rbImperial->setChecked(true);
  auto* radios = new QVBoxLayout(unitGroup_);
  radios->setContentsMargins(4, 2, 2, 2);
  radios->setSpacing(0);
  radios->addWidget(rbImperial);
  radios->addWidget(rbMetric);
  auto* unitGroup = new QButtonGroup(this);
  unitGroup->addButton(rbImperial, 0);
  unitGroup->addButton(rbMetric, 1);

  newButton_ = new QPushButton("New", this);
  newButton_->setObjectName("Button1");
  newButton_->setToolTip("Click to create new workpiece");
  newButton_->setGeometry(96, 140, 75, 25);

  for (QWidget* label :
       {static_cast<QWidget*>(heightSliderLabel_), static_cast<QWidget*>(widthSliderLabel_)}) {
    label->resize(64, 16);
  }

  connect(trkHeight, &QSlider::valueChanged, this, &StockSizeDialog::trkHeightChange);
  connect(trkWidth, &QSlider::valueChanged, this, &StockSizeDialog::trkWidthChange);
  connect(unitGroup, &QButtonGroup::idClicked, this, &StockSizeDialog::OnUnitChange);
  connect(newButton_, &QPushButton::clicked, this, &StockSizeDialog::OnNew);
}

void StockSizeDialog::SetLabels() {
  // Face 3 lies on the table after New, so the height slider sets what the user sees across
  // the table: its label says Width, and the width slider's says Height.
  if (model_.Unit() == LengthUnit::Metric) {
    heightSliderLabel_->setText("Width (mm)");
    widthSliderLabel_->setText("Height (mm)");
  } else {
    heightSliderLabel_->setText("Width (\")");
    widthSliderLabel_->setText("Height (\")");
  }
}

void StockSizeDialog::FormCreate() {
  SetLabels();
  OnNew();
}

void StockSizeDialog::OnNew() {
  if (newGuard_ && !newGuard_()) return;
  const int32_t width = trkWidth->value();
  const int32_t height = trkHeight->value();
  const WorkSetup before = model_.TakeSetup();
  model_.NewWorkpiece(width, height);
  Model& model = model_;
  // Undoing New puts back the stock, its face and the cuts; the cutter and the look, which New
  // leaves alone, stay as they are by then.
  RecordStep(
      record_, "New", [&model, width, height] { return model.NewWorkpiece(width, height); },
      [&model, before] {
        WorkSetup setup = model.TakeSetup();
        setup.StockWidth = before.StockWidth;
        setup.StockHeight = before.StockHeight;
        setup.FaceOnTable = before.FaceOnTable;
        setup.Cuts = before.Cuts;
        return model.ReplaceSetup(setup);
      });
  emit newWorkpiece();
}

void StockSizeDialog::SetStockSliders(int32_t width, int32_t height) {
  trkWidth->setValue(std::clamp<int32_t>(width, MinStockSize, MaxStockSize));
  trkHeight->setValue(std::clamp<int32_t>(height, MinStockSize, MaxStockSize));
}

void StockSizeDialog::trkHeightChange() {
  edtHeight->setText(QString::fromStdString(
      FormatLength(static_cast<float>(trkHeight->value()) / 100.0f, model_.Unit())));
}

void StockSizeDialog::trkWidthChange() {
  edtWidth->setText(QString::fromStdString(
      FormatLength(static_cast<float>(trkWidth->value()) / 100.0f, model_.Unit())));
}

void StockSizeDialog::SetUnit(LengthUnit unit) {
  (unit == LengthUnit::Metric ? rbMetric : rbImperial)->setChecked(true);
  OnUnitChange();
}

void StockSizeDialog::OnUnitChange() {
  model_.SetUnit(rbMetric->isChecked() ? LengthUnit::Metric : LengthUnit::Imperial);
  SetLabels();
  emit unitChanged();
  trkHeightChange();
  trkWidthChange();
}

}  // namespace kerf
