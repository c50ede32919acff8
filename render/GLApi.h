// OpenGL 1.1 and GLU reached only through function pointers loaded by name at run time.
#pragma once

#include <GL/gl.h>
#include <GL/glu.h>

#include <string>

#include "model/Result.h"
#include "render/GLEntryPoints.h"

// The system headers declare the global gl* and glu* functions; calling one of them would link
// the program to a GL library directly. Every call goes through kerf::gl::<name> instead, one
// variable per entry point, null until its library is loaded.
namespace kerf::gl {

// NOLINTNEXTLINE(bugprone-macro-parentheses): a declaration, the name cannot be parenthesised.
#define KERF_DECLARE_ENTRY_POINT(name) extern decltype(&::name) name;
KERF_GL_ENTRY_POINTS(KERF_DECLARE_ENTRY_POINT)
KERF_GLU_ENTRY_POINTS(KERF_DECLARE_ENTRY_POINT)
#undef KERF_DECLARE_ENTRY_POINT

inline constexpr const char* DefaultOpenGLLibrary = "libGL.so.1";
inline constexpr const char* DefaultGLULibrary = "libGLU.so.1";

// Releases a library loaded before and clears the variables, loads the library and looks up
// every entry point by its name. Fails with "Could not load OpenGL from " / "Could not load GLu
// from " + the library name; a library that lacks any of the functions fails the same way, is
// released again, and the message adds the loader's text and the missing names.
Result<void> LoadOpenGL(const std::string& libraryName = DefaultOpenGLLibrary);
Result<void> LoadGLU(const std::string& libraryName = DefaultGLULibrary);

// Releases the library and clears every variable of its list.
void UnloadOpenGL();
void UnloadGLU();

// True when the library is loaded and the entry points that drawing needs were all found.
bool OpenGLLoaded();
bool GLULoaded();

}  // namespace kerf::gl
