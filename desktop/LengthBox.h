// LengthBox: the box beside a length slider in which the user types the length in shop terms.
#pragma once

#include <QLineEdit>
#include <QString>

#include "model/Model.h"

class QSlider;

namespace kerf {

// Shows the slider's length in the display unit and follows the slider. Typing a length ("3/8",
// "1-1/8\"", "0.375", "10mm") and pressing Enter, or leaving the box, moves the slider there;
// Escape puts back the length shown. A length outside the slider's range is clamped to it and
// said in a note; text that cannot be read is said in a note and left in the box to be mended.
// Enter never reaches the window, so it does not press the window's default button.
class LengthBox : public QLineEdit {
  Q_OBJECT

 public:
  // what names the length in notes ("Fence", "Width").
  LengthBox(QSlider* slider, const Model& model, QString what, QWidget* parent);

  // Shows the slider's length in the current unit; unless forced, not while the user has typed
  // into the box and not yet applied it.
  void ShowLength(bool force = false);
  // Moves the slider to the typed length; false when the text cannot be read.
  bool Apply();

 signals:
  // A word for the status bar: "Fence clamped to 10\"", "Width: cannot read \"3//4\"".
  void note(const QString& text);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  QSlider* slider_;
  const Model& model_;
  QString what_;
};

}  // namespace kerf
