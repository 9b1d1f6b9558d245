# Debian packages of the install components: `cpack -G DEB` in the build folder makes
#   libkanvo0.1   the shared library (component library)
#   libkanvo-dev  the archive, headers, CMake package, pkg-config files, guide and examples
#   kanvo-quiz    /usr/bin/kanvo-quiz and its voice clips
# dpkg-shlibdeps works out the run-time packages the binaries link against; the fonts the text is
# drawn with are named here, as no link shows them.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kanvo)
set(CPACK_PACKAGE_VENDOR Kanvo)
set(CPACK_PACKAGE_CONTACT "Kanvo developers <kanvo@localhost>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://localhost/kanvo")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL library development quiz)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# A shlibs file for the package with the shared library, so that dpkg-shlibdeps finds it for
# programs linked against it.
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
# Without the debugging information, which is most of the size of a RelWithDebInfo build.
set(CPACK_STRIP_FILES ON)

# "System" and the faces that are not installed fall back on WenQuanYi Micro Hei, which has the
# Chinese characters; Arial, Times New Roman and Courier New are Liberation's metric equivalents.
set(kanvo_fonts "fonts-wqy-microhei, fonts-liberation2")

set(CPACK_DEBIAN_LIBRARY_PACKAGE_NAME libkanvo${KANVO_SOVERSION})
set(CPACK_DEBIAN_LIBRARY_PACKAGE_SECTION libs)
set(CPACK_DEBIAN_LIBRARY_PACKAGE_DEPENDS ${kanvo_fonts})
set(CPACK_COMPONENT_LIBRARY_DESCRIPTION "canvas graphics library
libkanvo draws in a window of its own or off screen: shapes, text in any installed font,
pictures, mouse input, sound and colour models, for programs that teachers and pupils write.")

set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_NAME libkanvo-dev)
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_SECTION libdevel)
# The archive needs the libraries the shared one links against, as pkg-config names them.
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_DEPENDS
  "libkanvo${KANVO_SOVERSION} (= ${PROJECT_VERSION}), libsdl2-dev, libsdl2-mixer-dev, libfreetype-dev, libfontconfig-dev, libwayland-dev, pkg-config")
set(CPACK_COMPONENT_DEVELOPMENT_DESCRIPTION "canvas graphics library (development files)
The header <kanvo.h>, the shared library's link and the static archive, a CMake package
(find_package(Kanvo)), pkg-config files (kanvo, kanvo-static), the guide and the examples.")

set(CPACK_DEBIAN_QUIZ_PACKAGE_NAME kanvo-quiz)
set(CPACK_DEBIAN_QUIZ_PACKAGE_SECTION education)
set(CPACK_DEBIAN_QUIZ_PACKAGE_DEPENDS ${kanvo_fonts})
set(CPACK_COMPONENT_QUIZ_DESCRIPTION "quiz on the graphs of power functions
kanvo-quiz asks through which quadrants the graph of y = x^(m/n) passes, reveals the answer
with a recorded voice clip and plots the graph in a window. Its texts are Chinese.")

include(CPack)
