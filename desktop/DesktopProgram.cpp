// The desktop program: floating point, OpenGL loading, the application object and the windows.
#include "desktop/DesktopProgram.h"

#include <cfenv>

#include <QApplication>
#include <QSettings>

#include "KerfwrightVersion.h"
#include "desktop/Desktop.h"
#include "desktop/ViewPanel.h"
#include "model/Model.h"
#include "render/GLApi.h"

namespace kerf {

namespace {

// Floating-point faults give infinities and NaNs rather than signals, for the whole run.
void MaskFloatingPointExceptions() {
#if defined(__GLIBC__)
  fedisableexcept(FE_ALL_EXCEPT);
#endif
}

}  // namespace

int RunDesktopProgram(int argc, char** argv, const std::string& projectToOpen) {
  MaskFloatingPointExceptions();

  // OpenGL and GLU are loaded before any window exists; without them the program still runs
  // and says why the view stays empty once the main window is up.
  DesktopOptions options;
  const Result<void> openGL = gl::LoadOpenGL();
  const Result<void> glu = openGL.Ok() ? gl::LoadGLU() : Result<void>{};
  options.GLLoaded = openGL.Ok() && glu.Ok();
  options.GLError = !openGL.Ok() ? openGL.Error() : glu.Error();
  options.ProjectToOpen = projectToOpen;

  ViewPanel::SetDefaultSurfaceFormat();  // before the application object
  QApplication app(argc, argv);
  QApplication::setApplicationName("Kerfwright");
  QApplication::setApplicationVersion(KERF_VERSION_TEXT);
  QApplication::setOrganizationName("Kerfwright");
  // What is remembered between runs lives in the user's own settings folder.
  options.SettingsFile =
      QSettings(QSettings::IniFormat, QSettings::UserScope, QApplication::organizationName(),
                QApplication::applicationName())
          .fileName()
          .toStdString();

  int status = 0;
  {
    Model model;
    Desktop desktop(model, std::move(options));
    desktop.Start();
    status = QApplication::exec();
  }  // the windows, and the GL objects of the view, go before the libraries
  gl::UnloadGLU();
  gl::UnloadOpenGL();
  return status;
}

}  // namespace kerf
