// The profile matcher's candidate cuts: every placement that fits the target, found by sums.
#include <algorithm>

#include "model/match/MatchSearch.h"
#include "model/match/TaskPool.h"

namespace kerf::match {

namespace {

struct Box {
  int X0 = Size, Y0 = Size, X1 = -1, Y1 = -1;  // inclusive
  bool Empty() const { return X0 > X1; }
};

// A summed-area table of one indicator over the section, for counting inside boxes.
class AreaSums {
 public:
  explicit AreaSums(const std::vector<uint8_t>& on)
      : sums_(static_cast<size_t>(Size + 1) * static_cast<size_t>(Size + 1), 0) {
    for (int y = 0; y < Size; ++y)
      for (int x = 0; x < Size; ++x)
        sums_[Index(x + 1, y + 1)] = sums_[Index(x, y + 1)] + sums_[Index(x + 1, y)] -
                                     sums_[Index(x, y)] +
                                     on[static_cast<size_t>(y) * Size + static_cast<size_t>(x)];
  }
  int32_t In(int x0, int y0, int x1, int y1) const {
    x0 = std::max(x0, 0), y0 = std::max(y0, 0);
    x1 = std::min(x1, Size - 1), y1 = std::min(y1, Size - 1);
    if (x0 > x1 || y0 > y1) return 0;
    return sums_[Index(x1 + 1, y1 + 1)] - sums_[Index(x0, y1 + 1)] - sums_[Index(x1 + 1, y0)] +
           sums_[Index(x0, y0)];
  }

