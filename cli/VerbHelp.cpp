// The layout of the command line's help: the program's, and each verb's from the verb table.
#include "cli/VerbHelp.h"

#include <CLI/CLI.hpp>
#include <cctype>

#include "cli/Verbs.h"

namespace kerf {

namespace {

class Formatter : public CLI::Formatter {
 public:
  Formatter() { column_width(32); }

  std::string make_description(const CLI::App*) const override { return ""; }

  // The usage line, then the description (CLI11 puts the description first).
  std::string make_usage(const CLI::App* app, std::string) const override {
    if (app->get_parent() == nullptr && !app->get_subcommands({}).empty()) {
      return "Usage: kerfwright [PROJECT.ROU]\n"
             "       kerfwright VERB ARGUMENTS...\n"
             "       kerfwright --help | --version\n\n" +
             app->get_description();
    }
    const Verb* verb = FindVerb(app->get_name());
    if (!verb) return "Usage: kerfwright " + app->get_name() + "\n";
    std::string summary = verb->Summary;
    summary[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(summary[0])));
    std::string out =
        "Usage: kerfwright " + app->get_name() + " " + verb->Synopsis + "\n\n" + summary + ".\n";
    if (*verb->Details) out += "\n" + std::string(verb->Details);
    return out;
  }

  std::string make_subcommands(const CLI::App* app, CLI::AppFormatMode) const override {
    if (app->get_subcommands({}).empty()) return "";
    std::string out = "\nVerbs (they work without a display; photo needs OpenGL):\n";
    for (const CLI::App* sub : app->get_subcommands({})) {
      const Verb* verb = FindVerb(sub->get_name());
      out += "  kerfwright " + sub->get_name() + " " + (verb ? verb->Synopsis : "") + "\n      " +
             sub->get_description() + "\n";
    }
    return out;
  }
};

}  // namespace

std::shared_ptr<CLI::FormatterBase> HelpFormatter() { return std::make_shared<Formatter>(); }

const char* const CommonVerbHelp =
    "Pictures are written in the format their file extension names: .png, .bmp or .ppm.\n"
    "--tools DIR reads the cutter bitmaps from DIR instead of the tools directory beside the\n"
    "program. Exit status 2 means the command could not do its work (bad arguments, a project\n"
    "file that cannot be read, a picture that cannot be written). --verbose also shows the Qt\n"
    "toolkit's own warnings, which are otherwise left out.\n";

}  // namespace kerf
