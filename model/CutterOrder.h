// The order of the cutter box: by kind of bit, then by size, not by the characters of the name.
#pragma once

#include <string>

namespace kerf {

// The display name split into its sizes and its kind: "1/2" 14° Dovetail" -> sizes 0.5 and 14,
// kind "Dovetail". Leading words that read as lengths ("3/8"", "9.5mm", "1 1/4"") or angles
// ("22.5°") are sizes; the rest is the kind.
struct CutterSortKey {
  std::string Kind;     // folded to lower case
  double Size = 0.0;    // the first size (inches or degrees); 0 without one
  double Second = 0.0;  // a second size, 0 without one
};
CutterSortKey SortKeyOf(const std::string& displayName);

// True when the cutter named a lists before the one named b: by kind, then by size, then by
// the names themselves so that the order never depends on the order of the files.
bool CutterListsBefore(const std::string& a, const std::string& b);

}  // namespace kerf
