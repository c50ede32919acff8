// The printed template page: profile, uncut stock, calibration squares and ruler, as SVG and PDF.
#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QString>

#include <algorithm>
#include <charconv>
#include <cmath>

#include "model/NumberText.h"
#include "project/TemplateFile.h"

namespace kerf {

namespace {

constexpr double Margin = 15;      // mm round the page
constexpr double ProfileTop = 29;  // mm from the page's top to the stock's top
constexpr double InchMm = 25.4;
constexpr double SquareGap = 15;  // mm between the two calibration squares
constexpr double LineMm = 0.2;    // width of the drawn lines
const char* const AsItLay = "Drawn as it lay: the table along the bottom, the fence at the right";
const char* const ProfileFill = "#6080c0";  // blue-grey: tells the profile from lines and paper

// Where everything lies on the page, in mm from its top-left corner, y down.
struct PageLayout {
  double Width, Height;
  double StockLeft, StockBottom;  // the stock's bottom-left corner (on the table)
  double SquaresTop;
  double RulerY, RulerLength;
};

PageLayout Layout(const TemplateDrawing& d) {
  PageLayout l;
  l.StockLeft = Margin;
  l.StockBottom = ProfileTop + d.StockUprightMm;
  l.SquaresTop = l.StockBottom + 12;
  l.RulerY = l.SquaresTop + InchMm + 14;
  l.RulerLength = std::max(100.0, std::ceil(d.StockAcrossMm / 10) * 10);
  l.Width =
      Margin + std::max({l.RulerLength, d.StockAcrossMm, 2 * InchMm + SquareGap, 120.0}) + Margin;
  l.Height = l.RulerY + 10 + Margin;
  return l;
}

double PageX(const PageLayout& l, const TemplatePoint& p) { return l.StockLeft + p.X; }
double PageY(const PageLayout& l, const TemplatePoint& p) { return l.StockBottom - p.Y; }

// A ruler tick at whole millimetre i: 5 mm long at every centimetre, 3.5 at every half.
double TickLength(int i) { return i % 10 == 0 ? 5 : i % 5 == 0 ? 3.5 : 2; }

void Num(std::string& out, double v) { out += FixedText(v, 3); }

// Text for an SVG element's content: escaped, and any bytes that are not UTF-8 replaced.
std::string Escaped(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))
      .toHtmlEscaped()
      .toStdString();
}

void SvgText(std::string& out, double x, double y, double size, const std::string& text) {
  out += "<text x=\"";
  Num(out, x);
  out += "\" y=\"";
  Num(out, y);
  out += "\" font-family=\"sans-serif\" font-size=\"";
  Num(out, size);
  out += "\">" + Escaped(text) + "</text>\n";
}

void SvgRect(std::string& out, const char* id, double x, double y, double w, double h,
             const char* extra) {
  out += "<rect id=\"";
  out += id;
  out += "\" x=\"";
  Num(out, x);
  out += "\" y=\"";
  Num(out, y);
  out += "\" width=\"";
  Num(out, w);
  out += "\" height=\"";
  Num(out, h);
  out += "\" fill=\"none\" stroke=\"black\" stroke-width=\"";
  Num(out, LineMm);
  out += "\"";
  out += extra;
  out += "/>\n";
}

}  // namespace

std::string TemplateSvg(const TemplateDrawing& d) {
  const PageLayout l = Layout(d);
  std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
  out += "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"";
  Num(out, l.Width);
  out += "mm\" height=\"";
  Num(out, l.Height);
  out += "mm\" viewBox=\"0 0 ";
  Num(out, l.Width);
  out += ' ';
  Num(out, l.Height);
  out += "\">\n";
  SvgText(out, Margin, 12, 5, d.ProjectName);
  SvgText(out, Margin, 18.5, 3.5, d.Orientation);
  SvgText(out, Margin, 23.5, 3.5, AsItLay);

  SvgRect(out, "stock", l.StockLeft, l.StockBottom - d.StockUprightMm, d.StockAcrossMm,
          d.StockUprightMm, " stroke-dasharray=\"1.5 1\"");
  out += "<path id=\"profile\" fill=\"";
  out += ProfileFill;
  out += "\" fill-rule=\"nonzero\" stroke=\"none\" d=\"";
  for (const auto& ring : d.Rings) {
    for (size_t i = 0; i < ring.size(); ++i) {
      out += i == 0 ? "M" : " L";
      Num(out, PageX(l, ring[i]));
      out += ',';
      Num(out, PageY(l, ring[i]));
    }
    if (!ring.empty()) out += " Z ";
  }
  out += "\"/>\n";

  SvgRect(out, "inch", Margin, l.SquaresTop, InchMm, InchMm, "");
  SvgText(out, Margin, l.SquaresTop + InchMm + 5, 3.5, "1 inch");
  SvgRect(out, "mm25", Margin + InchMm + SquareGap, l.SquaresTop, 25, 25, "");
  SvgText(out, Margin + InchMm + SquareGap, l.SquaresTop + InchMm + 5, 3.5, "25 mm");

  out += "<g id=\"ruler\" stroke=\"black\" stroke-width=\"";
  Num(out, LineMm / 2);
  out += "\">\n<line x1=\"";
  Num(out, Margin);
  out += "\" y1=\"";
  Num(out, l.RulerY);
  out += "\" x2=\"";
  Num(out, Margin + l.RulerLength);
  out += "\" y2=\"";
  Num(out, l.RulerY);
  out += "\"/>\n";
  for (int i = 0; i <= static_cast<int>(l.RulerLength); ++i) {
    out += "<line x1=\"";
    Num(out, Margin + i);
    out += "\" y1=\"";
    Num(out, l.RulerY);
    out += "\" x2=\"";
    Num(out, Margin + i);
    out += "\" y2=\"";
    Num(out, l.RulerY + TickLength(i));
    out += "\"/>\n";
  }
  out += "</g>\n";
  for (int i = 0; i <= static_cast<int>(l.RulerLength); i += 10) {
    SvgText(out, Margin + i - 1, l.RulerY + 9, 2.8, std::to_string(i / 10));
  }
  SvgText(out, Margin + l.RulerLength + 2, l.RulerY + 4, 2.8, "cm");
  out += "</svg>\n";
  return out;
}

