// Face numbers on the Profile picture: placed by each visible edge of the stock, rimmed in white.
#include "desktop/FaceNumbers.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace kerf {

namespace {

const QColor TableInk(70, 70, 70);   // the set-up sheet's table colour
const QColor FenceInk(40, 90, 170);  // and its fence colour
const QColor SideInk(0, 0, 0);

// One digit whose box's top-left corner is at `at`, with a white rim two pixels wide.
void Digit(QPainter& p, const QFont& font, int face, QPoint at, const QColor& ink) {
  const QFontMetrics metrics(font);
  QPainterPath path;
  path.addText(at.x() + 1, at.y() + metrics.ascent(), font, QString::number(face));
  p.setPen(QPen(Qt::white, 3.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  p.drawPath(path);
  p.setPen(Qt::NoPen);
  p.setBrush(ink);
  p.drawPath(path);
}

}  // namespace

void DrawFaceNumbers(QImage& picture, const StockFaces& faces, const QRect& stock) {
  if (faces.Table == 0 || picture.isNull()) return;
  QFont font;
  font.setPixelSize(10);
  font.setBold(true);
  const QFontMetrics metrics(font);
  const int w = metrics.horizontalAdvance(QStringLiteral("4")) + 2;  // a digit's box
  const int h = metrics.ascent() + 1;
  const int gap = 2;

  // The part of the stock inside the picture, which the numbers are centred on.
  const QRect shown = stock.intersected(picture.rect().adjusted(0, 0, 1, 1));
  if (shown.isEmpty()) return;
  const int midX = (shown.left() + shown.right() + 1) / 2 - w / 2;
  const int midY = (shown.top() + shown.bottom() + 1) / 2 - h / 2;
  const int right = stock.left() + stock.width();   // the fence face's line
  const int bottom = stock.top() + stock.height();  // the table's line

  QPainter p(&picture);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  // A stock too small to hold the table and fence numbers apart gets only those two, beside
  // it: the table's to its left, the fence's above it.
  const bool small = shown.width() < 3 * w + 2 * gap || shown.height() < 3 * h + 2 * gap;
  if (small) {
    Digit(p, font, faces.Table, {std::max(0, stock.left() - gap - w), bottom - gap - h}, TableInk);
    Digit(p, font, faces.Fence, {right - gap - w, std::max(0, stock.top() - gap - h)}, FenceInk);
    return;
  }
  Digit(p, font, faces.Table, {midX, bottom - gap - h}, TableInk);
  Digit(p, font, faces.Fence, {right - gap - w, midY}, FenceInk);
  if (stock.top() >= 0) {
    const int y = stock.top() >= h + gap ? stock.top() - gap - h : stock.top() + gap;
    Digit(p, font, faces.Top, {midX, y}, SideInk);
  }
  if (stock.left() >= 0) {
    const int x = stock.left() >= w + gap ? stock.left() - gap - w : stock.left() + gap;
    Digit(p, font, faces.Left, {x, midY}, SideInk);
  }
}

}  // namespace kerf
