// CutEditDialog: building the cut edit dialog and reading its fields back into a cut.
#include "desktop/CutEditDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>
#include <numeric>

#include "desktop/HelpKey.h"
#include "model/CutterOrder.h"
#include "model/FenceInterlock.h"
#include "model/LengthText.h"

namespace kerf {
namespace {

QString LengthText(int32_t hundredths, LengthUnit unit) {
  return QString::fromStdString(WorkshopLength(static_cast<float>(hundredths) / 100.0f, unit));
}

}  // namespace

CutEditDialog::CutEditDialog(const Model& model, int row, QWidget* parent)
    : QDialog(parent), model_(model), before_(model.CutAt(row)), edited_(before_) {
  setObjectName("CutEditDialog");
  setWindowTitle(QString("Edit Cut #%1").arg(row));
  SetHelpTopic(this, HelpTopic::EditCut);
  showMessage_ = DialogMessageShower(this);

  cutterBox_ = new QComboBox(this);
  cutterBox_->setObjectName("cutterBox");
  // The library in the Tools window's order; a cut whose cutter is missing keeps it as the
  // first choice, so that OK without a change leaves the cut as it was.
  if (model.Cutter(before_.Cutter) == nullptr)
    cutterBox_->addItem(QString::fromStdString(before_.CutterFileName) + " (missing)", 0);
  std::vector<int> order(static_cast<size_t>(model.CutterCount()));
  std::iota(order.begin(), order.end(), 1);
  std::stable_sort(order.begin(), order.end(), [&model](int a, int b) {
    return CutterListsBefore(model.Cutter(a)->Name, model.Cutter(b)->Name);
  });
  for (int n : order) cutterBox_->addItem(QString::fromStdString(model.Cutter(n)->Name), n);
  cutterBox_->setCurrentIndex(std::max(0, cutterBox_->findData(before_.Cutter)));

  fenceShown_ = LengthText(before_.Fence, model.Unit());
  heightShown_ = LengthText(before_.Height, model.Unit());
  const QString hint = model.Unit() == LengthUnit::Metric
                           ? "Millimetres, such as 19mm; inches with \", such as 3/4\""
                           : "Inches, such as 3/4, 1 1/2 or 0.75; or millimetres, such as 19mm";
  fenceEdit_ = new QLineEdit(fenceShown_, this);
  fenceEdit_->setObjectName("fenceEdit");
  fenceEdit_->setToolTip(hint);
  heightEdit_ = new QLineEdit(heightShown_, this);
  heightEdit_->setObjectName("heightEdit");
  heightEdit_->setToolTip(hint);
  faceBox_ = new QSpinBox(this);
  faceBox_->setObjectName("faceBox");
  faceBox_->setRange(1, 8);
  faceBox_->setValue(std::clamp(before_.Face, 1, 8));

  auto* form = new QFormLayout;
  form->addRow("Cutter", cutterBox_);
  form->addRow("Fence", fenceEdit_);
  form->addRow("Height", heightEdit_);
  form->addRow("Face on table", faceBox_);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->setObjectName("buttons");
  connect(buttons, &QDialogButtonBox::accepted, this, &CutEditDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &CutEditDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

bool CutEditDialog::ReadLength(const QLineEdit* field, const QString& shown, int32_t before,
                               int32_t minimum, int32_t maximum, const char* what,
                               int32_t& hundredths) {
  const QString text = field->text();
  // The text shown is rounded to a 64th or a millimetre: left as it was, the cut keeps its
  // exact setting.
  if (text == shown) {
    hundredths = before;
    return true;
  }
  const LengthUnit unit = model_.Unit();
  const Result<int32_t> typed = ReadHundredths(text.toStdString(), unit);
  if (!typed) {
    showMessage_(QString("The %1 \"%2\" cannot be read as a length.\nType inches, such as 3/4, "
                         "1 1/2 or 0.75, or millimetres, such as 19mm.")
                     .arg(what, text.trimmed()));
    return false;
  }
  const int32_t read = typed.Value();
  if (read < minimum || read > maximum) {
    showMessage_(
        QString("The %1 \"%2\" is outside the range %3 to %4.")
            .arg(what, text.trimmed(), LengthText(minimum, unit), LengthText(maximum, unit)));
    return false;
  }
  hundredths = read;
  return true;
}

void CutEditDialog::accept() {
  Cut cut = before_;
  if (!ReadLength(fenceEdit_, fenceShown_, before_.Fence, FenceMinimum, FenceMaximum, "fence",
                  cut.Fence)) {
    fenceEdit_->setFocus();
    fenceEdit_->selectAll();
    return;
  }
  if (!ReadLength(heightEdit_, heightShown_, before_.Height, HeightMinimum, HeightMaximum, "height",
                  cut.Height)) {
    heightEdit_->setFocus();
    heightEdit_->selectAll();
    return;
  }
  cut.Face = faceBox_->value();
  cut.Cutter = cutterBox_->currentData().toInt();
  if (const Tool* tool = model_.Cutter(cut.Cutter)) cut.CutterFileName = tool->FileName;
  edited_ = cut;
  QDialog::accept();
}

}  // namespace kerf
