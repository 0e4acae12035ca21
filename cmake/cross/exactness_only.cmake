# What a build with ORVANE_EXACTNESS_ONLY adds to the surface library and the
# shell: the exactness tests, the stream driver and orvane-mesh, and nothing
# that needs OpenGL's or GLUT's libraries. make exact builds it for every
# other processor with a toolchain file of this folder (CMakePresets.json,
# "cross-*"); tests/cross says what it checks there.

find_package(Threads REQUIRED)

# GoogleTest from the sources Debian's libgtest-dev ships, which build for any
# processor.
set(ORVANE_GTEST_SOURCE_DIR /usr/src/googletest/googletest
  CACHE PATH "GoogleTest's sources, built for the target processor")
add_library(orvane_gtest_main STATIC
  ${ORVANE_GTEST_SOURCE_DIR}/src/gtest-all.cc ${ORVANE_GTEST_SOURCE_DIR}/src/gtest_main.cc)
target_include_directories(orvane_gtest_main SYSTEM
  PUBLIC ${ORVANE_GTEST_SOURCE_DIR}/include PRIVATE ${ORVANE_GTEST_SOURCE_DIR})
target_link_libraries(orvane_gtest_main PUBLIC Threads::Threads)
add_library(GTest::gtest_main ALIAS orvane_gtest_main)

# CLI11 is headers alone, and the host's serve any processor. They are
# reached through a folder of their own: /usr/include as a whole would put
# the host's C library before the target's.
set(ORVANE_CLI11_INCLUDE_DIR ${CMAKE_BINARY_DIR}/cli11)
file(MAKE_DIRECTORY ${ORVANE_CLI11_INCLUDE_DIR})
file(CREATE_LINK /usr/include/CLI ${ORVANE_CLI11_INCLUDE_DIR}/CLI SYMBOLIC)
add_library(CLI11::CLI11 INTERFACE IMPORTED)
target_include_directories(CLI11::CLI11 SYSTEM INTERFACE ${ORVANE_CLI11_INCLUDE_DIR})

enable_testing()
add_subdirectory(tests)
