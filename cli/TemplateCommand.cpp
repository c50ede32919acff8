// kerfwright template: writes the worked section at true size as an SVG, PDF or DXF template.
#include <QGuiApplication>

#include <cstdio>
#include <optional>

#include "cli/CommandArgs.h"
#include "cli/ExitStatus.h"
#include "model/PrintableText.h"
#include "project/ProjectLoading.h"
#include "project/SetupSheetPrint.h"
#include "project/TemplateExport.h"

namespace kerf {

int TemplateCommand(const CommandArgs& args) {
  std::string project, output, tools, paperName;
  OptionParser parser("template");
  parser.Positional("PROJECT.ROU", project, false, "the project file");
  parser.Text({"-o", "--output"}, "FILE", output, true,
              "the template to write (.svg, .pdf or .dxf)");
  parser.Text({"--paper"}, "A4|Letter", paperName, false,
              "the paper a PDF is printed on (the locale's unless given)");
  parser.Text({"--tools"}, "DIR", tools, false, "read the cutter bitmaps from DIR");
  if (!parser.Parse(args)) return UsageExit(parser);

  // Checked before the project is read, so a slip costs no time.
  if (TemplateFormatOf(output) == TemplateFormat::Unknown) {
    std::fprintf(stderr,
                 "kerfwright template: %s: unknown template file type; use .svg, .pdf or .dxf\n",
                 PrintableText(output).c_str());
    return ExitCannotRun;
  }
  SheetPaper paper = PaperForLocale();
  if (parser.Given("--paper") && !PaperByName(paperName, paper)) {
    std::fprintf(stderr, "kerfwright template: --paper must be A4 or Letter, not '%s'\n",
                 PrintableText(paperName).c_str());
    return ExitCannotRun;
  }
  Model model;
  if (!LoadForCommand(model, project, tools)) return ExitCannotRun;
  model.SetProjectFileName(project);
  // The PDF's words are set in fonts, which Qt finds only with a GUI application; no window
  // is shown, so none needs a display.
  std::optional<QGuiApplication> gui;
  int argc = 3;
  char name[] = "kerfwright", option[] = "-platform", platform[] = "offscreen";
  char* argv[] = {name, option, platform, nullptr};
  if (TemplateFormatOf(output) == TemplateFormat::Pdf && !QCoreApplication::instance())
    gui.emplace(argc, argv);
  if (const Result<void> exported = ExportTemplate(model, output, paper); !exported) {
    std::fprintf(stderr, "kerfwright template: %s\n", PrintableText(exported.Error()).c_str());
    return ExitCannotRun;
  }
  return ExitSuccess;
}

}  // namespace kerf
