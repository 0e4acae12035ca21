# Included by tests/CMakeLists.txt: needs neither a display nor a browser.
# The page's OpenGL and GLUT layer, its portable part built for the host:
# matrices, lighting state, attribute stack, primitive assembly and keys,
# and the viewer's own frame drawn through it. The browser's part (WebGL,
# the canvas's events) is tested in headless Chromium.
include(${PROJECT_SOURCE_DIR}/src/web/sources.cmake)
set(web_layer_tests ${CMAKE_CURRENT_LIST_DIR})

add_executable(orvane_web_layer_tests ${ORVANE_WEB_PORTABLE_SOURCES}
  ${web_layer_tests}/window_stand_in.cpp
  ${web_layer_tests}/immediate_test.cpp
  ${web_layer_tests}/key_map_test.cpp
  ${web_layer_tests}/lighting_test.cpp
  ${web_layer_tests}/matrix_test.cpp
  ${web_layer_tests}/shared_vertices_test.cpp
  ${web_layer_tests}/state_test.cpp
  ${web_layer_tests}/viewer_frame_test.cpp)
target_include_directories(orvane_web_layer_tests PRIVATE ${PROJECT_SOURCE_DIR}/src/web
  ${PROJECT_SOURCE_DIR}/tests/support)
target_link_libraries(orvane_web_layer_tests PRIVATE orvane_shell GTest::gtest_main)
gtest_discover_tests(orvane_web_layer_tests TEST_PREFIX web. DISCOVERY_TIMEOUT 60)
add_test(NAME web.layer_all_in_one_process_shuffled
  COMMAND orvane_web_layer_tests --gtest_shuffle --gtest_repeat=3 --gtest_brief=1)
