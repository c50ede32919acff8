// SectionPieces: the separate pieces of material in a section raster, kept as runs along rows.
#include "model/SectionPieces.h"

#include <algorithm>

namespace kerf {

void SectionPieces::Read(const Raster& raster, int left, int top, int right, int bottom) {
  left_ = std::max(left, 0);
  top_ = std::max(top, 0);
  right_ = std::max(std::min(right, raster.Width()), left_);
  bottom_ = std::max(std::min(bottom, raster.Height()), top_);
  // Rows keep their storage: a pass over the same stock allocates nothing.
  rows_.resize(static_cast<size_t>(bottom_ - top_));
  for (int y = top_; y < bottom_; ++y) ReadRow(raster, y);
  known_ = false;
  joined_ = false;
}

bool SectionPieces::Reread(const Raster& raster, int firstRow, int lastRow, int firstColumn,
                           int lastColumn) {
  const int from = std::max(firstColumn, left_);
  const int to = std::min(lastColumn, right_ - 1);
  if (from > to) return false;
  touched_.clear();
  int first = -1;
  int last = -1;
  for (int y = std::max(firstRow, top_); y <= lastRow && y < bottom_; ++y) {
    if (RereadRow(raster, y, from, to)) {
      if (first < 0) first = y;
      last = y;
    }
  }
  if (first < 0) return false;
  joined_ = false;
  if (known_) known_ = JoinAround(first - top_, last - top_);
  return true;
}

bool SectionPieces::RereadRow(const Raster& raster, int y, int from, int to) {
  // Only columns from..to are read. Outside them every pixel is as it was, and inside them
  // material was only ever taken away, so the old runs reaching into the window keep their
  // parts outside it, and a run ending just outside it cannot grow into it.
  std::vector<Run>& runs = rows_[static_cast<size_t>(y - top_)];
  spliced_.clear();
  size_t i = 0;
  while (i < runs.size() && runs[i].To < from) spliced_.push_back(runs[i++]);
  size_t j = i;
  while (j < runs.size() && runs[j].From <= to) ++j;
  if (i == j) return false;  // no material in the window: nothing was taken away
  int start = runs[i].From < from ? runs[i].From : -1;         // a run open at the window's left
  const int tail = runs[j - 1].To > to ? runs[j - 1].To : -1;  // and its end at the right

  const Colour* pixels = raster.Row(y);
  for (int x = from; x <= to; ++x) {
    const bool material = pixels[x] != White;
    if (material && start < 0) {
      start = x;
    } else if (!material && start >= 0) {
      spliced_.push_back(Run{start, x - 1});
      start = -1;
    }
  }
  if (start >= 0) {
    spliced_.push_back(Run{start, tail >= 0 ? tail : to});
  } else if (tail >= 0) {
    spliced_.push_back(Run{to + 1, tail});
  }
  // Each new run lies inside one of the old runs i..j-1 and stays in that run's piece.
  for (size_t m = i, k = i; m < spliced_.size(); ++m) {
    while (k + 1 < j && runs[k].To < spliced_[m].From) ++k;
    spliced_[m].Piece = runs[k].Piece;
  }
  for (size_t k = j; k < runs.size(); ++k) spliced_.push_back(runs[k]);

  const bool changed =
      spliced_.size() != runs.size() ||
      !std::equal(spliced_.begin(), spliced_.end(), runs.begin(),
                  [](const Run& a, const Run& b) { return a.From == b.From && a.To == b.To; });
  if (!changed) return false;
  for (size_t k = i; k < j; ++k) touched_.push_back(runs[k].Piece);
  runs.assign(spliced_.begin(), spliced_.end());
  return true;
}

bool SectionPieces::ReadRow(const Raster& raster, int y) {
  std::vector<Run>& runs = rows_[static_cast<size_t>(y - top_)];
  const Colour* pixels = raster.Row(y);
  size_t n = 0;
  bool changed = false;
  int x = left_;
  while (x < right_) {
    while (x < right_ && pixels[x] == White) ++x;
    if (x == right_) break;
    const int from = x;
    while (x < right_ && pixels[x] != White) ++x;
    const Run run{from, x - 1};
    if (n < runs.size()) {
      if (runs[n].From != run.From || runs[n].To != run.To) {
        runs[n] = run;
        changed = true;
      }
    } else {
      runs.push_back(run);
      changed = true;
    }
    ++n;
  }
  if (n != runs.size()) {
    runs.resize(n);
    changed = true;
  }
  return changed;
}

int SectionPieces::Root(int run) {
  while (parent_[static_cast<size_t>(run)] != run) {
    int& up = parent_[static_cast<size_t>(run)];
    up = parent_[static_cast<size_t>(up)];  // path halving
    run = up;
  }
  return run;
}

int SectionPieces::Unite(size_t firstRow, size_t lastRow) {
  size_t total = 0;
  for (size_t row = firstRow; row <= lastRow; ++row) total += rows_[row].size();
  parent_.resize(total);
  for (size_t i = 0; i < total; ++i) parent_[i] = static_cast<int>(i);

  // Runs of neighbouring rows that share a column belong to one piece. The root of a piece is
  // its first run in row order.
  int count = static_cast<int>(total);
  int above = 0;  // number of the first run of the row above
  int here = 0;
  for (size_t row = firstRow; row <= lastRow; ++row) {
    const std::vector<Run>& runs = rows_[row];
    if (row > firstRow) {
      const std::vector<Run>& upper = rows_[row - 1];
      size_t i = 0, j = 0;
      while (i < upper.size() && j < runs.size()) {
        if (upper[i].From <= runs[j].To && runs[j].From <= upper[i].To) {
          const int a = Root(above + static_cast<int>(i));
          const int b = Root(here + static_cast<int>(j));
          if (a != b) {
            parent_[static_cast<size_t>(std::max(a, b))] = std::min(a, b);
            --count;
          }
        }
        if (upper[i].To < runs[j].To) {
          ++i;
        } else {
          ++j;
        }
      }
    }
    above = here;
    here += static_cast<int>(runs.size());
  }
  return count;
}

void SectionPieces::Join() {
  count_ = rows_.empty() ? 0 : Unite(0, rows_.size() - 1);
  int number = 0;
  for (std::vector<Run>& runs : rows_) {
    for (Run& run : runs) run.Piece = Root(number++);
  }
  known_ = true;
  joined_ = true;
}

bool SectionPieces::JoinAround(int firstRow, int lastRow) {
  // Rows firstRow..lastRow lost material; no other row changed. A piece that had material in
  // them and keeps some outside any band of rows around them reaches, with every part of that,
  // the band's edge rows: it was joined to its material in the changed rows only through them.
  // So joining the runs of the band settles it when a touched piece has nothing left there (it
  // is gone) or its runs there are all joined there (it is still one piece). A piece left in
  // several parts there may yet meet itself further away: the band is widened, and once it
  // would hold every row the caller joins all the rows instead.
  std::sort(touched_.begin(), touched_.end());
  touched_.erase(std::unique(touched_.begin(), touched_.end()), touched_.end());
  const int lastOfAll = static_cast<int>(rows_.size()) - 1;
  // Most cuts settle within a row of the band; the others mostly within the depth of a groove.
  for (int margin = 1;; margin = margin == 1 ? 16 : margin * 4) {
    const int first = std::max(firstRow - margin, 0);
    const int last = std::min(lastRow + margin, lastOfAll);
    if (first == 0 && last == lastOfAll) return false;
    if (SettledWithin(static_cast<size_t>(first), static_cast<size_t>(last))) return true;
  }
}

bool SectionPieces::SettledWithin(size_t first, size_t last) {
  Unite(first, last);
  seen_.assign(touched_.size(), -1);
  int number = 0;
  for (size_t row = first; row <= last; ++row) {
    for (const Run& run : rows_[row]) {
      const auto at = std::lower_bound(touched_.begin(), touched_.end(), run.Piece);
      if (at != touched_.end() && *at == run.Piece) {
        int& root = seen_[static_cast<size_t>(at - touched_.begin())];
        const int here = Root(number);
        if (root < 0) {
          root = here;
        } else if (root != here) {
          return false;
        }
      }
      ++number;
    }
  }
  for (const int root : seen_) count_ -= root < 0;
  return true;
}

int SectionPieces::Count() {
  if (!known_) Join();
  return count_;
}

void SectionPieces::KeepLargest(Raster& raster) {
  if (Count() <= 1 || raster.Width() < right_ || raster.Height() < bottom_) return;
  // Numbered by their first runs, the pieces are in the order that settles ties.
  if (!joined_) Join();
  area_.assign(parent_.size(), 0);
  for (const std::vector<Run>& runs : rows_) {
    for (const Run& run : runs) area_[static_cast<size_t>(run.Piece)] += run.To - run.From + 1;
  }
  int largest = 0;
  for (size_t i = 1; i < area_.size(); ++i) {
    if (area_[i] > area_[static_cast<size_t>(largest)]) largest = static_cast<int>(i);
  }
  for (size_t row = 0; row < rows_.size(); ++row) {
    Colour* pixels = raster.Row(top_ + static_cast<int>(row));
    for (const Run& run : rows_[row]) {
      if (run.Piece != largest) std::fill(pixels + run.From, pixels + run.To + 1, White);
    }
  }
}

}  // namespace kerf
