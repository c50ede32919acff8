// The headless rendering context: EGL loaded by name, Mesa's surfaceless platform, a pbuffer.
#include "render/HeadlessContext.h"

#include <EGL/egl.h>
#include <EGL/eglext.h>
#include <dlfcn.h>

#include <cstdio>

#include "render/GLApi.h"

namespace kerf {

// The EGL entry points are looked up by name like OpenGL's; the library stays loaded for the
// rest of the run because the drivers it pulls in do not expect to be unloaded.
struct HeadlessContext::Egl {
  decltype(&::eglGetProcAddress) GetProcAddress = nullptr;
  decltype(&::eglGetDisplay) GetDisplay = nullptr;
  decltype(&::eglInitialize) Initialize = nullptr;
  decltype(&::eglBindAPI) BindAPI = nullptr;
  decltype(&::eglChooseConfig) ChooseConfig = nullptr;
  decltype(&::eglGetConfigAttrib) GetConfigAttrib = nullptr;
  decltype(&::eglCreatePbufferSurface) CreatePbufferSurface = nullptr;
  decltype(&::eglDestroySurface) DestroySurface = nullptr;
  decltype(&::eglCreateContext) CreateContext = nullptr;
  decltype(&::eglDestroyContext) DestroyContext = nullptr;
  decltype(&::eglMakeCurrent) MakeCurrent = nullptr;
  decltype(&::eglReleaseThread) ReleaseThread = nullptr;
  decltype(&::eglGetError) GetError = nullptr;
  PFNEGLGETPLATFORMDISPLAYEXTPROC GetPlatformDisplayEXT = nullptr;

  EGLDisplay Display = EGL_NO_DISPLAY;
  EGLSurface Surface = EGL_NO_SURFACE;
  EGLContext Context = EGL_NO_CONTEXT;

