// ColourSwatch: a small framed square of one colour that reports mouse presses (hand cursor).
#include "desktop/ColourSwatch.h"

#include <QMouseEvent>
#include <QPainter>

namespace kerf {

ColourSwatch::ColourSwatch(QWidget* parent) : QFrame(parent) {
  setCursor(Qt::PointingHandCursor);
  setFixedSize(25, 25);
}

void ColourSwatch::SetColour(const QColor& colour) {
  colour_ = colour;
  update();
}

void ColourSwatch::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), colour_);
  painter.setPen(Qt::black);
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void ColourSwatch::mousePressEvent(QMouseEvent* event) {
  event->accept();
  emit pressed();
}

}  // namespace kerf
