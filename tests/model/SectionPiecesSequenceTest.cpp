// SectionPieces over runs of cuts: the count carried from cut to cut against counting afresh.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "model/Model.h"
#include "model/SectionPieces.h"
#include "model/SectionRenderer.h"

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

bool SamePicture(const Raster& a, const Raster& b) {
  for (int y = 0; y < a.Height(); ++y)
    if (!std::equal(a.Row(y), a.Row(y) + a.Width(), b.Row(y))) return false;
  return true;
}

int FreshCount(const Raster& raster) {
  SectionPieces fresh;
  fresh.Read(raster, 0, 0, raster.Width(), raster.Height());
  return fresh.Count();
}

struct Box {
  int left, top, right, bottom;  // inclusive
};

// Whitens the box (clipped to the raster) and rereads it, as a cut does.
void CutBox(Raster& raster, SectionPieces& pieces, const Box& box) {
  for (int y = box.top; y <= box.bottom; ++y)
    for (int x = box.left; x <= box.right; ++x) raster.SetPixel(x, y, White);
  pieces.Reread(raster, box.top, box.bottom, box.left, box.right);
}

// Cuts whose effect on the count shows only far from the rows they touch, or not at all.
TEST(SectionPiecesSequence, CountsAfterEachCut) {
  const struct {
    const char* name;
    std::vector<std::string> rows;
    std::vector<Box> cuts;
    std::vector<int> counts;  // after each cut
  } table[] = {
      {"ring parted once, then twice",
       {"#######", "#.....#", "#.....#", "#######"},
       {{3, 3, 3, 3}, {3, 0, 3, 0}},
       {1, 2}},
      {"arms that meet far below",
       {"#.#", "#.#", "#.#", "#.#", "###"},
       {{0, 0, 2, 0}, {1, 4, 1, 4}, {0, 1, 0, 4}},
       {1, 2, 1}},
      {"islands taken away whole",
       {"##..##", "##..##", "......", "..##.."},
       {{0, 0, 1, 1}, {2, 3, 3, 3}, {4, 0, 5, 1}},
       {2, 1, 0}},
      {"comb whose spine is cut between the teeth",
       {"#.#.#", "#.#.#", "#####"},
       {{1, 2, 1, 2}, {3, 2, 3, 2}, {0, 0, 0, 2}},
       {2, 3, 2}},
      {"one piece taken away while another is notched",
       {"#####.#", "#####.#", "#####.#"},
       {{2, 0, 6, 2}, {0, 1, 1, 1}},
       {1, 2}},
      {"notches that part nothing",
       {"######", "######", "######"},
       {{0, 0, 1, 0}, {4, 1, 5, 2}, {2, 2, 2, 2}},
       {1, 1, 1}},
      {"a hole opened to the side",
       {"#####", "#...#", "#####"},
       {{4, 1, 4, 1}, {0, 1, 0, 1}},
       {1, 2}},
  };
  for (const auto& row : table) {
    Raster raster = Drawn(row.rows);
    SectionPieces pieces;
    pieces.Read(raster, 0, 0, raster.Width(), raster.Height());
    pieces.Count();
    for (size_t i = 0; i < row.cuts.size(); ++i) {
      CutBox(raster, pieces, row.cuts[i]);
      EXPECT_EQ(pieces.Count(), row.counts[i]) << row.name << ", cut " << i;
      EXPECT_EQ(FreshCount(raster), row.counts[i]) << row.name << ", cut " << i;
    }
  }
}

