// Importing drawn half-profiles: SVG and DXF drawings of known shapes scan back to them.
#include "project/ProfileImport.h"

#include <gtest/gtest.h>

#include "model/CutterKinds.h"
#include "support/ResultValue.h"
#include "tests/project/TestPictures.h"

namespace kerf {
namespace {

struct Drawing {
  const char* Name;  // file name: the extension picks the reader
  std::string Text;
  double Bearing;    // inches across
  const char* Kind;  // the kind of bit the drawing shows
  CutterDimensionTexts Sizes;
};

// DXF text from group codes and values.
std::string Dxf(std::initializer_list<std::pair<int, std::string>> pairs) {
  std::string text;
  for (const auto& [code, value] : pairs) text += std::to_string(code) + "\n" + value + "\n";
  return text;
}

const Drawing Drawings[] = {
    {"straight.svg",
     R"(<svg xmlns="http://www.w3.org/2000/svg" width="1in" height="2in" viewBox="0 0 100 200">
          <path d="M0,150 L25,150 L25,50 L0,50 Z"/></svg>)",
     0,
     "straight",
     {{"diameter", "1/2"}, {"length", "1"}}},
    // 3/8" roundover with a 1/2" bearing and a 1/4" step, drawn in millimetres with an arc.
    {"roundover.svg",
     R"(<svg xmlns="http://www.w3.org/2000/svg" width="50mm" height="50mm" viewBox="0 0 50 50">
          <path d="M0,30 H15.875 V23.65 A9.525,9.525 0 0 1 6.35,14.125 H0 Z" fill="none" stroke="black"/></svg>)",
     0.5,
     "roundover",
     {{"radius", "3/8"}, {"bearing", "1/2"}, {"step", "1/4"}}},
    // The same edge alone as an open polyline, moved away from the origin: the axis is the
    // leftmost point, the bottom the lowest.
    {"edge.svg",
     R"(<svg xmlns="http://www.w3.org/2000/svg" width="4in" height="4in" viewBox="0 0 400 400">
          <polyline points="100,300 200,300 200,200 100,200" fill="none" stroke="black"/></svg>)",
     0,
     "straight",
     {{"diameter", "2"}, {"length", "1"}}},
    {"roundover.dxf",
     Dxf({{0, "SECTION"}, {2, "HEADER"},       {9, "$INSUNITS"},  {70, "1"},     {0, "ENDSEC"},
          {0, "SECTION"}, {2, "ENTITIES"},     {0, "LWPOLYLINE"}, {90, "5"},     {70, "1"},
          {10, "0"},      {20, "0"},           {10, "0.625"},     {20, "0"},     {10, "0.625"},
          {20, "0.25"},   {42, "-0.41421356"}, {10, "0.25"},      {20, "0.625"}, {10, "0"},
          {20, "0.625"},  {0, "ENDSEC"},       {0, "EOF"}}),
     0.5,
     "roundover",
     {{"radius", "3/8"}, {"bearing", "1/2"}, {"step", "1/4"}}},
    {"vgroove.dxf",
     Dxf({{0, "SECTION"}, {2, "HEADER"},   {9, "$INSUNITS"}, {70, "4"},     {0, "ENDSEC"},
          {0, "SECTION"}, {2, "ENTITIES"}, {0, "POLYLINE"},  {70, "1"},     {0, "VERTEX"},
          {10, "0"},      {20, "0"},       {0, "VERTEX"},    {10, "6.35"},  {20, "0"},
          {0, "VERTEX"},  {10, "0"},       {20, "6.35"},     {0, "SEQEND"}, {0, "ENDSEC"},
          {0, "EOF"}}),
     0,
     "vgroove",
     {{"angle", "90"}, {"diameter", "1/2"}}},
    // A core box drawn from lines and an arc.
    {"corebox.dxf",
     Dxf({{0, "SECTION"},
          {2, "ENTITIES"},
          {0, "LINE"},
          {10, "0"},
          {20, "0"},
          {11, "0.25"},
          {21, "0"},
          {0, "LINE"},
          {10, "0.25"},
          {20, "0"},
          {11, "0.25"},
          {21, "0.25"},
          // The quarter arc's angles given a few turns on: the same arc, drawn once.
          {0, "ARC"},
          {10, "0"},
          {20, "0.25"},
          {40, "0.25"},
          {50, "720"},
          {51, "1000000890"},
          {0, "ENDSEC"},
          {0, "EOF"}}),
     0,
     "corebox",
     {{"radius", "1/4"}}},
};

