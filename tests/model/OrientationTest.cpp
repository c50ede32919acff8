// Orientation states: turning cycles, the case table and how the two tables agree.
#include "model/Orientation.h"

#include <gtest/gtest.h>

namespace kerf {
namespace {

TEST(Orientation, TurnsReturnToTheStartingState) {
  for (int state = 1; state <= 8; ++state) {
    int s = state;
    for (int i = 0; i < 4; ++i) s = RotateAnticlockwise(RotateClockwise(RotateClockwise(s)));
    EXPECT_EQ(s, state) << "four clockwise turns";
    EXPECT_EQ(FlipEndOverEnd(FlipEndOverEnd(state)), state);
    EXPECT_EQ(RotateClockwise(RotateAnticlockwise(state)), state);
    // A quarter turn swaps which dimension runs across the table; a flip does not.
    EXPECT_NE(RotateAnticlockwise(state) % 2, state % 2);
    EXPECT_EQ(FlipEndOverEnd(state) % 2, state % 2);
    EXPECT_NE(FlipEndOverEnd(state), state);
  }
  for (int state : {0, -1, 9}) {
    EXPECT_EQ(RotateAnticlockwise(state), state);
    EXPECT_EQ(RotateClockwise(state), state);
    EXPECT_EQ(FlipEndOverEnd(state), state);
    int fence = 42, table = 43;
    EXPECT_EQ(CutOrientation(state, 3, fence, table), 0);
    EXPECT_EQ(CutOrientation(3, state, fence, table), 0);
    EXPECT_EQ(fence * 100 + table, 4243) << "sides left unchanged";
  }
}

struct CaseSpot {
  int cutFace, faceOnTable, orientationCase, fenceSide, tableSide;
};

TEST(CutOrientation, SpotChecksOfTheCaseTable) {
  const CaseSpot spots[] = {
      {3, 3, 1, SideRight, SideBottom},  // seen as it was made
      {3, 4, 2, SideTop, SideRight},     // turned anticlockwise: enters from the right
      {3, 2, 4, SideBottom, SideLeft},   // turned clockwise
      {3, 1, 3, SideLeft, SideTop},      // half turn
      {3, 7, 7, SideRight, SideTop},     // end over end: enters from the top
      {1, 5, 7, SideRight, SideTop},    {2, 5, 8, SideTop, SideLeft},
      {8, 1, 6, SideBottom, SideRight}, {5, 4, 6, SideBottom, SideRight},
  };
  for (const CaseSpot& spot : spots) {
    SCOPED_TRACE(::testing::Message() << spot.cutFace << " in " << spot.faceOnTable);
    int fence = -1, table = -1;
    EXPECT_EQ(CutOrientation(spot.cutFace, spot.faceOnTable, fence, table), spot.orientationCase);
    EXPECT_EQ(fence, spot.fenceSide);
    EXPECT_EQ(table, spot.tableSide);
  }
}

TEST(CutOrientation, AgreesWithTheTurningOperations) {
  // Whatever state a cut was made in, turning the stock by one operation shows it by the
  // same case: anticlockwise 2, clockwise 4, end over end 7; unturned 1.
  for (int t = 1; t <= 8; ++t) {
    SCOPED_TRACE(t);
    int fence = 0, table = 0;
    EXPECT_EQ(CutOrientation(t, t, fence, table), 1);
    EXPECT_EQ(CutOrientation(t, RotateAnticlockwise(t), fence, table), 2);
    EXPECT_EQ(CutOrientation(t, RotateClockwise(t), fence, table), 4);
    EXPECT_EQ(CutOrientation(t, FlipEndOverEnd(t), fence, table), 7);
    // The fence and table faces always end on two different, adjacent sides.
    for (int k = 1; k <= 8; ++k) {
      CutOrientation(t, k, fence, table);
      EXPECT_NE(fence, table);
      EXPECT_NE((fence - table + 4) % 4, 2);
    }
  }
}

}  // namespace
}  // namespace kerf
