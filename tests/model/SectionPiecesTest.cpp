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

TEST(SectionPieces, RereadFollowsTheWhitenedBox) {
  Raster raster = Drawn({"#######", "#######", "#######"});
  SectionPieces pieces;
  pieces.Read(raster, 0, 0, 7, 3);
  EXPECT_FALSE(pieces.Reread(raster, 0, 2, 0, 6));
  for (int y = 0; y < 3; ++y) raster.SetPixel(3, y, White);
  // A box that misses the whitened column sees no change.
  EXPECT_FALSE(pieces.Reread(raster, 0, 2, 4, 6));
  EXPECT_TRUE(pieces.Reread(raster, 0, 2, 2, 4));
  EXPECT_EQ(pieces.Count(), 2);
}

// Cuts whiten boxes and lines here and there; after each, reading only the box it touched must
// give what reading the whole raster afresh gives.
TEST(SectionPieces, RereadingTheBoxAgreesWithAFreshRead) {
  Raster raster(60, 40);
  raster.Fill(White);
  for (int y = 3; y < 38; ++y)
    for (int x = 5; x < 57; ++x) raster.SetPixel(x, y, Black);
  SectionPieces kept;
  kept.Read(raster, 2, 1, 58, 40);
  unsigned seed = 12345;
  auto next = [&seed](int n) {
    seed = seed * 1103515245u + 12345u;
    return static_cast<int>((seed >> 16) % static_cast<unsigned>(n));
  };
  for (int cut = 0; cut < 300; ++cut) {
    const bool line = next(2) == 0;
    const int x0 = next(64) - 2, y0 = next(44) - 2;
    const int x1 = line ? x0 + next(30) : x0 + next(6), y1 = line ? y0 : y0 + next(12);
    for (int y = y0; y <= y1; ++y)
      for (int x = x0; x <= x1; ++x) raster.SetPixel(x, y, White);
    kept.Reread(raster, y0, y1, x0, x1);
    SectionPieces fresh;
    fresh.Read(raster, 2, 1, 58, 40);
    ASSERT_EQ(kept.Count(), fresh.Count()) << "after cut " << cut;
    Raster a = raster, b = raster;
    kept.KeepLargest(a);
    fresh.KeepLargest(b);
    ASSERT_EQ(Text(a), Text(b)) << "after cut " << cut;
  }
  EXPECT_GT(kept.Count(), 1) << "the cuts were meant to part the block";
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
