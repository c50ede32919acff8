// Asking PDF viewers to print a document at its actual size.
#pragma once

#include <string>

namespace kerf {

// The PDF with "/ViewerPreferences << /PrintScaling /None >>" in its catalog, so that print
// dialogs start at 100 % rather than fitted to the paper. The entry is written into the
// catalog's dictionary and every offset after it in the cross-reference table moved to match.
// A document this cannot read with certainty (a cross-reference stream, an offset that does
// not lead to its object, viewer preferences already set) comes back unchanged.
std::string PrintedAtActualSize(const std::string& pdf);

}  // namespace kerf
