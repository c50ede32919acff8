// Libraries that load but lack OpenGL or GLU functions are refused like missing ones.
#include <gtest/gtest.h>

#include "render/GLApi.h"

namespace kerf {
namespace {

struct StubCase {
  const char* library;
  Result<void> (*load)(const std::string&);
  bool (*loaded)();
  const char* missing;  // a function the stub lacks
};

class IncompleteLibrary : public ::testing::TestWithParam<StubCase> {};

TEST_P(IncompleteLibrary, IsRefusedWithTheLoadersMessage) {
  const StubCase& c = GetParam();
  const std::string path = std::string(KERF_STUB_GL_DIR) + "/" + c.library;
  const Result<void> result = c.load(path);
  EXPECT_FALSE(result.Ok());
  EXPECT_FALSE(c.loaded());
  EXPECT_NE(result.Error().find("from " + path + ": "), std::string::npos) << result.Error();
  EXPECT_NE(result.Error().find("undefined symbol"), std::string::npos) << result.Error();
  EXPECT_NE(result.Error().find(c.missing), std::string::npos) << result.Error();
  // Nothing of the refused library is left to call.
  EXPECT_EQ(gl::glClear, nullptr);
  EXPECT_EQ(gl::gluLookAt, nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Stubs, IncompleteLibrary,
    ::testing::Values(StubCase{"libGL.so.1", &gl::LoadOpenGL, &gl::OpenGLLoaded, "glBegin"},
                      StubCase{"libGLU.so.1", &gl::LoadGLU, &gl::GLULoaded, "gluBeginCurve"}));

}  // namespace
}  // namespace kerf
