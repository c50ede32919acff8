// Reading the section a match should make: a drawing, a section picture or another project.
#include "project/MatchTargetFile.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

#include "model/FileNames.h"
#include "model/Model.h"
#include "model/NumberText.h"
#include "model/SectionRenderer.h"
#include "project/PictureFile.h"
#include "project/ProjectFile.h"
#include "project/ProjectLoading.h"
#include "project/SafeFiles.h"
#include "project/TemplateFile.h"

namespace kerf {

namespace {

constexpr size_t MaxTargetBytes = size_t{16} << 20;
constexpr double UnitsAcross = 1100;   // hundredths of an inch across the section picture
constexpr double SlackInches = 0.015;  // a drawing may stand this far beyond the stock

std::string BaseName(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string Hundredths(int32_t v) {
  return WorkshopLength(static_cast<float>(v) / 100, LengthUnit::Imperial);
}

std::string StockText(int32_t width, int32_t height) {
  return Hundredths(width) + " x " + Hundredths(height);
}

// The stock's extent in pixels of the section picture, formed as the section painter forms it.
int PixelExtent(int32_t hundredths) {
  return static_cast<int>(std::nearbyint(SectionSize / UnitsAcross * hundredths));
}

// The stock rectangle's left and top pixel in state face: odd states lie with the height along
// the table.
void StockCorner(const MatchStock& stock, int32_t face, int& left, int& top) {
  const bool odd = face % 2 != 0;
  left = SectionSize - PixelExtent(odd ? stock.Height : stock.Width);
  top = SectionSize - PixelExtent(odd ? stock.Width : stock.Height);
}

MatchTarget EmptyTarget(const MatchStock& stock, int32_t face, const std::string& name) {
  MatchTarget target;
  target.StockWidth = stock.Width;
  target.StockHeight = stock.Height;
  target.FaceOnTable = face;
  target.Keep.assign(static_cast<size_t>(SectionSize) * SectionSize, 0);
  target.Name = name;
  return target;
}

bool KeepsAny(const MatchTarget& target) {
  return std::find(target.Keep.begin(), target.Keep.end(), 1) != target.Keep.end();
}

// The state an orientation line of a template names ("Face 1 on the table, face 4 against the
// fence"); 0 when the text names none.
int32_t StateOfOrientationText(const std::string& text) {
  for (int32_t state = 1; state <= 8; ++state)
    if (!text.empty() && text == TemplateOrientationText(state)) return state;
  return 0;
}

// What a template SVG says of itself: the uncut stock (inches, in the frame of the outlines read
// from it) and the state it was drawn in.
struct TemplateMarks {
  bool Found = false;
  double Left = 0, Bottom = 0, Across = 0, Upright = 0;
  int32_t State = 0;
};

TemplateMarks ReadTemplateMarks(const std::string& bytes) {
  TemplateMarks marks;
  double x = 0, y = 0, w = 0, h = 0;
  QXmlStreamReader xml(QByteArray::fromStdString(bytes));
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    if (xml.name() == QLatin1String("rect") &&
        xml.attributes().value("id") == QLatin1String("stock")) {
      const QXmlStreamAttributes a = xml.attributes();
      bool ok[4] = {};
      x = a.value("x").toDouble(&ok[0]);
      y = a.value("y").toDouble(&ok[1]);
      w = a.value("width").toDouble(&ok[2]);
      h = a.value("height").toDouble(&ok[3]);
      marks.Found = ok[0] && ok[1] && ok[2] && ok[3] && w > 0 && h > 0;
    } else if (xml.name() == QLatin1String("text") && marks.State == 0) {
      marks.State = StateOfOrientationText(xml.readElementText().trimmed().toStdString());
    }
  }
  if (!marks.Found) return marks;
  double left = 0, top = 0;
  const double k = SvgInchesPerUnit(bytes, left, top);
  marks.Left = (x - left) * k;
  marks.Bottom = -(y + h - top) * k;
  marks.Across = w * k;
  marks.Upright = h * k;
  return marks;
}

struct Box {
  double MinX = std::numeric_limits<double>::max(), MinY = std::numeric_limits<double>::max();
  double MaxX = std::numeric_limits<double>::lowest(), MaxY = std::numeric_limits<double>::lowest();
};

Box BoxOf(const std::vector<OutlinePolygon>& outline) {
  Box box;
  for (const OutlinePolygon& polygon : outline)
    for (const OutlinePoint& p : polygon) {
      box.MinX = std::min(box.MinX, p.X);
      box.MinY = std::min(box.MinY, p.Y);
      box.MaxX = std::max(box.MaxX, p.X);
      box.MaxY = std::max(box.MaxY, p.Y);
    }
  return box;
}

void Shift(std::vector<OutlinePolygon>& outline, double dx, double dy) {
  for (OutlinePolygon& polygon : outline)
    for (OutlinePoint& p : polygon) {
      p.X += dx;
      p.Y += dy;
    }
}

// The stock along the table and up from it, in inches, in state face.
void StockInches(const MatchStock& stock, int32_t face, double& across, double& upright) {
  const bool odd = face % 2 != 0;
  across = (odd ? stock.Height : stock.Width) / 100.0;
  upright = (odd ? stock.Width : stock.Height) / 100.0;
}

Result<MatchTarget> ReadTemplateSvg(const std::string& path, const std::string& bytes,
                                    const TemplateMarks& marks, MatchStock stock) {
  Result<std::vector<OutlinePolygon>> outline = ReadSvgElementOutline(bytes, path, "profile");
  if (!outline) return Result<MatchTarget>::FailLike(outline);
  const auto across = static_cast<int32_t>(std::nearbyint(marks.Across * 100));
  const auto upright = static_cast<int32_t>(std::nearbyint(marks.Upright * 100));
  int32_t state = marks.State;
  const auto near = [](int32_t a, int32_t b) { return std::abs(a - b) <= 1; };
  if (stock.Given()) {
    // The stock named must be the template's, lying either way.
    const bool odd = near(across, stock.Height) && near(upright, stock.Width);
    const bool even = near(across, stock.Width) && near(upright, stock.Height);
    if (!odd && !even)
      return Result<MatchTarget>::Fail(path + ": the template was drawn for a stock " +
                                       Hundredths(across) + " across and " + Hundredths(upright) +
                                       " high, not " + StockText(stock.Width, stock.Height));
    if (state == 0 || (state % 2 != 0) != odd) state = odd ? 3 : 4;
  } else {
    if (state == 0) state = 3;
    const bool odd = state % 2 != 0;
    stock.Width = odd ? upright : across;
    stock.Height = odd ? across : upright;
    if (stock.Width < MinStockSize || stock.Height < MinStockSize || stock.Width > MaxStockSize ||
        stock.Height > MaxStockSize)
      return Result<MatchTarget>::Fail(path + ": the template's stock " +
                                       StockText(stock.Width, stock.Height) +
                                       " is outside the sizes a stock may have");
  }
  Shift(outline.Value(), -marks.Left, -marks.Bottom);
  MatchTarget target = MatchTargetFromOutline(outline.Value(), true, stock, state, BaseName(path));
  if (!KeepsAny(target))
    return Result<MatchTarget>::Fail(path + ": the template's section keeps no material");
  return target;
}

// A drawing without the template's marks: placed by the stock (see the header).
Result<MatchTarget> PlaceDrawing(const std::string& path, std::vector<OutlinePolygon> outline,
                                 bool dxf, const MatchStock& stock) {
  if (!stock.Given())
    return Result<MatchTarget>::Fail(path +
                                     ": the drawing does not say the stock's size; name it "
                                     "(for example 3/4x3)");
  const Box box = BoxOf(outline);
  const double width = box.MaxX - box.MinX, height = box.MaxY - box.MinY;
  if (!std::isfinite(width) || !std::isfinite(height))
    return Result<MatchTarget>::Fail(path + ": the drawing reaches too far to be measured");
  for (const int32_t state : {3, 4}) {
    double across = 0, upright = 0;
    StockInches(stock, state, across, upright);
    if (width > across + SlackInches || height > upright + SlackInches) continue;
    // A DXF template measures from the stock's bottom-left corner; other drawings stand with
    // their lowest and rightmost points on the table and against the fence.
    const bool fromOrigin = dxf && box.MinX >= -SlackInches && box.MinY >= -SlackInches &&
                            box.MaxX <= across + SlackInches && box.MaxY <= upright + SlackInches;
    if (!fromOrigin) Shift(outline, across - box.MaxX, -box.MinY);
    MatchTarget target = MatchTargetFromOutline(outline, false, stock, state, BaseName(path));
    if (!KeepsAny(target))
      return Result<MatchTarget>::Fail(path + ": the drawing keeps no material of the stock");
    return target;
  }
  const std::string size = FixedText(width, 3) + "\" x " + FixedText(height, 3) + "\"";
  return Result<MatchTarget>::Fail(path + ": the drawing (" + size + ") is larger than the stock " +
                                   StockText(stock.Width, stock.Height));
}

Result<MatchTarget> ReadDrawing(const std::string& path, const std::string& ext,
                                const MatchStock& stock) {
  if (ext == "svg") {
    const Result<std::string> read =
        ReadRegularFile(path, MaxTargetBytes, "the drawing is larger than 16 MB");
    if (!read) return Result<MatchTarget>::Fail(path + ": " + read.Error());
    const TemplateMarks marks = ReadTemplateMarks(read.Value());
    if (marks.Found) return ReadTemplateSvg(path, read.Value(), marks, stock);
  }
  const Result<std::vector<OutlinePolygon>> outline = ReadProfileOutline(path);
  if (!outline) return Result<MatchTarget>::FailLike(outline);
  return PlaceDrawing(path, outline.Value(), ext == "dxf", stock);
}

Result<MatchTarget> ReadPictureTarget(const std::string& path, const MatchStock& stock) {
  const Result<std::string> read =
      ReadRegularFile(path, MaxTargetBytes, "the picture is larger than 16 MB");
  if (!read) return Result<MatchTarget>::Fail(path + ": " + read.Error());
  const auto* data = reinterpret_cast<const uint8_t*>(read.Value().data());
  int64_t width = 0, height = 0;
  // The size is checked before decoding, so that no large picture is unpacked in vain.
  if (PictureSizeFromHeader(data, read.Value().size(), width, height) &&
      (width != SectionSize || height != SectionSize))
    return Result<MatchTarget>::Fail(path + ": a section picture is 500 x 500 pixels, not " +
                                     std::to_string(width) + " x " + std::to_string(height));
  const Result<Raster> picture = LoadPictureFromMemory(data, read.Value().size());
  if (!picture) return Result<MatchTarget>::Fail(path + ": " + picture.Error());
  if (!stock.Given())
    return Result<MatchTarget>::Fail(path +
                                     ": a section picture does not say the stock's size; "
                                     "name it (for example 3/4x3)");
  Result<MatchTarget> target = MatchTargetFromPicture(picture.Value(), stock, BaseName(path));
  if (!target) return Result<MatchTarget>::Fail(path + ": " + target.Error());
  return target;
}

Result<MatchTarget> ReadProjectTarget(const std::string& path, const MatchStock& stock,
                                      const std::vector<Tool>& cutters) {
  const ProjectReadResult read = ReadProjectFile(path);
  if (!read) return Result<MatchTarget>::Fail(ProjectReadFailure(path, read), read.Line());
  Model model;
  model.SetCutterLibrary(cutters);
  const std::vector<MissingCutter> missing = ApplyProject(model, read.Value());
  if (stock.Given() && (stock.Width != model.StockWidth() || stock.Height != model.StockHeight()))
    return Result<MatchTarget>::Fail(path + ": the project's stock is " +
                                     StockText(model.StockWidth(), model.StockHeight()) + ", not " +
                                     StockText(stock.Width, stock.Height));
  if (!missing.empty())
    return Result<MatchTarget>::Fail(path + ": cut " + std::to_string(missing.front().Cut) +
                                     " uses cutter \"" + missing.front().FileName +
                                     "\", which is not in the library");
  const Section section = MeasureSetup(StockOf(model), model.Cuts(), model.Cutters());
  MatchTarget target =
      EmptyTarget({model.StockWidth(), model.StockHeight()}, model.FaceOnTable(), BaseName(path));
  for (int y = 0; y < SectionSize; ++y)
    for (int x = 0; x < SectionSize; ++x)
      target.Keep[static_cast<size_t>(y) * SectionSize + x] =
          section.Picture.Pixel(x, y) != White ? 1 : 0;
  if (!KeepsAny(target))
    return Result<MatchTarget>::Fail(path + ": the project's section keeps no material");
  return target;
}

}  // namespace

Result<MatchTarget> ReadMatchTarget(const std::string& path, const MatchStock& stock,
                                    const std::vector<Tool>& cutters) {
  const std::string ext = LowerExtension(path);
  if (ext == "svg" || ext == "dxf") return ReadDrawing(path, ext, stock);
  if (ext == "png" || ext == "bmp" || ext == "ppm" || ext == "jpg" || ext == "jpeg")
    return ReadPictureTarget(path, stock);
  if (ext == "rou") return ReadProjectTarget(path, stock, cutters);
  return Result<MatchTarget>::Fail(path +
                                   ": unknown kind of target; use a drawing (.svg, .dxf), a "
                                   "section picture (.png, .bmp, .ppm) or a project (.rou)");
}

Result<MatchTarget> MatchTargetFromPicture(const Raster& picture, const MatchStock& stock,
                                           const std::string& name) {
  if (picture.Width() != SectionSize || picture.Height() != SectionSize)
    return Result<MatchTarget>::Fail("a section picture is 500 x 500 pixels, not " +
                                     std::to_string(picture.Width()) + " x " +
                                     std::to_string(picture.Height()));
  const auto dark = [&picture](int x, int y) {
    const Colour c = picture.Pixel(x, y);
    return ColourRed(c) + ColourGreen(c) + ColourBlue(c) < 3 * 128;
  };
  bool any = false;
  for (const int32_t state : {3, 4}) {
    int left = 0, top = 0;
    StockCorner(stock, state, left, top);
    MatchTarget target = EmptyTarget(stock, state, name);
    bool outside = false;
    for (int y = 0; y < SectionSize && !outside; ++y)
      for (int x = 0; x < SectionSize; ++x) {
        if (!dark(x, y)) continue;
        any = true;
        if (x < left || y < top) {
          outside = true;
          break;
        }
        target.Keep[static_cast<size_t>(y) * SectionSize + x] = 1;
      }
    if (!outside && any) return target;
  }
  if (!any) return Result<MatchTarget>::Fail("the picture keeps no material (nothing dark)");
  return Result<MatchTarget>::Fail("the picture keeps material outside a stock " +
                                   StockText(stock.Width, stock.Height) + ", either way round");
}

MatchTarget MatchTargetFromOutline(const std::vector<OutlinePolygon>& outline, bool windingFill,
                                   const MatchStock& stock, int32_t faceOnTable,
                                   const std::string& name) {
  MatchTarget target = EmptyTarget(stock, faceOnTable, name);
  double across = 0, upright = 0;
  StockInches(stock, faceOnTable, across, upright);
  // Inches from the stock's bottom-left corner to pixels: the fence face at x = 500, the
  // table face at y = 500; a pixel is kept when its centre lies inside.
  const double perInch = 100 * SectionSize / UnitsAcross;
  QPainterPath path, drawn;  // in the section's pixels, and in inches as drawn
  path.setFillRule(windingFill ? Qt::WindingFill : Qt::OddEvenFill);
  drawn.setFillRule(path.fillRule());
  for (const OutlinePolygon& polygon : outline) {
    if (polygon.size() < 3) continue;
    const auto at = [&](const OutlinePoint& p) {
      return QPointF(SectionSize - (across - p.X) * perInch, SectionSize - p.Y * perInch);
    };
    path.moveTo(at(polygon[0]));
    drawn.moveTo(polygon[0].X, polygon[0].Y);
    for (size_t i = 1; i < polygon.size(); ++i) {
      path.lineTo(at(polygon[i]));
      drawn.lineTo(polygon[i].X, polygon[i].Y);
    }
    path.closeSubpath();
    drawn.closeSubpath();
  }
  QImage image(SectionSize, SectionSize, QImage::Format_Grayscale8);
  image.fill(255);
  {
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillPath(path, Qt::black);
  }
  int left = 0, top = 0;
  StockCorner(stock, faceOnTable, left, top);
  for (int y = std::max(top, 0); y < SectionSize; ++y) {
    const uchar* row = image.constScanLine(y);
    for (int x = std::max(left, 0); x < SectionSize; ++x)
      target.Keep[static_cast<size_t>(y) * SectionSize + x] = row[x] < 128 ? 1 : 0;
  }
  // The same at true size, 2 pixels a hundredth over the stock alone, for measuring the match.
  const bool odd = faceOnTable % 2 != 0;
  target.FineAcross = 2 * (odd ? stock.Height : stock.Width);
  target.FineUp = 2 * (odd ? stock.Width : stock.Height);
  QImage fine(target.FineAcross, target.FineUp, QImage::Format_Grayscale8);
  fine.fill(255);
  {
    QPainter painter(&fine);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.translate(0, target.FineUp);
    painter.scale(200, -200);
    painter.fillPath(drawn, Qt::black);
  }
  target.FineKeep.assign(static_cast<size_t>(target.FineAcross) * target.FineUp, 0);
  for (int y = 0; y < target.FineUp; ++y) {
    const uchar* row = fine.constScanLine(y);
    for (int x = 0; x < target.FineAcross; ++x)
      target.FineKeep[static_cast<size_t>(y) * target.FineAcross + x] = row[x] < 128 ? 1 : 0;
  }
  return target;
}

std::vector<std::pair<int, int>> MatchTargetBoundary(const MatchTarget& target) {
  std::vector<std::pair<int, int>> edge;
  if (target.Keep.size() != static_cast<size_t>(SectionSize) * SectionSize) return edge;
  const auto kept = [&target](int x, int y) {
    return x >= 0 && y >= 0 && x < SectionSize && y < SectionSize &&
           target.Keep[static_cast<size_t>(y) * SectionSize + x] != 0;
  };
  for (int y = 0; y < SectionSize; ++y)
    for (int x = 0; x < SectionSize; ++x)
      if (kept(x, y) && (!kept(x - 1, y) || !kept(x + 1, y) || !kept(x, y - 1) || !kept(x, y + 1)))
        edge.emplace_back(x, y);
  return edge;
}

}  // namespace kerf
