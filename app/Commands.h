// The headless verbs of the command line, one function each; args exclude the verb itself.
#pragma once

#include <string>
#include <vector>

namespace kerf {

using CommandArgs = std::vector<std::string>;

int SectionCommand(const CommandArgs& args);  // kerfwright section PROJECT.ROU -o IMAGE ...
int OutlineCommand(const CommandArgs& args);  // kerfwright outline PROJECT.ROU ...
int ReportCommand(const CommandArgs& args);   // kerfwright report PROJECT.ROU ...
int CheckCommand(const CommandArgs& args);    // kerfwright check PROJECT.ROU... ...
int PhotoCommand(const CommandArgs& args);    // kerfwright photo PROJECT.ROU -o IMAGE ...

}  // namespace kerf
