// ColourSwatch: a small framed square of one colour that reports mouse presses (hand cursor).
#pragma once

#include <QColor>
#include <QFrame>

#include "model/Raster.h"

namespace kerf {

// Colours of the model (0x00BBGGRR) and of Qt.
inline QColor ToQColor(Colour c) { return QColor(ColourRed(c), ColourGreen(c), ColourBlue(c)); }
inline Colour FromQColor(const QColor& c) { return MakeColour(c.red(), c.green(), c.blue()); }

class ColourSwatch : public QFrame {
  Q_OBJECT

 public:
  explicit ColourSwatch(QWidget* parent = nullptr);

  QColor Colour() const { return colour_; }
  void SetColour(const QColor& colour);

 signals:
  // Any mouse button pressed on the swatch.
  void pressed();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  QColor colour_ = Qt::black;
};

}  // namespace kerf
