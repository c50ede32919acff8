// The one table of the command-line verbs, in the order --help lists them; each verb's run
// function lives in its own file (cli/SectionCommand.cpp, ...).
#include "cli/Verbs.h"

namespace kerf {

// Defined in the verbs' own files; only this table calls them.
int SectionCommand(const CommandArgs& args);
int OutlineCommand(const CommandArgs& args);
int ReportCommand(const CommandArgs& args);
int CheckCommand(const CommandArgs& args);
int PhotoCommand(const CommandArgs& args);
int MeshCommand(const CommandArgs& args);
int TemplateCommand(const CommandArgs& args);
int SheetCommand(const CommandArgs& args);
int MatchCommand(const CommandArgs& args);
int CutterCommand(const CommandArgs& args);

namespace {

constexpr Verb Table[] = {
    {"section", SectionCommand,
     "PROJECT.ROU -o IMAGE [--tools DIR] [--preview [--zoom Z] [--fence F] [--height H] [--cutter "
     "N]]",
     "writes the section picture",
     "Loads the cutter library and the project as Open does, then writes by default the 500 x 500\n"
     "measured section: material black, everything else white. With --preview it writes the\n"
     "250 x 250 Profile window picture in the project's wood colour instead, with the table and\n"
     "fence in grey and the cutter outlined, dashed where it lies below the table or behind the\n"
     "fence; --zoom, --fence, --height and --cutter work only with --preview.\n"
     "The fence F and height H are lengths in inches (3/4, 1-1/8\", 0.75) or millimetres (19mm,\n"
     "1.9cm); a bare whole number is in hundredths of an inch, so --fence 75 is 3/4\".\n"},
    {"outline", OutlineCommand, "PROJECT.ROU [--tools DIR]", "prints the traced outline",
     "Prints \"closed\" or \"open\"; for a closed outline then \"centre X Y\"; then one \"X Y\"\n"
     "line per point in walk order, in pixels of the 500 x 500 section picture. The last point of\n"
     "a closed outline equals the first.\n"},
    {"report", ReportCommand, "PROJECT.ROU [--tools DIR] [--metric] [--reach LENGTH]",
     "prints the cut report",
     "Prints the lines the Report window shows: a header with the project and the local date and\n"
     "time, then ten lines per cut with its verdict (Cut OK, Caution or Danger). Lengths are in\n"
     "inches and 64ths, or with --metric in millimetres. An empty cut list prints nothing.\n"
     "After the last cut, one red line names each cut that no real table can or should make.\n"
     "--reach is how high the table's lift raises a bit's lowest edge (1 1/2\" unless given).\n"},
    {"check", CheckCommand, "PROJECT.ROU... [--tools DIR] [--reach LENGTH]",
     "judges projects; the exit status says whether any cut is Danger",
     "Prints \"PATH: N cuts, worst: VERDICT\" per project, then one line per Caution or Danger\n"
     "cut with the fence and table figures after it and the reason a table refuses it. Exit\n"
     "status 0: no cut is Danger; 1: a cut is Danger or impossible; 2: a project could not be\n"
     "read (the others are still checked). --reach is how high the table's lift raises a bit's\n"
     "lowest edge (1 1/2\" unless given); a cut set higher is impossible.\n"},
    {"photo", PhotoCommand, "PROJECT.ROU -o IMAGE [--width W --height H] [--fit | view options]",
     "renders the 3-D view to a picture",
     "Draws one frame of the 3-D view of the worked stock and writes it. The view starts as the\n"
     "View Controls window does; the project's texture settings apply. Needs OpenGL (Mesa's\n"
     "software renderer will do); without it the exit status is 2. --fit turns the view to a\n"
     "three-quarter angle and zooms so that the whole moulding fills about 80 % of the picture\n"
     "(its larger extent across or up); it replaces --zoom, --rotate-* and --shift-*. The light\n"
     "comes from above the eye rather than from the upper right as in the 3-D view, so the end\n"
     "face, which shows the section, is lit; --ambient, --diffuse and --specular set its levels\n"
     "as the View Controls sliders do.\n"},
    {"mesh", MeshCommand, "PROJECT.ROU -o FILE [--length L] [--traced] [--tools DIR]",
     "writes the moulding as a 3-D file",
     "Writes the worked section extruded to a length of moulding as a closed solid at its true\n"
     "size in millimetres: binary STL, 3MF or OBJ by the extension of FILE. The length is in\n"
     "inches (4, 4.5, 3/4, 1 1/2) or millimetres (19mm); it defaults to 4 inches. The 3MF\n"
     "object carries the project's name and wood colour. The section is the true-size outline\n"
     "the template draws, smooth curves fitted to a fine drawing of it; --traced takes the\n"
     "outline traced from the section's pixels instead (steps of 0.56 mm). --smooth, which\n"
     "asked for the true-size outline before it was the default, is still accepted and changes\n"
     "nothing. A section the template refuses (one enclosing a hole) is refused alike.\n"},
    {"template", TemplateCommand, "PROJECT.ROU -o FILE [--paper A4|Letter] [--tools DIR]",
     "writes a full-size template of the section",
     "Writes the worked section at true size for holding against the finished piece: SVG, PDF\n"
     "or DXF by the extension of FILE. The outline is fitted with smooth curves to a fine drawing\n"
     "of the section. SVG and PDF pages, printed at 100 %, also show the uncut stock dashed, a\n"
     "1-inch and a 25-mm square to check the printer's scale, a ruler, the project's name and\n"
     "the faces on the table and against the fence. A PDF page larger than the paper (Letter\n"
     "where the locale measures in US units, A4 elsewhere, unless --paper says) is printed on\n"
     "numbered sheets that overlap by 1/2\", with crosses to line them up. The DXF holds the\n"
     "outline alone, in mm.\n"},
    {"sheet", SheetCommand,
     "PROJECT.ROU -o FILE.pdf [--paper A4|Letter] [--tools DIR] [--reach LENGTH]",
     "writes the set-up sheet to take to the router table",
     "Writes a PDF: page 1 holds the project's name, the stock's size, the finished section and\n"
     "the list of passes with the overall verdict; then one card per pass, two or three to a\n"
     "page: the cutter and its profile, the faces on the table and against the fence, how high\n"
     "the cutter's lowest edge stands and how far it stands proud of the fence face (the\n"
     "program's height and fence beside them) in inches and mm, the section before and after\n"
     "the pass (with a close view of a small cut), how to split a pass too deep for one, and\n"
     "the verdict with its bearing figures and any reason no table can make the cut. The paper\n"
     "is Letter where the locale's country prints on it (LC_ALL, else LC_PAPER, else\n"
     "LC_MEASUREMENT, else LANG) and A4 elsewhere, unless --paper says. --reach is\n"
     "how high the table's lift raises a bit's lowest edge (1 1/2\" unless given).\n"},
    {"match", MatchCommand,
     "TARGET -o PLAN.ROU [--stock WxH] [--tolerance T] [--max-passes N] [--cutters DIR...] "
     "[--metric] [--tools DIR]",
     "finds the cuts that make a given section",
     "Searches the cutter library (the supplied cutters, your own and those of every --cutters\n"
     "folder) for the cuts, settings and order that make TARGET, writes them as a project and\n"
     "prints the match report: the area of the target reached, the largest deviation and where\n"
     "it lies, the parts no cutter can make and any Danger cut. TARGET is a drawing at true size\n"
     "(.svg or .dxf; a template of Export Template or 'kerfwright template' reads back), a\n"
     "500 x 500 section picture as 'kerfwright section' writes it (black is kept), or a project.\n"
     "--stock gives the stock's width and height (3/4x3, 19mmx76mm); a template or a project\n"
     "knows its own, a picture or another drawing needs it. No cut may remove what the target\n"
     "keeps by more than --tolerance (1/64\" unless given); a plan has at most --max-passes cuts\n"
     "(8). A terminal shows the search's progress. Exit status 0: the target was reached within\n"
     "the tolerance; 1: only partly (the plan is the closest found); 2: bad input. Cutters from\n"
     "a --cutters folder must be in your cutter folder when the plan is opened.\n"},
    {"cutter", CutterCommand,
     "make KIND --SIZE S... [-o DIR] [--name NAME] | import PROFILE [--bearing W] [-o DIR] [--name "
     "NAME] | list",
     "makes your own cutters and lists the cutter library",
     "make writes the bitmap of a kind of bit from its catalogue sizes and prints its path:\n"
     "  straight --diameter [--length]          rebate --diameter --bearing --length\n"
     "  roundover --radius [--bearing --step]   cove --radius [--bearing --diameter]\n"
     "  chamfer --angle --diameter [--bearing]  vgroove --angle --diameter\n"
     "  corebox --radius                        beading --radius [--bearing]\n"
     "  romanogee --radius [--bearing]          dovetail --angle --diameter [--height]\n"
     "  slot --diameter --kerf [--bearing]      flushtrim --diameter [--length --bearing]\n"
     "Sizes are inches (3/8, 1 1/4, 0.375) or millimetres (9.5mm); angles are degrees. The name\n"
     "comes from the sizes (\"3/8\" Roundover\") unless --name gives one; --replace writes over a\n"
     "cutter of the same name. import reads the half-profile of a bit drawn in a CAD program (an\n"
     "SVG path or a DXF polyline, axis on the left, in real units). Both write into your cutter\n"
     "folder ($XDG_DATA_HOME/kerfwright/tools, ~/.local/share/kerfwright/tools by default) unless\n"
     "-o names another. list prints the supplied and your own cutters in the cutter box's order\n"
     "with each one's cutting height, largest radius, bearing radius and file.\n"},
};

}  // namespace

std::span<const Verb> AllVerbs() { return Table; }

const Verb* FindVerb(const std::string& name) {
  for (const Verb& v : Table) {
    if (name == v.Name) return &v;
  }
  return nullptr;
}

}  // namespace kerf
