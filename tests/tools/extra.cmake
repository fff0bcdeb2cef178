# The generator's tests run it themselves and compare with what the build made.
if(TARGET test_tools AND TARGET tankai_duomenys)
  target_compile_definitions(test_tools PRIVATE TANKAI_DUOMENYS_EXE="$<TARGET_FILE:tankai_duomenys>")
  add_dependencies(test_tools duomenys)
endif()
# The screenshot meter of the end-to-end runs, tried here on made-up screenshots.
if(TARGET test_tools AND TARGET regejimo_matuoklis)
  target_compile_definitions(test_tools PRIVATE TANKAI_REGEJIMO_MATUOKLIS="$<TARGET_FILE:regejimo_matuoklis>")
  add_dependencies(test_tools regejimo_matuoklis)
endif()
