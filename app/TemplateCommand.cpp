// kerfwright template: writes the worked section at true size as an SVG, PDF or DXF template.
#include "app/TemplateCommand.h"

#include <QGuiApplication>

#include <cstdio>
#include <optional>
#include <vector>

#include "app/CommandArgs.h"
#include "app/Commands.h"
#include "app/ProjectLoading.h"
#include "model/MouldingMesh.h"
#include "model/PrintableText.h"
#include "render/SmoothSection.h"

namespace kerf {

namespace {

// The fine drawing the template's curves are fitted to: two pixels per hundredth of an inch.
// Cutter rows and half-widths are whole hundredths, so a finer drawing adds no detail: from
// three pixels on, each step between rows is wide enough for the curve fitting to keep it, and
// a roundover comes out as a staircase. At one pixel the steps are smoothed away but the
// fitted arc of a half-inch roundover strays about 0.3 mm; at two it keeps within 0.13 mm.
constexpr int TemplatePixelsPerUnit = 2;

}  // namespace

Result<TemplateDrawing> BuildTemplate(const Model& model) {
  const Result<std::vector<SectionPolygon>> pieces =
      SmoothSectionPieces(model, TemplatePixelsPerUnit);
  if (!pieces) return Result<TemplateDrawing>::FailLike(pieces);
  const bool oddState =
      model.FaceOnTable() >= 1 && model.FaceOnTable() <= 8 && model.FaceOnTable() % 2;
  const int across = oddState ? model.StockHeight() : model.StockWidth();
  const int upright = oddState ? model.StockWidth() : model.StockHeight();
  // The smooth pieces lie against the right edge of a drawing 1100 units wide, in micrometres.
  const double leftMm = (1100 - across) * MillimetresPerUnit;
  TemplateDrawing drawing;
  drawing.StockAcrossMm = across * MillimetresPerUnit;
  drawing.StockUprightMm = upright * MillimetresPerUnit;
  for (const SectionPolygon& piece : pieces.Value()) {
    std::vector<TemplatePoint> ring;
    ring.reserve(piece.X.size());
    for (size_t i = 0; i < piece.X.size(); ++i) {
      ring.push_back({static_cast<double>(piece.X[i]) / 1000 - leftMm,
                      static_cast<double>(piece.Y[i]) / 1000});
    }
    drawing.Rings.push_back(std::move(ring));
  }
  drawing.ProjectName = model.ProjectTitle();
  drawing.Orientation = TemplateOrientationText(model.FaceOnTable());
  return drawing;
}

Result<void> ExportTemplate(const Model& model, const std::string& path) {
  if (TemplateFormatOf(path) == TemplateFormat::Unknown)
    return Result<void>::Fail("unknown template file type; use .svg, .pdf or .dxf");
  const Result<TemplateDrawing> drawing = BuildTemplate(model);
  if (!drawing) return Result<void>::FailLike(drawing);
  const Result<void> saved = SaveTemplate(drawing.Value(), path);
  if (!saved) return Result<void>::Fail("cannot write " + path + ": " + saved.Error());
  return {};
}

int TemplateCommand(const CommandArgs& args) {
  std::string project, output, tools;
  OptionParser parser("template");
  parser.Positional("PROJECT.ROU", project, false, "the project file");
  parser.Text({"-o", "--output"}, "FILE", output, true,
              "the template to write (.svg, .pdf or .dxf)");
  parser.Text({"--tools"}, "DIR", tools, false, "read the cutter bitmaps from DIR");
  if (!parser.Parse(args)) return UsageExit(parser);

  // Checked before the project is read, so a slip costs no time.
  if (TemplateFormatOf(output) == TemplateFormat::Unknown) {
    std::fprintf(stderr,
                 "kerfwright template: %s: unknown template file type; use .svg, .pdf or .dxf\n",
                 PrintableText(output).c_str());
    return 2;
  }
  Model model;
  if (!LoadForCommand(model, project, tools)) return 2;
  model.SetProjectFileName(project);
  // The PDF's words are set in fonts, which Qt finds only with a GUI application; no window
  // is shown, so none needs a display.
  std::optional<QGuiApplication> gui;
  int argc = 3;
  char name[] = "kerfwright", option[] = "-platform", platform[] = "offscreen";
  char* argv[] = {name, option, platform, nullptr};
  if (TemplateFormatOf(output) == TemplateFormat::Pdf && !QCoreApplication::instance())
    gui.emplace(argc, argv);
  if (const Result<void> exported = ExportTemplate(model, output); !exported) {
    std::fprintf(stderr, "kerfwright template: %s\n", PrintableText(exported.Error()).c_str());
    return 2;
  }
  return 0;
}

}  // namespace kerf
