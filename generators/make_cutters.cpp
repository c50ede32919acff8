// Draws the supplied router-bit bitmaps into <data dir>/tools from their cutting-edge geometry.
//
// The bits and the drawing rules live in the model (model/SuppliedCutters.h,
// model/CutterGeometry.h); this program writes them out and prints each bit's sizes.
//
// Usage: make_cutters <data dir>
#include <QDir>
#include <QString>

#include <algorithm>
#include <cstdio>
#include <string>

#include "model/CutterGeometry.h"
#include "model/SuppliedCutters.h"
#include "project/PictureFile.h"

namespace {

bool WriteBit(const kerf::CutterDesign& bit, const std::string& folder) {
  const kerf::Result<kerf::Raster> bitmap = kerf::DrawCutter(bit);
  if (!bitmap) {
    std::fprintf(stderr, "%s: %s\n", bit.FileName.c_str(), bitmap.Error().c_str());
    return false;
  }
  const std::string path = folder + "/" + bit.FileName;
  if (const kerf::Result<void> saved = kerf::SavePicture(path, bitmap.Value()); !saved) {
    std::fprintf(stderr, "%s\n", saved.Error().c_str());
    return false;
  }
  const kerf::CutterProfile profile = kerf::ProfileOf(bit);
  const int cutting = *std::max_element(profile.Radii.begin(), profile.Radii.end());
  const double inch = kerf::PixelsPerInch;
  std::printf("%-28s %3zu rows  diameter %5.3f\"  height %5.3f\"  bearing %5.3f\"\n",
              bit.FileName.c_str(), profile.Radii.size(), 2 * cutting / inch,
              profile.Radii.size() / inch, 2 * profile.BearingWidth / inch);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <data dir>\n", argv[0]);
    return 2;
  }
  const QString folder = QString::fromLocal8Bit(argv[1]) + "/tools";
  if (!QDir().mkpath(folder)) {
    std::fprintf(stderr, "%s: cannot create\n", folder.toLocal8Bit().constData());
    return 1;
  }
  int failed = 0;
  for (const kerf::CutterDesign& bit : kerf::SuppliedCutters())
    if (!WriteBit(bit, folder.toStdString())) ++failed;
  return failed == 0 ? 0 : 1;
}
