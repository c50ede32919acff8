// The command line: --help, --version and the headless verbs; no verb starts the desktop program.
#include "cli/CommandLine.h"

#include <CLI/CLI.hpp>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "KerfwrightVersion.h"
#include "cli/ExitStatus.h"
#include "cli/QtMessages.h"
#include "cli/VerbHelp.h"
#include "cli/Verbs.h"
#include "model/FileNames.h"
#include "model/PrintableText.h"

namespace kerf {

namespace {

int UnknownWord(const std::string& word, const char* what) {
  std::fprintf(stderr, "kerfwright: unknown %s '%s'\nTry 'kerfwright --help'.\n", what,
               PrintableText(word).c_str());
  return ExitCannotRun;
}

// What a verb (or the help) printed must have reached its reader: a full disk or a closed pipe
// turns a success into a failure. A verb that already could not run has said why.
int CheckedOutput(const char* who, int status) {
  errno = 0;
  const bool flushed = std::fflush(stdout) == 0;
  if (flushed && !std::ferror(stdout)) return status;
  if (status != ExitCannotRun)
    std::fprintf(stderr, "%s: cannot write the output: %s\n", who,
                 errno != 0 ? std::strerror(errno) : "a write failed");
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
  for (const Verb& v : AllVerbs()) cli.add_subcommand(v.Name, v.Summary)->set_help_flag();
  const std::string first = argv[1];
  try {
    cli.parse(std::vector<std::string>{first});
  } catch (const CLI::ParseError& e) {
    return {CheckedOutput("kerfwright", cli.exit(e) == 0 ? ExitSuccess : ExitCannotRun), {}};
  }
  for (const Verb& v : AllVerbs()) {
    if (!cli.got_subcommand(v.Name)) continue;
    CommandArgs args(argv + 2, argv + argc);
    RouteQtMessages(TakeVerbose(args));
    return {CheckedOutput((std::string("kerfwright ") + v.Name).c_str(), v.Run(args)), {}};
  }
  if (argc == 2 && first[0] != '-' && LowerExtension(first) == "rou") {
    return {std::nullopt, first};
  }
  return {UnknownWord(first, first[0] == '-' ? "option" : "verb"), {}};
}

}  // namespace kerf
