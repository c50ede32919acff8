// Printing the set-up sheet: paper, page 1 with the finished section and passes, the pass cards,
// PDF.
#include "project/SetupSheetPrint.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <set>

#include "project/SafeFiles.h"
#include "project/SheetDrawing.h"

namespace kerf {

namespace {

constexpr double MmPerUnit = 0.254;
constexpr double CoverSectionMaxHeight = 95;  // mm
constexpr double CoverSectionTop = 35;
constexpr int PdfResolution = 600;

struct ScaleStep {
  double Scale;
  const char* Text;
};
constexpr ScaleStep Scales[] = {{4, "4:1"},   {3, "3:1"},   {2, "2:1"},       {1.5, "3:2"},
                                {1, "1:1"},   {0.5, "1:2"}, {1.0 / 3, "1:3"}, {0.25, "1:4"},
                                {0.2, "1:5"}, {0.1, "1:10"}};

// Page header of every page but the first: the project, what the page is, its number.
void PageHead(SheetDrawing& d, QPainter& p, const SetupSheet& sheet, double width, int page,
              int pages) {
  d.TextWithin(0, 5, width - 30, 4, sheet.ProjectName + " \xe2\x80\x94 set-up sheet", true);
  const std::string number = "Page " + std::to_string(page) + " of " + std::to_string(pages);
  d.Text(width - d.TextWidth(3, number), 5, 3, number);
  p.setPen(QPen(Qt::black, 0.2));
  p.drawLine(QPointF(0, 6.5), QPointF(width, 6.5));
}

// Columns of the list of passes, in mm from the left.
struct ListColumns {
  double Pass = 0, Cutter = 12, Height, Fence, Faces, Verdict;
  explicit ListColumns(double width)
      : Height(width - 128), Fence(width - 94), Faces(width - 60), Verdict(width - 28) {}
};

void ListHeading(SheetDrawing& d, const ListColumns& c, double y) {
  d.Text(c.Pass, y, 3, "Pass", true);
  d.Text(c.Cutter, y, 3, "Cutter", true);
  d.Text(c.Height, y, 3, "Bit height", true);
  d.Text(c.Fence, y, 3, "Fence", true);
  d.Text(c.Faces, y, 3, "Table / fence", true);
  d.Text(c.Verdict, y, 3, "Verdict", true);
}

// Row `row` of the list (0: heading, then the passes, then the overall verdict) at baseline y.
void ListRow(SheetDrawing& d, const SetupSheet& sheet, const ListColumns& c, int row, double y) {
  const int passes = static_cast<int>(sheet.Cards.size());
  if (row == 0) return ListHeading(d, c, y);
  if (row == passes + 1) {
    const std::string overall = passes == 0 ? "No passes" : "Overall verdict";
    d.Text(c.Cutter, y, 3.5, overall, true);
    if (passes > 0)
      d.VerdictBox(sheet.Overall, QRectF(c.Verdict, y - 3.6, 26, 4.6), 3,
                   VerdictName(sheet.Overall), true);
    return;
  }
  const SheetCard& card = sheet.Cards[static_cast<size_t>(row - 1)];
  d.Text(c.Pass, y, 3, std::to_string(card.Number));
  d.TextWithin(c.Cutter, y, c.Height - c.Cutter - 2, 3, card.Cutter);
  d.Text(c.Height, y, 3, card.Height + " (" + card.HeightMm + ")");
  d.Text(c.Fence, y, 3, card.Fence + " (" + card.FenceMm + ")");
  d.Text(c.Faces, y, 3,
         std::to_string(card.Faces.Table) + " / " + std::to_string(card.Faces.Fence));
  d.VerdictBox(card.Judged, QRectF(c.Verdict, y - 3.3, 26, 4.4), 2.8, VerdictName(card.Judged),
               true);
}

void CoverTop(SheetDrawing& d, const SetupSheet& sheet, const CoverLayout& layout, double width,
              int pages) {
  d.TextWithin(0, 8, width - 30, 7, sheet.ProjectName, true);
  const std::string number = "Page 1 of " + std::to_string(pages);
  d.Text(width - d.TextWidth(3, number), 5, 3, number);
  d.Text(0, 15, 4, "Set-up sheet");
  d.Text(0, 22, 3.5, "Stock: " + sheet.StockSize);
  d.Text(0, 28, 3.2,
         "Finished section, drawn at " + layout.ScaleText + " as it lies after the last pass:");
  d.TextWithin(0, 32.5, width, 3.2,
               sheet.Orientation + " (the table below it, the fence at its right)");
  const QRectF box(0, layout.SectionTop, width - 6, layout.SectionHeight);
  d.Section(sheet.Finished, box, layout.Scale * MmPerUnit, false);
}

// One measurement at x, label baseline y: what it is, the length in bold with its mm, and the
// program's own setting beside it.
void Measure(SheetDrawing& d, double x, double y, double width, const std::string& what,
             const std::string& inches, const std::string& mm, const std::string& program) {
  d.TextWithin(x, y, width, 2.8, what, false, Qt::darkGray);
  d.Text(x, y + 5.5, 4.5, inches, true);
  const double after = x + d.TextWidth(4.5, inches, true) + 1.5;
  d.Text(after, y + 5.5, 3.2, "(" + mm + ")");
  if (!program.empty()) d.TextWithin(x, y + 9.5, width, 2.6, program, false, Qt::darkGray);
}

// The box round what a pass takes away, in units; empty when it takes nothing.
QRectF RemovedBox(const SheetSection& section) {
  QRectF box;
  for (const SheetRect& r : section.Removed) box |= QRectF(r.X, r.Y, r.W, r.H);
  return box;
}

// Before and after side by side, or one over the other where that draws them larger (a wide,
// flat stock); with a close view beside them where the cut drawn whole would be too small to
// see which corner it takes.
void PassPictures(SheetDrawing& d, QPainter& p, const SheetCard& card, const QRectF& whole) {
  constexpr double SmallCutMm = 5, DetailMaxMmPerUnit = 1;
  const QRectF removed = RemovedBox(card.Before);
  QRectF area = whole;
  const double caption = 3.5, gap = 5;
  auto fit = [&](const QRectF& a, QRectF& before, QRectF& after) {
    const QRectF sideBefore(a.left(), a.top() + caption, (a.width() - gap) / 2,
                            a.height() - caption);
    const double stackedHeight = (a.height() - 2 * caption - 2) / 2;
    const QRectF stackBefore(a.left(), a.top() + caption, a.width(), stackedHeight);
    const double side = SheetDrawing::FitScale(card.Before, sideBefore);
    const double stacked = SheetDrawing::FitScale(card.Before, stackBefore);
    before = stacked > side ? stackBefore : sideBefore;
    after = stacked > side ? stackBefore.translated(0, stackedHeight + caption + 2)
                           : sideBefore.translated(sideBefore.width() + gap, 0);
    return std::max(side, stacked);
  };
  QRectF before, after;
  double k = fit(area, before, after);
  const bool small =
      !removed.isEmpty() && std::max(removed.width(), removed.height()) * k < SmallCutMm;
  QRectF detail, window;
  if (small) {
    const double detailWidth = std::min(40.0, whole.width() * 0.45);
    area.setWidth(whole.width() - detailWidth - gap);
    k = fit(area, before, after);
    detail =
        QRectF(area.right() + gap, whole.top() + caption, detailWidth, whole.height() - caption);
    // Three times the cut across, at least a quarter inch, never more than about 4:1.
    const double side = std::max({3 * std::max(removed.width(), removed.height()), 25.0,
                                  std::max(detail.width(), detail.height()) / DetailMaxMmPerUnit});
    const double scale = std::min(detail.width(), detail.height()) / side;
    window = QRectF(0, 0, detail.width() / scale, detail.height() / scale);
    window.moveCenter(removed.center());
  }
  d.TextWithin(before.left(), before.top() - 1, before.width(), 2.8, "Before (cut in red)", false,
               Qt::darkGray);
  const QPointF corner = d.Section(card.Before, before, k, false);
  d.Text(after.left(), after.top() - 1, 2.8, "After", false, Qt::darkGray);
  d.Section(card.After, after, k, false);
  if (!small) return;
  const double times =
      std::min(detail.width() / window.width(), detail.height() / window.height()) / k;
  d.TextWithin(detail.left(), detail.top() - 1, detail.width(), 2.8,
               "Close view, \xc3\x97" + std::to_string(std::lround(times)), false, Qt::darkGray);
  d.SectionDetail(card.Before, window, detail, card.Profile, card.FenceUnits, card.HeightUnits);
  // Where the close view lies on the drawing before the pass.
  p.save();
  p.setPen(QPen(QColor(40, 60, 120), 0.25));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(corner.x() + window.left() * k, corner.y() + window.top() * k,
                    window.width() * k, window.height() * k)
                 .intersected(before));
  p.restore();
}

void Card(SheetDrawing& d, QPainter& p, const SheetCard& card, double width, double top) {
  p.save();
  p.translate(0, top);
  p.setPen(QPen(QColor(110, 110, 110), 0.3));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(QRectF(0, 0, width, CardHeight), 2, 2);

  d.Text(3, 7.5, 5, "Pass " + std::to_string(card.Number), true);
  d.TextWithin(28, 7.5, width - 68, 4.5, card.Cutter, true);
  d.VerdictBox(card.Judged, QRectF(width - 36, 2.5, 33, 6.5), 3.8, VerdictName(card.Judged), true);
  // Which faces go down and against the fence matters as much as the height: the same type.
  d.TextWithin(3, 15, width - 6, 4.5, card.Orientation, true);

  d.Cutter(card.Profile, QRectF(3, 19, 20, 36));

  const double x = 26, column = 62;
  const std::string height = "Program height " + card.Height + " (" + card.HeightMm + ")";
  const std::string fence = "Program fence " + card.Fence + " (" + card.FenceMm + ")";
  if (card.EdgeWhere.empty()) {  // a missing cutter: only the program's settings are known
    Measure(d, x, 21.5, column, "Bit height", card.Height, card.HeightMm, "");
    Measure(d, x, 36, column, "Fence", card.Fence, card.FenceMm, "");
  } else {
    Measure(d, x, 21.5, column, card.EdgeWhere, card.Edge, card.EdgeMm, height);
    Measure(d, x, 36, column, card.ProudWhere, card.Proud, card.ProudMm, fence);
    if (card.BearingFlush) d.Text(x, 52, 3.2, "Bearing flush with the fence", true);
  }

  d.Text(x + column + 2, 21.5, 2.8, "End of the stock", false, Qt::darkGray);
  d.Faces(card.Faces, QRectF(x + column, 22, 24, 33));

  const double pictures = x + column + 28;
  PassPictures(d, p, card, QRectF(pictures, 18, width - pictures - 3, 38));

  d.VerdictBox(card.Judged, QRectF(3, 57, width - 6, 6), 3,
               std::string(VerdictName(card.Judged)) + ": " + card.Bearing, false);
  // Why no table can make it, or how to take it in several passes: never both.
  const std::vector<std::string>& below = card.Reasons.empty() ? card.Split : card.Reasons;
  for (size_t i = 0; i < below.size() && i < 2; ++i) {
    const bool reason = !card.Reasons.empty();
    d.TextWithin(3, 68 + 5 * static_cast<double>(i), width - 6, reason || i == 0 ? 3.2 : 3,
                 reason ? "\xe2\x80\xa2 " + below[i] : below[i], reason || i == 0,
                 reason ? VerdictQColor(Verdict::Danger) : QColor(Qt::black));
  }
  p.restore();
}

}  // namespace