std::string TemplatePdf(const TemplateDrawing& d) {
  const PageLayout l = Layout(d);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer(&buffer);
    writer.setResolution(1200);
    writer.setPageLayout(QPageLayout(QPageSize(QSizeF(l.Width, l.Height), QPageSize::Millimeter),
                                     QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    writer.setTitle(QString::fromUtf8(d.ProjectName.c_str()));
    writer.setCreator(QStringLiteral("Kerfwright"));
    QPainter painter;
    if (!painter.begin(&writer)) return {};
    const double k = writer.resolution() / InchMm;  // device pixels per mm
    auto at = [&](double x, double y) { return QPointF(x * k, y * k); };
    QPen line(Qt::black, LineMm * k);
    line.setCapStyle(Qt::FlatCap);

    auto text = [&](double x, double y, double sizeMm, const std::string& s) {
      QFont font(QStringLiteral("DejaVu Sans"));
      font.setPointSizeF(sizeMm / InchMm * 72);
      painter.setFont(font);
      painter.setPen(Qt::black);
      painter.drawText(at(x, y), QString::fromUtf8(s.c_str()));
    };
    text(Margin, 12, 5, d.ProjectName);
    text(Margin, 18.5, 3.5, d.Orientation);
    text(Margin, 23.5, 3.5, AsItLay);

    QPen dashed = line;
    dashed.setDashPattern({1.5 / LineMm, 1 / LineMm});
    painter.setPen(dashed);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(at(l.StockLeft, l.StockBottom - d.StockUprightMm),
                            at(l.StockLeft + d.StockAcrossMm, l.StockBottom)));

    QPainterPath profile;
    profile.setFillRule(Qt::WindingFill);
    for (const auto& ring : d.Rings) {
      if (ring.empty()) continue;
      profile.moveTo(at(PageX(l, ring[0]), PageY(l, ring[0])));
      for (size_t i = 1; i < ring.size(); ++i)
        profile.lineTo(at(PageX(l, ring[i]), PageY(l, ring[i])));
      profile.closeSubpath();
    }
    painter.fillPath(profile, QColor(QString::fromLatin1(ProfileFill)));

    painter.setPen(line);
    painter.drawRect(QRectF(at(Margin, l.SquaresTop), at(Margin + InchMm, l.SquaresTop + InchMm)));
    const double mmLeft = Margin + InchMm + SquareGap;
    painter.drawRect(QRectF(at(mmLeft, l.SquaresTop), at(mmLeft + 25, l.SquaresTop + 25)));
    text(Margin, l.SquaresTop + InchMm + 5, 3.5, "1 inch");
    text(mmLeft, l.SquaresTop + InchMm + 5, 3.5, "25 mm");

    QPen thin(Qt::black, LineMm / 2 * k);
    thin.setCapStyle(Qt::FlatCap);
    painter.setPen(thin);
    painter.drawLine(at(Margin, l.RulerY), at(Margin + l.RulerLength, l.RulerY));
    for (int i = 0; i <= static_cast<int>(l.RulerLength); ++i) {
      painter.setPen(thin);
      painter.drawLine(at(Margin + i, l.RulerY), at(Margin + i, l.RulerY + TickLength(i)));
      if (i % 10 == 0) text(Margin + i - 1, l.RulerY + 9, 2.8, std::to_string(i / 10));
    }
    text(Margin + l.RulerLength + 2, l.RulerY + 4, 2.8, "cm");
    if (!painter.end()) return {};
  }
  return bytes.toStdString();
}

}  // namespace kerf