// Random boxes and one-pixel lines through shapes with many pieces, rings and long arms:
// after each the carried count and the piece kept must be those of a fresh read.
TEST(SectionPiecesSequence, CarriedCountAgreesWithAFreshReadOnEveryShape) {
  const struct {
    const char* name;
    bool (*material)(int x, int y);
  } shapes[] = {
      {"block", [](int, int) { return true; }},
      {"comb", [](int x, int y) { return y > 30 || x % 4 != 0; }},
      {"rings", [](int x, int y) { return std::max(std::abs(x - 30), std::abs(y - 20)) % 3 != 0; }},
      {"islands", [](int x, int y) { return x % 5 < 3 && y % 4 < 2; }},
      {"lattice", [](int x, int y) { return x % 6 == 0 || y % 5 == 0; }},
  };
  for (const auto& shape : shapes) {
    for (unsigned seed : {1u, 2u, 3u}) {
      Raster raster(60, 40);
      raster.Fill(White);
      for (int y = 2; y < 39; ++y)
        for (int x = 2; x < 58; ++x)
          if (shape.material(x, y)) raster.SetPixel(x, y, Black);
      SectionPieces kept;
      kept.Read(raster, 1, 1, 59, 40);
      kept.Count();
      auto next = [&seed](int n) {
        seed = seed * 1103515245u + 12345u;
        return static_cast<int>((seed >> 16) % static_cast<unsigned>(n));
      };
      for (int cut = 0; cut < 150; ++cut) {
        const int kind = next(3);  // a box, a row, or a column of pixels
        const int x0 = next(64) - 2, y0 = next(44) - 2;
        const int x1 = kind == 1 ? x0 + next(40) : x0 + (kind == 2 ? 0 : next(5));
        const int y1 = kind == 2 ? y0 + next(30) : y0 + (kind == 1 ? 0 : next(5));
        CutBox(raster, kept, {x0, y0, x1, y1});
        SectionPieces fresh;
        fresh.Read(raster, 1, 1, 59, 40);
        ASSERT_EQ(kept.Count(), fresh.Count()) << shape.name << " " << seed << ", cut " << cut;
        if (cut % 10 == 9) {
          Raster a = raster, b = raster;
          kept.KeepLargest(a);
          fresh.KeepLargest(b);
          ASSERT_TRUE(SamePicture(a, b)) << shape.name << " " << seed << ", cut " << cut;
        }
      }
    }
  }
}

Tool Bit(const std::string& name, int rows, int (*radius)(int row)) {
  Tool tool;
  tool.Name = name;
  tool.FileName = name + ".bmp";
  tool.RowCount = rows;
  for (int l = 1; l <= rows; ++l)
    tool.Profile[static_cast<size_t>(l)] = static_cast<float>(radius(l));
  return tool;
}

// The measuring pass judges each cut by the pieces before and after it; on thin stock worked
// from every face, with grooves that part it and discs that cut below the surface, those must
// be the counts of the section read afresh after each cut.
TEST(SectionPiecesSequence, MeasuringPassCountsAsAFreshRead) {
  const std::vector<Tool> cutters = {
      Bit("straight", 90, [](int) { return 12; }),
      Bit("slot", 12, [](int) { return 60; }),
      Bit("cove", 50, [](int l) { return 30 + (l * (50 - l)) / 40; }),
      Bit("vee", 40, [](int l) { return 40 - l; }),
  };
  for (const int32_t width : {80, 300}) {
    Model model;
    model.SetCutterLibrary(cutters);
    model.NewWorkpiece(width, 400);  // face 3 down
    SectionPictures pictures;
    Section section;
    MeasureSection(model, pictures, section);
    int before = FreshCount(section.Picture);
    int most = before;
    for (int i = 0; i < 60; ++i) {
      model.SetCurrentCutter(1 + (i * 3) % model.CutterCount());
      model.SetFaceOnTable(1 + (i * 5) % 8);
      model.AppendCut(-60 + (i * 29) % 300, -30 + (i * 41) % 200);
      // Measured with one face down throughout, so that every count is of the same picture.
      model.SetFaceOnTable(3);
      MeasureSection(model, pictures, section);
      const int after = FreshCount(section.Picture);
      const CutFigures& cut = section.Cuts.back().Figures;
      ASSERT_EQ(cut.PiecesBefore, before) << "stock " << width << ", cut " << i + 1;
      ASSERT_EQ(cut.PiecesAfter, after) << "stock " << width << ", cut " << i + 1;
      before = after;
      most = std::max(most, after);
    }
    if (width == 80) {
      EXPECT_GT(most, 1) << "the cuts were meant to part the thin stock";
    }
  }
}

}  // namespace
}  // namespace kerf
