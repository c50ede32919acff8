// Program entry: the command-line verbs run headless; without a verb the desktop program starts.
#include "app/CommandLine.h"

int main(int argc, char** argv) { return kerf::RunKerfwright(argc, argv); }
