// The pictures on the Tools window's cut-list buttons: move up, move down, delete, report.
#include "desktop/CutListGlyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <functional>

namespace kerf {
namespace {

constexpr int GlyphSize = 18;

// Draws on a transparent square; the disabled look is derived by QIcon.
QIcon Glyph(const std::function<void(QPainter&)>& draw) {
  QPixmap pixmap(GlyphSize, GlyphSize);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  draw(painter);
  painter.end();
  return QIcon(pixmap);
}

// An arrow made of a shaft and a head, pointing up (or down when flipped).
void Arrow(QPainter& p, bool down) {
  QPainterPath path;
  path.moveTo(9, 2);
  path.lineTo(16, 9);
  path.lineTo(12, 9);
  path.lineTo(12, 16);
  path.lineTo(6, 16);
  path.lineTo(6, 9);
  path.lineTo(2, 9);
  path.closeSubpath();
  if (down) {
    p.translate(0, GlyphSize);
    p.scale(1, -1);
  }
  p.setPen(QPen(QColor(0, 70, 0), 1));
  p.setBrush(QColor(40, 160, 60));
  p.drawPath(path);
}

}  // namespace

QIcon MoveCutUpGlyph() {
  return Glyph([](QPainter& p) { Arrow(p, false); });
}

QIcon MoveCutDownGlyph() {
  return Glyph([](QPainter& p) { Arrow(p, true); });
}

QIcon DeleteCutGlyph() {
  return Glyph([](QPainter& p) {
    p.setPen(QPen(QColor(200, 20, 20), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(4, 4, 14, 14);
    p.drawLine(14, 4, 4, 14);
  });
}

QIcon CutReportGlyph() {
  return Glyph([](QPainter& p) {
    // A sheet with a folded corner and lines of text.
    QPainterPath sheet;
    sheet.moveTo(3.5, 1.5);
    sheet.lineTo(11.5, 1.5);
    sheet.lineTo(14.5, 4.5);
    sheet.lineTo(14.5, 16.5);
    sheet.lineTo(3.5, 16.5);
    sheet.closeSubpath();
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawPath(sheet);
    p.drawLine(QPointF(11.5, 1.5), QPointF(11.5, 4.5));
    p.drawLine(QPointF(11.5, 4.5), QPointF(14.5, 4.5));
    p.setPen(QPen(QColor(30, 60, 160), 1));
    for (int y = 7; y <= 14; y += 2) {
      p.drawLine(QPointF(5.5, y + 0.5), QPointF(12.5, y + 0.5));
    }
  });
}

}  // namespace kerf
