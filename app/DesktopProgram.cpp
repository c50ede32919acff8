// The desktop program for now: an empty main window titled "Kerfwright".
#include "app/DesktopProgram.h"

#include <QApplication>
#include <QMainWindow>

namespace kerf {

int RunDesktopProgram(int argc, char** argv, const std::string& projectToOpen) {
  (void)projectToOpen;  // opening a project from the command line comes with the File menu
  QApplication app(argc, argv);
  QMainWindow window;
  window.setWindowTitle("Kerfwright");
  window.show();
  return app.exec();
}

}  // namespace kerf
