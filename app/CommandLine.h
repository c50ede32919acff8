// The command line: --help, --version and the headless verbs; no verb starts the desktop program.
#pragma once

namespace kerf {

int RunKerfwright(int argc, char** argv);

}  // namespace kerf
