// The start-up summary of cutter bitmaps that could not be loaded.
#include <gtest/gtest.h>

#include "desktop/SkippedCuttersMessage.h"

namespace kerf {
namespace {

// The start-up warning names the folder each file is in and stays short however many there are.
TEST(SkippedCuttersMessage, CountsPerFolderWithTheFullListInTheDetails) {
  std::vector<SkippedCutter> skipped = {{"a.bmp", "the file is empty"},
                                        {"/home/u/tools/b.bmp", "not a regular file"}};
  skipped.insert(skipped.end(), 9999, {"/home/u/tools/c.bmp", "the file is empty"});
  const SkippedCuttersMessage message = DescribeSkippedCutters(skipped, "/opt/k/tools");
  EXPECT_EQ(message.Summary,
            "10001 cutter bitmaps could not be loaded and are not in the cutter list:\n"
            "10000 in /home/u/tools\n1 in /opt/k/tools\n\nShow Details lists each file and why.");
  EXPECT_EQ(message.Details.rfind("/opt/k/tools/a.bmp: the file is empty\n"
                                  "/home/u/tools/b.bmp: not a regular file\n",
                                  0),
            0u);
}

}  // namespace
}  // namespace kerf
