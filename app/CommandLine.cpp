// The command line: --help, --version and the headless verbs; no verb starts the desktop program.
#include "app/CommandLine.h"

#include <cctype>
#include <cstdio>
#include <string>

#include "app/Commands.h"
#include "app/DesktopProgram.h"

namespace kerf {

namespace {

struct Verb {
  const char* name;
  int (*run)(const CommandArgs&);
  const char* synopsis;  // arguments after the verb
  const char* summary;   // one line: what it does
  const char* details;   // the verb's own --help, after the synopsis; may be empty
};

constexpr Verb Verbs[] = {
    {"section", SectionCommand,
     "PROJECT.ROU -o IMAGE [--tools DIR] [--preview [--zoom Z] [--fence F] [--height H] [--cutter N]]",
     "writes the section picture",
     "Loads the cutter library and the project as Open does, then writes by default the 500 x 500\n"
     "measured section: material black, everything else white. With --preview it writes the\n"
     "250 x 250 Profile window picture in the project's wood colour instead, with the cutter\n"
     "outlined:\n"
     "  --zoom Z     magnification 1, 2 or 4 (default 1)\n"
     "  --fence F    fence position in hundredths of an inch, -200 to 1000 (default 0)\n"
     "  --height H   cutter height in hundredths of an inch, -500 to 500 (default 0)\n"
     "  --cutter N   number of the cutter in the library (default: the project's selected cutter)\n"},
    {"outline", OutlineCommand, "PROJECT.ROU [--tools DIR]", "prints the traced outline",
     "Prints \"closed\" or \"open\"; for a closed outline then \"centre X Y\"; then one \"X Y\"\n"
     "line per point in walk order, in pixels of the 500 x 500 section picture. The last point of\n"
     "a closed outline equals the first.\n"},
    {"report", ReportCommand, "PROJECT.ROU [--tools DIR] [--metric]", "prints the cut report",
     "Prints the lines the Report window shows: a header with the project and the local date and\n"
     "time, then ten lines per cut with its verdict (Cut OK, Caution or Danger). Lengths are in\n"
     "inches and 64ths, or with --metric in millimetres. An empty cut list prints nothing.\n"},
    {"check", CheckCommand, "PROJECT.ROU... [--tools DIR]",
     "judges projects; the exit status says whether any cut is Danger",
     "Prints \"PATH: N cuts, worst: VERDICT\" per project, then one line per Caution or Danger\n"
     "cut with the fence and table figures after it. Exit status 0: no cut is Danger; 1: a cut\n"
     "is Danger; 2: a project could not be read (the others are still checked).\n"},
    {"photo", PhotoCommand, "PROJECT.ROU -o IMAGE [--width W --height H] [view options]",
     "renders the 3-D view to a picture",
     "Draws one frame of the 3-D view of the worked stock and writes it. The view starts as the\n"
     "View Controls window does; the project's texture settings apply.\n"
     "  --width W, --height H    picture size in pixels (default 800 x 600)\n"
     "  --zoom N                 eye distance in tenths of a scene unit, 1 to 200 (default 70)\n"
     "  --rotate-x A, --rotate-y B, --rotate-z C   turns in degrees, 0 to 359 (default 0)\n"
     "  --shift-x X, --shift-y Y                   shifts in tenths, -50 to 50 (default 0)\n"
     "  --ambient A, --diffuse D, --specular S     light levels 0 to 100 (default 20, 70, 5)\n"
     "  --wire                   wire frame instead of solid faces\n"
     "  --background RRGGBB      clear colour in hexadecimal (default black)\n"
     "Needs OpenGL (Mesa's software renderer will do); without it the exit status is 2.\n"},
};

constexpr const char* CommonHelp =
    "Pictures are written in the format their file extension names: .png, .bmp or .ppm.\n"
    "--tools DIR reads the cutter bitmaps from DIR instead of the tools directory beside the\n"
    "program. Exit status 2 means the command could not do its work (bad arguments, a project\n"
    "file that cannot be read, a picture that cannot be written).\n";

void PrintHelp() {
  std::printf(
      "Usage: kerfwright [PROJECT.ROU]\n"
      "       kerfwright VERB ARGUMENTS...\n"
      "       kerfwright --help | --version\n\n"
      "Kerfwright simulates a router table. Without a verb the desktop program starts, opening\n"
      "PROJECT.ROU when one is given. The verbs work without a display (photo needs OpenGL):\n\n");
  for (const Verb& v : Verbs) std::printf("  kerfwright %s %s\n      %s\n", v.name, v.synopsis, v.summary);
  std::printf("\n%s\nRun 'kerfwright VERB --help' for the options of one verb.\n", CommonHelp);
}

void PrintVerbHelp(const Verb& v) {
  std::string summary = v.summary;
  summary[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(summary[0])));
  std::printf("Usage: kerfwright %s %s\n\n%s.\n", v.name, v.synopsis, summary.c_str());
  if (*v.details) std::printf("\n%s", v.details);
  std::printf("\n%s", CommonHelp);
}

bool EndsWithProjectExtension(const std::string& s) {
  if (s.size() < 4) return false;
  std::string ext = s.substr(s.size() - 4);
  for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return ext == ".rou";
}

bool AsksForHelp(const CommandArgs& args) {
  for (const std::string& a : args) {
    if (a == "--") return false;
    if (a == "--help" || a == "-h") return true;
  }
  return false;
}

int UnknownWord(const std::string& word, const char* what) {
  std::fprintf(stderr, "kerfwright: unknown %s '%s'\nTry 'kerfwright --help'.\n", what, word.c_str());
  return 2;
}

}  // namespace

int RunKerfwright(int argc, char** argv) {
  if (argc <= 1) return RunDesktopProgram(argc, argv, "");
  const std::string first = argv[1];
  if (first == "--help" || first == "-h") {
    PrintHelp();
    return 0;
  }
  if (first == "--version") {
    std::printf("kerfwright %s\n", KERF_VERSION);
    return 0;
  }
  for (const Verb& v : Verbs) {
    if (first != v.name) continue;
    const CommandArgs args(argv + 2, argv + argc);
    if (AsksForHelp(args)) {
      PrintVerbHelp(v);
      return 0;
    }
    return v.run(args);
  }
  if (argc == 2 && first[0] != '-' && EndsWithProjectExtension(first)) {
    return RunDesktopProgram(argc, argv, first);
  }
  return UnknownWord(first, first[0] == '-' ? "option" : "verb");
}

}  // namespace kerf
