// The command-line verbs: one row each (name, run, synopsis, summary, help), read by the
// dispatcher, --help, VERB --help and the manual page alike.
#pragma once

#include <span>
#include <string>

#include "cli/CommandArgs.h"

namespace kerf {

struct Verb {
  const char* Name;
  int (*Run)(const CommandArgs& args);  // the verb's exit status (cli/ExitStatus.h)
  const char* Synopsis;                 // the arguments and options after the verb
  const char* Summary;                  // one line: what it does
  const char* Details;                  // the verb's own --help before its options; may be empty
};

// Every verb in the order the program's --help lists them.
std::span<const Verb> AllVerbs();

// The verb of that name, or nullptr.
const Verb* FindVerb(const std::string& name);

}  // namespace kerf
