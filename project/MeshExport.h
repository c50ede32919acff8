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

// The section a mesh is drawn out from: the true-size outline the template draws (smooth curves
// fitted to a fine drawing of the section), or the outline traced from the measured section,
// whose curves keep the steps of its pixels (0.56 mm).
enum class MeshSection { TrueSize, Traced };

// Writes the moulding of model's section extruded to lengthMm as .stl, .3mf or .obj by the
// extension, named after the project and coloured with its wood; outline is the traced outline,
// used for MeshSection::Traced. A section the template refuses (one enclosing a hole) is
// refused with the template's reason whichever section is asked for; a traced outline that
// does not close and a file that cannot be written are failures naming the file.
Result<void> ExportMoulding(const Model& model, const SectionOutline& outline,
                            const std::string& path, double lengthMm,
                            MeshSection section = MeshSection::TrueSize);

}  // namespace kerf
