// The command line: --help, --version and the headless verbs; no verb starts the desktop program.
#include "app/CommandLine.h"

#include <CLI/CLI.hpp>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "KerfwrightVersion.h"
#include "app/Commands.h"
#include "app/DesktopProgram.h"
#include "app/QtMessages.h"
#include "app/VerbHelp.h"
#include "model/PrintableText.h"

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
               PrintableText(word).c_str());
  return 2;
}

// What a verb (or the help) printed must have reached its reader: a full disk or a closed pipe
// turns a success into status 2. A verb that already failed with 2 has said why.
int CheckedOutput(const char* who, int status) {
  errno = 0;
  const bool flushed = std::fflush(stdout) == 0;
  if (flushed && !std::ferror(stdout)) return status;
  if (status != 2)
    std::fprintf(stderr, "%s: cannot write the output: %s\n", who,
                 errno != 0 ? std::strerror(errno) : "a write failed");
  return 2;
}

}  // namespace

int RunKerfwright(int argc, char** argv) {
  if (argc <= 1) return RunDesktopProgram(argc, argv, "");

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
    return CheckedOutput("kerfwright", cli.exit(e) == 0 ? 0 : 2);
  }
  for (const Verb& v : Verbs) {
    if (!cli.got_subcommand(v.name)) continue;
    CommandArgs args(argv + 2, argv + argc);
    RouteQtMessages(TakeVerbose(args));
    return CheckedOutput((std::string("kerfwright ") + v.name).c_str(), v.run(args));
  }
  if (argc == 2 && first[0] != '-' && EndsWithProjectExtension(first)) {
    return RunDesktopProgram(argc, argv, first);
  }
  return UnknownWord(first, first[0] == '-' ? "option" : "verb");
}

}  // namespace kerf
