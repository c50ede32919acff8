// Loading OpenGL 1.1 and GLU by name with dlopen and dlsym into the entry-point variables.
#include "render/GLApi.h"

#include <dlfcn.h>

namespace kerf::gl {

// NOLINTNEXTLINE(bugprone-macro-parentheses): a definition, the name cannot be parenthesised.
#define KERF_DEFINE_ENTRY_POINT(name) decltype(&::name) name = nullptr;
KERF_GL_ENTRY_POINTS(KERF_DEFINE_ENTRY_POINT)
KERF_GLU_ENTRY_POINTS(KERF_DEFINE_ENTRY_POINT)
#undef KERF_DEFINE_ENTRY_POINT

namespace {

// The loaded libraries; the entry points stay valid while these are open.
void* openGLHandle = nullptr;
void* gluHandle = nullptr;

// The entry points a library lacks: their names and the loader's message for the first.
struct MissingEntryPoints {
  int Count = 0;
  std::string Names;
  std::string LoaderMessage;

  std::string Describe(const std::string& what, const std::string& libraryName) const {
    return "Could not load " + what + " from " + libraryName + ": " + LoaderMessage + " (" +
           std::to_string(Count) + " of its functions missing: " + Names + ")";
  }
};

template <typename Pointer>
void LookUp(void* library, const char* name, Pointer& variable, MissingEntryPoints& missing) {
  dlerror();  // clear an earlier message
  variable = reinterpret_cast<Pointer>(dlsym(library, name));
  if (variable != nullptr) return;
  if (missing.Count == 0) {
    const char* message = dlerror();
    missing.LoaderMessage = message != nullptr ? message : std::string(name) + " is null";
  }
  constexpr int NamesShown = 5;
  if (missing.Count < NamesShown)
    missing.Names += (missing.Count > 0 ? ", " : "") + std::string(name);
  if (missing.Count == NamesShown) missing.Names += ", ...";
  ++missing.Count;
}

void ClearOpenGLEntryPoints() {
#define KERF_CLEAR_ENTRY_POINT(name) name = nullptr;
  KERF_GL_ENTRY_POINTS(KERF_CLEAR_ENTRY_POINT)
#undef KERF_CLEAR_ENTRY_POINT
}

void ClearGLUEntryPoints() {
#define KERF_CLEAR_ENTRY_POINT(name) name = nullptr;
  KERF_GLU_ENTRY_POINTS(KERF_CLEAR_ENTRY_POINT)
#undef KERF_CLEAR_ENTRY_POINT
}

}  // namespace

void UnloadOpenGL() {
  ClearOpenGLEntryPoints();
  if (openGLHandle != nullptr) {
    dlclose(openGLHandle);
    openGLHandle = nullptr;
  }
}

void UnloadGLU() {
  ClearGLUEntryPoints();
  if (gluHandle != nullptr) {
    dlclose(gluHandle);
    gluHandle = nullptr;
  }
}

Result<void> LoadOpenGL(const std::string& libraryName) {
  UnloadOpenGL();
  openGLHandle = dlopen(libraryName.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (openGLHandle == nullptr) {
    return Result<void>::Fail("Could not load OpenGL from " + libraryName);
  }
  // A library that loads but lacks functions counts as missing: drawing would call a null one.
  MissingEntryPoints missing;
#define KERF_LOOK_UP_ENTRY_POINT(name) LookUp(openGLHandle, #name, name, missing);
  KERF_GL_ENTRY_POINTS(KERF_LOOK_UP_ENTRY_POINT)
#undef KERF_LOOK_UP_ENTRY_POINT
  if (missing.Count > 0) {
    UnloadOpenGL();
    return Result<void>::Fail(missing.Describe("OpenGL", libraryName));
  }
  return {};
}

Result<void> LoadGLU(const std::string& libraryName) {
  UnloadGLU();
  gluHandle = dlopen(libraryName.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (gluHandle == nullptr) {
    return Result<void>::Fail("Could not load GLu from " + libraryName);
  }
  MissingEntryPoints missing;
#define KERF_LOOK_UP_ENTRY_POINT(name) LookUp(gluHandle, #name, name, missing);
  KERF_GLU_ENTRY_POINTS(KERF_LOOK_UP_ENTRY_POINT)
#undef KERF_LOOK_UP_ENTRY_POINT
  if (missing.Count > 0) {
    UnloadGLU();
    return Result<void>::Fail(missing.Describe("GLu", libraryName));
  }
  return {};
}

bool OpenGLLoaded() {
  return openGLHandle != nullptr && glClear != nullptr && glBegin != nullptr &&
         glReadPixels != nullptr && glNewList != nullptr && glTexImage2D != nullptr;
}

bool GLULoaded() {
  return gluHandle != nullptr && gluNewTess != nullptr && gluTessVertex != nullptr &&
         gluPerspective != nullptr && gluLookAt != nullptr;
}

}  // namespace kerf::gl
