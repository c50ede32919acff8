// The kinds of router bit a woodworker buys, each made from its catalogue dimensions.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "model/CutterGeometry.h"

namespace kerf {

// One dimension of a kind: a length in inches, or an angle in degrees.
struct CutterDimension {
  std::string Key;    // as on the command line: "radius" for --radius
  std::string Label;  // as in the designer: "Radius"
  bool Angle = false;
  std::string Default;    // the text a new design starts with; empty when it must be given
  bool Optional = false;  // may be left empty (the kind then derives it)
  bool ZeroAllowed = false;
};

struct CutterKindInfo {
  std::string Key;    // "roundover"
  std::string Title;  // "Roundover"
  std::vector<CutterDimension> Dimensions;
};

// Every kind, in the order the designer lists them.
const std::vector<CutterKindInfo>& CutterKinds();
// The kind with this key, or nullptr.
const CutterKindInfo* FindCutterKind(const std::string& key);

// A typed dimension read: inches (or degrees), and whether it was typed in millimetres.
struct DimensionValue {
  double Value = 0.0;
  bool Metric = false;
};

// What the user typed for each dimension, by key; a missing or empty text takes the default.
using CutterDimensionTexts = std::map<std::string, std::string>;

// A designed bit: its geometry and the name proposed from its dimensions ("3/8" Roundover").
struct DesignedCutter {
  CutterDesign Design;  // FileName left empty: the caller names it
  std::string Name;
};

// Reads the texts, checks them against each other and builds the bit. Fails with one
// sentence naming what is wrong ("the bearing (1") is larger than the cutter (3/4")").
Result<DesignedCutter> DesignCutter(const CutterKindInfo& kind, const CutterDimensionTexts& texts);

// A length as a catalogue prints it: 64ths of an inch as "1 1/4"", other inch sizes in
// decimals ("0.3""), millimetres as typed ("9.5mm").
std::string CatalogueSize(const DimensionValue& size);

}  // namespace kerf
