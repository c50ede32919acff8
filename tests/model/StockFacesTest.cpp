// Stock faces: which numbered face lies where in each state, checked against the turns and
// against where the section drawing puts a cut made in another state.
#include "model/StockFaces.h"

#include <gtest/gtest.h>

#include "model/Orientation.h"

namespace kerf {
namespace {

struct FacesCase {
  int state;
  StockFaces faces;  // table, fence, top, left
  const char* words;
};

// Numbered as the set-up sheet numbers them: in state 1, face 1 on the table, 2 at the left,
// 3 on top, 4 against the fence.
const FacesCase Cases[] = {
    {1, {1, 4, 3, 2}, "Face 1 on the table, face 4 against the fence"},
    {2, {2, 1, 4, 3}, "Face 2 on the table, face 1 against the fence"},
    {3, {3, 2, 1, 4}, "Face 3 on the table, face 2 against the fence"},
    {4, {4, 3, 2, 1}, "Face 4 on the table, face 3 against the fence"},
    {5, {3, 4, 1, 2}, "Face 3 on the table, face 4 against the fence"},
    {6, {2, 3, 4, 1}, "Face 2 on the table, face 3 against the fence"},
    {7, {1, 2, 3, 4}, "Face 1 on the table, face 2 against the fence"},
    {8, {4, 1, 2, 3}, "Face 4 on the table, face 1 against the fence"},
};

TEST(StockFaces, EveryStateNamesItsFaces) {
  for (const FacesCase& c : Cases) {
    const StockFaces f = FacesInState(c.state);
    EXPECT_EQ(f.Table, c.faces.Table) << c.state;
    EXPECT_EQ(f.Fence, c.faces.Fence) << c.state;
    EXPECT_EQ(f.Top, c.faces.Top) << c.state;
    EXPECT_EQ(f.Left, c.faces.Left) << c.state;
    EXPECT_EQ(FaceWords(c.state), c.words);
    EXPECT_EQ(FaceOnSide(c.state, SideBottom), f.Table) << c.state;
    EXPECT_EQ(FaceOnSide(c.state, SideRight), f.Fence) << c.state;
    EXPECT_EQ(FaceOnSide(c.state, SideTop), f.Top) << c.state;
    EXPECT_EQ(FaceOnSide(c.state, SideLeft), f.Left) << c.state;
    // Faces 1 and 3 are the stock's height across: they lie on the table in the odd states,
    // where the height runs along the table.
    EXPECT_EQ(f.Table % 2, c.state % 2) << c.state;
  }
}

TEST(StockFaces, UnknownStatesAndSidesNameNoFace) {
  for (int state : {0, -1, 9}) {
    const StockFaces f = FacesInState(state);
    EXPECT_EQ(f.Table + f.Fence + f.Top + f.Left, 0) << state;
    EXPECT_EQ(FaceWords(state), "") << state;
    EXPECT_EQ(FaceOnSide(state, SideBottom), 0) << state;
  }
  EXPECT_EQ(FaceOnSide(3, 0), 0);
  EXPECT_EQ(FaceOnSide(3, 5), 0);
}

TEST(StockFaces, TurnsMoveTheFacesAsTheStockTurns) {
  for (int state = 1; state <= 8; ++state) {
    const StockFaces f = FacesInState(state);
    // Anticlockwise: the table face goes to the fence, the left face comes down to the table.
    const StockFaces a = FacesInState(RotateAnticlockwise(state));
    EXPECT_EQ(a.Fence, f.Table) << state;
    EXPECT_EQ(a.Table, f.Left) << state;
    // Clockwise: the fence face comes down to the table.
    EXPECT_EQ(FacesInState(RotateClockwise(state)).Table, f.Fence) << state;
    // End over end: the fence face stays, the top comes down.
    const StockFaces e = FacesInState(FlipEndOverEnd(state));
    EXPECT_EQ(e.Fence, f.Fence) << state;
    EXPECT_EQ(e.Table, f.Top) << state;
  }
}

TEST(StockFaces, AgreeWithWhereTheSectionDrawsAnEarlierCut) {
  // A cut made in one state bears on that state's table and fence faces; seen in any other
  // state the section drawing puts its table and fence sides where those faces now lie.
  for (int made = 1; made <= 8; ++made) {
    for (int now = 1; now <= 8; ++now) {
      int fenceSide = 0, tableSide = 0;
      ASSERT_NE(CutOrientation(made, now, fenceSide, tableSide), 0);
      EXPECT_EQ(FaceOnSide(now, fenceSide), FacesInState(made).Fence) << made << " in " << now;
      EXPECT_EQ(FaceOnSide(now, tableSide), FacesInState(made).Table) << made << " in " << now;
    }
  }
}

}  // namespace
}  // namespace kerf
