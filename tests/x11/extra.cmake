# The x11 tests need a real X server: run them under Xvfb (no window manager). Without
# xvfb-run or xdotool the run reports a skip.
add_test(NAME x11_keys
  COMMAND bash ${CMAKE_SOURCE_DIR}/tests/common/under_xvfb.sh --needs xdotool $<TARGET_FILE:test_x11>)
set_tests_properties(x11_keys PROPERTIES
  LABELS x11 TIMEOUT 180 WORKING_DIRECTORY ${CMAKE_BINARY_DIR} SKIP_RETURN_CODE 77
  ENVIRONMENT "TANKAI_X11_TESTAS=1;SDL_VIDEODRIVER=x11")
