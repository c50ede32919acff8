// kerfwright sheet: writes the set-up sheet of a project (page 1 and a card per pass) as a PDF.
#include <QGuiApplication>

#include <cstdio>
#include <optional>

#include "cli/CommandArgs.h"
#include "cli/ExitStatus.h"
#include "cli/TerminalProgress.h"
#include "model/PrintableText.h"
#include "model/TablePhysics.h"
#include "project/ProjectLoading.h"
#include "project/SetupSheet.h"
#include "project/SetupSheetPrint.h"
#include "project/TemplateFile.h"

namespace kerf {

int SheetCommand(const CommandArgs& args) {
  std::string project, output, tools, paperName;
  OptionParser parser("sheet");
  parser.Positional("PROJECT.ROU", project, false, "the project file");
  parser.Text({"-o", "--output"}, "FILE.pdf", output, true, "the PDF file to write");
  parser.Text({"--paper"}, "A4|Letter", paperName, false,
              "the paper size (default: from the locale)");
  parser.Text({"--tools"}, "DIR", tools, false, "read the cutter bitmaps from DIR");
  int reach = DefaultTableReach;
  AddReachOption(parser, reach);
  if (!parser.Parse(args)) return UsageExit(parser);

  // The words are set in fonts, which Qt finds only with a GUI application; no window is
  // shown, so none needs a display.
  std::optional<QGuiApplication> gui;
  int argc = 3;
  char name[] = "kerfwright", option[] = "-platform", platform[] = "offscreen";
  char* argv[] = {name, option, platform, nullptr};
  if (!QCoreApplication::instance()) gui.emplace(argc, argv);

  // Checked before the project is read, so a slip costs no time.
  if (TemplateFormatOf(output) != TemplateFormat::Pdf) {
    std::fprintf(stderr, "kerfwright sheet: %s: the sheet is a PDF; name the file .pdf\n",
                 PrintableText(output).c_str());
    return ExitCannotRun;
  }
  SheetPaper paper = PaperForLocale();
  if (parser.Given("--paper") && !PaperByName(paperName, paper)) {
    std::fprintf(stderr, "kerfwright sheet: --paper must be A4 or Letter, not '%s'\n",
                 PrintableText(paperName).c_str());
    return ExitCannotRun;
  }
  Model model;
  if (!LoadForCommand(model, project, tools)) return ExitCannotRun;
  model.SetProjectFileName(project);
  model.SetTableReach(reach);
  TerminalProgress terminal;
  NoProgress quiet;
  const SetupSheet sheet = BuildSetupSheet(model, VerbProgress(terminal, quiet));
  if (const Result<void> saved = SaveSetupSheet(sheet, paper, output); !saved) {
    std::fprintf(stderr, "kerfwright sheet: cannot write %s: %s\n", PrintableText(output).c_str(),
                 PrintableText(saved.Error()).c_str());
    return ExitCannotRun;
  }
  return ExitSuccess;
}

}  // namespace kerf
