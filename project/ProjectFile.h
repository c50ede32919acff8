// The ".ROU" project file: a plain record, its reader and writer, and applying it to the model.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/Model.h"

#include "model/Result.h"

namespace kerf {

// No real project comes near this many cuts; a file with more is refused before anything is
// set aside for them, so that a forged file cannot make loading, the outline and every frame
// of the view grind through millions.
inline constexpr int32_t MaxProjectCuts = 10000;

struct ProjectCut {
  int32_t Fence = 0;
  int32_t Height = 0;
  int32_t Face = 1;
  std::string CutterFileName;
};

struct ProjectRecord {
  int32_t CurrentCutter = 1;
  int32_t StockWidth = 200;
  int32_t StockHeight = 200;
  int32_t WoodColour = static_cast<int32_t>(DefaultWoodColour);
  std::string TextureFile;
  bool TextureMap = false;
  int32_t RepeatV = 2;
  int32_t RepeatH = 4;
  std::vector<ProjectCut> Cuts;
  int32_t FaceOnTable = 3;
};

// A read project: the complete record, or what is wrong with the 1-based line of the fault
// (line 0: the file itself could not be read).
using ProjectReadResult = Result<ProjectRecord>;

// Parses a whole file's bytes; nothing is applied anywhere. CR LF and LF line ends are accepted.
ProjectReadResult ParseProject(std::string_view text);
// Reads the file at path; an unreadable file gives Line 0 and the system's message.
ProjectReadResult ReadProjectFile(const std::string& path);

// The exact bytes of the file (11 + 4n lines, each ended by CR LF).
std::string FormatProject(const ProjectRecord& record);
// Writes through a temporary file beside path and renames it over path. A failure says why (the
// system's message), and any previous file at path is untouched.
Result<void> WriteProjectFile(const std::string& path, const ProjectRecord& record);

// The record of the model's current set-up.
ProjectRecord RecordFromModel(const Model& model);
// Applies a record as Open does: texture settings, wood colour, New with the stored stock sizes
// (clamped 50..1000), the cuts (cutters matched by file name, 0 when missing, the name kept),
// the face on the table, CurrentCutter (1 when outside 1..CutterCount). Does not rebuild the
// outline and does not load the texture picture: the caller does both.
void ApplyRecord(Model& model, const ProjectRecord& record);

}  // namespace kerf
