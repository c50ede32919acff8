// File > Print Set-up Sheet...: the sheet goes to the printer the dialog chose, on the locale's
// paper; nothing is printed when the dialog is cancelled, and a printer that fails is reported.
#include <gtest/gtest.h>

#include <QPrinter>

#include <cstdio>
#include <filesystem>
#include <regex>

#include "desktop/PrintSheetAction.h"
#include "project/ProjectLoading.h"
#include "support/TempFolder.h"

namespace kerf {
namespace {

namespace fs = std::filesystem;

std::string Shell(const std::string& command) {
  std::string out;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return out;
  char buffer[4096];
  for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
  pclose(pipe);
  return out;
}

int PageCount(const std::string& pdf) {
  std::smatch m;
  const std::string info = Shell("pdfinfo '" + pdf + "' 2>&1");
  return std::regex_search(info, m, std::regex("Pages:\\s+([0-9]+)")) ? std::stoi(m[1]) : -1;
}

class PrintSheetAction : public test::TempFolder {};

TEST_F(PrintSheetAction, PrintsThroughTheChosenPrinterAndNotWhenCancelled) {
  if (Shell("command -v pdftotext pdfinfo 2>/dev/null").empty())
    GTEST_SKIP() << "poppler is not installed";
  Model model;
  const std::string project = std::string(KERF_SOURCE_DIR) + "/data/work/Rule joint leaf.ROU";
  ASSERT_TRUE(LoadForCommand(model, project, std::string(KERF_SOURCE_DIR) + "/data/tools"));
  model.SetProjectFileName(project);
  std::vector<QString> messages;
  const MessageShower show = [&](const QString& text) { messages.push_back(text); };
  const std::string pdf = Path("printed.pdf");

  EXPECT_FALSE(OnPrintSetupSheet(
      model, [](QPrinter&) { return false; }, show));
  EXPECT_FALSE(fs::exists(pdf));

  QString offered;
  const PrintChooser toFile = [&](QPrinter& printer) {
    offered = printer.pageLayout().pageSize().key();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(pdf));
    return true;
  };
  EXPECT_TRUE(OnPrintSetupSheet(model, toFile, show));
  EXPECT_TRUE(messages.empty());
  EXPECT_TRUE(offered == "A4" || offered == "Letter") << offered.toStdString();
  EXPECT_EQ(PageCount(pdf), 1 + (model.CutCount() + 2) / 3);
  EXPECT_NE(Shell("pdftotext '" + pdf + "' -").find("Rule joint leaf"), std::string::npos);

  const PrintChooser nowhere = [&](QPrinter& printer) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(Path("missing/folder/x.pdf")));
    return true;
  };
  EXPECT_FALSE(OnPrintSetupSheet(model, nowhere, show));
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_NE(messages[0].toStdString().find("missing/folder/x.pdf"), std::string::npos);
}

}  // namespace
}  // namespace kerf
