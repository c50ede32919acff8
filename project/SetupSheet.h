// The set-up sheet as plain data: what page 1 and each pass's card show, and how they fill pages.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/CutVerdict.h"
#include "model/Model.h"

namespace kerf {

class ProgressSink;

// A rectangle of material in a section, in units (hundredths of an inch) from the stock's
// top-left corner as it lies on the table, x towards the fence, y down.
struct SheetRect {
  double X, Y, W, H;
};

// A section as it lies on the table (the table along the bottom, the fence at the right): the
// material left, and the material one pass took away.
struct SheetSection {
  int Across = 0;   // the stock's extent along the table, in units
  int Upright = 0;  // its extent up from the table
  std::vector<SheetRect> Material;
  std::vector<SheetRect> Removed;
};

// The end of the stock with the number of the face on each side.
struct SheetFaces {
  int Across = 0, Upright = 0;                  // units
  int Table = 0, Fence = 0, Top = 0, Left = 0;  // face numbers 1..4; 0 for an unknown state
};

// One pass at the router table.
struct SheetCard {
  int Number = 0;              // 1 for the first pass
  std::string Cutter;          // the cutter's name, or its file name with " (missing)"
  std::vector<float> Profile;  // the cutter's radius at each row from the bottom, in units
  std::string Height, HeightMm, Fence, FenceMm;  // `3/8"` and `10mm`
  int32_t HeightUnits = 0, FenceUnits = 0;       // the same settings in hundredths of an inch
  // The settings as a woodworker measures them at the table; empty for a missing cutter.
  std::string EdgeWhere;     // "Lowest cutting edge above the table" (or below, or level with)
  std::string Edge, EdgeMm;  // how far: `3/8"` and `10mm`
  std::string ProudWhere;    // "Depth of cut (proud of the fence face)", or behind it
  std::string Proud, ProudMm;
  int32_t ProudUnits = 0;          // negative behind the fence face
  bool BearingFlush = false;       // the bearing's face lies in the fence face
  std::vector<std::string> Split;  // how to take a pass too deep for one in several
  std::string Orientation;         // "Face 1 on the table, face 4 against the fence"
  SheetFaces Faces;
  SheetSection Before;  // the section before the pass, with what the pass takes away as Removed
  SheetSection After;
  Verdict Judged = Verdict::CutOK;   // the bearing verdict, Danger for a cut no table can make
  std::string Bearing;               // the four bearing figures in one sentence
  std::vector<std::string> Reasons;  // why no real table can make the cut; empty when it can
};

struct SetupSheet {
  std::string ProjectName;
  std::string StockSize;    // `2" x 3/4" (51mm x 19mm)`
  std::string Orientation;  // the faces of the finished piece as it lies now
  SheetSection Finished;
  Verdict Overall = Verdict::CutOK;
  std::vector<SheetCard> Cards;
};

// The sheet of model's project, cuts in order. The model is not changed: the bearing figures
// are measured afresh on a copy, as the report's are, and each pass's sections are drawn on it
// in the state the pass was made in.
SetupSheet BuildSetupSheet(const Model& model);
// The same, telling progress of each card drawn.
SetupSheet BuildSetupSheet(const Model& model, ProgressSink& progress);

// Material of a rectangle of a raster (every pixel not exactly white) as rectangles: runs along
// the rows, with a run continued downwards while the rows below hold the same run. `scale`
// divides pixel coordinates (pixels per unit); left and top are subtracted first.
std::vector<SheetRect> MaterialRects(const Raster& raster, int left, int top, int right, int bottom,
                                     double scale);

// Page sizes in millimetres.
struct SheetPaper {
  const char* Name;
  double Width, Height;
};
inline constexpr SheetPaper PaperA4{"A4", 210, 297};
inline constexpr SheetPaper PaperLetter{"Letter", 215.9, 279.4};

// The fixed parts of the layout, in millimetres.
inline constexpr double SheetMargin = 12;     // round the printable area
inline constexpr double CardHeight = 76;      // one pass, reasons or the split included
inline constexpr double CardGap = 5;          // between two cards
inline constexpr double PageHeadHeight = 9;   // the project's name over every page of cards
inline constexpr double CoverLineHeight = 6;  // one pass in page 1's list

// Which cards each page after the first holds: as many whole cards as the printable height
// (mm) takes, at least one. Page 1 holds the list of passes; when the list is longer than
// page 1 takes, it runs on over further pages before the cards.
struct SheetPages {
  int CoverPages = 1;
  int CoverRowsFirst = 0;  // list rows on page 1 ...
  int CoverRowsMore = 0;   // ... and on each further page of the list, below its heading
  std::vector<std::vector<int>> CardPages;  // card indexes (0-based) per page
  int Count() const { return CoverPages + static_cast<int>(CardPages.size()); }
};
// coverTop is where the list of passes starts on page 1, in mm below the printable area's top.
SheetPages PaginateSheet(int cards, double printableHeight, double coverTop);

}  // namespace kerf
