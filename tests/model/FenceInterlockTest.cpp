// FenceInterlock: the fence/height rule and the fence limit for the current cutter.
#include "model/FenceInterlock.h"

#include <gtest/gtest.h>

namespace kerf {
namespace {

TEST(FenceInterlock, MovingOneSliderMovesTheOther) {
  const struct {
    int fence, height, heightAfterFenceMove, fenceAfterHeightMove;
  } cases[] = {
      {-12, 50, 50, -12},  // at the interlock position the cutter may stand raised
      {-11, 50, 0, -12},   // one step past it: the cutter drops, or the fence is pulled back
      {500, 1, 0, -12},       {500, 0, 0, 500},  // a cutter on the table leaves the fence free
      {-200, 300, 300, -200}, {0, -5, -5, 0},    // a cutter below the table is not raised
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "fence " << c.fence << " height " << c.height);
    EXPECT_EQ(InterlockedHeight(c.fence, c.height), c.heightAfterFenceMove);
    EXPECT_EQ(InterlockedFence(c.fence, c.height), c.fenceAfterHeightMove);
  }
}

TEST(FenceInterlock, LimitFollowsTheBearingRow) {
  Tool bearing;
  bearing.RedWidth = 40;
  Tool plain;
  Tool wide;
  wide.RedWidth = 201;  // beyond the fence's minimum: refused
  Tool widest;
  widest.RedWidth = 200;
  const struct {
    bool on;
    const Tool* cutter;
    int current, expected;
  } cases[] = {
      {false, &bearing, -40, FenceMaximum},
      {true, &bearing, FenceMaximum, -40},
      {true, &plain, -40, FenceMaximum},
      {true, nullptr, -40, FenceMaximum},
      {true, &wide, -40, -40},
      {true, &widest, FenceMaximum, -200},
  };
  for (const auto& c : cases) EXPECT_EQ(InterlockFenceLimit(c.on, c.cutter, c.current), c.expected);
}

}  // namespace
}  // namespace kerf
