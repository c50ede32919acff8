// Reading a cutter's half-profile drawn in a CAD program: an SVG drawing (through Qt SVG) or a DXF
// file.
#include "project/ProfileImport.h"

#include <QByteArray>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include "model/FileNames.h"
#include "project/SafeFiles.h"

namespace kerf {

namespace {

constexpr size_t MaxDrawingBytes = size_t{16} << 20;
// A drawn profile is a few dozen shapes; a drawing of many thousands would take gigabytes to lay
// out.
constexpr int MaxDrawingElements = 20000;

// A paint engine that draws nothing and keeps every shape it is given, in drawing units.
class OutlineEngine final : public QPaintEngine {
 public:
  OutlineEngine() : QPaintEngine(QPaintEngine::AllFeatures) {}
  bool begin(QPaintDevice*) override { return true; }
  bool end() override { return true; }
  Type type() const override { return QPaintEngine::User; }
  void updateState(const QPaintEngineState& changed) override {
    if (changed.state() & QPaintEngine::DirtyTransform) transform_ = changed.transform();
  }
  void drawPath(const QPainterPath& path) override {
    for (const QPolygonF& polygon : path.toSubpathPolygons(transform_)) Keep(polygon);
  }
  void drawPolygon(const QPointF* points, int count, PolygonDrawMode) override {
    Keep(transform_.map(QPolygonF(QList<QPointF>(points, points + count))));
  }
  void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
  void drawTextItem(const QPointF&, const QTextItem&) override {}

  std::vector<QPolygonF> Polygons;

 private:
  void Keep(const QPolygonF& polygon) {
    if (polygon.size() >= 2) Polygons.push_back(polygon);
  }
  QTransform transform_;
};

class OutlineDevice final : public QPaintDevice {
 public:
  QPaintEngine* paintEngine() const override { return &Engine; }
  mutable OutlineEngine Engine;

 protected:
  int metric(PaintDeviceMetric metric) const override {
    switch (metric) {
      case PdmWidth:
      case PdmHeight:
        return 100000;
      case PdmWidthMM:
      case PdmHeightMM:
        return 26458;
      case PdmDpiX:
      case PdmDpiY:
      case PdmPhysicalDpiX:
      case PdmPhysicalDpiY:
        return 96;
      case PdmDepth:
        return 32;
      case PdmDevicePixelRatio:
        return 1;
      case PdmDevicePixelRatioScaled:
        return static_cast<int>(devicePixelRatioFScale());
      default:
        return 0;
    }
  }
};

// Inches in one unit of a length attribute ("50mm", "2in"); 0 when it names no real unit.
double InchesPerUnit(const QString& length, double& value) {
  static const struct {
    const char* Suffix;
    double Inches;
  } units[] = {{"mm", 1 / 25.4}, {"cm", 1 / 2.54}, {"in", 1.0}, {"pt", 1 / 72.0}, {"pc", 1 / 6.0}};
  for (const auto& unit : units)
    if (length.endsWith(unit.Suffix)) {
      bool ok = false;
      value = length.chopped(2).trimmed().toDouble(&ok);
      return ok ? unit.Inches : 0.0;
    }
  return 0.0;
}

// Inches per user unit of the drawing: from its width and viewBox when the width is in a real
// unit, else a CSS pixel (1/96").
double DrawingScale(const QByteArray& bytes) {
  QXmlStreamReader xml(bytes);
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    if (xml.name() != QLatin1String("svg")) break;
    const QXmlStreamAttributes attributes = xml.attributes();
    const QStringList box = attributes.value("viewBox").toString().split(
        QRegularExpression("[ ,]+"), Qt::SkipEmptyParts);
    double width = 0;
    const double unit = InchesPerUnit(attributes.value("width").toString().trimmed(), width);
    if (unit > 0 && box.size() == 4 && box[2].toDouble() > 0)
      return width * unit / box[2].toDouble();
    if (unit > 0 && box.size() != 4) return 1 / 96.0;
    break;
  }
  return 1 / 96.0;
}

// The drawing without its words: labels are no part of a profile, and laying them out would
// need fonts, which Qt finds only with a GUI application. Empty when the XML is malformed;
// elements counts the elements kept, and copying stops once there are more than
// MaxDrawingElements of them.
QByteArray WithoutText(const QByteArray& bytes, int& elements) {
  QByteArray out;
  QXmlStreamReader xml(bytes);
  QXmlStreamWriter writer(&out);
  int skipped = 0;  // depth inside a text element
  elements = 0;
  while (!xml.atEnd()) {
    xml.readNext();
    if (xml.isStartElement() && (skipped > 0 || xml.name() == QLatin1String("text"))) {
      ++skipped;
      continue;
    }
    if (xml.isStartElement() && ++elements > MaxDrawingElements) return QByteArray();
    if (xml.isEndElement() && skipped > 0) {
      --skipped;
      continue;
    }
    if (skipped == 0 && !xml.isDTD()) writer.writeCurrentToken(xml);
  }
  return xml.hasError() ? QByteArray() : out;
}

// The outline of the whole drawing, or of the element elementId alone when it is not empty.
Result<std::vector<OutlinePolygon>> ReadSvgOutline(const std::string& path,
                                                   const std::string& bytes,
                                                   const std::string& elementId = {}) {
  using Outline = Result<std::vector<OutlinePolygon>>;
  std::vector<OutlinePolygon> outline;
  int elements = 0;
  const QByteArray data = WithoutText(QByteArray::fromStdString(bytes), elements);
  if (elements > MaxDrawingElements)
    return Outline::Fail(path + ": the drawing holds more than " +
                         std::to_string(MaxDrawingElements) +
                         " elements; a profile needs far fewer");
  QSvgRenderer renderer(data);
  if (!renderer.isValid()) return Outline::Fail(path + ": not an SVG drawing that can be read");
  // Drawn in thousandths of an inch, so that curves are flattened finer than a pixel.
  const double scale = DrawingScale(data);
  constexpr double Thousandths = 1000.0;
  OutlineDevice device;
  {
    QPainter painter(&device);
    const QRectF box = renderer.viewBoxF();
    const QSizeF size = box.isEmpty() ? QSizeF(renderer.defaultSize()) : box.size();
    const double k = scale * Thousandths;
    if (elementId.empty()) {
      renderer.render(&painter, QRectF(QPointF(0, 0), size * k));
    } else {
      const QString id = QString::fromStdString(elementId);
      if (!renderer.elementExists(id))
        return Outline::Fail(path + ": the drawing holds no element \"" + elementId + "\"");
      // The element's own box, drawn where the whole drawing would put it.
      const QRectF bounds = renderer.boundsOnElement(id);
      const QPointF origin = box.isEmpty() ? QPointF(0, 0) : box.topLeft();
      renderer.render(&painter, id, QRectF((bounds.topLeft() - origin) * k, bounds.size() * k));
    }
  }
  for (const QPolygonF& polygon : device.Engine.Polygons) {
    OutlinePolygon points;
    for (const QPointF& p : polygon)  // y grows upwards in the outline
      points.push_back({p.x() / Thousandths, -p.y() / Thousandths});
    outline.push_back(std::move(points));
  }
  if (outline.empty())
    return Outline::Fail(path + ": the drawing holds no line to read as a profile");
  return outline;
}

}  // namespace

