// Closes the shared headless context before the test program ends, while EGL still runs.
#include "HeadlessGL.h"

namespace kerf::testing {

class HeadlessGLEnvironment : public ::testing::Environment {
 public:
  void TearDown() override { HeadlessGLTest::context_.reset(); }
};

namespace {
[[maybe_unused]] ::testing::Environment* const environment =
    ::testing::AddGlobalTestEnvironment(new HeadlessGLEnvironment);
}  // namespace

}  // namespace kerf::testing
