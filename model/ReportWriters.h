// Writing the cut report as plain text and as rich text (RTF) with its colours.
#pragma once

#include <string>

#include "model/CutReport.h"

namespace kerf {

// One line per report line, each ended by "\n"; colours are dropped.
std::string ReportAsText(const CutReport& report);

// A complete RTF document: "{\rtf1" header, a font table, a colour table of the colours used,
// then one paragraph per report line in its colour. Characters outside ASCII are written as
// \uN? escapes, so the text survives any reader's code page.
std::string ReportAsRtf(const CutReport& report);

}  // namespace kerf
