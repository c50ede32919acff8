// Verbs not written yet; each is removed from here when its own <Verb>Command.cpp lands.
#include <cstdio>

#include "app/Commands.h"

namespace kerf {

}  // namespace kerf