TEST(ProfileImport, DrawingsOfKnownBitsGiveTheirProfiles) {
  testing::ScratchFolder folder;
  for (const Drawing& d : Drawings) {
    SCOPED_TRACE(d.Name);
    testing::WriteBytes(folder / d.Name, d.Text);
    CutterDesign imported;
    ASSERT_EQ(test::TakeValue(ImportCutterProfile((folder / d.Name).string(), d.Bearing), imported),
              "");
    DesignedCutter known;
    ASSERT_EQ(test::TakeValue(DesignCutter(*FindCutterKind(d.Kind), d.Sizes), known), "");
    const CutterProfile got = ProfileOf(imported), want = ProfileOf(known.Design);
    EXPECT_EQ(got.BearingWidth, want.BearingWidth);
    ASSERT_NEAR(static_cast<double>(got.Radii.size()), static_cast<double>(want.Radii.size()), 1.0);
    const size_t rows = std::min(got.Radii.size(), want.Radii.size());
    for (size_t row = 0; row < rows; ++row)
      EXPECT_NEAR(got.Radii[row], want.Radii[row], 1) << "row " << row;
  }
}

TEST(ProfileImport, DrawingsThatMakeNoCutterAreRefusedWithTheReason) {
  const struct {
    const char* Name;
    std::string Text;
    double Bearing;
    std::string Error;  // after the file's path and ": "
  } cases[] = {
      {"tall.svg",
       R"(<svg xmlns="http://www.w3.org/2000/svg" width="1in" height="8in" viewBox="0 0 1 8">
            <rect x="0" y="0" width="0.5" height="6"/></svg>)",
       0, "the profile is 6.000\" tall; a cutter is at most 5\""},
      {"wide.dxf",
       Dxf({{0, "LWPOLYLINE"},
            {10, "0"},
            {20, "0"},
            {10, "5.5"},
            {20, "0"},
            {10, "5.5"},
            {20, "1"},
            {0, "EOF"}}),
       0, "the profile is 5.500\" wide from the axis; a cutter reaches at most 4.990\""},
      {"flat.dxf", Dxf({{0, "LINE"}, {10, "0"}, {20, "1"}, {11, "2"}, {21, "1"}, {0, "EOF"}}), 0,
       "the profile has no height (0.000\")"},
      {"bearing.dxf",
       Dxf({{0, "LWPOLYLINE"},
            {10, "0"},
            {20, "0"},
            {10, "0.25"},
            {20, "0"},
            {10, "0.25"},
            {20, "1"},
            {0, "EOF"}}),
       0.75, "the bearing (0.750\" across) is larger than the cutter (0.500\" across)"},
      {"empty.svg", R"(<svg xmlns="http://www.w3.org/2000/svg" width="1in" height="1in"></svg>)", 0,
       "the drawing holds no line to read as a profile"},
      {"broken.svg", "<svg", 0, "not an SVG drawing that can be read"},
      {"nothing.dxf", Dxf({{0, "SECTION"}, {2, "ENTITIES"}, {0, "ENDSEC"}, {0, "EOF"}}), 0,
       "no LWPOLYLINE, POLYLINE, LINE or ARC to read as a profile"},
      {"profile.png", "x", 0, "unknown drawing type; use an .svg or a .dxf file"},
      {"huge.dxf",
       Dxf({{0, "LWPOLYLINE"}, {10, "1e308"}, {20, "0"}, {10, "-1e308"}, {20, "1"}, {0, "EOF"}}), 0,
       "the drawing's points lie too far apart to measure"},
  };
  testing::ScratchFolder folder;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    const std::string path = (folder / c.Name).string();
    testing::WriteBytes(path, c.Text);
    EXPECT_EQ(ImportCutterProfile(path, c.Bearing).Error(), path + ": " + c.Error);
  }
}

TEST(ProfileImport, ABadNumberInADxfNamesItsLine) {
  const struct {
    std::string Text;
    int Line;
    std::string Error;  // after the file's path and line
  } cases[] = {
      {Dxf({{0, "SECTION"}, {0, "LWPOLYLINE"}, {10, "0"}, {20, "zero"}, {0, "EOF"}}), 3,
       "a LWPOLYLINE holds a value that is not a number"},
      // An end angle beyond a double's range was once turned into NaN and then into an int.
      {Dxf({{0, "ARC"}, {40, "1"}, {51, "1e400"}, {0, "EOF"}}), 1,
       "an ARC holds a value that is not a number"},
      // The decimal comma of a German drawing program is no decimal point, in any language.
      {Dxf({{0, "LINE"}, {10, "0"}, {20, "1,5"}, {11, "1"}, {21, "0"}, {0, "EOF"}}), 1,
       "a LINE holds a value that is not a number"},
      {Dxf({{0, "LWPOLYLINE"},
            {10, "-1e308"},
            {20, "0"},
            {42, "1"},
            {10, "1e308"},
            {20, "0"},
            {0, "EOF"}}),
       1, "a LWPOLYLINE lies too far out to be drawn"},
  };
  testing::ScratchFolder folder;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Error);
    const std::string path = (folder / "bad.dxf").string();
    testing::WriteBytes(path, c.Text);
    const Result<CutterDesign> design = ImportCutterProfile(path, 0);
    EXPECT_EQ(design.Error(), path + ":" + std::to_string(c.Line) + ": " + c.Error);
    EXPECT_EQ(design.Line(), c.Line);
  }
}

}  // namespace
}  // namespace kerf
