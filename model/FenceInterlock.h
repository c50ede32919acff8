// FenceInterlock: the Profile window's rule that keeps a raised cutter clear of the fence.
#pragma once

#include <cstdint>

#include "model/Tool.h"

namespace kerf {

// Fence slider range, in hundredths of an inch.
inline constexpr int32_t FenceMinimum = -200;
inline constexpr int32_t FenceMaximum = 1000;
// With the interlock on, a raised cutter (height above 0) keeps the fence at or below this.
inline constexpr int32_t InterlockFence = -12;

// With the interlock on: the height after the fence moved to fence (the cutter drops to the
// table when the fence passes InterlockFence).
int32_t InterlockedHeight(int32_t fence, int32_t height);
// With the interlock on: the fence after the cutter moved to height (the fence is pulled back
// to InterlockFence when the cutter rises above the table).
int32_t InterlockedFence(int32_t fence, int32_t height);
// The fence's upper limit: FenceMaximum with the interlock off or for a cutter without a
// bearing row (or no cutter), otherwise minus the bearing row's width. A limit below
// FenceMinimum (a bearing row wider than 2 inches) is refused: returns currentMaximum.
int32_t InterlockFenceLimit(bool interlockOn, const Tool* cutter, int32_t currentMaximum);

}  // namespace kerf
