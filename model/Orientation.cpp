// Orientation states: the rotate and flip tables and the case table of a cut seen in another state.
#include "model/Orientation.h"

namespace kerf {

namespace {

bool IsState(int state) { return state >= 1 && state <= 8; }

// Indexed by state 1..8 (slot 0 unused).
constexpr int Anticlockwise[9] = {0, 2, 3, 4, 1, 6, 7, 8, 5};
constexpr int Clockwise[9] = {0, 4, 1, 2, 3, 8, 5, 6, 7};
constexpr int Flipped[9] = {0, 5, 8, 7, 6, 1, 4, 3, 2};

// Case of a cut made in state t (row) seen in state k (column).
constexpr int Cases[9][9] = {
    {0, 0, 0, 0, 0, 0, 0, 0, 0}, {0, 1, 2, 3, 4, 7, 8, 5, 6}, {0, 4, 1, 2, 3, 8, 5, 6, 7},
    {0, 3, 4, 1, 2, 5, 6, 7, 8}, {0, 2, 3, 4, 1, 6, 7, 8, 5}, {0, 7, 8, 5, 6, 1, 2, 3, 4},
    {0, 8, 5, 6, 7, 4, 1, 2, 3}, {0, 5, 6, 7, 8, 3, 4, 1, 2}, {0, 6, 7, 8, 5, 2, 3, 4, 1},
};

// Sides on which the cut's fence face and table face lie, by case.
constexpr int CaseFenceSide[9] = {0,        SideRight,  SideTop,   SideLeft, SideBottom,
                                  SideLeft, SideBottom, SideRight, SideTop};
constexpr int CaseTableSide[9] = {0,          SideBottom, SideRight, SideTop, SideLeft,
                                  SideBottom, SideRight,  SideTop,   SideLeft};

}  // namespace

int RotateAnticlockwise(int state) { return IsState(state) ? Anticlockwise[state] : state; }

int RotateClockwise(int state) { return IsState(state) ? Clockwise[state] : state; }

int FlipEndOverEnd(int state) { return IsState(state) ? Flipped[state] : state; }

int CutOrientation(int cutFace, int faceOnTable, int& fenceSide, int& tableSide) {
  if (!IsState(cutFace) || !IsState(faceOnTable)) return 0;
  const int orientationCase = Cases[cutFace][faceOnTable];
  fenceSide = CaseFenceSide[orientationCase];
  tableSide = CaseTableSide[orientationCase];
  return orientationCase;
}

}  // namespace kerf
