# The Debian package (`make package`, i.e. `cpack -G DEB` in the build directory): what `cmake --install` lays out under /usr.
set(CPACK_PACKAGE_NAME kerfwright)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Kerfwright")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "router table simulator for planning moulding cuts")
set(CPACK_PACKAGE_DESCRIPTION
"Kerfwright simulates a woodworking router table. Choose the cross-section
of a length of stock, mount a cutter from a library of router-bit profiles,
set the fence and the cutter height, turn or flip the stock and make cuts
one after another. The worked section is shown exactly in a Profile window
and as a lit, optionally textured 3-D length of moulding.

Every cut is judged by how much of the stock still bears on the table and
against the fence: Cut OK, Caution or Danger. Set-ups are kept in small .ROU
project files; a command line checks, reports and photographs them without
a display.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY kerfwright)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)

# The project, not whoever built the package, answers for it.
set(KERF_PACKAGE_MAINTAINER "Kerfwright developers <developers@kerfwright.example.org>"
    CACHE STRING "Maintainer field of the Debian package")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${KERF_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Qt, libjpeg-turbo and the C++ runtime come from dpkg-shlibdeps. OpenGL, GLU and EGL are opened with
# dlopen at run time, so shlibdeps cannot see them; Qt's window-system plugins are only recommended
# by Qt itself, but without them the desktop program cannot open a window.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libgl1, libglu1-mesa, libegl1, qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libgl1-mesa-dri, libegl-mesa0, hicolor-icon-theme")

# The user guide, with its pictures, where Debian keeps a package's documentation.
install(FILES ${CMAKE_SOURCE_DIR}/docs/guide.md DESTINATION share/doc/kerfwright)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/docs/screenshots DESTINATION share/doc/kerfwright
        FILES_MATCHING PATTERN "guide-*.png")

include(CPack)
