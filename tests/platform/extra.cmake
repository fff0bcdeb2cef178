# The shipped game holds none of the platform layer's test controls; the platform
# tests' own program does, which shows the look can find them.
if(TARGET tankai AND TARGET test_platform)
  add_test(NAME platform_shipped_game_has_no_test_controls
    COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/no_test_controls.sh $<TARGET_FILE:tankai> $<TARGET_FILE:test_platform>)
  set_tests_properties(platform_shipped_game_has_no_test_controls PROPERTIES LABELS platform TIMEOUT 60)
endif()
