# The layer's files. The portable ones hold no browser call and build for
# the host as well, where tests/web tests them; the browser ones talk to
# WebGL and the page through emscripten.
set(ORVANE_WEB_PORTABLE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/draw_state.cpp
  ${CMAKE_CURRENT_LIST_DIR}/frame.cpp
  ${CMAKE_CURRENT_LIST_DIR}/gl_entry.cpp
  ${CMAKE_CURRENT_LIST_DIR}/glut_callbacks.cpp
  ${CMAKE_CURRENT_LIST_DIR}/glut_shapes.cpp
  ${CMAKE_CURRENT_LIST_DIR}/immediate.cpp
  ${CMAKE_CURRENT_LIST_DIR}/key_map.cpp
  ${CMAKE_CURRENT_LIST_DIR}/lighting.cpp
  ${CMAKE_CURRENT_LIST_DIR}/matrix.cpp
  ${CMAKE_CURRENT_LIST_DIR}/shared_vertices.cpp
  ${CMAKE_CURRENT_LIST_DIR}/state.cpp)
set(ORVANE_WEB_BROWSER_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/glut_keys.cpp
  ${CMAKE_CURRENT_LIST_DIR}/glut_window.cpp
  ${CMAKE_CURRENT_LIST_DIR}/renderer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/shaders.cpp
  ${CMAKE_CURRENT_LIST_DIR}/status.cpp)
