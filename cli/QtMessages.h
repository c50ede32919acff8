// Qt's own warnings during a verb: kept off the error stream, where each error is one line.
#pragma once

#include "cli/CommandArgs.h"

namespace kerf {

// Takes every "--verbose" before a "--" out of args; true when there was one.
bool TakeVerbose(CommandArgs& args);

// From now on Qt's messages (a toolkit warning, "libpng error", "QStandardPaths: ...") go through
// our handler: shown as "kerfwright: qt: TEXT" when verbose, otherwise dropped. A fatal one still
// ends the program.
void RouteQtMessages(bool verbose);
// Whether the run was asked to be verbose.
bool VerboseRun();

}  // namespace kerf
