// The one picture comparison of the tests: pixel by pixel, optionally within a tolerance.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "model/Raster.h"

namespace kerf::test {

struct PictureTolerance {
  int channel = 0;  // largest difference of a red, green or blue value that still matches
  double differingShare = 0.0;  // share of pixels (0..1) allowed to differ by more than that
};

// The largest difference of the red, green and blue values of two colours.
inline int ChannelDifference(Colour a, Colour b) {
  int largest = 0;
  for (int shift : {0, 8, 16}) {
    largest = std::max(largest, std::abs(static_cast<int>((a >> shift) & 0xFF) -
                                         static_cast<int>((b >> shift) & 0xFF)));
  }
  return largest;
}

// Compares the width x height corner of two pictures (the whole pictures when not given, which
// must then be the same size) and reports how many pixels differ and where the first one is.
inline ::testing::AssertionResult SamePicture(const Raster& actual, const Raster& expected,
                                              int width = -1, int height = -1,
                                              PictureTolerance tolerance = {}) {
  if (width < 0 || height < 0) {
    if (actual.Width() != expected.Width() || actual.Height() != expected.Height()) {
      return ::testing::AssertionFailure()
             << "the picture is " << actual.Width() << " x " << actual.Height() << ", expected "
             << expected.Width() << " x " << expected.Height();
    }
    width = actual.Width();
    height = actual.Height();
  }
  long differing = 0;
  int firstX = -1, firstY = -1;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      if (ChannelDifference(actual.Pixel(x, y), expected.Pixel(x, y)) > tolerance.channel &&
          differing++ == 0) {
        firstX = x;
        firstY = y;
      }
    }
  }
  const double allowed = tolerance.differingShare * width * height;
  if (differing <= allowed) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure()
         << differing << " pixels differ, first at (" << firstX << ", " << firstY << ")";
}

}  // namespace kerf::test
