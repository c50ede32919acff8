// Writing a triangle mesh as a 3-D file: binary STL, OBJ or 3MF, chosen by the extension.
#pragma once

#include <string>

#include "model/Raster.h"
#include "model/Result.h"
#include "model/TriangleMesh.h"

namespace kerf {

enum class MeshFormat { Unknown, Stl, Obj, ThreeMf };

// The format the file name's extension asks for (.stl, .obj, .3mf in any case).
MeshFormat MeshFormatOf(const std::string& path);

// What the file says about the solid besides its shape.
struct MeshLabel {
  std::string Name;     // the object's name (OBJ and 3MF)
  Colour Tint = White;  // the object's colour (3MF), 0x00BBGGRR
};

// The file's bytes. Every format is in millimetres: 3MF says so in its unit, OBJ in a comment,
// STL has no unit and is read as millimetres by convention.
std::string FormatStl(const TriangleMesh& mesh);
std::string FormatObj(const TriangleMesh& mesh, const MeshLabel& label);
// The 3MF's zip entries are dated now (local time); fails with the library's message when
// lib3mf fails.
Result<std::string> Format3mf(const TriangleMesh& mesh, const MeshLabel& label);

// Writes the mesh in the format of the extension, replacing the file safely (see ReplaceFile),
// so a failed write leaves any earlier file as it was. A failure names the file and gives the
// system's reason.
Result<void> WriteMeshFile(const std::string& path, const TriangleMesh& mesh,
                           const MeshLabel& label);

}  // namespace kerf
