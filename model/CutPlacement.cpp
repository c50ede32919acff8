// The layout of a cut in each orientation case: the one table the renderer and matcher share.
#include "model/CutPlacement.h"

namespace kerf {

namespace {

// Indexed by case 0..8; case 0 lies as case 1.
constexpr CaseLayout Layouts[9] = {
    {TableBelow, true, true, true},    // a cut of no known state
    {TableBelow, true, true, true},    // 1: fence at the right, table below
    {TableRight, true, false, false},  // 2
    {TableAbove, false, true, false},  // 3
    {TableLeft, false, false, true},   // 4
    {TableBelow, false, true, true},   // 5
    {TableRight, true, false, true},   // 6
    {TableAbove, true, true, false},   // 7
    {TableLeft, false, false, false},  // 8
};

}  // namespace

const CaseLayout& LayoutOfCase(int orientationCase) {
  return Layouts[orientationCase >= 1 && orientationCase <= 8 ? orientationCase : 0];
}

}  // namespace kerf
