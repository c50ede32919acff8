// Writes the manual page from its template, with the verbs' synopsis from the verb table.
// Usage: make_manpage TEMPLATE OUTPUT
#include <cstdio>
#include <fstream>
#include <sstream>

#include "KerfwrightVersion.h"
#include "cli/ManPage.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: make_manpage TEMPLATE OUTPUT\n");
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary);
  std::stringstream page;
  page << in.rdbuf();
  std::ofstream out(argv[2], std::ios::binary);
  out << kerf::FillManPage(page.str(), KERF_VERSION_TEXT);
  out.close();
  if (!in || !out) {
    std::fprintf(stderr, "make_manpage: cannot turn %s into %s\n", argv[1], argv[2]);
    return 2;
  }
  return 0;
}
