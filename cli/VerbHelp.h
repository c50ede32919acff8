// The help texts of the command-line verbs: synopsis, one-line summary and the prose around the
// options.
#pragma once

#include <memory>
#include <string>

namespace CLI {
class FormatterBase;
}

namespace kerf {

struct VerbHelp {
  const char* name;
  const char* synopsis;  // arguments after the verb
  const char* summary;   // one line: what it does
  const char* details;   // the verb's own --help before its options; may be empty
};

// Every verb in the order the program's --help lists them.
const VerbHelp* VerbHelpBegin();
const VerbHelp* VerbHelpEnd();

// The verb's texts, or nullptr for an unknown verb.
const VerbHelp* FindVerbHelp(const std::string& name);

// What every verb shares: picture formats, --tools, exit status 2.
extern const char* const CommonVerbHelp;

// The CLI11 help layout of the program and its verbs: the usage line first, then what the
// command does, its options and the notes every verb shares.
std::shared_ptr<CLI::FormatterBase> HelpFormatter();

}  // namespace kerf
