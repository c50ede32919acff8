// The verb table: every row reaches its own verb's help, and the manual page's synopsis.
#include <gtest/gtest.h>

#include <string>

#include "RunProgram.h"
#include "cli/ManPage.h"
#include "cli/Verbs.h"
#include "support/TempFolder.h"

namespace kerf {
namespace {

class VerbTable : public test::TempFolder {};

// A verb whose parser names another verb, or a row whose run is another verb's, shows the
// wrong usage line.
TEST_F(VerbTable, EachVerbsHelpStartsWithItsOwnRow) {
  for (const Verb& verb : AllVerbs()) {
    const test::ProgramRun run = test::RunProgram({verb.Name, "--help"}, dir_.string());
    EXPECT_EQ(run.status, 0) << verb.Name;
    EXPECT_EQ(run.out.rfind("Usage: kerfwright " + std::string(verb.Name) + " " + verb.Synopsis, 0),
              0u)
        << run.out;
  }
}

TEST(ManPage, SynopsisMarksOptionsBoldAndValuesItalic) {
  const std::string page = FillManPage("x @PROJECT_VERSION@\n@KERF_VERB_SYNOPSIS@\ny\n", "9.8");
  EXPECT_EQ(page.rfind("x 9.8\n.B kerfwright section\n"
                       "\\fIPROJECT.ROU\\fR \\fB\\-o\\fR \\fIIMAGE\\fR [\\fB\\-\\-tools\\fR "
                       "\\fIDIR\\fR]",
                       0),
            0u)
      << page;
  for (const Verb& verb : AllVerbs())
    EXPECT_NE(page.find(".B kerfwright " + std::string(verb.Name) + "\n"), std::string::npos);
  EXPECT_EQ(page.substr(page.size() - 7), "\n.br\ny\n");
}

}  // namespace
}  // namespace kerf
