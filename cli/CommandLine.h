// The command line: --help, --version and the headless verbs; no verb starts the desktop program.
#pragma once

#include <optional>
#include <string>

namespace kerf {

// What the words after the program's name ask for: a verb that ran (its exit status), or the
// desktop program, opening project when it is not empty.
struct CommandLineRequest {
  std::optional<int> ExitStatus;
  std::string Project;
};

// Runs the verb, --help or --version the words name; without one the desktop program is asked for.
CommandLineRequest RunCommandLine(int argc, char** argv);

}  // namespace kerf
