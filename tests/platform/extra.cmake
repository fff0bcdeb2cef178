# The shipped game holds none of the platform layer's test controls; the platform
# tests' own program does, which shows the look can find them.
if(TARGET tankai AND TARGET test_platform)
  add_test(NAME platform_shipped_game_has_no_test_controls
    COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/no_test_controls.sh $<TARGET_FILE:tankai> $<TARGET_FILE:test_platform>)
  set_tests_properties(platform_shipped_game_has_no_test_controls PROPERTIES LABELS platform TIMEOUT 60)
endif()

# Pixel formats again on a real X server: GLX offers other formats than the headless EGL.
# Without xvfb-run the run reports a skip.
add_test(NAME x11_pixel_formats
  COMMAND bash ${CMAKE_SOURCE_DIR}/tests/common/under_xvfb.sh $<TARGET_FILE:test_platform> --gtest_filter=PixelFormat.*)
set_tests_properties(x11_pixel_formats PROPERTIES
  LABELS "platform;x11" TIMEOUT 180 WORKING_DIRECTORY ${CMAKE_BINARY_DIR} SKIP_RETURN_CODE 77
  ENVIRONMENT "SDL_VIDEODRIVER=x11")
