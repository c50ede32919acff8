// The template verb: SVG, PDF and DXF templates read back by other programs measure true, a
// roundover's arc has the cutter's radius, and bad requests are refused.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>

#include <cmath>
#include <cstdio>
#include <optional>
#include <regex>

#include "RunProgram.h"
#include "model/Progress.h"
#include "project/CutterLibrary.h"
#include "project/ProfileImport.h"
#include "project/ProjectLoading.h"
#include "project/SetupSheet.h"
#include "project/TemplateExport.h"
#include "project/TemplateFile.h"
#include "project/TemplatePainter.h"
#include "project/TemplateTiles.h"
#include "support/ResultValue.h"
#include "support/TempFolder.h"

namespace kerf {
namespace {

// The output of a shell command, with its exit status.
std::string Shell(const std::string& command, int* status = nullptr) {
  std::string out;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return out;
  char buffer[4096];
  for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
  const int s = pclose(pipe);
  if (status) *status = WIFEXITED(s) ? WEXITSTATUS(s) : -1;
  return out;
}

bool HaveTool(const char* name) {
  return !Shell(std::string("command -v ") + name + " 2>/dev/null").empty();
}

// The profile's fill on a picture drawn at PixelsPerMm: its extent in mm. The fill is blue-grey,
// so black lines, white paper and their grey blends never count; an edge pixel counts when the
// fill covers about half of it.
constexpr double PixelsPerMm = 20;  // 508 dots per inch
struct Extent {
  double Width = 0, Height = 0;
};
Extent FillExtent(const QImage& picture) {
  int left = picture.width(), right = -1, top = picture.height(), bottom = -1;
  for (int y = 0; y < picture.height(); ++y) {
    for (int x = 0; x < picture.width(); ++x) {
      const QRgb c = picture.pixel(x, y);
      if (qBlue(c) - qRed(c) < 40) continue;
      left = std::min(left, x), right = std::max(right, x), top = std::min(top, y),
      bottom = std::max(bottom, y);
    }
  }
  if (right < 0) return {};
  return {(right - left + 1) / PixelsPerMm, (bottom - top + 1) / PixelsPerMm};
}

// A 2" x 3/4" stock lying flat, with the cutter library loaded; no cut yet.
Model FlatStock() {
  Model model;
  NoProgress progress;
  model.SetCutterLibrary(
      LoadCutterLibrary(std::string(KERF_SOURCE_DIR) + "/data/tools", progress).Tools);
  model.NewWorkpiece(75, 200);  // face 3 on the table: the 200 runs across it
  model.SetProjectFileName("/somewhere/Flat stock.ROU");
  return model;
}

// Where the half-inch roundover is set to round the top edge on the fence side.
constexpr int32_t RoundoverFence = 0, RoundoverHeight = 0;

class TemplateFormats : public test::TempFolder,
                        public ::testing::WithParamInterface<const char*> {};

TEST_P(TemplateFormats, UncutStockMeasuresTrue) {
  // The PDF's words need fonts, which need a GUI application.
  int argc = 3;
  char name[] = "test", option[] = "-platform", platform[] = "offscreen";
  char* argv[] = {name, option, platform, nullptr};
  std::optional<QGuiApplication> gui;
  if (!QCoreApplication::instance()) gui.emplace(argc, argv);
  const std::string file = Path(std::string("t.") + GetParam());
  ASSERT_EQ(ExportTemplate(FlatStock(), file, PaperA4).Error(), "");
  const TemplateFormat format = TemplateFormatOf(file);
  Extent e;
  if (format == TemplateFormat::Dxf) {
    // Debian's Python, where its ezdxf package is installed.
    if (Shell("/usr/bin/python3 -c 'import ezdxf' 2>&1; echo $?").find("0\n") != 0) {
      GTEST_SKIP() << "ezdxf is not installed";
    }
    const std::string report = Shell(
        "/usr/bin/python3 -c \"import ezdxf, sys\n"
        "d = ezdxf.readfile(sys.argv[1])\n"
        "print('units', d.header.get('\\$INSUNITS'))\n"
        "ps = [e for e in d.modelspace() if e.dxftype() == 'LWPOLYLINE']\n"
        "print('rings', len(ps), 'closed', all(p.closed for p in ps), 'layer', set(p.dxf.layer for "
        "p in ps))\n"
        "xs = [v[0] for p in ps for v in p.get_points()]; ys = [v[1] for p in ps for v in "
        "p.get_points()]\n"
        "print('size', max(xs) - min(xs), max(ys) - min(ys))\n"
        "a = d.audit(); print('audit', len(a.errors), len(a.fixes))\" '" +
        file + "' 2>&1");
    EXPECT_NE(report.find("units 4"), std::string::npos) << report;
    EXPECT_NE(report.find("audit 0 0"), std::string::npos) << report;
    // Our own reader takes it back as the one ring.
    const Result<std::vector<OutlinePolygon>> read = ReadProfileOutline(file);
    EXPECT_EQ(read ? read.Value().size() : 0u, 1u) << read.Error();
    EXPECT_NE(report.find("rings 1 closed True layer {'PROFILE'}"), std::string::npos) << report;
    std::smatch m;
    ASSERT_TRUE(std::regex_search(report, m, std::regex("size ([0-9.]+) ([0-9.]+)"))) << report;
    e = {std::stod(m[1]), std::stod(m[2])};
  } else {
    const char* reader = format == TemplateFormat::Svg ? "rsvg-convert" : "pdftoppm";
    if (!HaveTool(reader)) GTEST_SKIP() << reader << " is not installed";
    const std::string png = Path("t.png");
    int status = -1;
    const std::string out =
        format == TemplateFormat::Svg
            ? Shell("rsvg-convert --dpi-x 508 --dpi-y 508 -b white -o '" + png + "' '" + file +
                        "' 2>&1",
                    &status)
            : Shell("pdftoppm -r 508 -png -singlefile '" + file + "' '" + Path("t") + "' 2>&1",
                    &status);
    ASSERT_EQ(status, 0) << out;
    const QImage picture(QString::fromStdString(png));
    ASSERT_FALSE(picture.isNull());
    e = FillExtent(picture);
    if (format == TemplateFormat::Pdf) {
      // The page is as large as the picture drawn at 100 %: its points match the pixels.
      const std::string info = Shell("pdfinfo '" + file + "' 2>&1");
      std::smatch m;
      ASSERT_TRUE(std::regex_search(info, m, std::regex("Page size: +([0-9.]+) x ([0-9.]+) pts")))
          << info;
      EXPECT_NEAR(std::stod(m[1]) / 72 * 25.4, picture.width() / PixelsPerMm, 0.1);
      EXPECT_NEAR(std::stod(m[2]) / 72 * 25.4, picture.height() / PixelsPerMm, 0.1);
      const std::string words = Shell("pdftotext '" + file + "' - 2>&1");
      for (const char* w :
           {"Flat stock", "1 inch", "25 mm", "Face 3 on the table, face 2 against the fence",
            "Print at 100 % (actual size); check the 1-inch and 25-mm squares"}) {
        EXPECT_NE(words.find(w), std::string::npos) << w << " missing from:\n" << words;
      }
      // Viewers are asked to print at actual size, and the entry left the file whole.
      EXPECT_NE(test::Slurp(file).find("/ViewerPreferences << /PrintScaling /None >>"),
                std::string::npos);
      if (HaveTool("qpdf")) {
        const std::string check = Shell("qpdf --check '" + file + "' 2>&1", &status);
        EXPECT_EQ(status, 0) << check;
      }
    }
  }
  EXPECT_NEAR(e.Width, 50.8, 0.1);
  EXPECT_NEAR(e.Height, 19.05, 0.1);
}

INSTANTIATE_TEST_SUITE_P(Template, TemplateFormats, ::testing::Values("svg", "pdf", "dxf"));

// A 10" panel's page is wider than Letter either way round: its PDF takes two numbered sheets
// that overlap by half an inch, each with the crosses at the overlap's corners. On A4 turned it
// fits one page.
struct PaperCase {
  SheetPaper Paper;
  size_t Sheets;
};
class TemplateSheets : public test::TempFolder, public ::testing::WithParamInterface<PaperCase> {};

TEST_P(TemplateSheets, WidePanelTakesNumberedSheetsWithSharedCrosses) {
  int argc = 3;
  char name[] = "test", option[] = "-platform", platform[] = "offscreen";
  char* argv[] = {name, option, platform, nullptr};
  std::optional<QGuiApplication> gui;
  if (!QCoreApplication::instance()) gui.emplace(argc, argv);
  Model model = FlatStock();
  model.NewWorkpiece(75, 1000);
  TemplateDrawing d;
  ASSERT_EQ(test::TakeValue(BuildTemplate(model), d), "");
  const TemplatePageSize page = TemplatePageSizeOf(d);
  const SheetPaper paper = GetParam().Paper;
  const TemplateTiling tiling = TileTemplate(page.Width, page.Height, paper.Width, paper.Height);
  ASSERT_EQ(tiling.Tiles.size(), GetParam().Sheets);
  if (tiling.Tiles.size() > 1) {
    const TemplateTile &left = tiling.Tiles[0], &right = tiling.Tiles[1];
    EXPECT_NEAR(left.Left + tiling.WindowWidth - right.Left, 12.7, 1e-9);
    const double xs[] = {right.Left, left.Left + tiling.WindowWidth};
    for (const TemplateTile* tile : {&left, &right}) {
      ASSERT_EQ(tile->Marks.size(), 4u);
      for (const TemplatePoint& m : tile->Marks) {
        EXPECT_TRUE(std::abs(m.X - xs[0]) < 1e-9 || std::abs(m.X - xs[1]) < 1e-9) << m.X;
        EXPECT_TRUE(std::abs(m.Y - left.Top) < 1e-9 ||
                    std::abs(m.Y - left.Top - tiling.WindowHeight) < 1e-9)
            << m.Y;
      }
    }
  }
  if (!HaveTool("pdfinfo")) GTEST_SKIP() << "pdfinfo is not installed";
  const std::string file = Path("wide.pdf");
  ASSERT_EQ(ExportTemplate(model, file, paper).Error(), "");
  const std::string info = Shell("pdfinfo '" + file + "' 2>&1");
  EXPECT_NE(info.find("Pages:           " + std::to_string(GetParam().Sheets)), std::string::npos)
      << info;
  const std::string words = Shell("pdftotext '" + file + "' - 2>&1");
  EXPECT_EQ(words.find("Page 2 of 2, row 1 column 2") != std::string::npos, GetParam().Sheets == 2)
      << words;
  // The last sheet shows the ruler's "cm" where the SVG has it, less its window's offset.
  std::smatch svgAt, pdfAt;
  const std::string svg = TemplateSvg(d);
  ASSERT_TRUE(std::regex_search(svg, svgAt, std::regex("<text x=\"([0-9.]+)\"[^>]*>cm<")));
  const std::string sheet = std::to_string(tiling.Tiles.size());
  const std::string boxes =
      Shell("pdftotext -bbox -f " + sheet + " -l " + sheet + " '" + file + "' - 2>&1");
  ASSERT_TRUE(std::regex_search(boxes, pdfAt, std::regex("xMin=\"([0-9.]+)\"[^>]*>cm<"))) << boxes;
  const TemplateTile& last = tiling.Tiles.back();
  EXPECT_NEAR(std::stod(pdfAt[1]) / 72 * 25.4, std::stod(svgAt[1]) - last.Left + last.PageLeft,
              0.1);
}

INSTANTIATE_TEST_SUITE_P(Template, TemplateSheets,
                         ::testing::Values(PaperCase{PaperLetter, 2}, PaperCase{PaperA4, 1}));

TEST(TemplateSvg, SizeIsInMillimetresWithAMatchingViewBox) {
  TemplateDrawing d;
  d.StockAcrossMm = 50.8;
  d.StockUprightMm = 19.05;
  d.Rings = {{{0, 0}, {50.8, 0}, {50.8, 19.05}, {0, 19.05}}};
  d.ProjectName = "A & B <cove> \xff";
  const std::string svg = TemplateSvg(d);
  std::smatch m;
  ASSERT_TRUE(std::regex_search(
      svg, m,
      std::regex(
          "width=\"([0-9.]+)mm\" height=\"([0-9.]+)mm\" viewBox=\"0 0 ([0-9.]+) ([0-9.]+)\"")));
  EXPECT_EQ(m[1], m[3]);
  EXPECT_EQ(m[2], m[4]);
  // The name is escaped, and a byte that is not UTF-8 does not make the XML unreadable.
  EXPECT_NE(svg.find("A &amp; B &lt;cove&gt; \xef\xbf\xbd"), std::string::npos);
}

TEST(TemplateOrientation, NamesTheFacesOnTheTableAndFence) {
  EXPECT_EQ(TemplateOrientationText(3), "Face 3 on the table, face 2 against the fence");
  EXPECT_EQ(TemplateOrientationText(1), "Face 1 on the table, face 4 against the fence");
  EXPECT_EQ(TemplateOrientationText(7), "Face 1 on the table, face 2 against the fence");
  EXPECT_EQ(TemplateOrientationText(0), "");
}

// A least-squares circle through points: its centre and radius.
struct Circle {
  double X = 0, Y = 0, R = 0;
};
Circle FitCircle(const std::vector<TemplatePoint>& p) {
  // x^2 + y^2 = 2ax + 2by + c, solved by the normal equations.
  double m[3][4] = {};
  for (const TemplatePoint& q : p) {
    const double row[3] = {2 * q.X, 2 * q.Y, 1}, rhs = q.X * q.X + q.Y * q.Y;
    for (int i = 0; i < 3; ++i) {
      for (int j = 0; j < 3; ++j) m[i][j] += row[i] * row[j];
      m[i][3] += row[i] * rhs;
    }
  }
  for (int i = 0; i < 3; ++i) {
    for (int k = i + 1; k < 3; ++k) {
      const double f = m[k][i] / m[i][i];
      for (int j = i; j < 4; ++j) m[k][j] -= f * m[i][j];
    }
  }
  double v[3];
  for (int i = 2; i >= 0; --i) {
    v[i] = m[i][3];
    for (int j = i + 1; j < 3; ++j) v[i] -= m[i][j] * v[j];
    v[i] /= m[i][i];
  }
  return {v[0], v[1], std::sqrt(v[2] + v[0] * v[0] + v[1] * v[1])};
}

// A half-inch roundover run along the top edge against the fence leaves a quarter circle of
// the cutter's radius; every point of the template's arc lies within 0.1 mm of it.
TEST(TemplateRoundover, ArcHasTheCuttersRadius) {
  Model model = FlatStock();
  model.SetCurrentCutter(model.FindCutter("1-2! Roundover.bmp"));
  ASSERT_GT(model.CurrentCutter(), 0);
  model.AppendCut(RoundoverFence, RoundoverHeight);
  TemplateDrawing d;
  ASSERT_EQ(test::TakeValue(BuildTemplate(model), d), "");
  ASSERT_EQ(d.Rings.size(), 1u);
  // The arc: the points off the stock's faces, away from where it meets them.
  std::vector<TemplatePoint> arc;
  for (const TemplatePoint& p : d.Rings[0]) {
    if (p.X > 0.3 && p.X < d.StockAcrossMm - 0.3 && p.Y > 0.3 && p.Y < d.StockUprightMm - 0.3)
      arc.push_back(p);
  }
  ASSERT_GE(arc.size(), 8u);
  const Circle c = FitCircle(arc);
  EXPECT_NEAR(c.R, 12.7, 0.1);
  // Each point against the cutter's radius about the fitted centre. The cutter's bitmap holds
  // its half-widths in whole hundredths of an inch, so a point may stray by half of one
  // (0.127 mm); on average (root mean square) the arc keeps within 0.08 mm.
  double sum = 0;
  for (const TemplatePoint& p : arc) {
    const double off = std::hypot(p.X - c.X, p.Y - c.Y) - 12.7;
    EXPECT_LT(std::abs(off), 0.127 + 0.01) << p.X << " " << p.Y;
    sum += off * off;
  }
  EXPECT_LT(std::sqrt(sum / arc.size()), 0.08);
}

// Every sample project's template: rings of material, all within the uncut stock.
class TemplateSamples : public ::testing::TestWithParam<const char*> {};

TEST_P(TemplateSamples, RingsLieWithinTheStock) {
  Model model;
  ASSERT_TRUE(LoadForCommand(
      model, std::string(KERF_SOURCE_DIR) + "/data/work/" + GetParam() + ".ROU", ""));
  TemplateDrawing d;
  ASSERT_EQ(test::TakeValue(BuildTemplate(model), d), "");
  ASSERT_FALSE(d.Rings.empty());
  double area = 0;
  for (const auto& ring : d.Rings) {
    for (size_t i = 0; i < ring.size(); ++i) {
      const TemplatePoint& p = ring[i];
      const TemplatePoint& q = ring[(i + 1) % ring.size()];
      EXPECT_GE(p.X, -1e-3);
      EXPECT_LE(p.X, d.StockAcrossMm + 1e-3);
      EXPECT_GE(p.Y, -1e-3);
      EXPECT_LE(p.Y, d.StockUprightMm + 1e-3);
      area += p.X * q.Y - q.X * p.Y;
    }
  }
  area /= 2;
  EXPECT_GT(area, 0);
  EXPECT_LE(area, d.StockAcrossMm * d.StockUprightMm + 1e-3);
  EXPECT_FALSE(d.Orientation.empty());
  EXPECT_EQ(d.ProjectName, GetParam());
}

INSTANTIATE_TEST_SUITE_P(Template, TemplateSamples,
                         ::testing::Values("Lipped edge safe order", "Lipped edge unsafe order",
                                           "Picture frame", "Raised panel", "Rule joint leaf",
                                           "Rule joint table", "Table edge ogee"));

class TemplateVerb : public test::TempFolder {};

TEST_F(TemplateVerb, RefusesAnUnknownTypeAndAMissingProjectWithStatus2) {
  const std::string project = std::string(KERF_SOURCE_DIR) + "/data/work/Picture frame.ROU";
  test::ProgramRun run =
      test::RunProgram({"template", project, "-o", Path("t.png")}, dir_.string());
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.err.find("unknown template file type"), std::string::npos) << run.err;
  run = test::RunProgram({"template", Path("none.ROU"), "-o", Path("t.svg")}, dir_.string());
  EXPECT_EQ(run.status, 2);
  run = test::RunProgram({"template", project, "-o", Path("t.svg")}, dir_.string());
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_NE(test::Slurp(Path("t.svg")).find("Picture frame"), std::string::npos);
}

}  // namespace
}  // namespace kerf
