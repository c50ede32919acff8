// Writing a triangle mesh as a 3-D file: binary STL, OBJ or 3MF, chosen by the extension.
#include "project/MeshFile.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "Model/COM/NMR_DLLInterfaces.h"
#include "model/FileNames.h"
#include "model/NumberText.h"
#include "project/SafeFiles.h"

namespace kerf {

namespace {

void PutU32(std::string& out, uint32_t v) {
  for (int k = 0; k < 4; ++k) out.push_back(static_cast<char>((v >> (8 * k)) & 0xFF));
}

void PutFloat(std::string& out, double v) {
  PutU32(out, std::bit_cast<uint32_t>(static_cast<float>(v)));
}

// Releases a lib3mf object when it goes out of scope.
struct Lib3mfHandle {
  NMR::PLib3MFBase* Object = nullptr;
  ~Lib3mfHandle() {
    if (Object) NMR::lib3mf_release(Object);
  }
};

std::string Lib3mfError(NMR::PLib3MFBase* object, const char* what) {
  DWORD code = 0;
  LPCSTR message = nullptr;
  if (object && NMR::lib3mf_getlasterror(object, &code, &message) == LIB3MF_OK && message &&
      *message) {
    return std::string(what) + ": " + message;
  }
  return std::string(what) + " failed";
}

}  // namespace

MeshFormat MeshFormatOf(const std::string& path) {
  const std::string ext = LowerExtension(path);
  if (ext == "stl") return MeshFormat::Stl;
  if (ext == "obj") return MeshFormat::Obj;
  if (ext == "3mf") return MeshFormat::ThreeMf;
  return MeshFormat::Unknown;
}

std::string FormatStl(const TriangleMesh& mesh) {
  std::string out(80, '\0');
  const char header[] = "Kerfwright moulding, millimetres";
  std::memcpy(out.data(), header, sizeof header - 1);
  PutU32(out, static_cast<uint32_t>(mesh.Triangles.size()));
  out.reserve(out.size() + 50 * mesh.Triangles.size());
  for (const auto& t : mesh.Triangles) {
    const MeshVertex& a = mesh.Vertices[t[0]];
    const MeshVertex& b = mesh.Vertices[t[1]];
    const MeshVertex& c = mesh.Vertices[t[2]];
    const double ux = b.X - a.X, uy = b.Y - a.Y, uz = b.Z - a.Z;
    const double vx = c.X - a.X, vy = c.Y - a.Y, vz = c.Z - a.Z;
    double nx = uy * vz - uz * vy, ny = uz * vx - ux * vz, nz = ux * vy - uy * vx;
    const double length = std::sqrt(nx * nx + ny * ny + nz * nz);
    if (length > 0) nx /= length, ny /= length, nz /= length;
    for (double v : {nx, ny, nz}) PutFloat(out, v);
    for (const MeshVertex* p : {&a, &b, &c}) {
      PutFloat(out, p->X);
      PutFloat(out, p->Y);
      PutFloat(out, p->Z);
    }
    out.append(2, '\0');  // attribute byte count
  }
  return out;
}

std::string FormatObj(const TriangleMesh& mesh, const MeshLabel& label) {
  std::string name = label.Name;
  std::replace_if(
      name.begin(), name.end(), [](char c) { return c == '\n' || c == '\r'; }, ' ');
  std::string out =
      "# Kerfwright moulding, units: millimetres\no " + (name.empty() ? "moulding" : name) + "\n";
  char line[96];
  for (const MeshVertex& v : mesh.Vertices) {
    out += "v " + FixedText(v.X, 4) + " " + FixedText(v.Y, 4) + " " + FixedText(v.Z, 4) + "\n";
  }
  for (const auto& t : mesh.Triangles) {
    std::snprintf(line, sizeof line, "f %u %u %u\n", t[0] + 1, t[1] + 1, t[2] + 1);
    out += line;
  }
  return out;
}

Result<std::string> Format3mf(const TriangleMesh& mesh, const MeshLabel& label) {
  using namespace NMR;
  Lib3mfHandle model, object, properties, writer;
  if (lib3mf_createmodel(reinterpret_cast<PLib3MFModel**>(&model.Object)) != LIB3MF_OK)
    return Result<std::string>::Fail("cannot start lib3mf");
  auto fail = [](Lib3mfHandle& where, const char* what) {
    return Result<std::string>::Fail(Lib3mfError(where.Object, what));
  };
  if (lib3mf_model_setunit(model.Object, MODELUNIT_MILLIMETER) != LIB3MF_OK)
    return fail(model, "setting the unit");
  if (lib3mf_model_addmeshobject(
          model.Object, reinterpret_cast<PLib3MFModelMeshObject**>(&object.Object)) != LIB3MF_OK) {
    return fail(model, "adding the mesh");
  }
  std::vector<MODELMESHVERTEX> vertices(mesh.Vertices.size());
  for (size_t i = 0; i < vertices.size(); ++i) {
    vertices[i].m_fPosition[0] = static_cast<FLOAT>(mesh.Vertices[i].X);
    vertices[i].m_fPosition[1] = static_cast<FLOAT>(mesh.Vertices[i].Y);
    vertices[i].m_fPosition[2] = static_cast<FLOAT>(mesh.Vertices[i].Z);
  }
  std::vector<MODELMESHTRIANGLE> triangles(mesh.Triangles.size());
  for (size_t i = 0; i < triangles.size(); ++i) {
    for (int k = 0; k < 3; ++k)
      triangles[i].m_nIndices[k] = mesh.Triangles[i][static_cast<size_t>(k)];
  }
  if (lib3mf_meshobject_setgeometry(object.Object, vertices.data(),
                                    static_cast<DWORD>(vertices.size()), triangles.data(),
                                    static_cast<DWORD>(triangles.size())) != LIB3MF_OK) {
    return fail(object, "storing the mesh");
  }
  if (lib3mf_object_setnameutf8(object.Object, label.Name.c_str()) != LIB3MF_OK)
    return fail(object, "naming the mesh");
  if (lib3mf_object_createdefaultpropertyhandler(
          object.Object, reinterpret_cast<PLib3MFDefaultPropertyHandler**>(&properties.Object)) !=
          LIB3MF_OK ||
      lib3mf_defaultpropertyhandler_setcolorrgb(
          properties.Object, static_cast<BYTE>(ColourRed(label.Tint)),
          static_cast<BYTE>(ColourGreen(label.Tint)),
          static_cast<BYTE>(ColourBlue(label.Tint))) != LIB3MF_OK) {
    return fail(object, "colouring the mesh");
  }
  PLib3MFModelBuildItem* item = nullptr;
  if (lib3mf_model_addbuilditem(model.Object, object.Object, nullptr, &item) != LIB3MF_OK) {
    return fail(model, "placing the mesh");
  }
  lib3mf_release(item);
  if (lib3mf_model_querywriter(model.Object, "3mf",
                               reinterpret_cast<PLib3MFModelWriter**>(&writer.Object)) !=
      LIB3MF_OK) {
    return fail(model, "starting the 3MF writer");
  }
  ULONG64 size = 0;
  if (lib3mf_writer_getstreamsize(writer.Object, &size) != LIB3MF_OK)
    return fail(writer, "writing 3MF");
  std::string bytes(static_cast<size_t>(size), '\0');
  if (size > 0 && lib3mf_writer_writetobuffer(writer.Object, reinterpret_cast<BYTE*>(bytes.data()),
                                              size) != LIB3MF_OK) {
    return fail(writer, "writing 3MF");
  }
  return bytes;
}

Result<void> WriteMeshFile(const std::string& path, const TriangleMesh& mesh,
                           const MeshLabel& label) {
  const MeshFormat format = MeshFormatOf(path);
  if (format == MeshFormat::Unknown)
    return Result<void>::Fail(path + ": unknown 3-D file type; use .stl, .3mf or .obj");
  if (mesh.Triangles.empty())
    return Result<void>::Fail(path + ": the section holds no closed outline to export");
  std::string bytes;
  switch (format) {
    case MeshFormat::Stl:
      bytes = FormatStl(mesh);
      break;
    case MeshFormat::Obj:
      bytes = FormatObj(mesh, label);
      break;
    case MeshFormat::ThreeMf: {
      Result<std::string> made = Format3mf(mesh, label);
      if (!made) return Result<void>::Fail(path + ": " + made.Error());
      bytes = std::move(made.Value());
      break;
    }
    case MeshFormat::Unknown:
      break;
  }
  const Result<void> written = ReplaceFile(path, bytes);
  if (!written) return Result<void>::Fail(path + ": " + written.Error());
  return {};
}

}  // namespace kerf