SheetPaper PaperForLocale(const PaperLocale& locale) {
  // The countries whose locales the C library gives Letter paper.
  static const std::set<std::string> letter = {"BO", "CA", "CL", "CO", "CR", "GT", "MX",
                                               "NI", "PA", "PH", "PR", "SV", "US", "VE"};
  for (const std::string* name : {&locale.All, &locale.Paper, &locale.Measurement, &locale.Lang}) {
    if (name->empty()) continue;
    // language_COUNTRY.codeset@modifier; "C" and "POSIX" name no country and print on A4.
    const size_t underscore = name->find('_');
    if (underscore == std::string::npos) return PaperA4;
    const std::string country =
        name->substr(underscore + 1, name->find_first_of(".@", underscore) - underscore - 1);
    return letter.count(country) != 0 ? PaperLetter : PaperA4;
  }
  return PaperA4;
}

SheetPaper PaperForLocale() {
  auto variable = [](const char* name) {
    const char* value = std::getenv(name);
    return std::string(value != nullptr ? value : "");
  };
  return PaperForLocale(
      {variable("LC_ALL"), variable("LC_PAPER"), variable("LC_MEASUREMENT"), variable("LANG")});
}

bool PaperByName(const std::string& name, SheetPaper& paper) {
  std::string lower = name;
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return std::tolower(c); });
  if (lower == "a4")
    paper = PaperA4;
  else if (lower == "letter")
    paper = PaperLetter;
  else
    return false;
  return true;
}

