// kerfwright cutter: makes a cutter bitmap from a kind of bit or a drawn profile, lists the
// library.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <iterator>
#include <string>
#include <vector>

#include "cli/CommandArgs.h"
#include "cli/ExitStatus.h"
#include "model/CutterKinds.h"
#include "model/CutterOrder.h"
#include "model/CutterScan.h"
#include "model/LengthText.h"
#include "model/PrintableText.h"
#include "model/Progress.h"
#include "project/ProfileImport.h"
#include "project/ProgramFiles.h"
#include "project/UserCutters.h"

namespace kerf {

namespace {

// Pixels as a catalogue size: "7/16"", "0.69"".
std::string Size(float pixels) { return CatalogueSize({pixels / 100.0, false}); }

// text followed by spaces up to width characters (UTF-8 characters, not bytes).
std::string Padded(const std::string& text, size_t width) {
  size_t characters = 0;
  for (char c : text) characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
  return text + std::string(characters < width ? width - characters : 0, ' ');
}

int Fail(const char* action, const std::string& message) {
  std::fprintf(stderr, "kerfwright cutter %s: %s\n", action, PrintableText(message).c_str());
  return ExitCannotRun;
}

// Names the design (--name, else the proposed name), writes it and prints the path.
int WriteCutter(const char* action, CutterDesign design, const std::string& proposed,
                const std::string& name, const std::string& folder, bool replace) {
  const std::string chosen = name.empty() ? proposed : name;
  const Result<std::string> fileName = EncodeCutterFileName(chosen);
  if (!fileName)
    return Fail(action, "cannot name the cutter " + QuotedText(chosen) + ": " + fileName.Error() +
                            (name.empty() ? "; give a name with --name" : ""));
  design.FileName = fileName.Value();
  const Result<std::string> path =
      SaveCutterBitmap(design, folder.empty() ? UserCutterFolder() : folder, replace);
  if (!path) {
    // Only a name already taken is what --replace is for; a full disk or no folder is not.
    const std::string taken = "a cutter of that name is already there";
    const std::string& error = path.Error();
    const bool hint = error.size() >= taken.size() &&
                      error.compare(error.size() - taken.size(), taken.size(), taken) == 0;
    return Fail(action, error + (hint ? " (--replace writes over it)" : ""));
  }
  std::printf("%s\n", PrintableText(path.Value()).c_str());
  return ExitSuccess;
}

int Make(const CommandArgs& args) {
  std::string kindKey, output, name;
  bool replace = false;
  OptionParser parser("cutter");
  parser.Positional("KIND", kindKey, false, "the kind of bit");
  CutterDimensionTexts texts;
  // Every dimension any kind has is an option; the kind refuses the ones it has not.
  static const char* const keys[] = {"diameter", "radius", "bearing", "length",
                                     "step",     "angle",  "height",  "kerf"};
  std::string values[std::size(keys)];
  std::string names[std::size(keys)];
  for (size_t i = 0; i < std::size(keys); ++i) {
    names[i] = std::string("--") + keys[i];
    parser.Text({names[i].c_str()}, "SIZE", values[i], false, "");
  }
  parser.Text({"-o", "--output"}, "DIR", output, false,
              "the folder to write (default: your cutter folder)");
  parser.Text({"--name"}, "NAME", name, false, "the cutter's name (default: from its dimensions)");
  parser.Flag({"--replace"}, replace, "write over a cutter of the same name");
  if (!parser.Parse(args)) return UsageExit(parser);

  const CutterKindInfo* kind = FindCutterKind(kindKey);
  if (kind == nullptr) {
    std::string known;
    for (const CutterKindInfo& k : CutterKinds()) known += (known.empty() ? "" : ", ") + k.Key;
    return Fail("make", "unknown kind " + QuotedText(kindKey) + "; the kinds are " + known);
  }
  for (size_t i = 0; i < std::size(keys); ++i)
    if (parser.Given(names[i])) texts[keys[i]] = values[i];
  const Result<DesignedCutter> made = DesignCutter(*kind, texts);
  if (!made) return Fail("make", made.Error());
  return WriteCutter("make", made.Value().Design, made.Value().Name, name, output, replace);
}

int Import(const CommandArgs& args) {
  std::string drawing, bearing, output, name;
  bool replace = false;
  OptionParser parser("cutter");
  parser.Positional("PROFILE", drawing, false, "the drawing of the half-profile (.svg or .dxf)");
  parser.Text({"--bearing"}, "D", bearing, false, "the bearing's diameter (default: none)");
  parser.Text({"-o", "--output"}, "DIR", output, false,
              "the folder to write (default: your cutter folder)");
  parser.Text({"--name"}, "NAME", name, false,
              "the cutter's name (default: the drawing's file name)");
  parser.Flag({"--replace"}, replace, "write over a cutter of the same name");
  if (!parser.Parse(args)) return UsageExit(parser);

  double bearingDiameter = 0;
  if (!bearing.empty()) {
    const Result<TypedLength> length = ReadLength(bearing);
    bearingDiameter = length ? length.Value().Inches() : -1;
  }
  if (!(bearingDiameter >= 0))
    return Fail("import", "cannot read the bearing '" + bearing +
                              "'; give inches like 1/2 or 0.5, or millimetres like 12.7mm");
  const Result<CutterDesign> design = ImportCutterProfile(drawing, bearingDiameter);
  if (!design) return Fail("import", design.Error());
  return WriteCutter("import", design.Value(), std::filesystem::path(drawing).stem().string(), name,
                     output, replace);
}

int List(const CommandArgs& args) {
  std::string tools;
  OptionParser parser("cutter");
  parser.Text({"--tools"}, "DIR", tools, false, "read the supplied cutter bitmaps from DIR");
  if (!parser.Parse(args)) return UsageExit(parser);
  const std::string supplied = tools.empty() ? ToolsDir() : tools;
  const std::string user = UserCutterFolder();
  NoProgress quiet;
  const CutterLibrary library = LoadCutterLibraries(supplied, user, quiet);
  for (const SkippedCutter& skipped : library.Skipped)
    std::fprintf(stderr, "kerfwright: warning: cutter bitmap %s skipped: %s\n",
                 QuotedText(skipped.FileName).c_str(), PrintableText(skipped.Reason).c_str());
  std::vector<const Tool*> boxOrder;
  for (const Tool& tool : library.Tools) boxOrder.push_back(&tool);
  std::stable_sort(boxOrder.begin(), boxOrder.end(), [](const Tool* a, const Tool* b) {
    return CutterListsBefore(a->Name, b->Name);
  });
  for (const Tool* listed : boxOrder) {
    const Tool& tool = *listed;
    bool own = false;
    for (const std::string& f : library.UserFiles) own = own || f == tool.FileName;
    const float cutting = static_cast<float>(tool.RowCount - (tool.RedWidth > 0 ? 1 : 0));
    float widest = 0;
    for (int row = 1; row <= tool.RowCount; ++row)
      widest = std::max(widest, tool.Profile[static_cast<size_t>(row)]);
    const std::string folder = own ? user : supplied;
    std::printf("%s height %s radius %s bearing %s %s/%s\n",
                Padded(PrintableText(tool.Name), 24).c_str(), Padded(Size(cutting), 9).c_str(),
                Padded(Size(widest), 9).c_str(),
                Padded(Size(static_cast<float>(tool.RedWidth)), 9).c_str(), folder.c_str(),
                PrintableText(tool.FileName).c_str());
  }
  return ExitSuccess;
}

}  // namespace

int CutterCommand(const CommandArgs& args) {
  const std::string action = args.empty() ? std::string() : args[0];
  const CommandArgs rest(args.begin() + (args.empty() ? 0 : 1), args.end());
  if (action == "make") return Make(rest);
  if (action == "import") return Import(rest);
  if (action == "list") return List(rest);
  if (action == "-h" || action == "--help") {
    OptionParser parser("cutter");
    parser.Parse(args);
    return UsageExit(parser);
  }
  std::fprintf(
      stderr, "kerfwright cutter: %s; give make, import or list\nTry 'kerfwright cutter --help'.\n",
      action.empty() ? "missing action" : ("unknown action " + QuotedText(action)).c_str());
  return ExitCannotRun;
}

}  // namespace kerf
