// The cut report's lines and colours, and its plain-text and RTF forms.
#include "model/CutReport.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "model/CutVerdict.h"
#include "model/ReportWriters.h"

namespace kerf {
namespace {

Tool NamedTool(const std::string& name, const std::string& fileName) {
  Tool tool;
  tool.Name = name;
  tool.FileName = fileName;
  return tool;
}

// A cut and the figures a measuring pass found for it.
struct MeasuredCut {
  Cut Settings;
  CutFigures Figures;
};

MeasuredCut MakeCut(int fence, int height, int face, int cutter, float tableBefore,
                    float tableAfter, float fenceBefore, float fenceAfter) {
  MeasuredCut cut;
  cut.Settings.Fence = fence;
  cut.Settings.Height = height;
  cut.Settings.Face = face;
  cut.Settings.Cutter = cutter;
  cut.Figures.TableBefore = tableBefore;
  cut.Figures.TableAfter = tableAfter;
  cut.Figures.FenceBefore = fenceBefore;
  cut.Figures.FenceAfter = fenceAfter;
  return cut;
}

class CutReportTest : public ::testing::Test {
 protected:
  void SetUp() override {
    model.SetCutterLibrary({NamedTool("1/4\" Roundover", "1-4! Roundover.bmp"),
                            NamedTool("45\xC2\xB0 Chamfer", "45% Chamfer.bmp")});
    model.SetProjectFileName("/home/wood/work/Shelf.rou");
    model.NewWorkpiece(200, 200);
    cuts = {MakeCut(50, 25, 3, 1, 100, 100, 100, 100),
            MakeCut(-20, 150, 4, 2, 100, 12.5f, 49.6f, 13.5f)};
    Apply();
  }
  // Makes the model's cut list that of `cuts`, and section its figures.
  void Apply() {
    WorkSetup setup = model.TakeSetup();
    setup.Cuts.clear();
    section.Cuts.clear();
    for (const MeasuredCut& cut : cuts) {
      setup.Cuts.push_back(cut.Settings);
      section.Cuts.push_back({cut.Figures, JudgeCutOnTable(cut.Figures)});
    }
    model.ReplaceSetup(setup);
  }
  CutReport Report(const std::string& dateTime) const {
    return BuildCutReport(model, section, dateTime);
  }
  Model model;
  Section section;
  std::vector<MeasuredCut> cuts;
};

TEST_F(CutReportTest, TwoCutsGiveFiveHeaderLinesAndTwoBlocksOfTen) {
  const CutReport report = Report("08/12/2025 14:03:07");
  const std::vector<std::string> expected = {
      "Cut List report: /home/wood/work/Shelf.rou   08/12/2025 14:03:07",
      "",
      "The information below is for guidance only.",
      "Always read the manuals supplied with your power tools and follow all safety "
      "instructions.",
      "",
      "Cut #1 (Cut OK)",
      "  Cutter: 1/4\" Roundover",
      "  Face on Table: 3",
      "  Cutter Height: 0 1/4\"",
      "  Fence Position: 0 1/2\"",
      "  Material on table before cut: 100%",
      "  Material on table after cut: 100%",
      "  Material against fence before cut: 100%",
      "  Material against fence after cut: 100%",
      "",
      "Cut #2 (Danger)",
      "  Cutter: 45\xC2\xB0 Chamfer",
      "  Face on Table: 4",
      "  Cutter Height: 1 1/2\"",
      "  Fence Position: -0 13/64\"",
      "  Material on table before cut: 100%",
      "  Material on table after cut: 12%",
      "  Material against fence before cut: 50%",
      "  Material against fence after cut: 14%",
      "",
  };
  ASSERT_EQ(report.size(), expected.size());
  ASSERT_EQ(report.size(), 25u);
  for (size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(report[i].Text, expected[i]) << i;

  // Header black; each block, its empty line included, in its verdict's colour.
  for (size_t i = 0; i < report.size(); ++i) {
    const Colour expectedColour = i < 15 ? Black : VerdictRed;
    EXPECT_EQ(report[i].TextColour, expectedColour) << "line " << i;
  }
}

TEST_F(CutReportTest, CautionBlockIsDarkAmberThatReadsOnWhite) {
  cuts[1] = MakeCut(0, 0, 3, 1, 100, 100, 100, 49.6f);
  Apply();
  const CutReport report = Report("now");
  EXPECT_EQ(report[15].Text, "Cut #2 (Caution)");
  EXPECT_EQ(report[15].TextColour, VerdictAmber);
  EXPECT_EQ(report[24].TextColour, VerdictAmber);
  // Yellow type on white cannot be read; the saved RTF carries the amber too.
  const std::string rtf = ReportAsRtf(report);
  EXPECT_NE(rtf.find("\\red160\\green96\\blue0;"), std::string::npos) << rtf;
  EXPECT_EQ(rtf.find("\\red255\\green255\\blue0;"), std::string::npos) << rtf;
}

TEST_F(CutReportTest, LengthsFollowTheUnit) {
  model.SetUnit(LengthUnit::Metric);
  cuts[0].Settings.Height = 50;
  Apply();
  const CutReport report = Report("now");
  EXPECT_EQ(report[8].Text, "  Cutter Height: 13mm");
  EXPECT_EQ(report[9].Text, "  Fence Position: 13mm");
}

TEST_F(CutReportTest, MissingCutterNamesTheStoredFile) {
  cuts[0].Settings.Cutter = 0;
  cuts[0].Settings.CutterFileName = "Old Ogee.bmp";
  cuts[1].Settings.Cutter = 9;  // past the library: as missing
  cuts[1].Settings.CutterFileName = "Gone.bmp";
  Apply();
  const CutReport report = Report("now");
  EXPECT_EQ(report[6].Text, "  Cutter: Old Ogee.bmp (missing)");
  EXPECT_EQ(report[16].Text, "  Cutter: Gone.bmp (missing)");
}

TEST_F(CutReportTest, EmptyCutListGivesNoLines) {
  const std::vector<MeasuredCut> original = cuts;
  cuts.clear();
  Apply();
  EXPECT_TRUE(Report("now").empty());
  EXPECT_EQ(ReportAsText({}), "");
  // The header alone, which the Report window shows instead, is the report's first lines.
  cuts = original;
  Apply();
  const CutReport full = Report("now");
  const CutReport header = CutReportHeader(model, "now");
  ASSERT_EQ(header.size(), static_cast<size_t>(ReportHeaderLines));
  for (size_t i = 0; i < header.size(); ++i) {
    EXPECT_EQ(header[i].Text, full[i].Text) << i;
    EXPECT_EQ(header[i].TextColour, Black) << i;
  }
}

TEST_F(CutReportTest, TextHasOneLinePerReportLine) {
  const CutReport report = Report("now");
  const std::string text = ReportAsText(report);
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 25);
  EXPECT_EQ(text.substr(0, text.find('\n')), "Cut List report: /home/wood/work/Shelf.rou   now");
  EXPECT_EQ(text.substr(text.size() - 2), "\n\n");  // the last line is empty
}

// Depth of the group structure, ignoring escaped braces; -1 when it ever goes below zero.
int FinalGroupDepth(const std::string& rtf) {
  int depth = 0;
  for (size_t i = 0; i < rtf.size(); ++i) {
    if (rtf[i] == '\\') {
      ++i;
    } else if (rtf[i] == '{') {
      ++depth;
    } else if (rtf[i] == '}' && --depth < 0) {
      return -1;
    }
  }
  return depth;
}

TEST_F(CutReportTest, RtfHasHeaderColourTableAndColouredLines) {
  const std::string rtf = ReportAsRtf(Report("now"));
  EXPECT_EQ(rtf.rfind("{\\rtf1", 0), 0u);
  EXPECT_NE(rtf.find("{\\colortbl ;\\red0\\green0\\blue0;\\red255\\green0\\blue0;}"),
            std::string::npos);
  EXPECT_NE(rtf.find("\\cf1 Cut #1 (Cut OK)\\par"), std::string::npos);
  EXPECT_NE(rtf.find("\\cf2 Cut #2 (Danger)\\par"), std::string::npos);
  EXPECT_NE(rtf.find("\\cf2 \\par"), std::string::npos);  // a red block's empty line
  // The degree sign as a Unicode escape, the inch mark as it is.
  EXPECT_NE(rtf.find("\\cf2   Cutter: 45\\u176? Chamfer\\par"), std::string::npos);
  EXPECT_NE(rtf.find("\\cf1   Cutter: 1/4\" Roundover\\par"), std::string::npos);
  EXPECT_EQ(FinalGroupDepth(rtf), 0);
  EXPECT_EQ(rtf.find_first_of("\x80\xFF"), std::string::npos) << "plain 7-bit file";
}

TEST(ReportWriters, RtfEscapesSpecialCharacters) {
  const CutReport report = {
      {"C:\\work\\{a}.rou", Black},
      {"\xE2\x80\x9Cquoted\xE2\x80\x9D \xF0\x9F\x94\xA8", VerdictYellow},  // U+201C, U+1F528
      {"bad \xFF byte", Black},
  };
  const std::string rtf = ReportAsRtf(report);
  EXPECT_NE(rtf.find("\\cf1 C:\\\\work\\\\\\{a\\}.rou\\par"), std::string::npos) << rtf;
  // Above U+7FFF the number is negative; beyond U+FFFF a surrogate pair.
  EXPECT_NE(rtf.find("\\cf2 \\u8220?quoted\\u8221? \\u-10179?\\u-8920?\\par"), std::string::npos)
      << rtf;
  EXPECT_NE(rtf.find("\\cf1 bad \\u-3?"), std::string::npos) << rtf;
  EXPECT_NE(rtf.find("{\\colortbl ;\\red0\\green0\\blue0;\\red255\\green255\\blue0;}"),
            std::string::npos);
  EXPECT_EQ(FinalGroupDepth(rtf), 0);
}

}  // namespace
}  // namespace kerf
