// The mesh verb on the sample projects: solids a slicer takes without repairs, at true size,
// read back from STL, 3MF and OBJ; its lengths and refusals.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <iomanip>
#include <regex>
#include <sstream>

#include "Model/COM/NMR_DLLInterfaces.h"
#include "RunProgram.h"
#include "model/MouldingMesh.h"
#include "model/SectionRenderer.h"
#include "project/MeshExport.h"
#include "project/ProjectLoading.h"
#include "project/TemplateExport.h"
#include "support/StartupProject.h"
#include "support/TempFolder.h"

namespace kerf {
namespace {

const std::string WorkDir = std::string(KERF_SOURCE_DIR) + "/data/work/";

struct Sample {
  const char* Project;
  bool FullHeight;  // whether material is left at the stock's full height
};

const Sample Samples[] = {
    {"Lipped edge safe order", false}, {"Lipped edge unsafe order", true},
    {"Picture frame", true},           {"Raised panel", true},
    {"Rule joint leaf", true},         {"Rule joint table", true},
    {"Table edge ogee", true},
};

// What admesh says of an STL file, by its report's labels.
double AdmeshFigure(const std::string& report, const std::string& label) {
  const size_t at = report.find(label);
  if (at == std::string::npos) return NAN;
  const size_t colon = report.find(':', at);
  return std::strtod(report.c_str() + colon + 1, nullptr);
}

// What a reader of the files (admesh, zipinfo) prints of one, its errors included.
std::string ReaderOutput(const std::string& reader, const std::string& file) {
  std::string report;
  FILE* pipe = popen((reader + " '" + file + "' 2>&1").c_str(), "r");
  if (!pipe) return report;
  char buffer[4096];
  for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) report.append(buffer, n);
  pclose(pipe);
  return report;
}

struct Box {
  float Min[3] = {1e30f, 1e30f, 1e30f}, Max[3] = {-1e30f, -1e30f, -1e30f};
};

Box StlBox(const std::string& bytes, uint32_t& triangles) {
  Box box;
  std::memcpy(&triangles, bytes.data() + 80, 4);
  for (uint32_t t = 0; t < triangles && 84 + 50 * (t + 1) <= bytes.size(); ++t) {
    for (int v = 0; v < 3; ++v) {
      float p[3];
      std::memcpy(p, bytes.data() + 84 + 50 * t + 12 + 12 * v, 12);
      for (int k = 0; k < 3; ++k)
        box.Min[k] = std::min(box.Min[k], p[k]), box.Max[k] = std::max(box.Max[k], p[k]);
    }
  }
  return box;
}

class MeshSamples : public test::TempFolder, public ::testing::WithParamInterface<Sample> {
 protected:
  void CheckSample(const Sample& s, const char* section);
};

// The true-size outline by default (and under the old --smooth), the pixel trace on request.
TEST_P(MeshSamples, StlIsASoundSolidOfTheSectionsSizeAndArea) {
  for (const char* section : {"", "--smooth", "--traced"}) {
    SCOPED_TRACE(*section ? section : "default");
    CheckSample(GetParam(), section);
  }
}

void MeshSamples::CheckSample(const Sample& s, const char* section) {
  const std::string project = WorkDir + s.Project + ".ROU";
  const std::string stl = Path("m.stl");
  std::vector<std::string> args = {"mesh", project, "-o", stl, "--length", "4.5"};
  if (*section) args.push_back(section);
  const test::ProgramRun run = test::RunProgram(args, dir_.string());
  ASSERT_EQ(run.status, 0) << run.err;
  const bool traced = std::string(section) == "--traced";

  const std::string report = ReaderOutput("admesh", stl);
  ASSERT_NE(report.find("Number of facets"), std::string::npos) << "admesh did not run: " << report;
  EXPECT_EQ(AdmeshFigure(report, "Facets with 1 disconnected edge"), 0) << report;
  EXPECT_EQ(AdmeshFigure(report, "Facets with 2 disconnected edges"), 0) << report;
  EXPECT_EQ(AdmeshFigure(report, "Facets with 3 disconnected edges"), 0) << report;
  EXPECT_EQ(AdmeshFigure(report, "Degenerate facets"), 0) << report;
  EXPECT_EQ(AdmeshFigure(report, "Facets reversed"), 0) << report;
  EXPECT_EQ(AdmeshFigure(report, "Backwards edges"), 0) << report;
  EXPECT_EQ(AdmeshFigure(report, "Number of parts"), 1) << report;
  const double volume = AdmeshFigure(report, "Volume");
  EXPECT_GT(volume, 0) << report;

  Model model;
  ASSERT_TRUE(LoadForCommand(model, project, ""));
  const Section measured = MeasureSection(model);
  const bool oddState = model.FaceOnTable() % 2 == 1;
  const double acrossMm =
      (oddState ? model.StockHeight() : model.StockWidth()) * MillimetresPerUnit;
  const double uprightMm =
      (oddState ? model.StockWidth() : model.StockHeight()) * MillimetresPerUnit;
  const double lengthMm = 4.5 * 25.4;

  uint32_t triangles = 0;
  const Box box = StlBox(test::Slurp(stl), triangles);
  EXPECT_NEAR(box.Max[0] - box.Min[0], acrossMm, 0.05);
  if (s.FullHeight) {
    EXPECT_NEAR(box.Max[1] - box.Min[1], uprightMm, 0.05);
  } else {
    EXPECT_LT(box.Max[1] - box.Min[1], uprightMm - 0.05);
  }
  EXPECT_NEAR(box.Max[2] - box.Min[2], lengthMm, 1e-3);

  if (!traced) {
    // The template's section: its rings' area times the length, within 0.35 %.
    const Result<TemplateDrawing> drawing = BuildTemplate(model);
    ASSERT_TRUE(drawing) << drawing.Error();
    double twiceArea = 0;
    for (const std::vector<TemplatePoint>& ring : drawing.Value().Rings) {
      for (size_t i = 0; i < ring.size(); ++i) {
        const TemplatePoint& a = ring[i];
        const TemplatePoint& b = ring[(i + 1) % ring.size()];
        twiceArea += a.X * b.Y - b.X * a.Y;
      }
    }
    EXPECT_NEAR(volume, std::abs(twiceArea) / 2 * lengthMm, 0.0035 * volume);
    return;
  }
  // The black pixels of the measured section at the raster's scale: the stock's size over the
  // whole pixels it is drawn in (500 pixels per 1100 units, rounded).
  long black = 0;
  for (int y = 0; y < measured.Picture.Height(); ++y) {
    for (int x = 0; x < measured.Picture.Width(); ++x)
      black += measured.Picture.Pixel(x, y) == Black;
  }
  const double acrossPixels = std::nearbyint(SectionSize * acrossMm / MillimetresPerUnit / 1100);
  const double uprightPixels = std::nearbyint(SectionSize * uprightMm / MillimetresPerUnit / 1100);
  const double area = black * (acrossMm / acrossPixels) * (uprightMm / uprightPixels);
  EXPECT_NEAR(volume, area * lengthMm, 0.01 * volume);
}

INSTANTIATE_TEST_SUITE_P(Work, MeshSamples, ::testing::ValuesIn(Samples), [](const auto& info) {
  std::string name = info.param.Project;
  name.erase(std::remove(name.begin(), name.end(), ' '), name.end());
  return name;
});

class MeshFormats : public test::TempFolder {};

TEST_F(MeshFormats, ThreeMfAndObjReadBackWithTheStlsTriangles) {
  const std::string project = WorkDir + "Table edge ogee.ROU";
  const std::time_t before = std::time(nullptr);
  for (const char* name : {"m.stl", "m.3mf", "M.OBJ"}) {
    const test::ProgramRun run =
        test::RunProgram({"mesh", project, "-o", Path(name)}, dir_.string());
    ASSERT_EQ(run.status, 0) << name << ": " << run.err;
  }
  const std::time_t after = std::time(nullptr);

  // The 3MF's zip entries are dated when it was written, as zipinfo reads them (local time,
  // whole two seconds).
  const std::string zipinfo = ReaderOutput("zipinfo -T", Path("m.3mf"));
  const std::regex stamp(R"(\d{8}\.\d{6} )");
  int dated = 0;
  for (std::sregex_iterator m(zipinfo.begin(), zipinfo.end(), stamp), end; m != end; ++m, ++dated) {
    std::tm local{};
    std::istringstream(m->str()) >> std::get_time(&local, "%Y%m%d.%H%M%S");
    local.tm_isdst = -1;
    const std::time_t when = std::mktime(&local);
    EXPECT_TRUE(when >= before - 2 && when <= after) << m->str() << " " << zipinfo;
  }
  EXPECT_EQ(dated, 3) << zipinfo;
  uint32_t triangles = 0;
  StlBox(test::Slurp(Path("m.stl")), triangles);
  ASSERT_GT(triangles, 0u);

  // OBJ: one vertex per line "v", one triangle per line "f", indices in range.
  std::istringstream obj(test::Slurp(Path("M.OBJ")));
  size_t vertices = 0, faces = 0;
  bool inRange = true;
  for (std::string line; std::getline(obj, line);) {
    if (line.rfind("v ", 0) == 0) ++vertices;
    if (line.rfind("f ", 0) == 0) {
      ++faces;
      unsigned a = 0, b = 0, c = 0;
      inRange &=
          std::sscanf(line.c_str(), "f %u %u %u", &a, &b, &c) == 3 && a >= 1 && b >= 1 && c >= 1;
    }
  }
  EXPECT_EQ(faces, triangles);
  EXPECT_GT(vertices, 0u);
  EXPECT_LT(vertices, triangles);  // vertices are shared
  EXPECT_TRUE(inRange);

  using namespace NMR;
  PLib3MFModel* model = nullptr;
  ASSERT_EQ(lib3mf_createmodel(&model), LIB3MF_OK);
  PLib3MFModelReader* reader = nullptr;
  ASSERT_EQ(lib3mf_model_queryreader(model, "3mf", &reader), LIB3MF_OK);
  const std::string bytes = test::Slurp(Path("m.3mf"));
  std::vector<BYTE> buffer(bytes.begin(), bytes.end());
  ASSERT_EQ(lib3mf_reader_readfrombuffer(reader, buffer.data(), buffer.size()), LIB3MF_OK);
  PLib3MFModelResourceIterator* objects = nullptr;
  ASSERT_EQ(lib3mf_model_getmeshobjects(model, &objects), LIB3MF_OK);
  int count = 0;
  BOOL more = false;
  while (lib3mf_resourceiterator_movenext(objects, &more) == LIB3MF_OK && more) {
    PLib3MFModelResource* object = nullptr;
    ASSERT_EQ(lib3mf_resourceiterator_getcurrent(objects, &object), LIB3MF_OK);
    ++count;
    DWORD meshTriangles = 0, meshVertices = 0;
    EXPECT_EQ(lib3mf_meshobject_gettrianglecount(object, &meshTriangles), LIB3MF_OK);
    EXPECT_EQ(lib3mf_meshobject_getvertexcount(object, &meshVertices), LIB3MF_OK);
    EXPECT_EQ(meshTriangles, triangles);
    EXPECT_EQ(meshVertices, vertices);
    char name[256] = {};
    ULONG needed = 0;
    EXPECT_EQ(lib3mf_object_getnameutf8(object, name, sizeof name, &needed), LIB3MF_OK);
    EXPECT_STREQ(name, "Table edge ogee");
    // The project's wood colour, 3428005 = 0x344EA5 as blue, green, red.
    PLib3MFDefaultPropertyHandler* properties = nullptr;
    ASSERT_EQ(lib3mf_object_createdefaultpropertyhandler(object, &properties), LIB3MF_OK);
    MODELMESHCOLOR_SRGB colour{};
    EXPECT_EQ(lib3mf_defaultpropertyhandler_getcolor(properties, 0, &colour), LIB3MF_OK);
    EXPECT_EQ(colour.m_Red, 0xA5);
    EXPECT_EQ(colour.m_Green, 0x4E);
    EXPECT_EQ(colour.m_Blue, 0x34);
    lib3mf_release(properties);
    lib3mf_release(object);
  }
  EXPECT_EQ(count, 1);
  DWORD unit = 0;
  EXPECT_EQ(lib3mf_model_getunit(model, &unit), LIB3MF_OK);
  EXPECT_EQ(unit, static_cast<DWORD>(MODELUNIT_MILLIMETER));
  lib3mf_release(objects);
  lib3mf_release(reader);
  lib3mf_release(model);
}

TEST_F(MeshFormats, RefusalsExitTwoAndLeaveEarlierFilesAlone) {
  const std::string project = WorkDir + "Picture frame.ROU";
  Write("old.stl", "earlier");
  // A straight bit raised inside the stock leaves an enclosed hole: the template's refusal,
  // word for word, whichever section is asked for.
  const std::string hole =
      Write("hole.ROU", test::StartupProjectWithCuts({"30", "50", "3", "1-4! Straight.bmp"}));
  const test::ProgramRun templated =
      test::RunProgram({"template", hole, "-o", Path("t.svg")}, dir_.string());
  ASSERT_EQ(templated.status, 2) << templated.err;
  const std::string holeReason = templated.err.substr(templated.err.find(": ") + 1);
  struct Refusal {
    std::vector<std::string> Args;
    const char* Message;
  } refusals[] = {
      {{"mesh", project, "-o", Path("m.step")}, "unknown 3-D file type"},
      {{"mesh", project, "-o", Path("old.stl"), "--length", "0"}, "must be above 0"},
      {{"mesh", project, "-o", Path("old.stl"), "--length", "four"},
       "cannot read the length 'four'"},
      {{"mesh", Path("missing.ROU"), "-o", Path("old.stl")}, "missing.ROU"},
      {{"mesh", project, "-o", Path("no/such/folder/m.stl")}, "m.stl"},
      {{"mesh", project}, "missing -o"},
      {{"mesh", hole, "-o", Path("old.stl")}, holeReason.c_str()},
      {{"mesh", hole, "-o", Path("old.stl"), "--traced"}, holeReason.c_str()},
  };
  for (const Refusal& r : refusals) {
    const test::ProgramRun run = test::RunProgram(r.Args, dir_.string());
    EXPECT_EQ(run.status, 2) << r.Args.back();
    EXPECT_NE(run.err.find(r.Message), std::string::npos) << run.err;
  }
  EXPECT_EQ(test::Slurp(Path("old.stl")), "earlier");
}

TEST(ExportLength, ShopLengthsInInchesAndMillimetres) {
  struct Case {
    const char* Text;
    double Mm;  // < 0: refused
  } cases[] = {
      {"4", 101.6},  {"4.5", 114.3},  {"3/4", 19.05}, {"1 1/2", 38.1}, {"19mm", 19},
      {"19 mm", 19}, {"2in", 50.8},   {"2\"", 50.8},  {" 4 ", 101.6},  {"0", -1},
      {"-4", -1},    {"1/0", -1},     {"", -1},       {"4x", -1},      {"1.5/2", -1},
      {"101", -1},   {"1 1/2mm", -1}, {"..5", -1},
  };
  for (const Case& c : cases) {
    const Result<double> mm = ParseExportLength(c.Text);
    EXPECT_EQ(mm.Ok(), c.Mm >= 0) << "'" << c.Text << "': " << mm.Error();
    if (mm && c.Mm >= 0) {
      EXPECT_NEAR(mm.Value(), c.Mm, 1e-9) << c.Text;
    }
  }
}

}  // namespace
}  // namespace kerf
