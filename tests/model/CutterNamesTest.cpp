// Cutter names: encoding into file names and back, and the cutter box's natural order.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "model/CutterOrder.h"
#include "model/CutterScan.h"
#include "support/ResultValue.h"

namespace kerf {
namespace {

TEST(CutterNames, EncodedNamesDecodeToThemselves) {
  const struct {
    const char* Name;
    const char* FileName;
  } cases[] = {
      {"3/8\" Roundover", "3-8! Roundover.bmp"},
      {"22.5\xC2\xB0 Chamfer", "22@5% Chamfer.bmp"},
      {"1/2\" 14\xC2\xB0 Dovetail", "1-2! 14% Dovetail.bmp"},
      {"9.5mm Roundover", "9@5mm Roundover.bmp"},
      {"Classical", "Classical.bmp"},
      {"T&G Tongue", "T&G Tongue.bmp"},
      {"Bead \xC3\xA9l\xC3\xA9gant", "Bead \xC3\xA9l\xC3\xA9gant.bmp"},  // other UTF-8 stays
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    std::string fileName;
    ASSERT_EQ(test::TakeValue(EncodeCutterFileName(c.Name), fileName), "");
    EXPECT_EQ(fileName, c.FileName);
    EXPECT_EQ(CutterDisplayName(fileName), c.Name);
  }
}

TEST(CutterNames, NamesThatWouldDecodeToSomethingElseAreRefusedWithTheReason) {
  const struct {
    std::string Name;
    const char* Why;
  } cases[] = {
      {"", "the name is empty"},
      {"   ", "the name is empty"},
      {" Bead", "the name starts or ends with a space"},
      {"T-Slot", "the name holds '-', which a cutter's file name uses for another character"},
      {"Bead!", "the name holds '!', which a cutter's file name uses for another character"},
      {"50% Bead", "the name holds '%', which a cutter's file name uses for another character"},
      {"Bead@Home", "the name holds '@', which a cutter's file name uses for another character"},
      {"a\\b", "the name holds '\\', which some systems read as a folder"},
      {"Tab\tBead", "the name holds a control character"},
      {std::string("Bead\0x", 6), "the name holds a control character"},
      {"Bead \xB0", "the name is not valid UTF-8 text"},
      {"Bead \xC3", "the name is not valid UTF-8 text"},
      {std::string(252, 'a'), "the name is too long for a file name"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Why);
    EXPECT_EQ(EncodeCutterFileName(c.Name).Error(), c.Why);
  }
}

TEST(CutterOrder, CutterBoxListsByKindThenSize) {
  std::vector<std::string> names = {
      "3/4\" Straight",
      "1/2\" Roundover",
      "1/8\" Roundover",
      "1 1/4\" Straight",
      "1/4\" Straight",
      "3/8\" Roundover",
      "9.5mm Roundover",
      "45\xC2\xB0 Chamfer",
      "22.5\xC2\xB0 Chamfer",
      "Classical",
      "1/2\" 14\xC2\xB0 Dovetail",
      "1/2\" 8\xC2\xB0 Dovetail",
      "1/4\" Roundover",
  };
  std::sort(names.begin(), names.end(), CutterListsBefore);
  const std::vector<std::string> expected = {
      "22.5\xC2\xB0 Chamfer",
      "45\xC2\xB0 Chamfer",
      "Classical",
      "1/2\" 8\xC2\xB0 Dovetail",
      "1/2\" 14\xC2\xB0 Dovetail",
      "1/8\" Roundover",
      "1/4\" Roundover",
      "9.5mm Roundover",
      "3/8\" Roundover",
      "1/2\" Roundover",
      "1/4\" Straight",
      "3/4\" Straight",
      "1 1/4\" Straight",
  };
  EXPECT_EQ(names, expected);
}

}  // namespace
}  // namespace kerf
