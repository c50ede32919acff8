// The layout of the command line's help: the program's, and each verb's from the verb table.
#pragma once

#include <memory>
#include <string>

namespace CLI {
class FormatterBase;
}

namespace kerf {

// What every verb shares: picture formats, --tools, exit status 2.
extern const char* const CommonVerbHelp;

// The CLI11 help layout of the program and its verbs: the usage line first, then what the
// command does, its options and the notes every verb shares.
std::shared_ptr<CLI::FormatterBase> HelpFormatter();

}  // namespace kerf
