# Install layout and the Debian package. `make package` (the `package` target)
# runs CPack with what is set here.
install(FILES ${CMAKE_CURRENT_LIST_DIR}/orvane.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

set(ORVANE_MAINTAINER "Orvane maintainers <maintainers@users.noreply.c-seed-ce079de2.example>"
  CACHE STRING "Maintainer named in the package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME orvane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Orvane")
set(CPACK_PACKAGE_CONTACT ${ORVANE_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "interactive viewer of animated isosurfaces")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${ORVANE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The synopsis above, then this text, each line indented by CPack.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "Orvane samples one of three animated scalar fields over a cubic grid,
polygonizes every cell by marching cubes and draws the surface with
OpenGL in a turning window. Keys change the grid, the iso value, the
field, the polygon mode and the lighting. Its companion orvane-mesh
writes the same surface, from either of its two polygonizers, to a PLY,
OBJ or STL file, and prints its topology, area and volume.")
# The runtime dependencies are the packages that hold the shared libraries
# the binary links, as dpkg-shlibdeps finds them: never a list kept by hand.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)

include(CPack)
