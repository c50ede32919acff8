// Kinds of bit from catalogue dimensions: the supplied bits again, proposed names, refusals.
#include "model/CutterKinds.h"

#include <gtest/gtest.h>

#include "model/CutterScan.h"
#include "model/SuppliedCutters.h"
#include "support/ResultValue.h"

namespace kerf {
namespace {

struct SameAsSupplied {
  const char* Kind;
  CutterDimensionTexts Texts;
  const char* FileName;  // the supplied bitmap and the encoded proposed name
};

const SameAsSupplied SuppliedByKind[] = {
    {"straight", {{"diameter", "1/4"}, {"length", "3/4"}}, "1-4! Straight.bmp"},
    {"straight", {{"diameter", "1/2"}}, "1-2! Straight.bmp"},
    {"straight", {{"diameter", "3/4"}, {"length", "1\""}}, "3-4! Straight.bmp"},
    {"rebate",
     {{"diameter", "1 1/4"}, {"bearing", "1/2"}, {"length", "1/2"}},
     "3-8! Rabbeting.bmp"},
    {"roundover", {{"radius", "1/8"}}, "1-8! Roundover.bmp"},
    {"roundover", {{"radius", "3/8"}, {"bearing", "1/2"}, {"step", "1/4"}}, "3-8! Roundover.bmp"},
    {"roundover", {{"radius", "0.5"}}, "1-2! Roundover.bmp"},
    {"cove", {{"radius", "1/4"}, {"bearing", "1/2"}}, "1-4! Cove.bmp"},
    {"cove", {{"radius", "1/2"}, {"diameter", "1 1/2"}}, "1-2! Cove.bmp"},
    {"vgroove", {{"angle", "90"}, {"diameter", "1/2"}}, "90% V Groove.bmp"},
    {"vgroove", {{"angle", "60\xC2\xB0"}, {"diameter", "1/2"}}, "60% V Groove.bmp"},
    {"corebox", {{"radius", "1/4"}}, "1-2! Core Box.bmp"},
    {"beading", {{"radius", "1/4"}, {"bearing", "3/8"}}, "1-4! Beading.bmp"},
    {"romanogee", {{"radius", "5/32"}}, "5-32! Roman Ogee.bmp"},
    {"dovetail",
     {{"angle", "14"}, {"diameter", "1/2"}, {"height", "1/2"}},
     "1-2! 14% Dovetail.bmp"},
    {"flushtrim", {{"diameter", "1/2"}, {"length", "1"}}, "1-2! Flush Trim.bmp"},
};

TEST(CutterKinds, CatalogueDimensionsOfTheSuppliedBitsDrawTheSuppliedBitmapsAndNames) {
  for (const SameAsSupplied& c : SuppliedByKind) {
    SCOPED_TRACE(c.FileName);
    const CutterKindInfo* kind = FindCutterKind(c.Kind);
    ASSERT_NE(kind, nullptr);
    DesignedCutter made;
    ASSERT_EQ(test::TakeValue(DesignCutter(*kind, c.Texts), made), "");
    std::string fileName;
    ASSERT_EQ(test::TakeValue(EncodeCutterFileName(made.Name), fileName), "");
    EXPECT_EQ(fileName, c.FileName);

    const CutterDesign* supplied = nullptr;
    static const std::vector<CutterDesign> all = SuppliedCutters();
    for (const CutterDesign& d : all)
      if (d.FileName == c.FileName) supplied = &d;
    ASSERT_NE(supplied, nullptr);
    Raster ours(0, 0), theirs(0, 0);
    ASSERT_EQ(test::TakeValue(DrawCutter(made.Design), ours), "");
    ASSERT_EQ(test::TakeValue(DrawCutter(*supplied), theirs), "");
    ASSERT_EQ(ours.Width(), theirs.Width());
    ASSERT_EQ(ours.Height(), theirs.Height());
    for (int y = 0; y < ours.Height(); ++y)
      for (int x = 0; x < ours.Width(); ++x)
        ASSERT_EQ(ours.Pixel(x, y), theirs.Pixel(x, y)) << x << "," << y;
  }
}

struct Named {
  const char* Kind;
  CutterDimensionTexts Texts;
  const char* Name;
};

TEST(CutterKinds, ProposedNamesReadAsACatalogueDoes) {
  const Named cases[] = {
      {"roundover", {{"radius", "3/8"}, {"bearing", "1/2"}}, "3/8\" Roundover"},
      {"roundover", {{"radius", "9.5mm"}}, "9.5mm Roundover"},
      {"straight", {{"diameter", "0.3"}}, "0.3\" Straight"},
      {"straight", {{"diameter", "1 1/4"}}, "1 1/4\" Straight"},
      {"straight", {{"diameter", "2"}}, "2\" Straight"},
      {"chamfer", {{"angle", "22.5"}, {"diameter", "1 1/2"}}, "22.5\xC2\xB0 Chamfer"},
      {"slot", {{"kerf", "1/8"}}, "1/8\" Slot Cutter"},
      {"rebate", {{"diameter", "32mm"}, {"bearing", "1/2"}}, "9.65mm Rabbeting"},
  };
  for (const Named& c : cases) {
    SCOPED_TRACE(c.Name);
    DesignedCutter made;
    ASSERT_EQ(test::TakeValue(DesignCutter(*FindCutterKind(c.Kind), c.Texts), made), "");
    EXPECT_EQ(made.Name, c.Name);
  }
}

struct Refused {
  const char* Kind;
  CutterDimensionTexts Texts;
  const char* Error;
};

TEST(CutterKinds, DimensionsThatMakeNoBitAreNamed) {
  const Refused cases[] = {
      {"rebate",
       {{"diameter", "3/4"}, {"bearing", "1"}},
       "the bearing (1\") is larger than the cutter (3/4\"): the bit would cut nothing"},
      {"slot",
       {{"diameter", "1/2"}, {"kerf", "1/4"}, {"bearing", "1/2"}},
       "the bearing (1/2\") is as large as the cutter (1/2\"): the bit would cut nothing"},
      {"flushtrim",
       {{"diameter", "1/2"}, {"bearing", "5/8"}},
       "the bearing (5/8\") is larger than the cutter (1/2\")"},
      {"cove",
       {{"radius", "1/2"}, {"diameter", "1"}},
       "the cove radius (1/2\") is deeper than the cutter, which reaches 1/4\" past the bearing"},
      {"dovetail",
       {{"diameter", "1/2"}, {"height", "1 1/4"}},
       "the sides meet below the top: at 14\xC2\xB0 a 1/2\" dovetail must be less than 1.003\" "
       "high, "
       "not 1 1/4\""},
      {"chamfer",
       {{"angle", "90"}, {"diameter", "1"}},
       "the chamfer angle must be between 5\xC2\xB0 and 85\xC2\xB0, not 90\xC2\xB0"},
      {"vgroove",
       {{"angle", "5"}, {"diameter", "1"}},
       "the included angle must be between 10\xC2\xB0 and 170\xC2\xB0, not 5\xC2\xB0"},
      {"roundover", {}, "the radius is missing"},
      {"roundover",
       {{"radius", "3/8x"}},
       "cannot read the radius '3/8x'; give inches like 3/8, 1 1/4 or 0.375, or millimetres like "
       "9.5mm"},
      {"chamfer",
       {{"angle", "forty"}, {"diameter", "1"}},
       "cannot read the angle 'forty'; give degrees like 14 or 22.5"},
      {"straight", {{"diameter", "0"}}, "the diameter must be more than 0"},
      {"straight",
       {{"diameter", "1/2"}, {"length", "0"}},
       "the cutting length must be more than 0"},
      {"straight", {{"diameter", "12"}}, "the diameter (12\") is more than 10\""},
      // Far beyond a long's count of sixty-fourths: shown as written, not wrapped negative.
      {"straight",
       {{"diameter", "99999999999999999999"}},
       "the diameter (100000000000000000000\") is more than 10\""},
      {"straight",
       {{"diameter", "0.0001"}},
       "the bit is too thin to cut: its cutting edge is less than 1/100\" across"},
      {"straight",
       {{"diameter", "1/2"}, {"length", "0.001"}},
       "the bit is too short to cut: its cutting edge is less than 1/100\" tall"},
      {"straight", {{"diameter", "1/2"}, {"radius", "1/4"}}, "a Straight bit has no radius"},
      {"straight",
       {{"diameter", "1/2"}, {"length", "5 1/8"}},
       "the bit is too tall: 513 rows of cutting edge, and a cutter has at most 500 profile rows "
       "(5\")"},
      {"flushtrim",
       {{"diameter", "1/2"}, {"length", "5"}},
       "the bit is too tall: 500 rows of cutting edge and the bearing row, and a cutter has at "
       "most "
       "500 profile rows (5\")"},
      {"straight",
       {{"diameter", "10"}, {"length", "1"}},
       "the bit is too wide (radius 500 pixels; at most 499)"},
  };
  for (const Refused& c : cases) {
    SCOPED_TRACE(c.Error);
    EXPECT_EQ(DesignCutter(*FindCutterKind(c.Kind), c.Texts).Error(), c.Error);
  }
}

TEST(CutterKinds, EveryKindStartsFromDefaultsThatNeedOnlyItsMainSizes) {
  // The designer opens every kind with its defaults and these main sizes filled in.
  for (const CutterKindInfo& kind : CutterKinds()) {
    SCOPED_TRACE(kind.Key);
    CutterDimensionTexts texts;
    for (const CutterDimension& dim : kind.Dimensions)
      if (dim.Default.empty() && !dim.Optional)
        texts[dim.Key] = dim.Key == "kerf" ? "1/4" : dim.Key == "diameter" ? "1" : "1/2";
    EXPECT_EQ(DesignCutter(kind, texts).Error(), "");
  }
}

}  // namespace
}  // namespace kerf