  // The display is left initialised: EGL has one display per platform for the whole process,
  // and terminating it would pull the driver from under every other context made on it.
  ~Egl() {
    if (Display == EGL_NO_DISPLAY) return;
    MakeCurrent(Display, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
    if (Context != EGL_NO_CONTEXT) DestroyContext(Display, Context);
    if (Surface != EGL_NO_SURFACE) DestroySurface(Display, Surface);
    ReleaseThread();
  }

  std::string ErrorText(const std::string& what) const {
    char code[16];
    std::snprintf(code, sizeof code, "0x%04X", static_cast<unsigned>(GetError()));
    return what + " (EGL error " + code + ")";
  }
};

namespace {

template <typename Pointer>
bool LookUp(void* library, const char* name, Pointer& variable) {
  variable = reinterpret_cast<Pointer>(dlsym(library, name));
  return variable != nullptr;
}

}  // namespace

Result<std::unique_ptr<HeadlessContext>> HeadlessContext::Create(int width, int height) {
  using Made = Result<std::unique_ptr<HeadlessContext>>;
  if (width <= 0 || height <= 0) {
    return Made::Fail("No off-screen OpenGL surface of " + std::to_string(width) + " x " +
                      std::to_string(height) + " pixels can be made.");
  }
  void* library = dlopen("libEGL.so.1", RTLD_NOW | RTLD_LOCAL);
  if (library == nullptr) {
    return Made::Fail("Could not load EGL from libEGL.so.1");
  }
  auto egl = std::make_unique<Egl>();
  Egl& e = *egl;
  if (!(LookUp(library, "eglGetProcAddress", e.GetProcAddress) &&
        LookUp(library, "eglGetDisplay", e.GetDisplay) &&
        LookUp(library, "eglInitialize", e.Initialize) &&
        LookUp(library, "eglBindAPI", e.BindAPI) &&
        LookUp(library, "eglChooseConfig", e.ChooseConfig) &&
        LookUp(library, "eglGetConfigAttrib", e.GetConfigAttrib) &&
        LookUp(library, "eglCreatePbufferSurface", e.CreatePbufferSurface) &&
        LookUp(library, "eglDestroySurface", e.DestroySurface) &&
        LookUp(library, "eglCreateContext", e.CreateContext) &&
        LookUp(library, "eglDestroyContext", e.DestroyContext) &&
        LookUp(library, "eglMakeCurrent", e.MakeCurrent) &&
        LookUp(library, "eglReleaseThread", e.ReleaseThread) &&
        LookUp(library, "eglGetError", e.GetError))) {
    return Made::Fail("libEGL.so.1 lacks EGL 1.4 functions");
  }
  // Mesa's surfaceless platform needs neither an X server nor a GPU; where it is missing the
  // default display is tried.
  e.GetPlatformDisplayEXT = reinterpret_cast<PFNEGLGETPLATFORMDISPLAYEXTPROC>(
      e.GetProcAddress("eglGetPlatformDisplayEXT"));
  if (e.GetPlatformDisplayEXT != nullptr) {
    e.Display =
        e.GetPlatformDisplayEXT(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, nullptr);
  }
  EGLint major = 0, minor = 0;
  if (e.Display == EGL_NO_DISPLAY || !e.Initialize(e.Display, &major, &minor)) {
    e.Display = e.GetDisplay(EGL_DEFAULT_DISPLAY);
    if (e.Display == EGL_NO_DISPLAY || !e.Initialize(e.Display, &major, &minor)) {
      e.Display = EGL_NO_DISPLAY;
      return Made::Fail(e.ErrorText("No EGL display could be opened"));
    }
  }
  if (!e.BindAPI(EGL_OPENGL_API)) {
    return Made::Fail(e.ErrorText("EGL offers no desktop OpenGL"));
  }
  const EGLint configAttributes[] = {EGL_SURFACE_TYPE,
                                     EGL_PBUFFER_BIT,
                                     EGL_RENDERABLE_TYPE,
                                     EGL_OPENGL_BIT,
                                     EGL_RED_SIZE,
                                     8,
                                     EGL_GREEN_SIZE,
                                     8,
                                     EGL_BLUE_SIZE,
                                     8,
                                     EGL_ALPHA_SIZE,
                                     8,
                                     EGL_DEPTH_SIZE,
                                     24,
                                     EGL_NONE};
  EGLConfig config = nullptr;
  EGLint configCount = 0;
  if (!e.ChooseConfig(e.Display, configAttributes, &config, 1, &configCount) || configCount < 1) {
    return Made::Fail(
        e.ErrorText("EGL has no off-screen OpenGL configuration with a depth buffer"));
  }
  EGLint maxWidth = 0, maxHeight = 0;
  e.GetConfigAttrib(e.Display, config, EGL_MAX_PBUFFER_WIDTH, &maxWidth);
  e.GetConfigAttrib(e.Display, config, EGL_MAX_PBUFFER_HEIGHT, &maxHeight);
  if ((maxWidth > 0 && width > maxWidth) || (maxHeight > 0 && height > maxHeight)) {
    return Made::Fail("An off-screen OpenGL surface may be at most " + std::to_string(maxWidth) +
                      " x " + std::to_string(maxHeight) + " pixels.");
  }
  const EGLint surfaceAttributes[] = {EGL_WIDTH, width, EGL_HEIGHT, height, EGL_NONE};
  e.Surface = e.CreatePbufferSurface(e.Display, config, surfaceAttributes);
  if (e.Surface == EGL_NO_SURFACE) {
    return Made::Fail(e.ErrorText("No off-screen OpenGL surface could be made"));
  }
  e.Context = e.CreateContext(e.Display, config, EGL_NO_CONTEXT, nullptr);
  if (e.Context == EGL_NO_CONTEXT) {
    return Made::Fail(e.ErrorText("No OpenGL rendering context could be made"));
  }
  if (!e.MakeCurrent(e.Display, e.Surface, e.Surface, e.Context)) {
    return Made::Fail(e.ErrorText("The OpenGL rendering context could not be made current"));
  }
  std::unique_ptr<HeadlessContext> result(new HeadlessContext());
  result->egl_ = std::move(egl);
  result->width_ = width;
  result->height_ = height;
  return result;
}

HeadlessContext::~HeadlessContext() = default;

bool HeadlessContext::MakeCurrent() {
  return egl_ && egl_->MakeCurrent(egl_->Display, egl_->Surface, egl_->Surface, egl_->Context);
}

void HeadlessContext::SwapBuffers() {
  if (gl::glFinish != nullptr) gl::glFinish();
}

}  // namespace kerf
