// Entry of the program's tests: one QApplication with the program's OpenGL format for all.
#include <gtest/gtest.h>

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>

#include "desktop/ViewPanel.h"
#include "render/GLApi.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  // Listing the tests (ctest's discovery) needs no display.
  if (::testing::GTEST_FLAG(list_tests)) return RUN_ALL_TESTS();
  kerf::ViewPanel::SetDefaultSurfaceFormat();
  // Loaded once for every test; a test that needs OpenGL checks that it is there.
  static_cast<void>(kerf::gl::LoadOpenGL());
  static_cast<void>(kerf::gl::LoadGLU());
  QApplication app(argc, argv);
  QApplication::setApplicationName("Kerfwright");
  // Nothing a test does reaches the user's own settings.
  QTemporaryDir settings;
  for (auto format : {QSettings::NativeFormat, QSettings::IniFormat})
    for (auto scope : {QSettings::UserScope, QSettings::SystemScope})
      QSettings::setPath(format, scope, settings.path());
  return RUN_ALL_TESTS();
}
