// The table and fence lines and the cutter's outline, dashed where it meets no wood.
#include "model/MachineLines.h"

#include <algorithm>
#include <cmath>

namespace kerf {

void DrawTableAndFence(Raster& raster, MachineFaces faces, int width, int height) {
  if (faces.TableY >= 0 && faces.TableY < height) {
    raster.Line(0, faces.TableY, width, faces.TableY, MachineGrey);
  }
  if (faces.FenceX >= 0 && faces.FenceX < width) {
    // Down to the table and no further; a table below the picture leaves the fence full height.
    raster.Line(faces.FenceX, 0, faces.FenceX, std::min(faces.TableY, height), MachineGrey);
  }
}

void DrawCutterOutline(Raster& raster, const Tool& tool, const CutterSetting& setting,
                       MachineFaces faces, bool dashHidden) {
  const auto& profile = tool.Profile;
  const double r = setting.r;
  const double s = setting.s;
  auto x = [&](double offset) {
    return static_cast<int>(std::nearbyint(faces.FenceX - offset * r));
  };
  auto y = [&](int l) {
    return static_cast<int>(std::nearbyint(faces.TableY - (setting.Height + l) * s));
  };
  const int rows = std::clamp(tool.RowCount, 1, MaxProfileRows);
  int penX = x(setting.Fence - profile[1]);
  int penY = y(1);
  long long walked = 0;  // outline pixels passed so far, for the dashes
  auto plot = [&](int px, int py) {
    if (!HiddenByMachine(px, py, faces) || (walked / OutlineDash) % 2 == 0) {
      raster.SetPixel(px, py, Black);
    }
    ++walked;
  };
  auto lineTo = [&](int toX, int toY) {
    if (dashHidden) {
      ForEachLinePixel(penX, penY, toX, toY, plot);
    } else {
      raster.Line(penX, penY, toX, toY, Black);
    }
    penX = toX;
    penY = toY;
  };
  for (int l = 1; l <= rows; ++l) lineTo(x(setting.Fence + profile[static_cast<size_t>(l)]), y(l));
  for (int l = rows; l >= 1; --l) lineTo(x(setting.Fence - profile[static_cast<size_t>(l)]), y(l));
}

}  // namespace kerf
