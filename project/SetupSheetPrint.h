// Printing the set-up sheet: one painting of its pages for a PDF file and for a printer alike.
#pragma once

#include <string>

#include "model/Result.h"
#include "project/SetupSheet.h"

class QPageLayout;
class QPainter;
class QPagedPaintDevice;

namespace kerf {

// The locale variables the paper is chosen from, as the environment has them (empty: unset).
struct PaperLocale {
  std::string All, Paper, Measurement, Lang;  // LC_ALL, LC_PAPER, LC_MEASUREMENT, LANG
};
// Letter where the locale's country prints on Letter (the US, Canada, Mexico, the Philippines
// and most of Central and South America's Spanish-speaking countries), A4 elsewhere. The
// country is that of the first variable set: LC_ALL, which overrides every category as it does
// in the C library, then LC_PAPER, LC_MEASUREMENT and LANG.
SheetPaper PaperForLocale(const PaperLocale& locale);
// The same for this process's environment.
SheetPaper PaperForLocale();
// "A4" or "Letter" (any case); false for any other name.
bool PaperByName(const std::string& name, SheetPaper& paper);
// The paper upright with SheetMargin all round.
QPageLayout SheetPageLayout(const SheetPaper& paper);

// Where page 1's parts lie, in mm below the printable area's top, for a printable width.
struct CoverLayout {
  double Scale = 1;       // the finished section's drawing scale (2 for 2:1)
  std::string ScaleText;  // "2:1", "1:1", "1:2"
  double SectionTop = 0;  // the drawing's top
  double SectionHeight = 0;
  double ListTop = 0;  // the list of passes
};
CoverLayout LayoutCover(const SetupSheet& sheet, double printableWidth);

// The sheet's pages on a printable area of the given size in mm.
SheetPages PagesOf(const SetupSheet& sheet, double printableWidth, double printableHeight);

// Paints every page on device, which painter is active on, starting a new page between pages.
// The page layout (paper and margins) is the device's; drawing starts at its printable area.
// False when the device refused a new page.
bool PaintSetupSheet(QPainter& painter, QPagedPaintDevice& device, const SetupSheet& sheet);

// The sheet as a PDF document on the paper with SheetMargin all round; empty when painting failed.
std::string SetupSheetPdf(const SetupSheet& sheet, const SheetPaper& paper);

// Writes the PDF to path, replacing a file there only once the whole document is written.
// A failure gives the reason without the path.
Result<void> SaveSetupSheet(const SetupSheet& sheet, const SheetPaper& paper,
                            const std::string& path);

}  // namespace kerf
