// Reading a cutter bitmap: its display name and its profile rows.
#pragma once

#include <string>
#include <vector>

#include "model/Raster.h"
#include "model/Result.h"
#include "model/Tool.h"

namespace kerf {

// "1-4! Roundover.bmp" -> 1/4" Roundover: drops the extension, then '-' -> '/', '!' -> '"',
// '%' -> '°', '@' -> '.'.
std::string CutterDisplayName(const std::string& fileName);

// The other way: "1/4" Roundover" -> "1-4! Roundover.bmp" ('/' -> '-', '"' -> '!', '°' -> '%',
// '.' -> '@'). Fails with the reason when the name cannot be encoded so that it decodes to
// itself: it is empty, holds one of "-!%@" (which decode to other characters), a '\\' or a
// control character, is not UTF-8, or is too long for a file name.
Result<std::string> EncodeCutterFileName(const std::string& name);

// Fills RedWidth, Profile and RowCount of tool from a decoded bitmap (colours 0x00BBGGRR,
// exact black and exact red). A bitmap more than 501 rows high cuts nothing; a profile of
// more than MaxProfileRows rows is cut at MaxProfileRows.
void ScanCutterProfile(const Raster& bitmap, Tool& tool);

}  // namespace kerf
