// The actual-size request written into a PDF's catalog: every offset still leads to its object,
// and a document that cannot be read with certainty comes back as it was.
#include "project/PdfViewerPreferences.h"

#include <gtest/gtest.h>

#include <regex>
#include <vector>

namespace kerf {
namespace {

// A small PDF laid out as Qt writes one: objects, a cross-reference table, the trailer.
std::string SmallPdf(const std::string& catalogExtra = {}, long offsetError = 0) {
  const std::vector<std::string> objects = {
      "<<\n/Title (t)\n>>", "<<\n/Type /Catalog\n/Pages 3 0 R\n" + catalogExtra + ">>",
      "<<\n/Type /Pages\n/Kids []\n/Count 0\n>>"};
  std::string pdf = "%PDF-1.4\n", table = "xref\n0 4\n0000000000 65535 f \n";
  for (size_t i = 0; i < objects.size(); ++i) {
    char entry[21];
    std::snprintf(entry, sizeof entry, "%010ld 00000 n \n",
                  static_cast<long>(pdf.size()) + (i == 2 ? offsetError : 0));
    table += entry;
    pdf += std::to_string(i + 1) + " 0 obj\n" + objects[i] + "\nendobj\n";
  }
  const size_t xref = pdf.size();
  return pdf + table + "trailer\n<<\n/Size 4\n/Info 1 0 R\n/Root 2 0 R\n>>\nstartxref\n" +
         std::to_string(xref) + "\n%%EOF\n";
}

TEST(PdfViewerPreferences, EntryInTheCatalogAndEveryOffsetLeadsToItsObject) {
  const std::string pdf = PrintedAtActualSize(SmallPdf());
  EXPECT_NE(pdf.find("2 0 obj\n<<\n/ViewerPreferences << /PrintScaling /None >>\n/Type /Catalog"),
            std::string::npos)
      << pdf;
  std::smatch m;
  ASSERT_TRUE(std::regex_search(pdf, m, std::regex("startxref\n([0-9]+)")));
  const size_t xref = std::stoul(m[1]);
  ASSERT_EQ(pdf.compare(xref, 4, "xref"), 0);
  for (int object = 1; object <= 3; ++object) {
    const size_t offset = std::stoul(pdf.substr(xref + 9 + 20 * object, 10));
    EXPECT_EQ(pdf.substr(offset, 8), std::to_string(object) + " 0 obj\n");
  }
}

TEST(PdfViewerPreferences, DocumentsNotReadWithCertaintyAreLeftAsTheyWere) {
  for (const std::string& pdf :
       {std::string(), std::string("%PDF-1.4\ntrailer\n<< /Root 2 0 R >>\nstartxref\n99999\n"),
        SmallPdf("/ViewerPreferences << >>\n"), SmallPdf({}, 3),
        std::regex_replace(SmallPdf(), std::regex("\n0 4\n"), "\n0 5\n")}) {
    EXPECT_EQ(PrintedAtActualSize(pdf), pdf) << pdf;
  }
}

}  // namespace
}  // namespace kerf
