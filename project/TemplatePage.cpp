// The template page's layout, drawn once through a painter for the SVG and the PDF alike.
#include <algorithm>
#include <cmath>

#include "project/TemplatePainter.h"

namespace kerf {

namespace {

constexpr double Margin = 15;      // mm round the page
constexpr double ProfileTop = 29;  // mm from the page's top to the stock's top
constexpr double InchMm = 25.4;
constexpr double SquareGap = 15;  // mm between the two calibration squares
const char* const AsItLay = "Drawn as it lay: the table along the bottom, the fence at the right";
const char* const PrintTrue = "Print at 100 % (actual size); check the 1-inch and 25-mm squares";
const char* const ProfileFill = "#6080c0";  // blue-grey: tells the profile from lines and paper

// Where everything lies on the page, in mm from its top-left corner, y down.
struct PageLayout {
  double Width, Height;
  double StockLeft, StockBottom;  // the stock's bottom-left corner (on the table)
  double NoteY, SquaresTop;
  double RulerY, RulerLength;
};

PageLayout Layout(const TemplateDrawing& d) {
  PageLayout l;
  l.StockLeft = Margin;
  l.StockBottom = ProfileTop + d.StockUprightMm;
  l.NoteY = l.StockBottom + 9;
  l.SquaresTop = l.StockBottom + 13;
  l.RulerY = l.SquaresTop + InchMm + 14;
  l.RulerLength = std::max(100.0, std::ceil(d.StockAcrossMm / 10) * 10);
  l.Width =
      Margin + std::max({l.RulerLength, d.StockAcrossMm, 2 * InchMm + SquareGap, 120.0}) + Margin;
  l.Height = l.RulerY + 10 + Margin;
  return l;
}

// A ruler tick at whole millimetre i: 5 mm long at every centimetre, 3.5 at every half.
double TickLength(int i) { return i % 10 == 0 ? 5 : i % 5 == 0 ? 3.5 : 2; }

}  // namespace

TemplatePageSize TemplatePageSizeOf(const TemplateDrawing& drawing) {
  const PageLayout l = Layout(drawing);
  return {l.Width, l.Height};
}

void PaintTemplatePage(TemplatePainter& painter, const TemplateDrawing& d) {
  const PageLayout l = Layout(d);
  painter.Text(Margin, 12, 5, d.ProjectName);
  painter.Text(Margin, 18.5, 3.5, d.Orientation);
  painter.Text(Margin, 23.5, 3.5, AsItLay);

  painter.Rectangle("stock", l.StockLeft, l.StockBottom - d.StockUprightMm, d.StockAcrossMm,
                    d.StockUprightMm, true);
  std::vector<std::vector<TemplatePoint>> rings;
  for (const auto& ring : d.Rings) {
    std::vector<TemplatePoint>& onPage = rings.emplace_back();
    for (const TemplatePoint& p : ring) onPage.push_back({l.StockLeft + p.X, l.StockBottom - p.Y});
  }
  painter.Fill("profile", ProfileFill, rings);

  painter.Text(Margin, l.NoteY, 3.5, PrintTrue);
  painter.Rectangle("inch", Margin, l.SquaresTop, InchMm, InchMm, false);
  painter.Text(Margin, l.SquaresTop + InchMm + 5, 3.5, "1 inch");
  const double mmLeft = Margin + InchMm + SquareGap;
  painter.Rectangle("mm25", mmLeft, l.SquaresTop, 25, 25, false);
  painter.Text(mmLeft, l.SquaresTop + InchMm + 5, 3.5, "25 mm");

  const int ruler = static_cast<int>(l.RulerLength);
  painter.BeginLines("ruler", TemplateLineMm / 2);
  painter.Line(Margin, l.RulerY, Margin + l.RulerLength, l.RulerY);
  for (int i = 0; i <= ruler; ++i)
    painter.Line(Margin + i, l.RulerY, Margin + i, l.RulerY + TickLength(i));
  painter.EndLines();
  for (int i = 0; i <= ruler; i += 10)
    painter.Text(Margin + i - 1, l.RulerY + 9, 2.8, std::to_string(i / 10));
  painter.Text(Margin + l.RulerLength + 2, l.RulerY + 4, 2.8, "cm");
}

}  // namespace kerf
