// Reading the lines of a DXF file (polylines with bulges, lines and arcs) as outlines in inches.
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <sstream>

#include "model/NumberText.h"
#include "project/ProfileImport.h"

namespace kerf {

namespace {

constexpr double Pi = 3.14159265358979323846;

struct Pair {
  int Code = 0;
  std::string Value;
  int Line = 0;  // of the group code
};

std::string Trim(const std::string& s) {
  const size_t from = s.find_first_not_of(" \t\r");
  if (from == std::string::npos) return std::string();
  const size_t to = s.find_last_not_of(" \t\r");
  return s.substr(from, to - from + 1);
}

Result<std::vector<Pair>> ReadPairs(const std::string& text, const std::string& name) {
  std::vector<Pair> pairs;
  std::istringstream in(text);
  std::string code, value;
  int line = 0;
  while (std::getline(in, code)) {
    ++line;
    const std::string c = Trim(code);
    if (c.empty() && in.peek() == EOF) break;
    char* end = nullptr;
    const long number = std::strtol(c.c_str(), &end, 10);
    if (c.empty() || *end != '\0' || !std::getline(in, value)) {
      return Result<std::vector<Pair>>::Fail(name + ":" + std::to_string(line) +
                                             ": not a DXF group code: " + c.substr(0, 40));
    }
    pairs.push_back({static_cast<int>(number), Trim(value), line});
    ++line;
  }
  return pairs;
}

double Number(const Pair& p, bool& ok) {
  const std::optional<double> v = ReadNumber(p.Value);
  if (!v) ok = false;
  return v.value_or(0);
}

const char* Article(const std::string& type) { return type == "ARC" ? "an" : "a"; }

// "NAME:LINE: a TYPE what", the one line that names an entity's fault.
std::string EntityProblem(const std::string& name, int line, const std::string& type,
                          const char* what) {
  std::string text = name;
  text += ':';
  text += std::to_string(line);
  text += ": ";
  text += Article(type);
  text += ' ';
  text += type;
  text += ' ';
  text += what;
  return text;
}

bool AllFinite(const OutlinePolygon& polygon) {
  return std::all_of(polygon.begin(), polygon.end(), [](const OutlinePoint& p) {
    return std::isfinite(p.X) && std::isfinite(p.Y);
  });
}

// Points along the arc from a to b that bulges by b (tan of a quarter of its angle).
void AddBulge(OutlinePolygon& polygon, const OutlinePoint& a, const OutlinePoint& b, double bulge) {
  const double angle = 4 * std::atan(bulge);
  const double chord = std::hypot(b.X - a.X, b.Y - a.Y);
  if (chord == 0 || std::fabs(angle) < 1e-9) return;
  const double radius = chord / (2 * std::sin(std::fabs(angle) / 2));
  // Centre: on the chord's perpendicular, on the left of a->b for a positive bulge.
  const double mx = (a.X + b.X) / 2, my = (a.Y + b.Y) / 2;
  const double d = std::sqrt(std::max(0.0, radius * radius - chord * chord / 4));
  const double side = (bulge > 0) == (std::fabs(angle) < Pi) ? 1.0 : -1.0;
  const double cx = mx - side * d * (b.Y - a.Y) / chord, cy = my + side * d * (b.X - a.X) / chord;
  const double start = std::atan2(a.Y - cy, a.X - cx);
  const int steps = std::max(4, static_cast<int>(std::fabs(angle) * 32 / Pi));
  for (int i = 1; i < steps; ++i) {
    const double t = start + angle * i / steps;
    polygon.push_back({cx + radius * std::cos(t), cy + radius * std::sin(t)});
  }
}

// A polyline's vertices with their bulges, flattened.
OutlinePolygon Flatten(const std::vector<OutlinePoint>& points, const std::vector<double>& bulges,
                       bool closed) {
  OutlinePolygon polygon;
  for (size_t i = 0; i < points.size(); ++i) {
    polygon.push_back(points[i]);
    const bool last = i + 1 == points.size();
    if (last && !closed) break;
    if (bulges[i] != 0) AddBulge(polygon, points[i], points[last ? 0 : i + 1], bulges[i]);
  }
  return polygon;
}

double UnitInches(int units) {
  switch (units) {
    case 2:
      return 12.0;  // feet
    case 4:
      return 1 / 25.4;  // millimetres
    case 5:
      return 1 / 2.54;  // centimetres
    case 6:
      return 1000 / 25.4;  // metres
    default:
      return 1.0;  // inches, or unitless
  }
}

}  // namespace

Result<std::vector<OutlinePolygon>> ReadDxfOutline(const std::string& text,
                                                   const std::string& name) {
  using Outline = Result<std::vector<OutlinePolygon>>;
  std::vector<OutlinePolygon> outline;
  Result<std::vector<Pair>> read = ReadPairs(text, name);
  if (!read) return Outline::FailLike(read);
  const std::vector<Pair> pairs = std::move(read.Value());
  int units = 1;
  for (size_t i = 0; i + 1 < pairs.size(); ++i)
    if (pairs[i].Code == 9 && pairs[i].Value == "$INSUNITS" && pairs[i + 1].Code == 70)
      units = std::atoi(pairs[i + 1].Value.c_str());
  const double scale = UnitInches(units);

  bool ok = true;
  size_t i = 0;
  auto entityEnd = [&](size_t from) {
    size_t j = from + 1;
    while (j < pairs.size() && pairs[j].Code != 0) ++j;
    return j;
  };
  while (i < pairs.size()) {
    if (pairs[i].Code != 0) {
      ++i;
      continue;
    }
    const std::string type = pairs[i].Value;
    const int line = pairs[i].Line;
    std::vector<OutlinePoint> points;
    std::vector<double> bulges;
    bool closed = false;
    size_t end = entityEnd(i);
    if (type == "LWPOLYLINE") {
      for (size_t j = i + 1; j < end; ++j) {
        const Pair& p = pairs[j];
        if (p.Code == 70) closed = (std::atoi(p.Value.c_str()) & 1) != 0;
        if (p.Code == 10) {
          points.push_back({Number(p, ok), 0});
          bulges.push_back(0);
        }
        if (p.Code == 20 && !points.empty()) points.back().Y = Number(p, ok);
        if (p.Code == 42 && !bulges.empty()) bulges.back() = Number(p, ok);
      }
    } else if (type == "POLYLINE") {
      for (size_t j = i + 1; j < end; ++j)
        if (pairs[j].Code == 70) closed = (std::atoi(pairs[j].Value.c_str()) & 1) != 0;
      while (end < pairs.size() && pairs[end].Value == "VERTEX") {
        const size_t next = entityEnd(end);
        points.push_back({});
        bulges.push_back(0);
        for (size_t j = end + 1; j < next; ++j) {
          if (pairs[j].Code == 10) points.back().X = Number(pairs[j], ok);
          if (pairs[j].Code == 20) points.back().Y = Number(pairs[j], ok);
          if (pairs[j].Code == 42) bulges.back() = Number(pairs[j], ok);
        }
        end = next;
      }
    } else if (type == "LINE") {
      OutlinePoint a, b;
      for (size_t j = i + 1; j < end; ++j) {
        const Pair& p = pairs[j];
        if (p.Code == 10) a.X = Number(p, ok);
        if (p.Code == 20) a.Y = Number(p, ok);
        if (p.Code == 11) b.X = Number(p, ok);
        if (p.Code == 21) b.Y = Number(p, ok);
      }
      points = {a, b};
      bulges = {0, 0};
    } else if (type == "ARC") {
      double cx = 0, cy = 0, r = 0, from = 0, to = 0;
      for (size_t j = i + 1; j < end; ++j) {
        const Pair& p = pairs[j];
        if (p.Code == 10) cx = Number(p, ok);
        if (p.Code == 20) cy = Number(p, ok);
        if (p.Code == 40) r = Number(p, ok);
        if (p.Code == 50) from = Number(p, ok);
        if (p.Code == 51) to = Number(p, ok);
      }
      // Angles in any turn: the arc runs anticlockwise from one to the other, once at most.
      from = std::fmod(from, 360.0);
      to = std::fmod(to, 360.0);
      if (to <= from) to += 360;
      // Converted only once every value is known to be a number.
      const int steps = ok ? std::max(4, static_cast<int>((to - from) / 5)) : 0;
      for (int k = 0; k <= steps && ok; ++k) {
        const double t = (from + (to - from) * k / steps) * Pi / 180;
        points.push_back({cx + r * std::cos(t), cy + r * std::sin(t)});
        bulges.push_back(0);
      }
    }
    if (!ok) {
      return Outline::Fail(EntityProblem(name, line, type, "holds a value that is not a number"),
                           line);
    }
    if (points.size() >= 2) {
      OutlinePolygon polygon = Flatten(points, bulges, closed);
      for (OutlinePoint& p : polygon) {
        p.X *= scale;
        p.Y *= scale;
      }
      if (!AllFinite(polygon))
        return Outline::Fail(EntityProblem(name, line, type, "lies too far out to be drawn"), line);
      outline.push_back(std::move(polygon));
    }
    i = end;
  }
  if (outline.empty())
    return Outline::Fail(name + ": no LWPOLYLINE, POLYLINE, LINE or ARC to read as a profile");
  return outline;
}

}  // namespace kerf
