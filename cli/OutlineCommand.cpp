// kerfwright outline: prints the traced outline of a project's section, point by point.
#include <cstdio>
#include <string>

#include "cli/CommandArgs.h"
#include "cli/ExitStatus.h"
#include "model/Model.h"
#include "model/OutlineTrace.h"
#include "model/PlotOutline.h"
#include "model/Progress.h"
#include "project/ProjectLoading.h"

namespace kerf {

int OutlineCommand(const CommandArgs& args) {
  std::string project, tools;
  OptionParser parser("outline");
  parser.Positional("PROJECT.ROU", project, false, "the project file");
  parser.Text({"--tools"}, "DIR", tools, false, "read the cutter bitmaps from DIR");
  if (!parser.Parse(args)) return UsageExit(parser);

  Model model;
  if (!LoadForCommand(model, project, tools)) return ExitCannotRun;
  NoProgress progress;
  OutlineTracer tracer;
  SectionPictures pictures;
  Section section;
  PlotOutline(model, pictures, section, progress, tracer);

  const SectionOutline& outline = pictures.Outline;
  if (outline.Closed) {
    std::printf("closed\ncentre %d %d\n", outline.CentreX, outline.CentreY);
  } else {
    std::printf("open\n");
    // Why, for the person reading: an open walk stores no points.
    if (tracer.WalkLength() == 0) {
      std::fprintf(stderr, "kerfwright outline: the section holds no boundary to trace\n");
    } else if (tracer.WalkLength() >= MaxOutlinePoints) {
      std::fprintf(stderr, "kerfwright outline: the walk did not come back within %d points\n",
                   MaxOutlinePoints);
    } else {
      std::fprintf(stderr, "kerfwright outline: the walk stopped after %d points\n",
                   tracer.WalkLength());
    }
  }
  for (int i = 1; i <= outline.Count; ++i) {
    std::printf("%d %d\n", outline.X[static_cast<size_t>(i)], outline.Y[static_cast<size_t>(i)]);
  }
  if (std::fflush(stdout) != 0) {
    std::perror("kerfwright outline");
    return ExitCannotRun;
  }
  return ExitSuccess;
}

}  // namespace kerf
