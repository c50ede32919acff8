// The desktop program: started when kerfwright runs without a verb.
#pragma once

#include <string>

namespace kerf {

// Runs the windows until the main window closes; opens projectToOpen when it is not empty.
// Returns the program's exit status.
int RunDesktopProgram(int argc, char** argv, const std::string& projectToOpen);

}  // namespace kerf
