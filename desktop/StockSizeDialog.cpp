// StockSizeDialog: the "Config" tool window: size of the next stock, display unit, New, and how
// high the table's lift raises a bit.
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
#include "model/TablePhysics.h"

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
  setObjectName("StockSizeDialog");
  SetUpToolWindow(*this);
  setWindowTitle("Config");
  SetHelpTopic(this, HelpTopic::StockSize);
  setFixedSize(250, 211);

  // Face 3 lies on the table after New, so the model's StockHeight is what the user sees across
  // the table: the top row, named and labelled Width, sets it; the row below, Height, sets the
  // model's StockWidth, upright against the fence.
  widthLabel_ = new QLabel("Height", this);
  widthLabel_->setObjectName("stockWidthLabel");
  widthSlider_ = StockSlider(this, "stockWidthSlider");
  widthSlider_->setToolTip(
      "Drag to choose the width of the new workpiece, across the table; "
      "New makes it");
  widthSlider_->setGeometry(5, 25, 242, 33);
  widthBox_ = new LengthBox(widthSlider_, model_, "Width", this);
  widthBox_->setObjectName("stockWidthBox");
  widthBox_->setToolTip(
      "Type the width of the new workpiece, such as 3/4, 1 1/2\" or 19mm, "
      "and press Enter");
  PlaceSizeRow(widthLabel_, widthBox_, 3);

  heightLabel_ = new QLabel("Width", this);
  heightLabel_->setObjectName("stockHeightLabel");
  heightSlider_ = StockSlider(this, "stockHeightSlider");
  heightSlider_->setToolTip(
      "Drag to choose the height of the new workpiece, upright against the "
      "fence; New makes it");
  heightSlider_->setGeometry(3, 78, 242, 33);
  heightBox_ = new LengthBox(heightSlider_, model_, "Height", this);
  heightBox_->setObjectName("stockHeightBox");
  heightBox_->setToolTip(
      "Type the height of the new workpiece, such as 3/8, 0.375 or 10mm, "
      "and press Enter");
  PlaceSizeRow(heightLabel_, heightBox_, 56);

  unitGroup_ = new QGroupBox("Dimensions", this);
  unitGroup_->setObjectName("unitGroup");
  unitGroup_->setGeometry(8, 112, 82, 60);
  imperialButton_ = new QRadioButton("Imperial", unitGroup_);
  imperialButton_->setObjectName("imperialButton");
  metricButton_ = new QRadioButton("Metric", unitGroup_);
  metricButton_->setObjectName("metricButton");
  imperialButton_->setChecked(true);
  auto* radios = new QVBoxLayout(unitGroup_);
  radios->setContentsMargins(4, 2, 2, 2);
  radios->setSpacing(0);
  radios->addWidget(imperialButton_);
  radios->addWidget(metricButton_);
  auto* unitGroup = new QButtonGroup(this);
  unitGroup->addButton(imperialButton_, 0);
  unitGroup->addButton(metricButton_, 1);

  newButton_ = new QPushButton("New", this);
  newButton_->setObjectName("newButton");
  newButton_->setToolTip("Click to create new workpiece");
  newButton_->setGeometry(96, 140, 75, 25);

  reachLabel_ = new QLabel("Bit reach", this);
  reachLabel_->setObjectName("reachLabel");
  reachSlider_ = new QSlider(Qt::Horizontal, this);
  reachSlider_->setObjectName("reachSlider");
  reachSlider_->setRange(0, MaxTableReach);
  reachSlider_->setValue(model_.TableReach());
  reachSlider_->hide();
  reachBox_ = new LengthBox(reachSlider_, model_, "Bit reach", this);
  reachBox_->setObjectName("reachBox");
  reachBox_->setToolTip(
      "Type how far the table's lift raises a bit above the table, such as 1 1/2 or 38mm, "
      "and press Enter; cuts set higher cannot be made");
  PlaceSizeRow(reachLabel_, reachBox_, 180);

  connect(reachBox_, &LengthBox::note, this, &StockSizeDialog::lengthNote);
  connect(reachSlider_, &QSlider::valueChanged, this, [this](int reach) {
    if (reach == model_.TableReach()) return;
    model_.SetTableReach(reach);
    emit reachChanged();
  });
  connect(widthBox_, &LengthBox::note, this, &StockSizeDialog::lengthNote);
  connect(heightBox_, &LengthBox::note, this, &StockSizeDialog::lengthNote);
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
  if (model_.Unit() == LengthUnit::Metric) {
    widthLabel_->setText("Width (mm)");
    heightLabel_->setText("Height (mm)");
  } else {
    widthLabel_->setText("Width (\")");
    heightLabel_->setText("Height (\")");
  }
}

void StockSizeDialog::StartWithNewWorkpiece() {
  SetLabels();
  OnNew();
}

void StockSizeDialog::OnNew() {
  if (newGuard_ && !newGuard_()) return;
  // The model's names: StockWidth stands upright (the Height row), StockHeight lies across.
  const int32_t width = heightSlider_->value();
  const int32_t height = widthSlider_->value();
  const WorkSetup before = model_.TakeSetup();
  const std::string beforeName = model_.ProjectFileName();
  model_.NewWorkpiece(width, height);
  model_.SetProjectFileName(UntitledProject);
  Model& model = model_;
  // Undoing New puts back the stock, its face, the cuts and the project's name; the cutter and
  // the look, which New leaves alone, stay as they are by then.
  RecordStep(
      record_, "New",
      [&model, width, height] {
        model.SetProjectFileName(UntitledProject);
        return model.NewWorkpiece(width, height);
      },
      [&model, before, beforeName] {
        WorkSetup setup = model.TakeSetup();
        setup.StockWidth = before.StockWidth;
        setup.StockHeight = before.StockHeight;
        setup.FaceOnTable = before.FaceOnTable;
        setup.Cuts = before.Cuts;
        model.SetProjectFileName(beforeName);
        return model.ReplaceSetup(setup);
      });
  emit newWorkpiece();
}

void StockSizeDialog::SetStockSliders(int32_t width, int32_t height) {
  heightSlider_->setValue(std::clamp<int32_t>(width, MinStockSize, MaxStockSize));
  widthSlider_->setValue(std::clamp<int32_t>(height, MinStockSize, MaxStockSize));
}

void StockSizeDialog::FocusSize() {
  widthBox_->setFocus(Qt::OtherFocusReason);
  widthBox_->selectAll();
}

void StockSizeDialog::SetReach(int32_t reach) {
  reachSlider_->setValue(std::clamp<int32_t>(reach, 0, MaxTableReach));
  reachBox_->ShowLength(true);
}

void StockSizeDialog::OnWidthMoved() { widthBox_->ShowLength(true); }

void StockSizeDialog::OnHeightMoved() { heightBox_->ShowLength(true); }

void StockSizeDialog::SetUnit(LengthUnit unit) {
  (unit == LengthUnit::Metric ? metricButton_ : imperialButton_)->setChecked(true);
  OnUnitChange();
}

void StockSizeDialog::OnUnitChange() {
  model_.SetUnit(metricButton_->isChecked() ? LengthUnit::Metric : LengthUnit::Imperial);
  SetLabels();
  emit unitChanged();
  OnWidthMoved();
  OnHeightMoved();
  reachBox_->ShowLength(true);
}

}  // namespace kerf
