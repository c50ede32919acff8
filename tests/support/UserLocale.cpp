// KERF_TEST_LOCALE sets the C library's locale before any test, as the desktop's QApplication does.
#include <clocale>
#include <cstdio>
#include <cstdlib>

namespace {

// Exit status 77 tells ctest the run was skipped: the locale is not installed here.
const bool LocaleSet = [] {
  const char* wanted = std::getenv("KERF_TEST_LOCALE");
  if (wanted == nullptr || *wanted == '\0') return false;
  if (std::setlocale(LC_ALL, wanted) == nullptr) {
    std::fprintf(stderr, "the locale %s is not installed (scripts/install-deps makes it)\n",
                 wanted);
    std::exit(77);
  }
  return true;
}();

}  // namespace
