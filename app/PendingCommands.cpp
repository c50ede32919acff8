// Verbs not written yet; each is removed from here when its own <Verb>Command.cpp lands.
#include <cstdio>

#include "app/Commands.h"

namespace kerf {

int PhotoCommand(const CommandArgs&) {
  std::fprintf(stderr, "kerfwright: photo is not available yet\n");
  return 2;
}

}  // namespace kerf
