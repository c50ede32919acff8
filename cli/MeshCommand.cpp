// kerfwright mesh: writes the worked moulding as an STL, 3MF or OBJ file at its true size.
#include <cstdio>
#include <string>

#include "cli/CommandArgs.h"
#include "cli/ExitStatus.h"
#include "model/Model.h"
#include "model/PlotOutline.h"
#include "model/PrintableText.h"
#include "model/Progress.h"
#include "project/MeshExport.h"
#include "project/MeshFile.h"
#include "project/ProjectLoading.h"

namespace kerf {

int MeshCommand(const CommandArgs& args) {
  std::string project, output, tools, length = "4";
  bool traced = false, smooth = false;
  OptionParser parser("mesh");
  parser.Positional("PROJECT.ROU", project, false, "the project file");
  parser.Text({"-o", "--output"}, "FILE", output, true,
              "the 3-D file to write (.stl, .3mf or .obj)");
  parser.Text({"--length"}, "L", length, false, "length of the moulding (default 4 inches)");
  parser.Flag({"--traced"}, traced, "the outline traced from the section's pixels (0.56 mm)");
  // The true-size outline was --smooth before it became the default; old scripts still give it.
  parser.Flag({"--smooth"}, smooth, "the default, the true-size outline (kept for older scripts)");
  parser.Text({"--tools"}, "DIR", tools, false, "read the cutter bitmaps from DIR");
  if (!parser.Parse(args)) return UsageExit(parser);

  // Checked before the project is read, so a slip costs no time.
  if (MeshFormatOf(output) == MeshFormat::Unknown) {
    std::fprintf(stderr, "kerfwright mesh: %s: unknown 3-D file type; use .stl, .3mf or .obj\n",
                 PrintableText(output).c_str());
    return ExitCannotRun;
  }
  const Result<double> lengthMm = ParseExportLength(length);
  if (!lengthMm) {
    std::fprintf(stderr, "kerfwright mesh: --length: %s\n",
                 PrintableText(lengthMm.Error()).c_str());
    return ExitCannotRun;
  }

  Model model;
  if (!LoadForCommand(model, project, tools)) return ExitCannotRun;
  model.SetProjectFileName(project);  // names the 3MF object
  NoProgress progress;
  SectionPictures pictures;
  Section section;
  PlotOutline(model, pictures, section, progress);
  if (const Result<void> exported =
          ExportMoulding(model, pictures.Outline, output, lengthMm.Value(),
                         traced ? MeshSection::Traced : MeshSection::TrueSize);
      !exported) {
    std::fprintf(stderr, "kerfwright mesh: %s\n", PrintableText(exported.Error()).c_str());
    return ExitCannotRun;
  }
  return ExitSuccess;
}

}  // namespace kerf
