// Names from files printed on a terminal: no control character or broken UTF-8 gets through.
#include "model/PrintableText.h"

#include <gtest/gtest.h>

namespace kerf {
namespace {

struct Printable {
  const char* name;
  std::string text;
  std::string shown;
};

void PrintTo(const Printable& p, std::ostream* os) { *os << p.name; }

class PrintableCase : public ::testing::TestWithParam<Printable> {};

TEST_P(PrintableCase, ReplacesWhatATerminalWouldObey) {
  EXPECT_EQ(PrintableText(GetParam().text), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Table, PrintableCase,
    ::testing::Values(Printable{"Plain", "Cove 1/2in.bmp", "Cove 1/2in.bmp"},
                      Printable{"Accented", "Gorge \xc3\xa9troite \xe2\x80\x94 \xf0\x9f\x94\xa7",
                                "Gorge \xc3\xa9troite \xe2\x80\x94 \xf0\x9f\x94\xa7"},
                      Printable{"EscBelCr", "a\x1b[2Jb\x07\rc\n", "a?[2Jb??c?"},
                      Printable{"Delete", "a\x7f", "a?"},
                      Printable{"C1Controls",
                                "\xc2\x80x\xc2\x9b"
                                "31m\xc2\x9f\xc2\xa0",
                                "?x?31m?\xc2\xa0"},
                      Printable{"StrayContinuation",
                                "a\x80"
                                "b",
                                "a\xef\xbf\xbd"
                                "b"},
                      Printable{"RawC1Byte",
                                "\x9b"
                                "31m",
                                "\xef\xbf\xbd"
                                "31m"},
                      Printable{"Overlong", "\xc0\x9b", "\xef\xbf\xbd\xef\xbf\xbd"},
                      Printable{"Surrogate", "\xed\xa0\x80",
                                "\xef\xbf\xbd\xef\xbf\xbd\xef\xbf\xbd"},
                      Printable{"CutShort", "ab\xe2\x80", "ab\xef\xbf\xbd\xef\xbf\xbd"},
                      Printable{"BeyondUnicode", "\xf4\x90\x80\x80",
                                "\xef\xbf\xbd\xef\xbf\xbd\xef\xbf\xbd\xef\xbf\xbd"}),
    [](const ::testing::TestParamInfo<Printable>& info) { return std::string(info.param.name); });

TEST(PrintableText, KeepsLineFeedsOnlyWhenAskedAndCutsAtACharacter) {
  EXPECT_EQ(PrintableText("one\ntwo\x1b", std::string::npos, true), "one\ntwo?");
  EXPECT_EQ(PrintableText("ab\xc3\xa9"
                          "cd",
                          3),
            "ab\xc3\xa9...");
  EXPECT_EQ(QuotedText("x\x1b"), "\"x?\"");
}

}  // namespace
}  // namespace kerf
