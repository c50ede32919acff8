// The kinds of router bit a woodworker buys, each made from its catalogue dimensions.
#include "model/CutterKinds.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>

#include "model/LengthText.h"
#include "model/NumberText.h"

namespace kerf {

namespace {

constexpr double Pi = 3.14159265358979323846;
constexpr double Inch = PixelsPerInch;
constexpr double Foot = 0.125;    // upright cutting part under a profile, inches
constexpr double Quirk = 0.0625;  // the small step beside a bead, inches
const char* const Degree = "\xC2\xB0";

double Tan(double degrees) { return std::tan(degrees * Pi / 180.0); }

using Values = std::map<std::string, DimensionValue>;

// A number without trailing zeros, at most `places` decimals: 22.5, 14, 0.3.
std::string Decimal(double v, int places) {
  std::string s = FixedText(v, places);
  if (s.find('.') != std::string::npos) {
    while (s.back() == '0') s.pop_back();
    if (s.back() == '.') s.pop_back();
  }
  return s;
}

std::string AngleText(double degrees) { return Decimal(degrees, 2) + Degree; }

// 1/2" bits run on a 1/2" shank; small bits on a 1/4" one. Radius in pixels.
double ShankFor(double diameter) { return (diameter <= 0.25 ? 0.125 : 0.25) * Inch; }

std::string Size(const DimensionValue& v) { return CatalogueSize(v); }

// The bearing's radius in inches, to the pixel: the red row that marks it is whole pixels, and
// the cutting edge is built out from it.
double BearingRadius(const DimensionValue& diameter) {
  return std::round(diameter.Value / 2 * Inch) / Inch;
}

DimensionValue Inches(double inches, bool metric) { return {inches, metric}; }

// Builds the bit from checked values, or names what is wrong.
using Builder = std::function<Result<DesignedCutter>(const Values&)>;

struct Kind {
  CutterKindInfo Info;
  Builder Build;
};

CutterDimension Length(const char* key, const char* label, const char* def = "") {
  return {key, label, false, def, false, false};
}
CutterDimension AngleOf(const char* key, const char* label, const char* def) {
  return {key, label, true, def, false, false};
}

Result<void> BearingFits(const DimensionValue& bearing, const DimensionValue& diameter) {
  if (bearing.Value < diameter.Value) return {};
  return Result<void>::Fail("the bearing (" + Size(bearing) + ") is " +
                            (bearing.Value > diameter.Value ? "larger than" : "as large as") +
                            " the cutter (" + Size(diameter) + "): the bit would cut nothing");
}

Result<void> AngleWithin(const DimensionValue& angle, double low, double high, const char* what) {
  if (angle.Value >= low && angle.Value <= high) return {};
  return Result<void>::Fail(std::string("the ") + what + " must be between " + AngleText(low) +
                            " and " + AngleText(high) + ", not " + AngleText(angle.Value));
}

std::vector<Kind> MakeKinds() {
  std::vector<Kind> kinds;
  auto add = [&](const char* key, const char* title, std::vector<CutterDimension> dims,
                 Builder build) {
    kinds.push_back({{key, title, std::move(dims)}, std::move(build)});
  };

  add("straight", "Straight",
      {Length("diameter", "Diameter"), Length("length", "Cutting length", "1")},
      [](const Values& v) -> Result<DesignedCutter> {
        DesignedCutter c;
        const DimensionValue d = v.at("diameter");
        c.Design = {"", CutterEdge(d.Value / 2 * Inch).Straight(v.at("length").Value * Inch), 0,
                    ShankFor(d.Value)};
        c.Name = Size(d) + " Straight";
        return c;
      });
  add("rebate", "Rabbeting",
      {Length("diameter", "Diameter", "1 1/4"), Length("bearing", "Bearing diameter", "1/2"),
       Length("length", "Cutting length", "1/2")},
      [](const Values& v) -> Result<DesignedCutter> {
        DesignedCutter c;
        const DimensionValue d = v.at("diameter"), b = v.at("bearing");
        if (const Result<void> fits = BearingFits(b, d); !fits)
          return Result<DesignedCutter>::FailLike(fits);
        c.Design = {"", CutterEdge(d.Value / 2 * Inch).Straight(v.at("length").Value * Inch),
                    b.Value / 2 * Inch, ShankFor(d.Value)};
        c.Name = Size(Inches((d.Value - b.Value) / 2, d.Metric)) + " Rabbeting";
        return c;
      });
  add("roundover", "Roundover",
      {Length("radius", "Radius"),
       Length("bearing", "Bearing diameter", "1/2"),
       {"step", "Step under the arc", false, "1/4", false, true}},
      [](const Values& v) -> Result<DesignedCutter> {
        DesignedCutter c;
        const double r = v.at("radius").Value, b = BearingRadius(v.at("bearing"));
        c.Design = {"",
                    CutterEdge((b + r) * Inch).Straight(v.at("step").Value * Inch).Round(r * Inch),
                    b * Inch, ShankFor(2 * (b + r))};
        c.Name = Size(v.at("radius")) + " Roundover";
        return c;
      });
  add("cove", "Cove",
      {Length("radius", "Radius"),
       Length("bearing", "Bearing diameter", "1/2"),
       {"diameter", "Diameter (optional)", false, "", true, false}},
      [](const Values& v) -> Result<DesignedCutter> {
        DesignedCutter c;
        const DimensionValue r = v.at("radius"), b = v.at("bearing");
        DimensionValue d = v.at("diameter");
        if (d.Value == 0) d = Inches(2 * (BearingRadius(b) + r.Value), r.Metric);
        if (const Result<void> fits = BearingFits(b, d); !fits)
          return Result<DesignedCutter>::FailLike(fits);
        const double reach = d.Value / 2 - BearingRadius(b);
        if (r.Value > reach + 1e-9) {
          return Result<DesignedCutter>::Fail("the cove radius (" + Size(r) +
                                              ") is deeper than the cutter, which reaches " +
                                              Size(Inches(reach, d.Metric)) + " past the bearing");
        }
        c.Design = {"", CutterEdge(d.Value / 2 * Inch).Straight(Foot * Inch).Hollow(r.Value * Inch),
                    b.Value / 2 * Inch, ShankFor(d.Value)};
        c.Name = Size(r) + " Cove";
        return c;
      });
  add("chamfer", "Chamfer",
      {AngleOf("angle", "Angle", "45"), Length("diameter", "Largest diameter"),
       Length("bearing", "Bearing diameter", "1/2")},
      [](const Values& v) -> Result<DesignedCutter> {
        DesignedCutter c;
        const DimensionValue a = v.at("angle"), d = v.at("diameter"), b = v.at("bearing");
        if (const Result<void> within = AngleWithin(a, 5, 85, "chamfer angle"); !within)
          return Result<DesignedCutter>::FailLike(within);
        if (const Result<void> fits = BearingFits(b, d); !fits)
          return Result<DesignedCutter>::FailLike(fits);
        const double width = (d.Value - b.Value) / 2;
        c.Design = {
            "", CutterEdge(d.Value / 2 * Inch).Taper(width / Tan(a.Value) * Inch, -width * Inch),
            b.Value / 2 * Inch, ShankFor(d.Value)};
        c.Name = AngleText(a.Value) + " Chamfer";
        return c;
      });
  add("vgroove", "V Groove",
      {AngleOf("angle", "Included angle", "90"), Length("diameter", "Diameter")},
      [](const Values& v) -> Result<DesignedCutter> {
        DesignedCutter c;
        const DimensionValue a = v.at("angle"), d = v.at("diameter");
        if (const Result<void> within = AngleWithin(a, 10, 170, "included angle"); !within)
          return Result<DesignedCutter>::FailLike(within);
        const double r = d.Value / 2;
        c.Design = {"", CutterEdge(r * Inch).Taper(r / Tan(a.Value / 2) * Inch, -r * Inch), 0,
                    ShankFor(d.Value)};
        c.Name = AngleText(a.Value) + " V Groove";
        return c;
      });
  add("corebox", "Core Box", {Length("radius", "Radius")},
      [](const Values& v) -> Result<DesignedCutter> {
        DesignedCutter c;
        const DimensionValue r = v.at("radius");
        const double rho = r.Value * Inch;
        c.Design = {"", CutterEdge(rho).Straight(rho).Hollow(rho), 0, ShankFor(2 * r.Value)};
        c.Name = Size(Inches(2 * r.Value, r.Metric)) + " Core Box";
        return c;
      });
  add("beading", "Beading",
      {Length("radius", "Radius"), Length("bearing", "Bearing diameter", "3/8")},
      [](const Values& v) -> Result<DesignedCutter> {
        DesignedCutter c;
        const double r = v.at("radius").Value, b = BearingRadius(v.at("bearing"));
        c.Design = {"",
                    CutterEdge((b + Quirk + r) * Inch)
                        .Straight(Foot * Inch)
                        .Round(r * Inch)
                        .Straight(Quirk * Inch),
                    b * Inch, ShankFor(2 * (b + Quirk + r))};
        c.Name = Size(v.at("radius")) + " Beading";
        return c;
      });
  add("romanogee", "Roman Ogee",
      {Length("radius", "Radius"), Length("bearing", "Bearing diameter", "1/2")},
      [](const Values& v) -> Result<DesignedCutter> {
        DesignedCutter c;
        const double r = v.at("radius").Value, b = BearingRadius(v.at("bearing"));
        c.Design = {
            "",
            CutterEdge((b + 2 * r) * Inch).Straight(Foot * Inch).Round(r * Inch).Hollow(r * Inch),
            b * Inch, ShankFor(2 * (b + 2 * r))};
        c.Name = Size(v.at("radius")) + " Roman Ogee";
        return c;
      });
  add("dovetail", "Dovetail",
      {AngleOf("angle", "Angle", "14"), Length("diameter", "Diameter"),
       Length("height", "Height", "1/2")},
      [](const Values& v) -> Result<DesignedCutter> {
        DesignedCutter c;
        const DimensionValue a = v.at("angle"), d = v.at("diameter"), h = v.at("height");
        if (const Result<void> within = AngleWithin(a, 1, 45, "dovetail angle"); !within)
          return Result<DesignedCutter>::FailLike(within);
        const double narrowing = h.Value * Tan(a.Value);
        if (narrowing >= d.Value / 2) {
          return Result<DesignedCutter>::Fail(
              "the sides meet below the top: at " + AngleText(a.Value) + " a " + Size(d) +
              " dovetail must be less than " + Size(Inches(d.Value / 2 / Tan(a.Value), d.Metric)) +
              " high, not " + Size(h));
        }
        c.Design = {
            "",
            CutterEdge((d.Value / 2 - narrowing) * Inch).Taper(h.Value * Inch, narrowing * Inch), 0,
            ShankFor(d.Value)};
        c.Name = Size(d) + " " + AngleText(a.Value) + " Dovetail";
        return c;
      });
  add("slot", "Slot Cutter",
      {Length("diameter", "Diameter", "1 1/4"), Length("kerf", "Kerf"),
       Length("bearing", "Bearing diameter", "1/2")},
      [](const Values& v) -> Result<DesignedCutter> {
        DesignedCutter c;
        const DimensionValue d = v.at("diameter"), k = v.at("kerf"), b = v.at("bearing");
        if (const Result<void> fits = BearingFits(b, d); !fits)
          return Result<DesignedCutter>::FailLike(fits);
        c.Design = {"", CutterEdge(d.Value / 2 * Inch).Straight(k.Value * Inch), b.Value / 2 * Inch,
                    ShankFor(d.Value)};
        c.Name = Size(k) + " Slot Cutter";
        return c;
      });
  add("flushtrim", "Flush Trim",
      {Length("diameter", "Diameter"),
       Length("length", "Cutting length", "1"),
       {"bearing", "Bearing diameter (optional)", false, "", true, false}},
      [](const Values& v) -> Result<DesignedCutter> {
        DesignedCutter c;
        const DimensionValue d = v.at("diameter");
        DimensionValue b = v.at("bearing");
        if (b.Value == 0) b = d;
        if (b.Value > d.Value) {
          return Result<DesignedCutter>::Fail("the bearing (" + Size(b) +
                                              ") is larger than the cutter (" + Size(d) + ")");
        }
        c.Design = {"", CutterEdge(d.Value / 2 * Inch).Straight(v.at("length").Value * Inch),
                    b.Value / 2 * Inch, ShankFor(d.Value)};
        c.Name = Size(d) + " Flush Trim";
        return c;
      });
  return kinds;
}

const std::vector<Kind>& Kinds() {
  static const std::vector<Kind> kinds = MakeKinds();
  return kinds;
}

// Degrees as a plain number, optionally followed by a degree sign or "deg".
bool ParseAngle(std::string text, double& degrees) {
  while (!text.empty() && text.back() == ' ') text.pop_back();
  for (const std::string& end : {std::string(Degree), std::string("deg")})
    if (text.size() > end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0)
      text.erase(text.size() - end.size());
  size_t from = text.find_first_not_of(' ');
  if (from == std::string::npos) return false;
  text.erase(0, from);
  if (text.find_first_not_of("0123456789.") != std::string::npos) return false;
  const std::optional<double> read = ReadNumber(text);
  if (read) degrees = *read;
  return read.has_value();
}

Result<DimensionValue> ReadDimension(const CutterDimension& dim,
                                     const CutterDimensionTexts& texts) {
  DimensionValue value;
  const auto typed = texts.find(dim.Key);
  std::string text = typed != texts.end() ? typed->second : std::string();
  if (text.find_first_not_of(' ') == std::string::npos) text = dim.Default;
  std::string label = dim.Label.substr(0, dim.Label.find(" ("));
  for (char& ch : label) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
  if (text.empty()) {
    if (dim.Optional) {
      return DimensionValue{};
    }
    return Result<DimensionValue>::Fail("the " + label + " is missing");
  }
  if (dim.Angle) {
    if (!ParseAngle(text, value.Value)) {
      return Result<DimensionValue>::Fail("cannot read the " + label + " '" + text +
                                          "'; give degrees like 14 or 22.5");
    }
    value.Metric = false;
  } else if (const Result<TypedLength> length = ReadLength(text); !length) {
    return Result<DimensionValue>::Fail(
        "cannot read the " + label + " '" + text +
        "'; give inches like 3/8, 1 1/4 or 0.375, or millimetres like 9.5mm");
  } else {
    value.Value = length.Value().Inches();
    value.Metric = length.Value().Unit == LengthUnit::Metric;
  }
  if (value.Value < 0 || (value.Value == 0 && !dim.ZeroAllowed)) {
    return Result<DimensionValue>::Fail("the " + label + " must be more than 0");
  }
  if (!dim.Angle && value.Value > 10) {
    return Result<DimensionValue>::Fail("the " + label + " (" + CatalogueSize(value) +
                                        ") is more than 10\"");
  }
  return value;
}

}  // namespace

const std::vector<CutterKindInfo>& CutterKinds() {
  static const std::vector<CutterKindInfo> infos = [] {
    std::vector<CutterKindInfo> list;
    for (const Kind& k : Kinds()) list.push_back(k.Info);
    return list;
  }();
  return infos;
}

const CutterKindInfo* FindCutterKind(const std::string& key) {
  for (const CutterKindInfo& k : CutterKinds())
    if (k.Key == key) return &k;
  return nullptr;
}

Result<DesignedCutter> DesignCutter(const CutterKindInfo& kind, const CutterDimensionTexts& texts) {
  const Kind* found = nullptr;
  for (const Kind& k : Kinds())
    if (k.Info.Key == kind.Key) found = &k;
  if (found == nullptr) {
    return Result<DesignedCutter>::Fail("unknown kind of cutter '" + kind.Key + "'");
  }
  for (const auto& [key, text] : texts) {
    bool known = false;
    for (const CutterDimension& dim : found->Info.Dimensions) known = known || dim.Key == key;
    if (!known) {
      return Result<DesignedCutter>::Fail("a " + found->Info.Title + " bit has no " + key);
    }
  }
  Values values;
  for (const CutterDimension& dim : found->Info.Dimensions) {
    Result<DimensionValue> value = ReadDimension(dim, texts);
    if (!value) return Result<DesignedCutter>::FailLike(value);
    values[dim.Key] = value.Value();
  }
  Result<DesignedCutter> made = found->Build(values);
  if (!made) return made;
  // The bitmap's limits, checked here so that every caller hears of them before saving.
  if (const Result<Raster> drawn = DrawCutter(made.Value().Design); !drawn)
    return Result<DesignedCutter>::Fail("the bit is " + drawn.Error());
  return made;
}

std::string CatalogueSize(const DimensionValue& size) {
  if (size.Metric) return Decimal(size.Value * 25.4, 2) + "mm";
  const double sixtyFourths = size.Value * 64;
  const double k = std::nearbyint(sixtyFourths);
  // Whole sixty-fourths are counted in a long; a size beyond any bit is shown as a decimal.
  if (std::fabs(sixtyFourths - k) > 1e-6 || !(std::fabs(k) < 1e15))
    return Decimal(size.Value, 3) + "\"";
  const long n = static_cast<long>(k);
  const long whole = n / 64, part = n % 64;
  std::string text = whole > 0 || part == 0 ? std::to_string(whole) : std::string();
  if (part > 0) {
    long top = part, bottom = 64;
    while (top % 2 == 0) {
      top /= 2;
      bottom /= 2;
    }
    if (!text.empty()) text += " ";
    text += std::to_string(top) + "/" + std::to_string(bottom);
  }
  return text + "\"";
}

}  // namespace kerf
