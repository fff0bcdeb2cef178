# Pixel formats again on a real X server: GLX offers other formats than the headless EGL.
find_program(XVFB_RUN xvfb-run)
if(XVFB_RUN)
  add_test(NAME x11_pixel_formats
    COMMAND ${XVFB_RUN} -a -s "-screen 0 1024x768x24" $<TARGET_FILE:test_platform> --gtest_filter=PixelFormat.*)
  set_tests_properties(x11_pixel_formats PROPERTIES
    LABELS "platform;x11" TIMEOUT 180 WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
    ENVIRONMENT "SDL_VIDEODRIVER=x11")
endif()
