// kerfwright match: finds the cuts of the library's cutters that make a target section.
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "cli/MatchCommand.h"

#include "cli/CommandArgs.h"
#include "cli/ExitStatus.h"
#include "cli/TerminalProgress.h"
#include "model/CutVerdict.h"
#include "model/LengthText.h"
#include "model/PrintableText.h"
#include "model/match/ProfileMatch.h"
#include "project/MatchTargetFile.h"
#include "project/ProjectFile.h"
#include "project/ProjectLoading.h"

namespace kerf {

namespace {

constexpr int MostPasses = 20;

int Refuse(const std::string& message) {
  std::fprintf(stderr, "kerfwright match: %s\n", PrintableText(message).c_str());
  return ExitCannotRun;
}

// "3/4x3", "19mm x 76mm": the stock's width and height in hundredths, each 50..1000.
bool ParseStock(const std::string& text, MatchStock& stock) {
  const size_t x = text.find_first_of("xX");
  if (x == std::string::npos) return false;
  const Result<int32_t> readWidth = ReadHundredths(text.substr(0, x), LengthUnit::Imperial);
  const Result<int32_t> readHeight = ReadHundredths(text.substr(x + 1), LengthUnit::Imperial);
  if (!readWidth || !readHeight) return false;
  const int32_t width = readWidth.Value(), height = readHeight.Value();
  if (width < MinStockSize || width > MaxStockSize || height < MinStockSize ||
      height > MaxStockSize)
    return false;
  stock = {width, height};
  return true;
}

// Takes every "--cutters DIR" (or "--cutters=DIR") out of args: the option may be given more
// than once, which the verbs' parser refuses. False when one lacks its folder.
bool TakeCutterFolders(CommandArgs& args, std::vector<std::string>& folders) {
  CommandArgs rest;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--") {
      rest.insert(rest.end(), args.begin() + static_cast<long>(i), args.end());
      break;
    }
    if (a.rfind("--cutters=", 0) == 0) {
      folders.push_back(a.substr(10));
    } else if (a == "--cutters") {
      if (i + 1 >= args.size()) return false;
      folders.push_back(args[++i]);
    } else {
      rest.push_back(a);
    }
  }
  args = std::move(rest);
  return std::none_of(folders.begin(), folders.end(), [](const auto& f) { return f.empty(); });
}

// Why the plan may not be written to output ("" when it may): only a project file, and never
// over the target it was made from.
std::string PlanOutputProblem(const std::string& output, const std::string& target) {
  std::string ext = output.size() >= 4 ? output.substr(output.size() - 4) : std::string();
  for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (ext != ".rou") return output + ": the plan is a project; name the file .ROU";
  struct stat a {
  }, b{};
  if (::stat(output.c_str(), &a) == 0 && ::stat(target.c_str(), &b) == 0 && a.st_dev == b.st_dev &&
      a.st_ino == b.st_ino)
    return output + ": this is the target; name another file for the plan";
  return std::string();
}

// The plan as a project: the target's stock, the cuts in their order, the state it ends in.
ProjectRecord PlanRecord(const MatchResult& result, const MatchTarget& target) {
  ProjectRecord record;
  record.StockWidth = target.StockWidth;
  record.StockHeight = target.StockHeight;
  record.FaceOnTable = result.FaceOnTable;
  for (const Cut& cut : result.Cuts)
    record.Cuts.push_back({cut.Fence, cut.Height, cut.Face, cut.CutterFileName});
  record.CurrentCutter = result.Cuts.empty() ? 1 : std::max(1, result.Cuts.back().Cutter);
  return record;
}

}  // namespace

int MatchExitStatus(const MatchResult& result) {
  const bool danger =
      !result.DangerCuts.empty() ||
      std::any_of(result.Judged.begin(), result.Judged.end(),
                  [](const CutResult& cut) { return cut.Judged == Verdict::Danger; });
  return result.Reached && !danger ? ExitSuccess : ExitJudgedBad;
}

int MatchCommand(const CommandArgs& givenArgs) {
  CommandArgs args = givenArgs;
  std::vector<std::string> folders;
  if (!TakeCutterFolders(args, folders)) return Refuse("--cutters needs a folder");

  std::string target, output, stockText, toleranceText, tools;
  int maxPasses = 8;
  bool metric = false;
  OptionParser parser("match");
  parser.Positional("TARGET", target, false,
                    "the section to make: a drawing (.svg, .dxf), a section picture or a project");
  parser.Text({"-o", "--output"}, "PLAN.ROU", output, true, "the project file of the plan");
  parser.Text({"--stock"}, "WxH", stockText, false, "the stock's width and height (3/4x3)");
  parser.Text({"--tolerance"}, "T", toleranceText, false,
              "the worst deviation from the target allowed, as 1/64 or 0.4mm (default 1/64)");
  parser.Integer({"--max-passes"}, "N", maxPasses, 1, MostPasses, "most cuts in the plan (8)");
  parser.Text({"--tools"}, "DIR", tools, false, "read the supplied cutter bitmaps from DIR");
  parser.Flag({"--metric"}, metric, "lengths of the report in millimetres");
  int reach = DefaultTableReach;
  AddReachOption(parser, reach);
  if (!parser.Parse(args)) return UsageExit(parser);

  // Checked before anything is read, so a slip costs no time.
  if (const std::string problem = PlanOutputProblem(output, target); !problem.empty())
    return Refuse(problem);
  MatchStock stock;
  if (parser.Given("--stock") && !ParseStock(stockText, stock))
    return Refuse("--stock must be a width and a height between 1/2\" and 10\", as 3/4x3, not " +
                  stockText);
  MatchOptions options;
  options.MaxPasses = maxPasses;
  options.Reach = reach;
  if (parser.Given("--tolerance")) {
    const Result<TypedLength> typed = ReadLength(toleranceText);
    const double inches = typed ? typed.Value().Inches() : -1;
    if (!(inches >= 0) || inches > 0.5)
      return Refuse("--tolerance must be a length from 0 to 1/2\", as 1/64 or 0.4mm, not " +
                    toleranceText);
    options.ToleranceInches = inches;
  }

  Model library;
  if (!LoadToolsForCommand(library, tools, folders)) return ExitCannotRun;
  const std::vector<Tool>& cutters = library.Cutters();
  if (cutters.empty()) return Refuse("the cutter library holds no cutters");
  const Result<MatchTarget> read = ReadMatchTarget(target, stock, cutters);
  if (!read) return Refuse(read.Error());

  TerminalProgress terminal;
  NoProgress quiet;
  ProgressSink& progress = isatty(STDERR_FILENO) ? static_cast<ProgressSink&>(terminal) : quiet;
  const MatchResult result = MatchProfile(cutters, read.Value(), options, progress);

  if (const Result<void> written = WriteProjectFile(output, PlanRecord(result, read.Value()));
      !written)
    return Refuse(written.Error());
  for (const std::string& line :
       MatchReportLines(result, read.Value(), metric ? LengthUnit::Metric : LengthUnit::Imperial))
    std::printf("%s\n", line.c_str());
  if (std::fflush(stdout) != 0) {
    std::perror("kerfwright match");
    return ExitCannotRun;
  }
  return MatchExitStatus(result);
}

}  // namespace kerf
