// The template page as SVG: the painter that writes the page's elements, in millimetres.
#include <QString>

#include "model/NumberText.h"
#include "project/TemplatePainter.h"

namespace kerf {

namespace {

void Num(std::string& out, double v) { out += FixedText(v, 3); }

// Text for an SVG element's content: escaped, and any bytes that are not UTF-8 replaced.
std::string Escaped(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))
      .toHtmlEscaped()
      .toStdString();
}

// Writes each element on a line of its own; the viewBox is the page in mm.
class SvgPainter : public TemplatePainter {
 public:
  explicit SvgPainter(std::string& out) : out_(out) {}

  void Text(double x, double y, double size, const std::string& text) override {
    out_ += "<text";
    Attr("x", x);
    Attr("y", y);
    out_ += " font-family=\"sans-serif\"";
    Attr("font-size", size);
    out_ += ">" + Escaped(text) + "</text>\n";
  }

  void Rectangle(const char* id, double x, double y, double w, double h, bool dashed) override {
    out_ += "<rect";
    Attr("id", id);
    Attr("x", x);
    Attr("y", y);
    Attr("width", w);
    Attr("height", h);
    out_ += " fill=\"none\" stroke=\"black\"";
    Attr("stroke-width", TemplateLineMm);
    out_ += dashed ? " stroke-dasharray=\"1.5 1\"/>\n" : "/>\n";
  }

  void Fill(const char* id, const char* colour,
            const std::vector<std::vector<TemplatePoint>>& rings) override {
    out_ += "<path";
    Attr("id", id);
    Attr("fill", colour);
    out_ += " fill-rule=\"nonzero\" stroke=\"none\" d=\"";
    for (const auto& ring : rings) {
      for (size_t i = 0; i < ring.size(); ++i) {
        out_ += i == 0 ? "M" : " L";
        Num(out_, ring[i].X);
        out_ += ',';
        Num(out_, ring[i].Y);
      }
      if (!ring.empty()) out_ += " Z ";
    }
    out_ += "\"/>\n";
  }

  void BeginLines(const char* id, double width) override {
    out_ += "<g";
    Attr("id", id);
    out_ += " stroke=\"black\"";
    Attr("stroke-width", width);
    out_ += ">\n";
  }

  void Line(double x1, double y1, double x2, double y2) override {
    out_ += "<line";
    Attr("x1", x1);
    Attr("y1", y1);
    Attr("x2", x2);
    Attr("y2", y2);
    out_ += "/>\n";
  }

  void EndLines() override { out_ += "</g>\n"; }

 private:
  // One attribute, ` name="value"`; numbers as the rest of the page writes them.
  void Attr(const char* name, double value) {
    AttrStart(name);
    Num(out_, value);
    out_ += '"';
  }
  void Attr(const char* name, const char* value) {
    AttrStart(name);
    out_ += value;
    out_ += '"';
  }
  void AttrStart(const char* name) {
    out_ += ' ';
    out_ += name;
    out_ += "=\"";
  }

  std::string& out_;
};

}  // namespace

std::string TemplateSvg(const TemplateDrawing& d) {
  const TemplatePageSize page = TemplatePageSizeOf(d);
  std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
  out += "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"";
  Num(out, page.Width);
  out += "mm\" height=\"";
  Num(out, page.Height);
  out += "mm\" viewBox=\"0 0 ";
  Num(out, page.Width);
  out += ' ';
  Num(out, page.Height);
  out += "\">\n";
  SvgPainter painter(out);
  PaintTemplatePage(painter, d);
  out += "</svg>\n";
  return out;
}

}  // namespace kerf