 private:
  static size_t Index(int x, int y) { return static_cast<size_t>(y) * (Size + 1) + x; }
  std::vector<int32_t> sums_;
};

// The anchors a case can reach within the sliders' ranges.
Box ReachOfCase(int orientationCase, int left, int top) {
  Box box;
  for (int32_t fence : {-200, 1000}) {
    for (int32_t height : {-500, 500}) {
      int v = 0, u = 0;
      AnchorOf(orientationCase, fence, height, left, top, v, u);
      box.X0 = std::min(box.X0, v), box.X1 = std::max(box.X1, v);
      box.Y0 = std::min(box.Y0, u), box.Y1 = std::max(box.Y1, u);
    }
  }
  return box;
}

bool Inside(const Box& box, int x, int y) {
  return x >= box.X0 && x <= box.X1 && y >= box.Y0 && y <= box.Y1;
}

// The box a shape covers around its anchor, in the picture's axes.
struct Span {
  int X0, X1, Y0, Y1;
};
Span SpanOf(const CutterShape& shape, int turn) {
  const bool across = Horizontal(turn);
  return {across ? shape.MinLo : shape.MinOff, across ? shape.MaxHi : shape.MaxOff,
          across ? shape.MinOff : shape.MinLo, across ? shape.MaxOff : shape.MaxHi};
}

}  // namespace

bool AnchorRange(const TargetPicture& picture, const CutterShape& shape, int turn, int& v0, int& v1,
                 int& u0, int& u1) {
  if (shape.Empty() || picture.RemoveX0 > picture.RemoveX1) return false;
  const std::array<int, 2> cases = CasesOfTurn(turn);
  const Box reachA = ReachOfCase(cases[0], picture.Left, picture.Top);
  const Box reachB = ReachOfCase(cases[1], picture.Left, picture.Top);
  const Span span = SpanOf(shape, turn);
  v0 = std::max(picture.RemoveX0 - span.X1, std::min(reachA.X0, reachB.X0));
  v1 = std::min(picture.RemoveX1 - span.X0, std::max(reachA.X1, reachB.X1));
  u0 = std::max(picture.RemoveY0 - span.Y1, std::min(reachA.Y0, reachB.Y0));
  u1 = std::min(picture.RemoveY1 - span.Y0, std::max(reachA.Y1, reachB.Y1));
  return v0 <= v1 && u0 <= u1;
}

std::vector<Candidate> ProposePlacements(SearchContext& context,
                                         const std::function<void(double)>& report) {
  const TargetPicture& picture = *context.Picture;
  const size_t count = static_cast<size_t>(Size) * Size;
  std::vector<int32_t> forbidden(count), bound(count), kept(count);
  std::vector<uint8_t> removable(count);
  Box wanted;  // the box of everything the target removes
  for (size_t i = 0; i < count; ++i) {
    const uint8_t c = picture.Class[i];
    forbidden[i] = c == Forbidden;
    kept[i] = c == Forbidden || c == Allowed;
    bound[i] = c == Must ? MustWeight : c == Optional ? OptionalWeight : 0;
    removable[i] = bound[i] > 0;
    if (removable[i]) {
      const int x = static_cast<int>(i % Size), y = static_cast<int>(i / Size);
      wanted.X0 = std::min(wanted.X0, x), wanted.X1 = std::max(wanted.X1, x);
      wanted.Y0 = std::min(wanted.Y0, y), wanted.Y1 = std::max(wanted.Y1, y);
    }
  }
  if (wanted.Empty()) return {};
  GridSums forbiddenSums, boundSums, keptSums;
  forbiddenSums.Build(forbidden.data());
  keptSums.Build(kept.data());
  boundSums.Build(bound.data());
  const AreaSums removableSums(removable);

  const int tasks = static_cast<int>(context.Usable.size()) * TurnCount;
  std::vector<std::vector<Candidate>> found(static_cast<size_t>(tasks));
  auto work = [&](int task, int) {
    const int cutter = context.Usable[static_cast<size_t>(task / TurnCount)];
    const int turn = task % TurnCount;
    const CutterShape& shape =
        context.Shapes[static_cast<size_t>(cutter)][static_cast<size_t>(turn)];
    if (shape.Empty() || context.Cancelled()) return;
    const CutterShape& bearing =
        context.Bearings[static_cast<size_t>(cutter)][static_cast<size_t>(turn)];
    const CutterShape& ring = context.Rings[static_cast<size_t>(cutter)][static_cast<size_t>(turn)];
    const std::array<int, 2> cases = CasesOfTurn(turn);
    const Box reachA = ReachOfCase(cases[0], picture.Left, picture.Top);
    const Box reachB = ReachOfCase(cases[1], picture.Left, picture.Top);
    // Anchors whose shape's box meets the box of what the target removes.
    const Span span = SpanOf(shape, turn);
    int v0 = 0, v1 = -1, u0 = 0, u1 = -1;
    if (!AnchorRange(picture, shape, turn, v0, v1, u0, u1)) return;
    std::vector<Candidate>& out = found[static_cast<size_t>(task)];
    int64_t measured = 0;
    for (int u = u0; u <= u1; ++u) {
      if (context.Cancelled()) break;
      for (int v = v0; v <= v1; ++v) {
        if (!Inside(reachA, v, u) && !Inside(reachB, v, u)) continue;
        if (removableSums.In(v + span.X0, u + span.Y0, v + span.X1, u + span.Y1) == 0) continue;
        ++measured;
        if (forbiddenSums.Over(shape, turn, v, u, true) > 0) continue;
        const int32_t gain = boundSums.Over(shape, turn, v, u, false);
        if (gain <= 0) continue;
        if (!ShankClear(keptSums, turn, v, u, picture.Left, picture.Top)) continue;
        if (!bearing.Empty() && forbiddenSums.Over(bearing, turn, v, u, true) > 0) continue;
        int32_t fence = 0, height = 0;
        if (!SettingsOf(cases[0], v, u, picture.Left, picture.Top, fence, height) &&
            !SettingsOf(cases[1], v, u, picture.Left, picture.Top, fence, height))
          continue;
        if (height > context.Reach) continue;
        Candidate p;
        p.Bound = gain;
        p.Riding = !ring.Empty() && keptSums.Over(ring, turn, v, u, true) > 0;
        p.Cutter = static_cast<uint16_t>(cutter);
        p.Turn = static_cast<uint8_t>(turn);
        p.V = static_cast<int16_t>(v);
        p.U = static_cast<int16_t>(u);
        out.push_back(p);
      }
    }
    context.Measured += measured;
  };
  RunTasks(context.Threads, tasks, work,
           [&](int done) { report(tasks > 0 ? static_cast<double>(done) / tasks : 1.0); });

  std::vector<Candidate> all;
  size_t total = 0;
  for (const auto& part : found) total += part.size();
  all.reserve(total);
  for (const auto& part : found) all.insert(all.end(), part.begin(), part.end());
  // The most promising first; of two alike, the one set by its bearing riding on the wood.
  std::stable_sort(all.begin(), all.end(), [](const Candidate& a, const Candidate& b) {
    if (a.Bound != b.Bound) return a.Bound > b.Bound;
    return a.Riding && !b.Riding;
  });
  return all;
}

}  // namespace kerf::match
