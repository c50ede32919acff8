// Loading OpenGL 1.1 and GLU by name with dlopen and dlsym into the entry-point variables.
#include "render/GLApi.h"

#include <dlfcn.h>

namespace kerf::gl {

#define KERF_DEFINE_ENTRY_POINT(name) decltype(&::name) name = nullptr;
KERF_GL_ENTRY_POINTS(KERF_DEFINE_ENTRY_POINT)
KERF_GLU_ENTRY_POINTS(KERF_DEFINE_ENTRY_POINT)
#undef KERF_DEFINE_ENTRY_POINT

namespace {

// The loaded libraries; the entry points stay valid while these are open.
void* openGLHandle = nullptr;
void* gluHandle = nullptr;

template <typename Pointer>
void LookUp(void* library, const char* name, Pointer& variable) {
  variable = reinterpret_cast<Pointer>(dlsym(library, name));
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

LoadResult LoadOpenGL(const std::string& libraryName) {
  UnloadOpenGL();
  openGLHandle = dlopen(libraryName.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (openGLHandle == nullptr) {
    return {false, "Could not load OpenGL from " + libraryName};
  }
#define KERF_LOOK_UP_ENTRY_POINT(name) LookUp(openGLHandle, #name, name);
  KERF_GL_ENTRY_POINTS(KERF_LOOK_UP_ENTRY_POINT)
#undef KERF_LOOK_UP_ENTRY_POINT
  return {true, {}};
}

LoadResult LoadGLU(const std::string& libraryName) {
  UnloadGLU();
  gluHandle = dlopen(libraryName.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (gluHandle == nullptr) {
    return {false, "Could not load GLu from " + libraryName};
  }
#define KERF_LOOK_UP_ENTRY_POINT(name) LookUp(gluHandle, #name, name);
  KERF_GLU_ENTRY_POINTS(KERF_LOOK_UP_ENTRY_POINT)
#undef KERF_LOOK_UP_ENTRY_POINT
  return {true, {}};
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
