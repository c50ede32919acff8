// Loading the cutter library and a project for the command-line verbs, with messages on stderr.
#pragma once

#include <string>
#include <vector>

#include "model/Model.h"

namespace kerf {

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
