// The template page as PDF: the painter that paints it with Qt, on one page or tiled over sheets.
#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QString>

#include "project/PdfViewerPreferences.h"
#include "project/SetupSheet.h"
#include "project/TemplatePainter.h"
#include "project/TemplateTiles.h"

namespace kerf {

namespace {

constexpr double InchMm = 25.4;
constexpr int Resolution = 1200;  // device pixels per inch
constexpr double PixelsPerMm = Resolution / InchMm;

QPointF At(double x, double y) { return {x * PixelsPerMm, y * PixelsPerMm}; }

// Paints on a QPainter whose device has Resolution pixels to the inch.
class PdfPainter : public TemplatePainter {
 public:
  explicit PdfPainter(QPainter& painter) : painter_(painter) {}

  void Text(double x, double y, double sizeMm, const std::string& text) override {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(sizeMm / InchMm * 72);
    painter_.setFont(font);
    painter_.setPen(Qt::black);
    painter_.drawText(At(x, y), QString::fromUtf8(text.c_str()));
  }

  void Rectangle(const char*, double x, double y, double w, double h, bool dashed) override {
    QPen pen = Pen(TemplateLineMm);
    if (dashed) pen.setDashPattern({1.5 / TemplateLineMm, 1 / TemplateLineMm});
    painter_.setPen(pen);
    painter_.setBrush(Qt::NoBrush);
    painter_.drawRect(QRectF(At(x, y), At(x + w, y + h)));
  }

  void Fill(const char*, const char* colour,
            const std::vector<std::vector<TemplatePoint>>& rings) override {
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    for (const auto& ring : rings) {
      if (ring.empty()) continue;
      path.moveTo(At(ring[0].X, ring[0].Y));
      for (size_t i = 1; i < ring.size(); ++i) path.lineTo(At(ring[i].X, ring[i].Y));
      path.closeSubpath();
    }
    painter_.fillPath(path, QColor(QString::fromLatin1(colour)));
  }

  void BeginLines(const char*, double width) override { lines_ = Pen(width); }
  void Line(double x1, double y1, double x2, double y2) override {
    painter_.setPen(lines_);
    painter_.drawLine(At(x1, y1), At(x2, y2));
  }
  void EndLines() override {}

 private:
  static QPen Pen(double widthMm) {
    QPen pen(Qt::black, widthMm * PixelsPerMm);
    pen.setCapStyle(Qt::FlatCap);
    return pen;
  }

  QPainter& painter_;
  QPen lines_;
};

// One sheet of a tiled page: its window of the drawing, then its crosses and its number.
void PaintTile(QPainter& painter, PdfPainter& pdf, const TemplateDrawing& drawing,
               const TemplateTiling& tiling, const TemplateTile& tile) {
  painter.save();
  painter.setClipRect(
      QRectF(At(tile.PageLeft, tile.PageTop),
             At(tile.PageLeft + tiling.WindowWidth, tile.PageTop + tiling.WindowHeight)));
  painter.translate(At(tile.PageLeft - tile.Left, tile.PageTop - tile.Top));
  PaintTemplatePage(pdf, drawing);
  painter.setClipping(false);
  pdf.BeginLines("marks", TemplateLineMm);
  for (const TemplatePoint& p : tile.Marks) {
    pdf.Line(p.X - TileMarkArmMm, p.Y, p.X + TileMarkArmMm, p.Y);
    pdf.Line(p.X, p.Y - TileMarkArmMm, p.X, p.Y + TileMarkArmMm);
  }
  pdf.EndLines();
  painter.restore();
  pdf.Text(TileMarginMm, TileHeadMm / 2, 3.5, TileCaption(tiling, tile));
}

}  // namespace

std::string TemplatePdf(const TemplateDrawing& drawing, const SheetPaper& paper) {
  const TemplatePageSize size = TemplatePageSizeOf(drawing);
  const TemplateTiling tiling = TileTemplate(size.Width, size.Height, paper.Width, paper.Height);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer(&buffer);
    writer.setResolution(Resolution);
    writer.setPageLayout(
        QPageLayout(QPageSize(QSizeF(tiling.PageWidth, tiling.PageHeight), QPageSize::Millimeter),
                    QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    writer.setTitle(QString::fromUtf8(drawing.ProjectName.c_str()));
    writer.setCreator(QStringLiteral("Kerfwright"));
    QPainter painter;
    if (!painter.begin(&writer)) return {};
    PdfPainter pdf(painter);
    if (tiling.Tiles.size() == 1) {
      PaintTemplatePage(pdf, drawing);
    } else {
      for (size_t i = 0; i < tiling.Tiles.size(); ++i) {
        if (i > 0 && !writer.newPage()) return {};
        PaintTile(painter, pdf, drawing, tiling, tiling.Tiles[i]);
      }
    }
    if (!painter.end()) return {};
  }
  return PrintedAtActualSize(bytes.toStdString());
}

}  // namespace kerf
