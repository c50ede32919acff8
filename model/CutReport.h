// The cut report as data: its lines, each with the colour it is shown in.
#pragma once

#include <string>
#include <vector>

#include "model/Model.h"
#include "model/Raster.h"
#include "model/Section.h"

namespace kerf {

struct ReportLine {
  std::string Text;  // UTF-8, without line end
  Colour TextColour = Black;
};

using CutReport = std::vector<ReportLine>;

// Lines in a report: five header lines, then ten per cut (and a line per cut problem).
inline constexpr int ReportHeaderLines = 5;
inline constexpr int ReportLinesPerCut = 10;

// The report of the model's cut list: five black header lines (the first names
// model.ProjectFileName() and dateTime, the local date and time the caller formatted), then one
// block of ten lines per cut in the colour of its verdict, then one red line for every cut that
// a real table could not make (CutProblem). An empty cut list gives no lines.
// The figures are those section holds from the last measuring pass of the model (cut #i's from
// section.ResultOfCut(i)); nothing is measured here.
CutReport BuildCutReport(const Model& model, const Section& section, const std::string& dateTime);

// The five header lines alone: what the Report window shows for a list without cuts.
CutReport CutReportHeader(const Model& model, const std::string& dateTime);

}  // namespace kerf