Result<std::vector<OutlinePolygon>> ReadProfileOutline(const std::string& path) {
  using Outline = Result<std::vector<OutlinePolygon>>;
  const std::string ext = LowerExtension(path);
  const bool svg = ext == "svg", dxf = ext == "dxf";
  if (!svg && !dxf)
    return Outline::Fail(path + ": unknown drawing type; use an .svg or a .dxf file");
  const Result<std::string> read =
      ReadRegularFile(path, MaxDrawingBytes, "the drawing is larger than 16 MB");
  if (!read) return Outline::Fail(path + ": " + read.Error());
  return svg ? ReadSvgOutline(path, read.Value()) : ReadDxfOutline(read.Value(), path);
}

Result<std::vector<OutlinePolygon>> ReadSvgElementOutline(const std::string& bytes,
                                                          const std::string& name,
                                                          const std::string& elementId) {
  return ReadSvgOutline(name, bytes, elementId);
}

double SvgInchesPerUnit(const std::string& bytes, double& left, double& top) {
  const QByteArray data = QByteArray::fromStdString(bytes);
  int elements = 0;
  QSvgRenderer renderer(WithoutText(data, elements));
  const QRectF box = renderer.isValid() ? renderer.viewBoxF() : QRectF();
  left = box.isEmpty() ? 0 : box.left();
  top = box.isEmpty() ? 0 : box.top();
  return DrawingScale(data);
}

Result<CutterDesign> ImportCutterProfile(const std::string& path, double bearingDiameter) {
  const Result<std::vector<OutlinePolygon>> outline = ReadProfileOutline(path);
  if (!outline) return Result<CutterDesign>::FailLike(outline);
  Result<CutterDesign> design = DesignFromOutline(outline.Value(), bearingDiameter);
  if (!design) return Result<CutterDesign>::Fail(path + ": " + design.Error());
  return design;
}

}  // namespace kerf