QPageLayout SheetPageLayout(const SheetPaper& paper) {
  // Matched to the named size, so that a printer is asked for A4 or Letter by name.
  const QPageSize size(QSizeF(paper.Width, paper.Height), QPageSize::Millimeter,
                       QString::fromLatin1(paper.Name), QPageSize::FuzzyMatch);
  return QPageLayout(size, QPageLayout::Portrait,
                     QMarginsF(SheetMargin, SheetMargin, SheetMargin, SheetMargin),
                     QPageLayout::Millimeter);
}

CoverLayout LayoutCover(const SetupSheet& sheet, double printableWidth) {
  CoverLayout layout;
  const double across = sheet.Finished.Across * MmPerUnit,
               upright = sheet.Finished.Upright * MmPerUnit;
  layout.Scale = Scales[std::size(Scales) - 1].Scale;
  layout.ScaleText = Scales[std::size(Scales) - 1].Text;
  for (const ScaleStep& step : Scales) {
    if (across * step.Scale <= printableWidth - 12 &&
        upright * step.Scale <= CoverSectionMaxHeight) {
      layout.Scale = step.Scale;
      layout.ScaleText = step.Text;
      break;
    }
  }
  layout.SectionTop = CoverSectionTop + 4;
  layout.SectionHeight = upright * layout.Scale + 3.7;  // with the room for the table and fence
  layout.ListTop = layout.SectionTop + layout.SectionHeight + 14;
  return layout;
}

