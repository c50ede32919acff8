// SectionPieces: counting four-connected pieces of material, rereading rows, keeping the largest.
#include "model/SectionPieces.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kerf {
namespace {

// A raster drawn as text: '#' is material, anything else white.
Raster Drawn(const std::vector<std::string>& rows) {
  Raster raster(static_cast<int>(rows.front().size()), static_cast<int>(rows.size()));
  raster.Fill(White);
  for (size_t y = 0; y < rows.size(); ++y) {
    for (size_t x = 0; x < rows[y].size(); ++x) {
      if (rows[y][x] == '#') raster.SetPixel(static_cast<int>(x), static_cast<int>(y), Black);
    }
  }
  return raster;
}

std::vector<std::string> Text(const Raster& raster) {
  std::vector<std::string> rows;
  for (int y = 0; y < raster.Height(); ++y) {
    std::string row;
    for (int x = 0; x < raster.Width(); ++x) row += raster.Pixel(x, y) == White ? '.' : '#';
    rows.push_back(row);
  }
  return rows;
}

int CountOf(const std::vector<std::string>& rows) {
  const Raster raster = Drawn(rows);
  SectionPieces pieces;
  pieces.Read(raster, 0, 0, raster.Width(), raster.Height());
  return pieces.Count();
}

TEST(SectionPieces, CountsFourConnectedPieces) {
  const struct {
    const char* name;
    std::vector<std::string> rows;
    int count;
  } table[] = {
      {"nothing", {"....", "...."}, 0},
      {"one block", {".##.", ".##."}, 1},
      {"side by side", {"#.#", "#.#"}, 2},
      {"corner to corner", {"#.", ".#"}, 2},
      // Arms that start apart and meet lower down are one piece, however many there are.
      {"comb", {"#.#.#.#", "#.#.#.#", "#######"}, 1},
      {"arch", {"#######", "#.....#", "#.###.#", "#.....#"}, 2},
      {"ring with an island", {"#####", "#...#", "#.#.#", "#...#", "#####"}, 2},
      {"staircase", {"##...", ".##..", "..##.", "...##"}, 1},
  };
  for (const auto& row : table) EXPECT_EQ(CountOf(row.rows), row.count) << row.name;
}

TEST(SectionPieces, ReadsOnlyItsRectangle) {
  const Raster raster = Drawn({"#..#", "#..#", "####"});
  SectionPieces pieces;
  pieces.Read(raster, 0, 0, 4, 2);  // the joining row lies outside
  EXPECT_EQ(pieces.Count(), 2);
  pieces.Read(raster, -5, -5, 40, 40);  // clipped to the raster
  EXPECT_EQ(pieces.Count(), 1);
}

TEST(SectionPieces, RereadFollowsThePaintedRows) {
  Raster raster = Drawn({"#####", "#####", "#####"});
  SectionPieces pieces;
  pieces.Read(raster, 0, 0, 5, 3);
  EXPECT_FALSE(pieces.Reread(raster, 0, 2));
  for (int y = 0; y < 3; ++y) raster.SetPixel(2, y, White);
  EXPECT_TRUE(pieces.Reread(raster, 0, 2));
  EXPECT_EQ(pieces.Count(), 2);
  // Rows left out of a reread keep what was read before.
  raster.SetPixel(2, 1, Black);
  EXPECT_FALSE(pieces.Reread(raster, 2, 2));
  EXPECT_EQ(pieces.Count(), 2);
  EXPECT_TRUE(pieces.Reread(raster, 1, 1));
  EXPECT_EQ(pieces.Count(), 1);
}

TEST(SectionPieces, KeepLargestWhitensTheOthers) {
  Raster raster = Drawn({"#..####", "#..####", "...####", "##.....", "##....#"});
  SectionPieces pieces;
  pieces.Read(raster, 0, 0, raster.Width(), raster.Height());
  EXPECT_EQ(pieces.Count(), 4);
  pieces.KeepLargest(raster);
  const std::vector<std::string> expected = {"...####", "...####", "...####", ".......", "......."};
  EXPECT_EQ(Text(raster), expected);
}

TEST(SectionPieces, KeepLargestLeavesOnePieceAlone) {
  Raster raster = Drawn({"##.", "###"});
  const std::vector<std::string> before = Text(raster);
  SectionPieces pieces;
  pieces.Read(raster, 0, 0, 3, 2);
  pieces.KeepLargest(raster);
  EXPECT_EQ(Text(raster), before);
}

}  // namespace
}  // namespace kerf
