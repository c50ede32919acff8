// Exporting the worked moulding as a 3-D file, shared by the mesh verb and File > Export 3-D.
#pragma once

#include <string>

#include "model/Model.h"
#include "model/Result.h"
#include "model/SectionPictures.h"

namespace kerf {

inline constexpr double DefaultExportLengthMm = 4 * 25.4;
inline constexpr double MaxExportLengthMm = 100 * 25.4;

// A length as a woodworker types it: inches as a whole or decimal number or a fraction
// ("4", "4.5", "3/4", "1 1/2", optionally followed by in or "), or millimetres ("19mm",
// "19 mm"), in millimetres. It must be above 0 and at most 100 inches; a failure is a sentence
// saying what is wrong.
Result<double> ParseExportLength(const std::string& text);

// Writes the moulding of outline (traced already from model) extruded to lengthMm as .stl, .3mf or
// .obj by the extension, named after the project and coloured with its wood. With smooth the
// section is the smooth curves fitted to a fine drawing of it instead of the traced outline.
// A failure names the file when there is no section or the file cannot be written.
Result<void> ExportMoulding(const Model& model, const SectionOutline& outline,
                            const std::string& path, double lengthMm, bool smooth = false);

}  // namespace kerf
