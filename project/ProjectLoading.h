// Loading a project as Open does and naming the cuts whose cutter is missing: the one path of the
// desktop, the verbs and the matcher's project targets; the verbs' forms print to stderr.
#pragma once

#include <string>
#include <vector>

#include "model/Model.h"
#include "project/ProjectFile.h"

namespace kerf {

// A cut whose cutter the library lacks: its number, counted from 1, and the bitmap it names.
struct MissingCutter {
  int Cut = 0;
  std::string FileName;
};

// A project file that could not be read, for a message: "PATH:LINE: what is wrong", or
// "PATH: what is wrong" when the fault is not on one line (the file itself cannot be read).
std::string ProjectReadFailure(const std::string& path, const ProjectReadResult& read);

// Applies a read project to model as Open does (ApplyRecord) and returns the cuts whose cutter
// is not in model's library, in cut order.
std::vector<MissingCutter> ApplyProject(Model& model, const ProjectRecord& record);

// Reads the cutter library of toolsDir (when empty: ToolsDir() and the user's own cutter
// folder), then each of moreFolders, into model; a bitmap of a later folder with the file name
// of an earlier one replaces it. A missing directory is an error ("kerfwright: no tools
// directory at DIR" or "kerfwright: no cutter folder at DIR" on stderr, returns false); bitmaps
// that could not be read are listed as warnings on stderr and loading goes on.
bool LoadToolsForCommand(Model& model, const std::string& toolsDir,
                         const std::vector<std::string>& moreFolders = {});

// Reads the project file and applies it as Open does (New with the stored sizes, the cuts, the
// face on the table, look and texture settings); the outline is not rebuilt and no texture is
// loaded. On a read error prints one line "PATH:LINE: what is wrong" (or "PATH: what is wrong"
// when the file itself cannot be read) on stderr, leaves model untouched and returns false.
// Cuts whose cutter is not in the library are reported as warnings on stderr.
bool LoadProjectForCommand(Model& model, const std::string& projectPath);

// Both of the above: the project is read first, then the library, then the project applied.
// The verb exits 2 when this returns false.
bool LoadForCommand(Model& model, const std::string& projectPath, const std::string& toolsDir);

}  // namespace kerf
