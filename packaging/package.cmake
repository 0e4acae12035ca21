# Install layout and the Debian package. `make package` (the `package` target)
# runs CPack with what is set here.
install(FILES ${CMAKE_CURRENT_LIST_DIR}/orvane.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

# The desktop entry's icon, in the sizes scripts/icons cuts from the
# viewer's own picture (make screenshots).
foreach(size 48x48 64x64 128x128 256x256)
  install(FILES ${CMAKE_CURRENT_LIST_DIR}/icons/${size}/orvane.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}/apps)
endforeach()

# The manual pages and the changelog are installed compressed, as Debian
# wants them; gzip -n leaves out the name and time, so the bytes depend on
# the text alone.
find_program(ORVANE_GZIP gzip REQUIRED)
set(ORVANE_COMPRESSED_DIR ${CMAKE_BINARY_DIR}/packaging)
set(ORVANE_COMPRESSED_FILES)
foreach(source orvane.1 orvane-mesh.1 changelog)
  set(compressed ${ORVANE_COMPRESSED_DIR}/${source}.gz)
  add_custom_command(OUTPUT ${compressed}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${ORVANE_COMPRESSED_DIR}
    COMMAND ${ORVANE_GZIP} -9n -c ${CMAKE_CURRENT_LIST_DIR}/${source} > ${compressed}
    DEPENDS ${CMAKE_CURRENT_LIST_DIR}/${source}
    VERBATIM)
  list(APPEND ORVANE_COMPRESSED_FILES ${compressed})
endforeach()
add_custom_target(orvane_compressed_docs ALL DEPENDS ${ORVANE_COMPRESSED_FILES})
install(FILES ${ORVANE_COMPRESSED_DIR}/orvane.1.gz ${ORVANE_COMPRESSED_DIR}/orvane-mesh.1.gz
  DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${ORVANE_COMPRESSED_DIR}/changelog.gz ${CMAKE_CURRENT_LIST_DIR}/copyright
  DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/orvane)

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
# The directories CPack's install creates are 0755 whatever the umask.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
# Read by cpack when it packs: it dates the package by the last commit.
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/package-date.cmake)
set(CPACK_ORVANE_SOURCE_DIR ${PROJECT_SOURCE_DIR})

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
