# The generator's tests run it themselves and compare with what the build made.
if(TARGET test_tools AND TARGET tankai_duomenys)
  target_compile_definitions(test_tools PRIVATE TANKAI_DUOMENYS_EXE="$<TARGET_FILE:tankai_duomenys>")
  add_dependencies(test_tools duomenys)
endif()
