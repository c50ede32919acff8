// kerfwright report: prints a project's cut report as plain text, one report line per line.
#include <cstdio>
#include <ctime>
#include <iomanip>
#include <locale>
#include <sstream>
#include <stdexcept>
#include <string>

#include "cli/CommandArgs.h"
#include "cli/ExitStatus.h"
#include "model/CutReport.h"
#include "model/Model.h"
#include "model/PrintableText.h"
#include "model/ReportWriters.h"
#include "model/SectionRenderer.h"
#include "model/TablePhysics.h"
#include "project/ProjectLoading.h"

namespace kerf {

namespace {

// The local date and time as the user's locale writes a short date and a long time.
std::string LocalDateTimeText() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  std::ostringstream text;
  try {
    text.imbue(std::locale(""));
  } catch (const std::runtime_error&) {
    // An environment naming a locale that is not installed: the neutral form will do.
  }
  text << std::put_time(&local, "%x %X");
  return text.str();
}

}  // namespace

int ReportCommand(const CommandArgs& args) {
  std::string project, tools;
  bool metric = false;
  OptionParser parser("report");
  parser.Positional("PROJECT.ROU", project, false, "the project file");
  parser.Text({"--tools"}, "DIR", tools, false, "read the cutter bitmaps from DIR");
  parser.Flag({"--metric"}, metric, "lengths in millimetres");
  int reach = DefaultTableReach;
  AddReachOption(parser, reach);
  if (!parser.Parse(args)) return UsageExit(parser);

  Model model;
  if (!LoadForCommand(model, project, tools)) return ExitCannotRun;
  if (metric) model.SetUnit(LengthUnit::Metric);
  model.SetTableReach(reach);
  // Opening a project rebuilds the section, which measures every cut's bearing figures.
  const Section section = MeasureSection(model);

  // Cutter names come from the project: no control character in one reaches the terminal.
  const std::string text = PrintableText(
      ReportAsText(BuildCutReport(model, section, LocalDateTimeText())), std::string::npos, true);
  std::fwrite(text.data(), 1, text.size(), stdout);
  if (std::fflush(stdout) != 0) {
    std::perror("kerfwright report");
    return ExitCannotRun;
  }
  return ExitSuccess;
}

}  // namespace kerf
