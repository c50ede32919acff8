// The user's own cutter folder: where it is, saving a designed cutter into it, and loading the
// supplied cutters together with the user's.
#pragma once

#include <string>
#include <vector>

#include "model/CutterGeometry.h"
#include "model/Progress.h"
#include "model/Result.h"
#include "project/CutterLibrary.h"

namespace kerf {

// $XDG_DATA_HOME/kerfwright/tools, or ~/.local/share/kerfwright/tools when XDG_DATA_HOME is
// unset or not an absolute path; empty when neither that nor HOME is set.
std::string UserCutterFolder();

// Creates folder (and its parents) when missing; a failure names it.
Result<void> MakeCutterFolder(const std::string& folder);

// Draws the cutter and writes its bitmap as folder/design.FileName (the folder is created).
// An existing file is replaced only when replace is true. Gives the path of the written file.
Result<std::string> SaveCutterBitmap(const CutterDesign& design, const std::string& folder,
                                     bool replace);

// Loads the supplied folder, then the user's (either may be empty or missing): a user bitmap
// with the file name of a supplied one replaces it. The tools are in file-name order, as from
// one folder (the cutter box shows them by kind and size); UserFiles names the user's cutters.
CutterLibrary LoadCutterLibraries(const std::string& supplied, const std::string& user,
                                  ProgressSink& progress);

// Adds a further folder's tools to library: one with the file name of a cutter already there
// replaces it. The table stays in file-name order.
void AddCutters(CutterLibrary& library, std::vector<Tool> tools);

}  // namespace kerf
