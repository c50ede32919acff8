// LengthBox: typing a length beside its slider; Enter applies, Escape restores, clamping notes.
#include "desktop/LengthBox.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QSlider>
#include <algorithm>

#include "model/LengthText.h"

namespace kerf {

LengthBox::LengthBox(QSlider* slider, const Model& model, QString what, QWidget* parent)
    : QLineEdit(parent), slider_(slider), model_(model), what_(std::move(what)) {
  connect(slider_, &QSlider::valueChanged, this, [this] { ShowLength(true); });
  ShowLength(true);
}

void LengthBox::ShowLength(bool force) {
  if (isModified() && !force) return;
  const QString shown = QString::fromStdString(
      WorkshopLength(static_cast<float>(slider_->value()) / 100.0f, model_.Unit()));
  // Rewritten only when it changes, so that a box being looked at keeps its cursor.
  if (shown != text() || isModified()) setText(shown);  // setText clears isModified()
}

bool LengthBox::Apply() {
  if (!isModified()) return true;  // the text shown is rounded: left alone, the length stays exact
  const Result<int32_t> read = ReadHundredths(text().toStdString(), model_.Unit());
  if (!read) {
    emit note(what_ + ": " + QString::fromStdString(read.Error()));
    selectAll();
    return false;
  }
  const int wanted = static_cast<int>(read.Value());
  const int value = std::clamp(wanted, slider_->minimum(), slider_->maximum());
  slider_->setValue(value);
  ShowLength(true);  // also when the slider was already there
  if (value != wanted) {
    emit note(QString("%1 clamped to %2")
                  .arg(what_, QString::fromStdString(WorkshopLength(
                                  static_cast<float>(value) / 100.0f, model_.Unit()))));
  }
  return true;
}

void LengthBox::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (Apply()) selectAll();
      event->accept();
      return;
    case Qt::Key_Escape:
      ShowLength(true);
      selectAll();
      event->accept();
      return;
    default:
      QLineEdit::keyPressEvent(event);
  }
}

// Leaving the box (to press Cut or New, say) applies what was typed; text that cannot be read
// gives way to the length shown, after a note says why.
void LengthBox::focusOutEvent(QFocusEvent* event) {
  if (event->reason() != Qt::PopupFocusReason && !Apply()) ShowLength(true);
  QLineEdit::focusOutEvent(event);
}

}  // namespace kerf
