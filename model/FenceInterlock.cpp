// FenceInterlock: the fence/height rule and the fence limit it sets for the current cutter.
#include "model/FenceInterlock.h"

namespace kerf {

int32_t InterlockedHeight(int32_t fence, int32_t height) {
  return fence > InterlockFence && height > 0 ? 0 : height;
}

int32_t InterlockedFence(int32_t fence, int32_t height) {
  return height > 0 && fence > InterlockFence ? InterlockFence : fence;
}

int32_t InterlockFenceLimit(bool interlockOn, const Tool* cutter, int32_t currentMaximum) {
  int32_t maximum = FenceMaximum;
  if (interlockOn && cutter != nullptr && cutter->RedWidth != 0) maximum = -cutter->RedWidth;
  return maximum < FenceMinimum ? currentMaximum : maximum;
}

}  // namespace kerf
