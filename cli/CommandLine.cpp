// The command line: --help, --version and the headless verbs; no verb starts the desktop program.
#include "cli/CommandLine.h"

#include <CLI/CLI.hpp>
#include <cstdio>
#include <string>

#include "KerfwrightVersion.h"
#include "cli/ExitStatus.h"
#include "cli/VerbHelp.h"
#include "cli/Verbs.h"
#include "model/FileNames.h"

namespace kerf {

namespace {

int UnknownWord(const std::string& word, const char* what) {
  std::fprintf(stderr, "kerfwright: unknown %s '%s'\nTry 'kerfwright --help'.\n", what,
               word.c_str());
  return ExitCannotRun;
}

}  // namespace

CommandLineRequest RunCommandLine(int argc, char** argv) {
  if (argc <= 1) return {};

  // The first word picks a verb (a CLI11 subcommand) or asks for help or the version; the verb
  // parses the words after it with its own options (cli/CommandArgs.h).
  CLI::App cli(
      "Kerfwright simulates a router table. Without a verb the desktop program starts, opening\n"
      "PROJECT.ROU when one is given.\n",
      "kerfwright");
  cli.formatter(HelpFormatter());
  cli.footer(std::string(CommonVerbHelp) +
             "\nRun 'kerfwright VERB --help' for the options of one verb.");
  cli.set_version_flag("--version", "kerfwright " KERF_VERSION_TEXT, "Print the version and exit");
  cli.allow_extras();
  for (const Verb& v : AllVerbs()) cli.add_subcommand(v.name, v.summary)->set_help_flag();
  const std::string first = argv[1];
  try {
    cli.parse(std::vector<std::string>{first});
  } catch (const CLI::ParseError& e) {
    return {cli.exit(e) == 0 ? ExitSuccess : ExitCannotRun, {}};
  }
  for (const Verb& v : AllVerbs()) {
    if (cli.got_subcommand(v.name)) return {v.run(CommandArgs(argv + 2, argv + argc)), {}};
  }
  if (argc == 2 && first[0] != '-' && LowerExtension(first) == "rou") {
    return {std::nullopt, first};
  }
  return {UnknownWord(first, first[0] == '-' ? "option" : "verb"), {}};
}

}  // namespace kerf
