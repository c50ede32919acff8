// Writing a triangle mesh as a 3-D file: binary STL, OBJ or 3MF, chosen by the extension.
#include "project/MeshFile.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <ctime>

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

// Little-endian fields of a zip archive; a field past the end reads as all ones, which no
// signature or offset the walk below accepts.
uint64_t ZipField(const std::string& zip, uint64_t at, int bytes) {
  if (at > zip.size() || zip.size() - at < static_cast<uint64_t>(bytes)) return ~uint64_t{0};
  uint64_t value = 0;
  for (int k = bytes - 1; k >= 0; --k) value = value << 8 | static_cast<unsigned char>(zip[at + k]);
  return value;
}

void PutU16At(std::string& zip, uint64_t at, unsigned v) {
  zip[at] = static_cast<char>(v & 0xFF);
  zip[at + 1] = static_cast<char>(v >> 8 & 0xFF);
}

// Dates every entry of the zip archive (its local header and its central directory record)
// with when, in local time in the DOS date and time fields: lib3mf leaves them zero, which
// readers show as 1980-00-00. A directory that cannot be walked is left as it is.
void DateZipEntries(std::string& zip, std::time_t when) {
  std::tm local{};
  if (!localtime_r(&when, &local) || local.tm_year < 80) return;
  const unsigned time =
      static_cast<unsigned>(local.tm_hour << 11 | local.tm_min << 5 | local.tm_sec / 2);
  const unsigned date =
      static_cast<unsigned>((local.tm_year - 80) << 9 | (local.tm_mon + 1) << 5 | local.tm_mday);
  const size_t end = zip.rfind(std::string("PK\5\6", 4));
  if (end == std::string::npos) return;
  uint64_t entries = ZipField(zip, end + 10, 2), directory = ZipField(zip, end + 16, 4);
  if (entries == 0xFFFF || directory == 0xFFFFFFFF) {  // the ZIP64 end record holds them
    const uint64_t locator = end >= 20 ? end - 20 : ~uint64_t{0};
    if (ZipField(zip, locator, 4) != 0x07064B50) return;
    const uint64_t record = ZipField(zip, locator + 8, 8);
    if (ZipField(zip, record, 4) != 0x06064B50) return;
    entries = ZipField(zip, record + 32, 8);
    directory = ZipField(zip, record + 48, 8);
  }
  uint64_t at = directory;
  for (uint64_t n = 0; n < entries && ZipField(zip, at, 4) == 0x02014B50; ++n) {
    const uint64_t name = ZipField(zip, at + 28, 2), extra = ZipField(zip, at + 30, 2);
    uint64_t header = ZipField(zip, at + 42, 4);
    if (header == 0xFFFFFFFF) {
      // The ZIP64 extra field holds the sizes that overflowed, then the offset.
      for (uint64_t e = at + 46 + name; e + 4 <= at + 46 + name + extra;) {
        const uint64_t id = ZipField(zip, e, 2), size = ZipField(zip, e + 2, 2);
        if (id == 1) {
          uint64_t field = e + 4;
          for (uint64_t sizeAt : {at + 24, at + 20})
            field += ZipField(zip, sizeAt, 4) == 0xFFFFFFFF ? 8 : 0;
          header = ZipField(zip, field, 8);
          break;
        }
        e += 4 + size;
      }
    }
    if (ZipField(zip, header, 4) == 0x04034B50) {
      PutU16At(zip, header + 10, time);
      PutU16At(zip, header + 12, date);
    }
    PutU16At(zip, at + 12, time);
    PutU16At(zip, at + 14, date);
    at += 46 + name + extra + ZipField(zip, at + 32, 2);
  }
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
  DateZipEntries(bytes, std::time(nullptr));
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
