# The x11 tests need a real X server: run them under Xvfb (no window manager).
find_program(XVFB_RUN xvfb-run)
find_program(XDOTOOL xdotool)
if(XVFB_RUN AND XDOTOOL)
  add_test(NAME x11_keys
    COMMAND ${XVFB_RUN} -a -s "-screen 0 1024x768x24" $<TARGET_FILE:test_x11>)
  set_tests_properties(x11_keys PROPERTIES
    LABELS x11 TIMEOUT 180 WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
    ENVIRONMENT "TANKAI_X11_TESTAS=1;SDL_VIDEODRIVER=x11")
endif()
