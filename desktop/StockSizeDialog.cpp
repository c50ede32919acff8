// StockSizeDialog: the "Config" tool window: size of the next stock, display unit, New.
#include "desktop/StockSizeDialog.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QVBoxLayout>
#include <algorithm>

#include "desktop/HelpKey.h"
#include "desktop/LengthBox.h"
#include "desktop/ToolWindowFrame.h"
#include "model/LengthText.h"

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

// The labels' texts in both units: each label is sized for the longest, so none is cut short.
constexpr const char* SizeLabelTexts[] = {"Width (\")", "Height (\")", "Width (mm)", "Height (mm)"};

}  // namespace

StockSizeDialog::StockSizeDialog(Model& model, QWidget* parent)
    : QWidget(parent, ToolWindowFlags), model_(model) {
  setObjectName("Form5");
  SetUpToolWindow(*this);
  setWindowTitle("Config");
  SetHelpTopic(this, HelpTopic::StockSize);
  setFixedSize(250, 189);

  // Face 3 lies on the table after New, so the top slider, which sets StockHeight, sets what the
  // user sees across the table: it is labelled Width, and the one below, for StockWidth, Height.
  heightSliderLabel_ = new QLabel("Height", this);
  heightSliderLabel_->setObjectName("Label2");
  trkHeight = StockSlider(this, "trkHeight");
  trkHeight->setToolTip(
      "Drag to choose the width of the new workpiece, across the table; "
      "New makes it");
  trkHeight->setGeometry(5, 25, 242, 33);
  edtHeight = new LengthBox(trkHeight, model_, "Width", this);
  edtHeight->setObjectName("edtHeight");
  edtHeight->setToolTip(
      "Type the width of the new workpiece, such as 3/4, 1 1/2\" or 19mm, "
      "and press Enter");
  PlaceSizeRow(heightSliderLabel_, edtHeight, 3);

  widthSliderLabel_ = new QLabel("Width", this);
  widthSliderLabel_->setObjectName("Label3");
  trkWidth = StockSlider(this, "trkWidth");
  trkWidth->setToolTip(
      "Drag to choose the height of the new workpiece, upright against the "
      "fence; New makes it");
  trkWidth->setGeometry(3, 78, 242, 33);
  edtWidth = new LengthBox(trkWidth, model_, "Height", this);
  edtWidth->setObjectName("edtWidth");
  edtWidth->setToolTip(
      "Type the height of the new workpiece, such as 3/8, 0.375 or 10mm, "
      "and press Enter");
  PlaceSizeRow(widthSliderLabel_, edtWidth, 56);

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

  connect(edtHeight, &LengthBox::note, this, &StockSizeDialog::lengthNote);
  connect(edtWidth, &LengthBox::note, this, &StockSizeDialog::lengthNote);
  connect(unitGroup, &QButtonGroup::idClicked, this, &StockSizeDialog::OnUnitChange);
  connect(newButton_, &QPushButton::clicked, this, &StockSizeDialog::OnNew);
}

// A label at the left of row y, wide enough for its text in either unit, and its box after it.
void StockSizeDialog::PlaceSizeRow(QLabel* label, LengthBox* box, int y) {
  int labelWidth = 0;
  for (const char* text : SizeLabelTexts)
    labelWidth = std::max(labelWidth, label->fontMetrics().horizontalAdvance(text) + 4);
  label->setGeometry(15, y, labelWidth, 21);
  box->setGeometry(15 + labelWidth + 6, y, 88, 21);
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

void StockSizeDialog::trkHeightChange() { edtHeight->ShowLength(true); }

void StockSizeDialog::trkWidthChange() { edtWidth->ShowLength(true); }

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
