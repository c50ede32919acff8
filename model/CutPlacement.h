// CutPlacement: where a cut's cutter axis lands on the section and which way its rows run.
#pragma once

#include <cstdint>

namespace kerf {

// The side of the section the table face lies on for a cut, which is also how its cutter is
// turned: the cutter's rows run away from the table. Numbered 0..3 so that it can index.
enum TableSide : uint8_t { TableBelow = 0, TableAbove = 1, TableRight = 2, TableLeft = 3 };
inline constexpr int TableSideCount = 4;

// How a cut of one orientation case lies on the section: the side of its table face, and
// where its axis lands. The axis column is measured in from the left or the right edge of the
// stock's rectangle, the axis row from its top or bottom edge; one of them by the fence
// setting and the other by the height.
struct CaseLayout {
  TableSide Table = TableBelow;
  bool ColumnFromRight = true;  // else from the left edge
  bool ColumnByFence =
      true;  // the column by the fence and the row by the height, else the other way
  bool RowFromBottom = true;  // else from the top edge
};

// The layout of orientation case 1..8; a cut of no known state (case 0) lies as case 1.
const CaseLayout& LayoutOfCase(int orientationCase);

// The edges of the stock's rectangle on a picture: its left column and top row, and the
// fence face's column and the table face's row, which are also its right and bottom edges.
struct StockEdges {
  int Left = 0, Top = 0, Right = 0, Bottom = 0;
};

// A cutter's axis on a picture: its column V and row U, and the side of the table.
struct Placement {
  int V = 0, U = 0;
  TableSide Table = TableBelow;
};

// The axis of a cut laid out as layout, its column and row offsets from their edges in pixels.
inline Placement PlaceAxis(const CaseLayout& layout, int columnOffset, int rowOffset,
                           const StockEdges& edges) {
  return {layout.ColumnFromRight ? edges.Right - columnOffset : edges.Left + columnOffset,
          layout.RowFromBottom ? edges.Bottom - rowOffset : edges.Top + rowOffset, layout.Table};
}

// The other way round: the column and row offsets that put the axis at (v, u).
inline void AxisOffsets(const CaseLayout& layout, int v, int u, const StockEdges& edges,
                        int& columnOffset, int& rowOffset) {
  columnOffset = layout.ColumnFromRight ? edges.Right - v : v - edges.Left;
  rowOffset = layout.RowFromBottom ? edges.Bottom - u : u - edges.Top;
}

}  // namespace kerf
