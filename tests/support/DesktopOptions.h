// The desktop's options for window tests: the supplied data from the source tree, a scratch
// folder for work and photographs, and no quitting when the main window closes.
#pragma once

#include <QString>

#include "desktop/Desktop.h"

namespace kerf::test {

inline DesktopOptions SourceDataDesktopOptions(const QString& scratch, int firstTip = 1) {
  DesktopOptions options;
  options.Paths.ToolsDir = KERF_SOURCE_DIR "/data/tools";
  options.Paths.TexturesDir = KERF_SOURCE_DIR "/data/textures";
  options.Paths.HelpFile = KERF_SOURCE_DIR "/data/ROUTERHELP.HLP";
  options.Paths.WorkDir = scratch.toStdString();
  options.Paths.PhotosDir = scratch.toStdString();
  options.Paths.UserToolsDir = scratch.toStdString() + "/own-tools";  // never the real home
  options.QuitWhenClosed = false;
  options.FirstTip = firstTip;
  return options;
}

}  // namespace kerf::test
