// kerfwright check: judges the cuts of one or more projects; the exit status tells of danger.
#include <cstdio>
#include <string>
#include <vector>

#include "cli/CommandArgs.h"
#include "cli/ExitStatus.h"
#include "model/CutVerdict.h"
#include "model/Model.h"
#include "model/PrintableText.h"
#include "model/SectionRenderer.h"
#include "model/TablePhysics.h"
#include "project/ProjectLoading.h"

namespace kerf {

namespace {

// Prints the verdict lines of one loaded and measured project; returns its worst verdict.
Verdict PrintProjectVerdicts(const Model& model, const Section& section, const std::string& path) {
  const int count = model.CutCount();
  if (count == 0) {
    std::printf("%s: no cuts\n", PrintableText(path).c_str());
    return Verdict::CutOK;
  }
  Verdict worst = Verdict::CutOK;
  for (int i = 1; i <= count; ++i) {
    const Verdict v = section.ResultOfCut(i).Judged;
    if (static_cast<int>(v) > static_cast<int>(worst)) worst = v;
  }
  std::printf("%s: %d cuts, worst: %s\n", PrintableText(path).c_str(), count, VerdictName(worst));
  for (int i = 1; i <= count; ++i) {
    const CutFigures& cut = section.ResultOfCut(i).Figures;
    const Verdict v = section.ResultOfCut(i).Judged;
    if (v == Verdict::CutOK) continue;
    // A cut no real table could make is Danger whatever its figures; the reason follows them.
    const std::string problem = CutProblem(cut);
    std::printf("  Cut #%d%s: fence after %ld%%, table after %ld%%%s%s\n", i, VerdictText(v),
                RoundPercent(cut.FenceAfter), RoundPercent(cut.TableAfter),
                problem.empty() ? "" : "; ", problem.c_str());
  }
  return worst;
}

}  // namespace

int CheckCommand(const CommandArgs& args) {
  std::vector<std::string> projects;
  std::string tools;
  OptionParser parser("check");
  parser.Positionals("PROJECT.ROU", projects, 1, "the project files");
  parser.Text({"--tools"}, "DIR", tools, false, "read the cutter bitmaps from DIR");
  int reach = DefaultTableReach;
  AddReachOption(parser, reach);
  if (!parser.Parse(args)) return UsageExit(parser);  // 0 after --help, else 2

  // The library is read once; every project starts from a fresh model holding it.
  Model library;
  if (!LoadToolsForCommand(library, tools)) return ExitCannotRun;
  const std::vector<Tool>& cutters = library.Cutters();

  int status = ExitSuccess;
  SectionPictures pictures;
  Section section;
  for (const std::string& path : projects) {
    Model model;
    model.SetCutterLibrary(cutters);
    model.SetTableReach(reach);
    if (!LoadProjectForCommand(model, path)) {
      status = ExitCannotRun;  // the message is on stderr; the others are still checked
      continue;
    }
    MeasureSection(model, pictures, section);
    if (PrintProjectVerdicts(model, section, path) == Verdict::Danger && status == ExitSuccess) {
      status = ExitJudgedBad;
    }
  }
  if (std::fflush(stdout) != 0) {
    std::perror("kerfwright check");
    return ExitCannotRun;
  }
  return status;
}

}  // namespace kerf
