// Where the files beside the program live: tools, textures, work, photos and the help file.
#pragma once

#include <string>

namespace kerf {

// Directory of the running executable (from /proc/self/exe), without a trailing slash.
std::string ExecutableDir();

// The directory holding the program's files, found from the executable's directory: that
// directory itself when it holds "tools" or the help file (the built program in build/bin),
// else "../share/kerfwright" relative to it when that exists (the installed layout), else the
// executable's directory.
std::string ProgramDataDirFor(const std::string& executableDir);
std::string ProgramDataDir();

std::string ToolsDir();      // cutter bitmaps
std::string TexturesDir();   // texture pictures
std::string WorkDir();       // start directory of the project file dialogs
std::string PhotosDir();     // photographs of the view
std::string HelpFilePath();  // "ROUTERHELP.HLP"

// Where a save dialog should start: dir itself when it exists and can be written to (the
// build tree), else the user's home directory (an installed program's "work" and "photos"
// belong to the system and cannot take the user's files).
std::string SaveDirectoryFor(const std::string& dir, const std::string& home);
std::string SaveDirectoryFor(const std::string& dir);

}  // namespace kerf
