// kerfwright section: writes the measured section or the Profile window picture of a project.
#include <climits>
#include <cstdio>
#include <string>

#include "cli/CommandArgs.h"
#include "cli/ExitStatus.h"
#include "model/MachineLines.h"
#include "model/Model.h"
#include "model/PrintableText.h"
#include "model/SectionRenderer.h"
#include "project/PictureFile.h"
#include "project/ProjectLoading.h"

namespace kerf {

namespace {

constexpr int PreviewSize = 250;  // the Profile window's picture
// Slider ranges of the Profile window.
constexpr int MinFence = -200, MaxFence = 1000;
constexpr int MinHeight = -500, MaxHeight = 500;

}  // namespace

int SectionCommand(const CommandArgs& args) {
  std::string project, output, tools;
  bool preview = false;
  int zoom = 1, fence = 0, height = 0, cutter = 0;

  OptionParser parser("section");
  parser.Positional("PROJECT.ROU", project, false, "the project file");
  parser.Text({"-o", "--output"}, "IMAGE", output, true, "the picture to write");
  parser.Text({"--tools"}, "DIR", tools, false, "read the cutter bitmaps from DIR");
  parser.Flag({"--preview"}, preview, "the Profile window picture instead of the measured section");
  parser.Integer({"--zoom"}, "Z", zoom, {1, 2, 4}, "magnification (default 1)");
  parser.Length({"--fence"}, "F", fence, MinFence, MaxFence,
                "fence position, such as 3/4 or 19mm, or 75 hundredths (default 0)");
  parser.Length({"--height"}, "H", height, MinHeight, MaxHeight,
                "cutter height, such as 3/4 or 19mm, or 75 hundredths (default 0)");
  parser.Integer({"--cutter"}, "N", cutter, 1, INT_MAX,
                 "number of the cutter in the library (default: the project's)");
  if (!parser.Parse(args)) return UsageExit(parser);
  for (const char* option : {"--zoom", "--fence", "--height", "--cutter"}) {
    if (!preview && parser.Given(option)) {
      std::fprintf(stderr, "kerfwright section: %s works only with --preview\n", option);
      return ExitCannotRun;
    }
  }

  Model model;
  if (!LoadForCommand(model, project, tools)) return ExitCannotRun;

  Raster picture;
  if (preview) {
    if (parser.Given("--cutter")) {
      if (model.CutterCount() == 0) {
        std::fprintf(stderr, "kerfwright section: --cutter %d: the library holds no cutters\n",
                     cutter);
        return ExitCannotRun;
      }
      if (cutter > model.CutterCount()) {
        std::fprintf(stderr, "kerfwright section: --cutter must be between 1 and %d, not %d\n",
                     model.CutterCount(), cutter);
        return ExitCannotRun;
      }
      model.SetCurrentCutter(cutter);
    }
    Raster scratch(SectionSize, SectionSize);
    picture = PreviewSection(model, scratch, PreviewSize, PreviewSize, zoom, model.WoodSwatch(),
                             fence, height, ProfileMachineMargin);
  } else {
    picture = MeasureSection(model).Picture;
  }

  if (const Result<void> saved = SavePicture(output, picture); !saved) {
    std::fprintf(stderr, "kerfwright section: %s\n", PrintableText(saved.Error()).c_str());
    return ExitCannotRun;
  }
  return ExitSuccess;
}

}  // namespace kerf
