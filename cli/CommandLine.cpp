// The command line: --help, --version and the headless verbs; no verb starts the desktop program.
#include "cli/CommandLine.h"

#include <CLI/CLI.hpp>
#include <cctype>
#include <cstdio>
#include <string>

#include "KerfwrightVersion.h"
#include "cli/Commands.h"
#include "cli/VerbHelp.h"

namespace kerf {

namespace {

struct Verb {
  const char* name;
  int (*run)(const CommandArgs&);
};

constexpr Verb Verbs[] = {
    {"section", SectionCommand},   {"outline", OutlineCommand}, {"report", ReportCommand},
    {"check", CheckCommand},       {"photo", PhotoCommand},     {"mesh", MeshCommand},
    {"template", TemplateCommand}, {"sheet", SheetCommand},     {"cutter", CutterCommand},
    {"match", MatchCommand},
};

bool EndsWithProjectExtension(const std::string& s) {
  if (s.size() < 4) return false;
  std::string ext = s.substr(s.size() - 4);
  for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return ext == ".rou";
}

int UnknownWord(const std::string& word, const char* what) {
  std::fprintf(stderr, "kerfwright: unknown %s '%s'\nTry 'kerfwright --help'.\n", what,
               word.c_str());
  return 2;
}

}  // namespace

CommandLineRequest RunCommandLine(int argc, char** argv) {
  if (argc <= 1) return {};

  // The first word picks a verb (a CLI11 subcommand) or asks for help or the version; the verb
  // parses the words after it with its own options (app/CommandArgs.h).
  CLI::App cli(
      "Kerfwright simulates a router table. Without a verb the desktop program starts, opening\n"
      "PROJECT.ROU when one is given.\n",
      "kerfwright");
  cli.formatter(HelpFormatter());
  cli.footer(std::string(CommonVerbHelp) +
             "\nRun 'kerfwright VERB --help' for the options of one verb.");
  cli.set_version_flag("--version", "kerfwright " KERF_VERSION_TEXT, "Print the version and exit");
  cli.allow_extras();
  for (const VerbHelp* v = VerbHelpBegin(); v != VerbHelpEnd(); ++v) {
    cli.add_subcommand(v->name, v->summary)->set_help_flag();
  }
  const std::string first = argv[1];
  try {
    cli.parse(std::vector<std::string>{first});
  } catch (const CLI::ParseError& e) {
    return {cli.exit(e) == 0 ? 0 : 2, {}};
  }
  for (const Verb& v : Verbs) {
    if (cli.got_subcommand(v.name)) return {v.run(CommandArgs(argv + 2, argv + argc)), {}};
  }
  if (argc == 2 && first[0] != '-' && EndsWithProjectExtension(first)) {
    return {std::nullopt, first};
  }
  return {UnknownWord(first, first[0] == '-' ? "option" : "verb"), {}};
}

}  // namespace kerf
