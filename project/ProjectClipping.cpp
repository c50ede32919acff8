// ClippedValues: the same limits as Model::NewWorkpiece and Model::ReplaceSetup apply.
#include "project/ProjectClipping.h"

#include <algorithm>

#include "model/Model.h"

namespace kerf {

std::vector<ClippedValue> ClippedValues(const ProjectRecord& record, int cutterCount) {
  std::vector<ClippedValue> clipped;
  auto check = [&clipped](int line, const char* what, int32_t stored, int32_t used) {
    if (stored != used) clipped.push_back({line, what, stored, used});
  };
  const bool cutterKnown = record.CurrentCutter >= 1 && record.CurrentCutter <= cutterCount;
  check(2, "the selected cutter", record.CurrentCutter, cutterKnown ? record.CurrentCutter : 1);
  check(3, "the stock width", record.StockWidth,
        std::clamp(record.StockWidth, MinStockSize, MaxStockSize));
  check(4, "the stock height", record.StockHeight,
        std::clamp(record.StockHeight, MinStockSize, MaxStockSize));
  check(8, "the vertical texture repeat", record.RepeatV,
        std::clamp(record.RepeatV, MinTextureRepeat, MaxTextureRepeat));
  check(9, "the horizontal texture repeat", record.RepeatH,
        std::clamp(record.RepeatH, MinTextureRepeat, MaxTextureRepeat));
  return clipped;
}

std::string ClippedText(const ClippedValue& value) {
  return value.What + " " + std::to_string(value.Stored) + " is out of range; " +
         std::to_string(value.Used) + " is used";
}

}  // namespace kerf
