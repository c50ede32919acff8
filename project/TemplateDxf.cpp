// The template as a DXF file of the 2000 version: the profile's rings as closed polylines, with
// the tables, blocks and objects that version's readers expect, every item with its handle.
#include <algorithm>
#include <cstdio>
#include <functional>
#include <initializer_list>
#include <string_view>
#include <tuple>
#include <utility>

#include "model/NumberText.h"
#include "project/TemplateFile.h"

namespace kerf {

namespace {

class DxfWriter {
 public:
  // One group: its code on one line and its value on the next.
  void Group(int code, std::string_view value) {
    out_ += std::to_string(code);
    out_ += '\n';
    out_ += value;
    out_ += '\n';
  }
  void Group(int code, int value) { Group(code, std::to_string(value)); }
  // A length in millimetres with three decimals and a point, whatever the locale.
  void Number(int code, double value) { Group(code, FixedText(value, 3)); }

  // A new handle (hexadecimal, counted from 1).
  std::string Handle() { return HandleText(++last_); }
  std::string NextHandle() const { return HandleText(last_ + 1); }
  std::string& Text() { return out_; }

  // An item's opening: its type, its handle (under code 5, or 105 for a DIMSTYLE), its owner
  // and its class markers.
  std::string Begin(std::string_view type, std::string_view owner,
                    std::initializer_list<std::string_view> classes, int handleCode = 5) {
    std::string handle = Handle();
    Group(0, type);
    Group(handleCode, handle);
    Group(330, owner);
    for (const std::string_view c : classes) Group(100, c);
    return handle;
  }

  // A symbol table and its records, each written by a function given the table's handle.
  void Table(std::string_view name, int records,
             const std::function<void(const std::string&)>& write,
             std::string_view extraClass = {}) {
    const std::string handle = Handle();
    Group(0, "TABLE");
    Group(2, name);
    Group(5, handle);
    Group(330, "0");
    Group(100, "AcDbSymbolTable");
    Group(70, records);
    if (!extraClass.empty()) Group(100, extraClass);
    write(handle);
    Group(0, "ENDTAB");
  }

  // A record of a table: its classes, its name and no flags.
  std::string Record(std::string_view type, std::string_view recordClass, const std::string& table,
                     std::string_view name, int handleCode = 5) {
    std::string handle = Begin(type, table, {"AcDbSymbolTableRecord", recordClass}, handleCode);
    Group(2, name);
    Group(70, 0);
    return handle;
  }

 private:
  static std::string HandleText(unsigned n) {
    char text[16];
    std::snprintf(text, sizeof text, "%X", n);
    return text;
  }

