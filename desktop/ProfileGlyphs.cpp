// Drawing of the Profile window's button glyphs: magnifiers, turning arrows and the flip.
#include "desktop/ProfileGlyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace kerf {

namespace {

const QColor Ink(24, 38, 92);
const QColor Wood(225, 123, 11);

void DrawMagnifier(QPainter& p, double s, bool plus) {
  const QRectF lens(s * 0.08, s * 0.08, s * 0.58, s * 0.58);
  p.setPen(QPen(Ink, s * 0.09, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(QColor(225, 238, 250));
  p.drawEllipse(lens);
  p.setPen(QPen(Ink, s * 0.16, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(s * 0.60, s * 0.60), QPointF(s * 0.90, s * 0.90));
  p.setPen(QPen(Ink, s * 0.09, Qt::SolidLine, Qt::FlatCap));
  const QPointF c = lens.center();
  const double a = s * 0.17;
  p.drawLine(c - QPointF(a, 0), c + QPointF(a, 0));
  if (plus) p.drawLine(c - QPointF(0, a), c + QPointF(0, a));
}

// An arrow head at tip pointing along the direction angle (radians, y downwards).
void DrawArrowHead(QPainter& p, QPointF tip, double angle, double length) {
  const double spread = 0.5;
  QPolygonF head;
  head << tip << tip - length * QPointF(std::cos(angle - spread), std::sin(angle - spread))
       << tip - length * QPointF(std::cos(angle + spread), std::sin(angle + spread));
  p.setPen(Qt::NoPen);
  p.setBrush(Ink);
  p.drawPolygon(head);
}

// A square of stock with an arrow three quarters around it; clockwise on screen when cw.
void DrawTurn(QPainter& p, double s, bool cw) {
  p.setPen(QPen(Wood.darker(150), s * 0.05));
  p.setBrush(Wood);
  p.drawRect(QRectF(s * 0.34, s * 0.34, s * 0.32, s * 0.32));
  const QRectF ring(s * 0.12, s * 0.12, s * 0.76, s * 0.76);
  const double r = ring.width() / 2;
  const QPointF c = ring.center();
  // Qt's angles run anticlockwise from three o'clock; the arc leaves a gap on one side.
  const double startDeg = cw ? 120 : 60;
  const double spanDeg = cw ? -270 : 270;
  p.setPen(QPen(Ink, s * 0.09, Qt::SolidLine, Qt::FlatCap));
  p.setBrush(Qt::NoBrush);
  p.drawArc(ring, static_cast<int>(startDeg * 16), static_cast<int>(spanDeg * 16));
  // The head sits at the end of the arc, pointing the way of travel (screen y runs down).
  const double end = (startDeg + spanDeg) * M_PI / 180.0;
  const QPointF tip = c + QPointF(r * std::cos(end), -r * std::sin(end));
  const QPointF travel =
      cw ? QPointF(std::sin(end), std::cos(end)) : QPointF(-std::sin(end), -std::cos(end));
  DrawArrowHead(p, tip + travel * (s * 0.10), std::atan2(travel.y(), travel.x()), s * 0.30);
}

// A board lying along the bottom with an arrow arching over it from one end to the other.
void DrawFlip(QPainter& p, double s) {
  p.setPen(QPen(Wood.darker(150), s * 0.05));
  p.setBrush(Wood);
  p.drawRect(QRectF(s * 0.10, s * 0.70, s * 0.80, s * 0.16));
  p.setPen(QPen(Ink, s * 0.09, Qt::SolidLine, Qt::FlatCap));
  p.setBrush(Qt::NoBrush);
  const QRectF arch(s * 0.18, s * 0.14, s * 0.64, s * 0.90);
  p.drawArc(arch, 180 * 16, -160 * 16);
  const double t = 20 * M_PI / 180.0;  // where the arch ends, on the right
  const QPointF c = arch.center();
  const QPointF tip = c + QPointF(arch.width() / 2 * std::cos(t), -arch.height() / 2 * std::sin(t));
  DrawArrowHead(p, tip + QPointF(0, s * 0.04), M_PI / 2 - 0.15, s * 0.28);
}

}  // namespace

QPixmap DrawProfileGlyph(ProfileGlyph glyph, int size) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  const double s = size;
  switch (glyph) {
    case ProfileGlyph::ZoomIn:
      DrawMagnifier(p, s, true);
      break;
    case ProfileGlyph::ZoomOut:
      DrawMagnifier(p, s, false);
      break;
    case ProfileGlyph::RotateAnticlockwise:
      DrawTurn(p, s, false);
      break;
    case ProfileGlyph::FlipEndOverEnd:
      DrawFlip(p, s);
      break;
    case ProfileGlyph::RotateClockwise:
      DrawTurn(p, s, true);
      break;
  }
  return pixmap;
}

QPixmap DisabledGlyph(const QPixmap& normal) {
  QImage image = normal.toImage().convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < image.height(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      const int grey = 128 + qGray(row[x]) / 2;
      row[x] = qRgba(grey, grey, grey, qAlpha(row[x]));
    }
  }
  return QPixmap::fromImage(image);
}

QIcon ProfileGlyphIcon(ProfileGlyph glyph) {
  QIcon icon;
  const QPixmap normal = DrawProfileGlyph(glyph);
  icon.addPixmap(normal, QIcon::Normal);
  icon.addPixmap(DisabledGlyph(normal), QIcon::Disabled);
  return icon;
}

}  // namespace kerf
