// The sheet verb: every sample project's sheet has its pages and reads back (by poppler's tools)
// with each cutter, setting and verdict; the paper follows the locale; bad requests are refused.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <regex>

#include "RunProgram.h"
#include "model/CutVerdict.h"
#include "model/LengthText.h"
#include "model/SectionRenderer.h"
#include "project/ProjectLoading.h"
#include "support/TempFolder.h"

namespace kerf {
namespace {

namespace fs = std::filesystem;
using test::ProgramRun;

const std::string ToolsDir = std::string(KERF_SOURCE_DIR) + "/data/tools";

std::string Shell(const std::string& command) {
  std::string out;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return out;
  char buffer[4096];
  for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
  pclose(pipe);
  return out;
}

bool HavePoppler() { return !Shell("command -v pdftotext pdfinfo 2>/dev/null").empty(); }

int PageCount(const std::string& pdf) {
  std::smatch m;
  const std::string info = Shell("pdfinfo '" + pdf + "' 2>&1");
  return std::regex_search(info, m, std::regex("Pages:\\s+([0-9]+)")) ? std::stoi(m[1]) : -1;
}

std::string Inches(int32_t hundredths) {
  return WorkshopHundredths(hundredths, LengthUnit::Imperial);
}
std::string Millimetres(int32_t hundredths) {
  return WorkshopHundredths(hundredths, LengthUnit::Metric);
}

// What the sheet of a loaded project must say, pass by pass, in the order the passes come.
void ExpectSheetText(const Model& loaded, const std::string& text) {
  const Model& model = loaded;
  const Section section = MeasureSection(model);
  for (int i = 1; i <= model.CutCount(); ++i) {
    const Cut& cut = model.CutAt(i);
    const CutFigures& figures = section.ResultOfCut(i).Figures;
    SCOPED_TRACE("pass " + std::to_string(i));
    const std::string card = "Pass " + std::to_string(i);
    const size_t at = text.find(card + "\n");
    ASSERT_NE(at, std::string::npos) << card << " has no card";
    const size_t end = text.find("Pass " + std::to_string(i + 1) + "\n", at);
    const std::string own =
        text.substr(at, end == std::string::npos ? std::string::npos : end - at);
    const Tool* tool = model.Cutter(cut.Cutter);
    ASSERT_NE(tool, nullptr);
    EXPECT_NE(own.find(tool->Name), std::string::npos) << tool->Name;
    EXPECT_NE(own.find("Lowest cutting edge"), std::string::npos);  // the settings as measured
    for (const std::string& setting : {Inches(cut.Height), "(" + Millimetres(cut.Height) + ")",
                                       Inches(cut.Fence), "(" + Millimetres(cut.Fence) + ")"}) {
      EXPECT_NE(own.find(setting), std::string::npos) << setting;
    }
    EXPECT_NE(own.find(VerdictName(section.ResultOfCut(i).Judged) + std::string(": On the table ") +
                       std::to_string(RoundPercent(figures.TableBefore)) + "% before"),
              std::string::npos);
    const std::string problem = CutProblem(figures);
    if (!problem.empty()) {
      EXPECT_NE(own.find(problem.substr(0, problem.find(';'))), std::string::npos) << problem;
    }
  }
}

class SampleSheets : public test::TempFolder, public ::testing::WithParamInterface<std::string> {};

TEST_P(SampleSheets, HaveTheirPagesAndSayEveryPassSettings) {
  if (!HavePoppler()) GTEST_SKIP() << "poppler's pdftotext is not installed";
  const std::string project = std::string(KERF_SOURCE_DIR) + "/data/work/" + GetParam();
  Model model;
  ASSERT_TRUE(LoadForCommand(model, project, ToolsDir));
  for (const char* paper : {"A4", "Letter"}) {
    SCOPED_TRACE(paper);
    const std::string pdf = Path(std::string("sheet-") + paper + ".pdf");
    const ProgramRun run = test::RunProgram(
        {"sheet", project, "-o", pdf, "--paper", paper, "--tools", ToolsDir}, dir_.string());
    ASSERT_EQ(run.status, 0) << run.err;
    // Page 1, then three cards a page on both papers.
    EXPECT_EQ(PageCount(pdf), 1 + (model.CutCount() + 2) / 3);
    const std::string info = Shell("pdfinfo '" + pdf + "'");
    EXPECT_NE(info.find(std::string(paper) == "A4" ? "(A4)" : "(letter)"), std::string::npos)
        << info;
    const std::string text = Shell("pdftotext '" + pdf + "' -");
    EXPECT_NE(text.find(fs::path(project).stem().string()), std::string::npos);
    EXPECT_NE(text.find("Overall verdict"), std::string::npos);
    ExpectSheetText(model, text);
  }
}

INSTANTIATE_TEST_SUITE_P(WorkFolder, SampleSheets,
                         ::testing::Values("Lipped edge safe order.ROU",
                                           "Lipped edge unsafe order.ROU", "Picture frame.ROU",
                                           "Raised panel.ROU", "Rule joint leaf.ROU",
                                           "Rule joint table.ROU", "Table edge ogee.ROU"),
                         [](const auto& info) {
                           std::string name = info.param.substr(0, info.param.size() - 4);
                           for (char& c : name)
                             c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                           return name;
                         });

class SheetCommand : public test::TempFolder {};

TEST_F(SheetCommand, NamesWhyNoTableCanMakeACut) {
  if (!HavePoppler()) GTEST_SKIP() << "poppler's pdftotext is not installed";
  // A 2" x 1/2" stock: a 3/8" rabbet, a 3/4" straight bit through the whole thickness, then a
  // core box bit whose shank would have to rise through what the rabbet left.
  const std::string project =
      Write("Severed.ROU",
            "1\r\n14\r\n50\r\n200\r\n752609\r\n\r\nFALSE\r\n2\r\n4\r\n3\r\n-25\r\n-25\r\n3\r\n"
            "3-8! Rabbeting.bmp\r\n100\r\n-30\r\n3\r\n3-4! Straight.bmp\r\n60\r\n10\r\n3\r\n"
            "1-2! Core Box.bmp\r\n3\r\n");
  Model model;
  ASSERT_TRUE(LoadForCommand(model, project, ToolsDir));
  const ProgramRun run =
      test::RunProgram({"sheet", project, "-o", Path("s.pdf"), "--tools", ToolsDir}, dir_.string());
  ASSERT_EQ(run.status, 0) << run.err;
  const std::string text = Shell("pdftotext '" + Path("s.pdf") + "' -");
  ExpectSheetText(model, text);
  EXPECT_NE(text.find("severs the stock into 2 pieces"), std::string::npos) << text;
  EXPECT_NE(text.find("impossible: the shank passes through the stock"), std::string::npos);
  EXPECT_NE(text.find("severs the stock into 3 pieces"), std::string::npos);
}

TEST_F(SheetCommand, RefusesBadRequestsAndKeepsTheOldFile) {
  const std::string project = std::string(KERF_SOURCE_DIR) + "/data/work/Picture frame.ROU";
  const std::string old = Write("old.pdf", "old sheet");
  struct Case {
    std::vector<std::string> args;
    std::string message;
  };
  const Case cases[] = {
      {{"sheet", project, "-o", old, "--paper", "A3"},
       "kerfwright sheet: --paper must be A4 or Letter, not 'A3'\n"},
      {{"sheet", project}, "kerfwright sheet: missing -o FILE.pdf\n"},
      {{"sheet", project, "-o", Path("sheet.png")},
       "kerfwright sheet: " + Path("sheet.png") + ": the sheet is a PDF; name the file .pdf\n"},
      {{"sheet", Path("none.ROU"), "-o", old}, Path("none.ROU")},
      {{"sheet", project, "-o", old + "/inside.pdf", "--tools", ToolsDir},
       "kerfwright sheet: cannot write " + old + "/inside.pdf: Not a directory\n"},
  };
  for (const Case& c : cases) {
    const ProgramRun run = test::RunProgram(c.args, dir_.string());
    EXPECT_EQ(run.status, 2) << c.message;
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    EXPECT_EQ(test::Slurp(old), "old sheet");
  }
  EXPECT_FALSE(fs::exists(Path("sheet.png")));
}

TEST_F(SheetCommand, PaperComesFromTheLocaleUnlessGiven) {
  if (!HavePoppler()) GTEST_SKIP() << "poppler's pdfinfo is not installed";
  const std::string project = std::string(KERF_SOURCE_DIR) + "/data/work/Rule joint leaf.ROU";
  const char* before = std::getenv("LC_ALL");
  const std::string saved = before ? before : "";
  struct Case {
    const char* locale;
    std::vector<std::string> paper;
    const char* expected;
  };
  const Case cases[] = {{"en_US.UTF-8", {}, "(letter)"},
                        {"de_DE.UTF-8", {}, "(A4)"},
                        {"en_GB.UTF-8", {}, "(A4)"},
                        {"en_US.UTF-8", {"--paper", "a4"}, "(A4)"},
                        {"de_DE.UTF-8", {"--paper", "LETTER"}, "(letter)"}};
  for (const Case& c : cases) {
    setenv("LC_ALL", c.locale, 1);  // the child process reads it
    std::vector<std::string> args = {"sheet", project, "-o", Path("s.pdf"), "--tools", ToolsDir};
    args.insert(args.end(), c.paper.begin(), c.paper.end());
    const ProgramRun run = test::RunProgram(args, dir_.string());
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(Shell("pdfinfo '" + Path("s.pdf") + "'").find(c.expected), std::string::npos)
        << c.locale;
  }
  if (before)
    setenv("LC_ALL", saved.c_str(), 1);
  else
    unsetenv("LC_ALL");
}

}  // namespace
}  // namespace kerf