  std::string out_;
  unsigned last_ = 0;
};

void Section(DxfWriter& w, std::string_view name) {
  w.Group(0, "SECTION");
  w.Group(2, name);
}

}  // namespace

std::string TemplateDxf(const TemplateDrawing& drawing) {
  DxfWriter w;
  // Handles the tables refer to before the objects holding them are written.
  const std::string root = w.Handle(), groups = w.Handle(), layouts = w.Handle();
  const std::string modelLayout = w.Handle(), paperLayout = w.Handle();
  std::string modelSpace, paperSpace;

  Section(w, "TABLES");
  w.Table("VPORT", 1, [&](const std::string& table) {
    w.Record("VPORT", "AcDbViewportTableRecord", table, "*Active");
    // The view: centred on the stock, showing all of it.
    const double across = drawing.StockAcrossMm, upright = drawing.StockUprightMm;
    w.Number(10, 0), w.Number(20, 0), w.Number(11, 1), w.Number(21, 1);
    w.Number(12, across / 2), w.Number(22, upright / 2);
    w.Number(40, std::max(across, upright) * 1.2), w.Number(41, 1.5);
  });
  w.Table("LTYPE", 3, [&](const std::string& table) {
    for (const char* name : {"ByBlock", "ByLayer", "Continuous"}) {
      w.Record("LTYPE", "AcDbLinetypeTableRecord", table, name);
      w.Group(3, name[0] == 'C' ? "Solid line" : "");
      w.Group(72, 65);  // 'A': the only alignment
      w.Group(73, 0);   // no dashes
      w.Number(40, 0);
    }
  });
  w.Table("LAYER", 2, [&](const std::string& table) {
    for (const char* name : {"0", "PROFILE"}) {
      w.Record("LAYER", "AcDbLayerTableRecord", table, name);
      w.Group(62, 7);  // white on a dark screen, black on paper
      w.Group(6, "Continuous");
    }
  });
  w.Table("STYLE", 1, [&](const std::string& table) {
    w.Record("STYLE", "AcDbTextStyleTableRecord", table, "Standard");
    w.Number(40, 0), w.Number(41, 1), w.Number(50, 0);
    w.Group(71, 0);
    w.Number(42, 2.5);
    w.Group(3, "txt");
    w.Group(4, "");
  });
  w.Table("VIEW", 0, [](const std::string&) {});
  w.Table("UCS", 0, [](const std::string&) {});
  w.Table("APPID", 1, [&](const std::string& table) {
    w.Record("APPID", "AcDbRegAppTableRecord", table, "ACAD");
  });
  w.Table(
      "DIMSTYLE", 1,
      [&](const std::string& table) {
        w.Record("DIMSTYLE", "AcDbDimStyleTableRecord", table, "Standard", 105);
      },
      "AcDbDimStyleTable");
  w.Table("BLOCK_RECORD", 2, [&](const std::string& table) {
    modelSpace = w.Begin("BLOCK_RECORD", table, {"AcDbSymbolTableRecord", "AcDbBlockTableRecord"});
    w.Group(2, "*Model_Space");
    w.Group(340, modelLayout);
    paperSpace = w.Begin("BLOCK_RECORD", table, {"AcDbSymbolTableRecord", "AcDbBlockTableRecord"});
    w.Group(2, "*Paper_Space");
    w.Group(340, paperLayout);
  });
  w.Group(0, "ENDSEC");

  // Each space's block: empty, its drawing lies in ENTITIES.
  Section(w, "BLOCKS");
  for (const auto& [name, owner] :
       {std::pair{"*Model_Space", modelSpace}, {"*Paper_Space", paperSpace}}) {
    const bool paper = owner == paperSpace;
    w.Begin("BLOCK", owner, {"AcDbEntity"});
    if (paper) w.Group(67, 1);
    w.Group(8, "0");
    w.Group(100, "AcDbBlockBegin");
    w.Group(2, name);
    w.Group(70, 0);
    w.Number(10, 0), w.Number(20, 0), w.Number(30, 0);
    w.Group(3, name);
    w.Group(1, "");
    w.Begin("ENDBLK", owner, {"AcDbEntity"});
    if (paper) w.Group(67, 1);
    w.Group(8, "0");
    w.Group(100, "AcDbBlockEnd");
  }
  w.Group(0, "ENDSEC");

  Section(w, "ENTITIES");
  for (const auto& ring : drawing.Rings) {
    if (ring.size() < 3) continue;
    w.Begin("LWPOLYLINE", modelSpace, {"AcDbEntity"});
    w.Group(8, "PROFILE");
    w.Group(100, "AcDbPolyline");
    w.Group(90, std::to_string(ring.size()));
    w.Group(70, 1);  // closed
    for (const TemplatePoint& p : ring) {
      w.Number(10, p.X);
      w.Number(20, p.Y);
    }
  }
  w.Group(0, "ENDSEC");

  // The named objects: the root dictionary, its (empty) groups and the two layouts.
  Section(w, "OBJECTS");
  auto dictionary = [&](const std::string& handle, const std::string& owner,
                        std::initializer_list<std::pair<const char*, std::string>> entries) {
    w.Group(0, "DICTIONARY");
    w.Group(5, handle);
    w.Group(330, owner);
    w.Group(100, "AcDbDictionary");
    w.Group(281, 1);
    for (const auto& [key, value] : entries) {
      w.Group(3, key);
      w.Group(350, value);
    }
  };
  dictionary(root, "0", {{"ACAD_GROUP", groups}, {"ACAD_LAYOUT", layouts}});
  dictionary(groups, root, {});
  dictionary(layouts, root, {{"Layout1", paperLayout}, {"Model", modelLayout}});
  for (const auto& [handle, name, space, tab] :
       {std::tuple{modelLayout, "Model", modelSpace, 0}, {paperLayout, "Layout1", paperSpace, 1}}) {
    w.Group(0, "LAYOUT");
    w.Group(5, handle);
    w.Group(330, layouts);
    w.Group(100, "AcDbPlotSettings");
    for (const int code : {1, 4, 6}) w.Group(code, "");  // page set-up, paper, plot view
    for (const int code : {40, 41, 42, 43, 44, 45, 46, 47, 48, 49, 140, 141}) w.Number(code, 0);
    w.Number(142, 1), w.Number(143, 1);  // printed at 1:1
    w.Group(70, 0);
    w.Group(72, 1);  // the paper measured in millimetres
    w.Group(73, 0);
    w.Group(74, 5);
    w.Group(7, "");
    w.Group(75, 16);  // 1:1
    w.Number(147, 1), w.Number(148, 0), w.Number(149, 0);
    w.Group(100, "AcDbLayout");
    w.Group(1, name);
    w.Group(70, 1);
    w.Group(71, tab);
    for (const int code : {10, 20, 11, 21, 12, 22, 32, 14, 24, 34, 15, 25, 35, 146, 13, 23, 33})
      w.Number(code, 0);
    w.Number(16, 1), w.Number(26, 0), w.Number(36, 0);  // the UCS's x axis
    w.Number(17, 0), w.Number(27, 1), w.Number(37, 0);  // and its y axis
    w.Group(76, 0);
    w.Group(330, space);
  }
  w.Group(0, "ENDSEC");
  w.Group(0, "EOF");

  // The header last, when the next free handle is known: millimetres, metric.
  DxfWriter header;
  Section(header, "HEADER");
  for (const auto& [name, code, value] : {std::tuple{"$ACADVER", 1, std::string("AC1015")},
                                          {"$HANDSEED", 5, w.NextHandle()},
                                          {"$INSUNITS", 70, std::string("4")},
                                          {"$MEASUREMENT", 70, std::string("1")}}) {
    header.Group(9, name);
    header.Group(code, value);
  }
  header.Group(0, "ENDSEC");
  return header.Text() + w.Text();
}

}  // namespace kerf
