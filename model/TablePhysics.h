// TablePhysics: whether a real router table can make a cut, judged on a fine picture of the wood.
#pragma once

#include <cstdint>
#include <vector>

#include "model/Raster.h"
#include "model/Tool.h"

namespace kerf {

// How far a router lift raises a bit's lowest cutting edge above the table, in hundredths.
inline constexpr int32_t DefaultTableReach = 150;
// The most any lift the desktop is set up for raises a bit (5").
inline constexpr int32_t MaxTableReach = 500;
// Wood a bearing or the shank may graze without the cut being called impossible (0.01").
inline constexpr double GrazeHundredths = 1.0;
// The narrowest shank a router bit has, 1/4", so every overlap found is certain.
inline constexpr double ShankRadiusHundredths = 12.5;
// A bearing's thickness above its red row (3/16", as the cutter designer draws it).
inline constexpr int32_t BearingThickness = 19;
// Wood thinner than 1/32" over more than 1/4" breaks away.
inline constexpr double SkinHundredths = 100.0 / 32.0;
inline constexpr double SkinLengthHundredths = 25.0;

// The wood around a cutter as the table sees it: column Axis holds the cutter's axis and the
// columns to its right lie towards the fence; row 0 is the first row of pixels above the table.
struct WoodWindow {
  int Width = 0, Height = 0, Axis = 0;
  std::vector<unsigned char> Wood;  // Width * Height, row 0 first; 1 where there is wood

  void Resize(int width, int height, int axis);
  bool At(int column, int row) const {
    return column >= 0 && column < Width && row >= 0 && row < Height &&
           Wood[static_cast<size_t>(row) * static_cast<size_t>(Width) +
                static_cast<size_t>(column)] != 0;
  }
  void Set(int column, int row, bool wood) {
    Wood[static_cast<size_t>(row) * static_cast<size_t>(Width) + static_cast<size_t>(column)] =
        wood ? 1 : 0;
  }
};

// The cutter of one cut and where it stands: its rows (red bearing row included), its lowest
// row's height above the table in hundredths, the table's reach and the picture's scale.
struct CutterOnTable {
  const Tool* Cutter = nullptr;
  int32_t Height = 0;
  int32_t Reach = DefaultTableReach;
  double PixelsPerHundredth = 2.0;
};

struct TableJudgement {
  bool TrapsStock = false;     // all the wood removed lies between the axis and the fence
  bool BearingInWood = false;  // the bearing's disc overlaps wood there before the cut
  bool ShankInWood = false;    // the 1/4" shank below the cutter overlaps wood
  bool BeyondReach = false;    // the lowest row stands higher than the table's reach
  float SkinInches = 0;        // thickness of a skin too thin to survive; 0 for none
};

// Where a section's physics is judged (a fine picture and the wood around one cutter before
// and after its cut); kept from one judging to the next so nothing is allocated again.
struct TableScratch {
  Raster Fine{1, 1};
  Raster List{1, 1};  // the cut list alone, kept for judging one further cut after it
  // What Fine holds after judging a cut list: the set-up it was drawn from (the stock, the
  // cutters and the reach, then four numbers a cut) and each cut's findings, so that a list that
  // only grew is judged by painting the new cuts alone.
  std::vector<int64_t> Drawn, KeyNow;
  std::vector<TableJudgement> Judged;
  WoodWindow Before, After;
};

// The size of window a cutter needs (its widest reach, bearing and shank, with room around
// them to see how thick the wood beside the cut is), in pixels.
int WindowHalfWidth(const CutterOnTable& cutter);
int WindowHeight(const CutterOnTable& cutter);

// Judges a cut from the wood around its cutter before and after it (same size and axis).
TableJudgement JudgeOnTable(const WoodWindow& before, const WoodWindow& after,
                            const CutterOnTable& cutter);

}  // namespace kerf