SheetPages PagesOf(const SetupSheet& sheet, double printableWidth, double printableHeight) {
  return PaginateSheet(static_cast<int>(sheet.Cards.size()), printableHeight,
                       LayoutCover(sheet, printableWidth).ListTop);
}

bool PaintSetupSheet(QPainter& painter, QPagedPaintDevice& device, const SetupSheet& sheet) {
  const QRectF printable = device.pageLayout().paintRect(QPageLayout::Millimeter);
  const double width = printable.width(), height = printable.height();
  const CoverLayout cover = LayoutCover(sheet, width);
  const SheetPages pages =
      PaginateSheet(static_cast<int>(sheet.Cards.size()), height, cover.ListTop);
  const ListColumns columns(width);
  const double dotsPerMm = device.logicalDpiX() / 25.4;
  SheetDrawing d(painter);
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.setRenderHint(QPainter::TextAntialiasing, true);

  int page = 1;
  auto startPage = [&]() {
    if (page > 1 && !device.newPage()) return false;
    painter.resetTransform();
    painter.scale(dotsPerMm, dotsPerMm);
    return true;
  };
  const int rows = static_cast<int>(sheet.Cards.size()) + 2;
  int row = 0;
  for (; page <= pages.CoverPages; ++page) {
    if (!startPage()) return false;
    double y = PageHeadHeight + 4;
    int take = pages.CoverRowsMore;
    if (page == 1) {
      CoverTop(d, sheet, cover, width, pages.Count());
      y = cover.ListTop + 4;
      take = pages.CoverRowsFirst;
    } else {
      PageHead(d, painter, sheet, width, page, pages.Count());
      ListHeading(d, columns, y);
      y += CoverLineHeight;
      if (row == 0) ++row;  // page 1 had no room even for the heading
    }
    for (int i = 0; i < take && row < rows; ++i, ++row) {
      ListRow(d, sheet, columns, row, y);
      y += CoverLineHeight;
    }
  }
  for (const std::vector<int>& cards : pages.CardPages) {
    if (!startPage()) return false;
    PageHead(d, painter, sheet, width, page, pages.Count());
    double top = PageHeadHeight;
    for (int index : cards) {
      Card(d, painter, sheet.Cards[static_cast<size_t>(index)], width, top);
      top += CardHeight + CardGap;
    }
    ++page;
  }
  return true;
}

std::string SetupSheetPdf(const SetupSheet& sheet, const SheetPaper& paper) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer(&buffer);
    writer.setResolution(PdfResolution);
    writer.setPageLayout(SheetPageLayout(paper));
    writer.setTitle(QString::fromUtf8(sheet.ProjectName.c_str()) +
                    QStringLiteral(" \u2014 set-up sheet"));
    writer.setCreator(QStringLiteral("Kerfwright"));
    QPainter painter;
    if (!painter.begin(&writer)) return {};
    if (!PaintSetupSheet(painter, writer, sheet)) return {};
    if (!painter.end()) return {};
  }
  return bytes.toStdString();
}

Result<void> SaveSetupSheet(const SetupSheet& sheet, const SheetPaper& paper,
                            const std::string& path) {
  const std::string bytes = SetupSheetPdf(sheet, paper);
  if (bytes.empty()) return Result<void>::Fail("the sheet could not be drawn");
  return ReplaceFile(path, bytes);
}

}  // namespace kerf
