// The set-up sheet's drawing pieces: words, sections, the cutter, the stock's end and verdicts, in
// mm.
#include "project/SheetDrawing.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace kerf {

namespace {

constexpr double MmPerUnit = 0.254;  // a unit is a hundredth of an inch
// Fonts are sized in pixels of a tenth of a millimetre: whole pixels, fine enough for any size.
constexpr double FontPixelsPerMm = 10;
const QColor WoodFill(196, 160, 112);
const QColor RemovedFill(224, 64, 64);
const QColor TableColour(70, 70, 70);
const QColor FenceColour(40, 90, 170);

QFont SheetFont(double size, bool bold) {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(std::max(1, static_cast<int>(std::lround(size * FontPixelsPerMm))));
  font.setBold(bold);
  return font;
}

QString Q(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QPainterPath PathOf(const std::vector<SheetRect>& rects, double x0, double y0, double k) {
  QPainterPath path;
  path.setFillRule(Qt::WindingFill);
  for (const SheetRect& r : rects)
    path.addRect(QRectF(x0 + r.X * k, y0 + r.Y * k, r.W * k, r.H * k));
  return path;
}

}  // namespace

QColor VerdictQColor(Verdict verdict) {
  const Colour c = VerdictColour(verdict);
  return QColor(ColourRed(c), ColourGreen(c), ColourBlue(c));
}

void SheetDrawing::Text(double x, double y, double size, const std::string& text, bool bold,
                        QColor colour) {
  p_.save();
  p_.translate(x, y);
  p_.scale(1 / FontPixelsPerMm, 1 / FontPixelsPerMm);
  p_.setFont(SheetFont(size, bold));
  p_.setPen(colour);
  p_.drawText(QPointF(0, 0), Q(text));
  p_.restore();
}

void SheetDrawing::TextWithin(double x, double y, double width, double size,
                              const std::string& text, bool bold, QColor colour) {
  const QFontMetricsF metrics(SheetFont(size, bold));
  const QString shown = metrics.elidedText(Q(text), Qt::ElideRight, width * FontPixelsPerMm);
  Text(x, y, size, shown.toStdString(), bold, colour);
}

double SheetDrawing::TextWidth(double size, const std::string& text, bool bold) const {
  return QFontMetricsF(SheetFont(size, bold)).horizontalAdvance(Q(text)) / FontPixelsPerMm;
}

namespace {

// The part of a box the section itself takes: room is left for the table under it and the
// fence beside it.
QRectF SectionRoom(const QRectF& box) { return box.adjusted(2.5, 2.5, -3.5, -1.2); }

}  // namespace

double SheetDrawing::FitScale(const SheetSection& section, const QRectF& box) {
  if (section.Across <= 0 || section.Upright <= 0) return MmPerUnit;
  const QRectF room = SectionRoom(box);
  return std::max(0.0, std::min(room.width() / section.Across, room.height() / section.Upright));
}

QPointF SheetDrawing::Section(const SheetSection& section, const QRectF& box, double mmPerUnit,
                              bool removedHatched) {
  const double k = mmPerUnit > 0 ? mmPerUnit : FitScale(section, box);
  const double w = section.Across * k, h = section.Upright * k;
  const QRectF room = SectionRoom(box);
  const double x0 = room.left() + (room.width() - w) / 2, y0 = room.bottom() - h;
  p_.save();
  p_.setRenderHint(QPainter::Antialiasing, false);  // no seams between the rectangles of one path
  p_.fillPath(PathOf(section.Material, x0, y0, k), WoodFill);
  const QPainterPath removed = PathOf(section.Removed, x0, y0, k);
  if (removedHatched) {
    QBrush hatch(RemovedFill, Qt::BDiagPattern);
    hatch.setTransform(QTransform::fromScale(0.12, 0.12));  // hatch lines about 1 mm apart
    p_.fillPath(removed, hatch);
  } else {
    p_.fillPath(removed, RemovedFill);
  }
  p_.setRenderHint(QPainter::Antialiasing, true);
  QPen outline(QColor(120, 120, 120), 0.15, Qt::DashLine);
  p_.setPen(outline);
  p_.setBrush(Qt::NoBrush);
  p_.drawRect(QRectF(x0, y0, w, h));  // the stock before any cut
  p_.setPen(QPen(TableColour, 0.8, Qt::SolidLine, Qt::FlatCap));
  p_.drawLine(QPointF(x0 - 2, y0 + h + 0.4), QPointF(x0 + w + 2.8, y0 + h + 0.4));
  p_.setPen(QPen(FenceColour, 0.8, Qt::SolidLine, Qt::FlatCap));
  p_.drawLine(QPointF(x0 + w + 0.4, y0 + h), QPointF(x0 + w + 0.4, y0 - 2));
  p_.restore();
  return {x0, y0};
}

void SheetDrawing::SectionDetail(const SheetSection& section, const QRectF& window,
                                 const QRectF& box, const std::vector<float>& profile, int fence,
                                 int height) {
  const double k = std::min(box.width() / window.width(), box.height() / window.height());
  const double x0 = box.center().x() - window.center().x() * k,
               y0 = box.center().y() - window.center().y() * k;
  const double w = section.Across * k, h = section.Upright * k;
  p_.save();
  p_.setClipRect(box);
  p_.setRenderHint(QPainter::Antialiasing, false);
  p_.fillPath(PathOf(section.Material, x0, y0, k), WoodFill);
  p_.fillPath(PathOf(section.Removed, x0, y0, k), RemovedFill);
  p_.setRenderHint(QPainter::Antialiasing, true);
  p_.setPen(QPen(QColor(120, 120, 120), 0.15, Qt::DashLine));
  p_.setBrush(Qt::NoBrush);
  p_.drawRect(QRectF(x0, y0, w, h));
  p_.setPen(QPen(TableColour, 0.8, Qt::SolidLine, Qt::FlatCap));
  p_.drawLine(QPointF(box.left(), y0 + h + 0.4), QPointF(x0 + w + 0.8, y0 + h + 0.4));
  p_.setPen(QPen(FenceColour, 0.8, Qt::SolidLine, Qt::FlatCap));
  p_.drawLine(QPointF(x0 + w + 0.4, y0 + h), QPointF(x0 + w + 0.4, box.top()));
  // The cutter: row l stands over the unit of height below l above its lowest edge, which is
  // `height` above the table; its axis is `fence` in front of the fence face.
  if (!profile.empty()) {
    const double axis = x0 + (section.Across - fence) * k,
                 base = y0 + (section.Upright - height) * k;
    QPainterPath cutter;
    cutter.moveTo(axis + profile[0] * k, base);
    for (size_t l = 0; l < profile.size(); ++l) {
      cutter.lineTo(axis + profile[l] * k, base - static_cast<double>(l) * k);
      cutter.lineTo(axis + profile[l] * k, base - static_cast<double>(l + 1) * k);
    }
    for (size_t l = profile.size(); l-- > 0;) {
      cutter.lineTo(axis - profile[l] * k, base - static_cast<double>(l + 1) * k);
      cutter.lineTo(axis - profile[l] * k, base - static_cast<double>(l) * k);
    }
    cutter.closeSubpath();
    p_.setPen(QPen(QColor(40, 60, 120), 0.3));
    p_.setBrush(QColor(150, 170, 200, 90));
    p_.drawPath(cutter);
  }
  p_.restore();
  p_.save();
  p_.setPen(QPen(QColor(110, 110, 110), 0.25));
  p_.setBrush(Qt::NoBrush);
  p_.drawRect(box);
  p_.restore();
}

void SheetDrawing::Cutter(const std::vector<float>& profile, const QRectF& box) {
  if (profile.empty()) {
    Text(box.left(), box.center().y(), 3, "(no cutter)", false, Qt::darkGray);
    return;
  }
  const double rows = static_cast<double>(profile.size());
  const double widest =
      std::max(1.0, static_cast<double>(*std::max_element(profile.begin(), profile.end())));
  const double shankRadius = std::min(widest, 12.5), shankLength = std::max(25.0, rows / 2);
  const double k = std::min(box.width() / (2 * widest), box.height() / (rows + shankLength));
  const double axis = box.center().x(),
               base = box.top() + rows * k + (box.height() - (rows + shankLength) * k) / 2;
  QPainterPath cutter;
  cutter.moveTo(axis - profile[0] * k, base);
  for (size_t l = 0; l < profile.size(); ++l)
    cutter.lineTo(axis + profile[l] * k, base - static_cast<double>(l + 1) * k);
  for (size_t l = profile.size(); l-- > 0;)
    cutter.lineTo(axis - profile[l] * k, base - static_cast<double>(l + 1) * k);
  cutter.closeSubpath();
  p_.save();
  p_.setRenderHint(QPainter::Antialiasing, true);
  p_.fillRect(QRectF(axis - shankRadius * k, base, 2 * shankRadius * k, shankLength * k),
              QColor(170, 170, 170));
  p_.setPen(QPen(Qt::black, 0.2));
  p_.setBrush(QColor(150, 170, 200));
  p_.drawPath(cutter);
  p_.restore();
}

void SheetDrawing::Faces(const SheetFaces& faces, const QRectF& box) {
  if (faces.Table == 0) return;
  // The stock drawn with room round it for the numbers, never thinner than a few millimetres.
  const double room = 5;
  const QRectF inner = box.adjusted(room, room, -room, -room);
  const double k = std::min(inner.width() / std::max(1, faces.Across),
                            inner.height() / std::max(1, faces.Upright));
  const double w = std::max(4.0, faces.Across * k), h = std::max(4.0, faces.Upright * k);
  const QRectF stock(inner.center().x() - w / 2, inner.bottom() - h, w, h);
  p_.save();
  p_.setRenderHint(QPainter::Antialiasing, true);
  p_.setPen(QPen(Qt::black, 0.25));
  p_.setBrush(WoodFill);
  p_.drawRect(stock);
  p_.setPen(QPen(TableColour, 1.0, Qt::SolidLine, Qt::FlatCap));
  p_.drawLine(QPointF(stock.left() - 3, stock.bottom() + 0.5),
              QPointF(stock.right() + 4, stock.bottom() + 0.5));
  p_.setPen(QPen(FenceColour, 1.0, Qt::SolidLine, Qt::FlatCap));
  p_.drawLine(QPointF(stock.right() + 0.5, stock.bottom()),
              QPointF(stock.right() + 0.5, stock.top() - 3));
  p_.restore();
  const double size = 3;
  auto number = [&](int face, double cx, double baseline, bool bold, QColor colour) {
    const std::string text = std::to_string(face);
    Text(cx - TextWidth(size, text, bold) / 2, baseline, size, text, bold, colour);
  };
  number(faces.Top, stock.center().x(), stock.top() - 0.8, false, Qt::black);
  number(faces.Left, stock.left() - 2.2, stock.center().y() + 1.1, false, Qt::black);
  number(faces.Table, stock.center().x(), stock.bottom() + 4.2, true, TableColour);
  number(faces.Fence, stock.right() + 3.3, stock.center().y() + 1.1, true, FenceColour);
}

void SheetDrawing::VerdictBox(Verdict verdict, const QRectF& box, double size,
                              const std::string& text, bool centred) {
  p_.fillRect(box, VerdictQColor(verdict));
  if (verdict == Verdict::Caution) {  // yellow paper needs an edge to be seen on white
    p_.save();
    p_.setPen(QPen(QColor(160, 140, 0), 0.2));
    p_.setBrush(Qt::NoBrush);
    p_.drawRect(box);
    p_.restore();
  }
  const QColor ink = verdict == Verdict::Caution ? Qt::black : Qt::white;
  const double baseline = box.center().y() + size * 0.36;
  const double x = centred ? box.center().x() - TextWidth(size, text, true) / 2 : box.left() + 2;
  TextWithin(x, baseline, box.width() - 3, size, text, true, ink);
}

}  // namespace kerf
