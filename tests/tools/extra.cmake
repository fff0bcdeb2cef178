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
# The generator's text drawing, with its checks of the boxes and the font's letters.
if(TARGET test_tools AND TARGET tankai_duomenys)
  pkg_check_modules(RAIDES REQUIRED IMPORTED_TARGET freetype2 fontconfig)
  target_sources(test_tools PRIVATE ${CMAKE_SOURCE_DIR}/tools/KRaides.cpp ${CMAKE_SOURCE_DIR}/tools/KDrobe.cpp)
  target_include_directories(test_tools PRIVATE ${CMAKE_SOURCE_DIR}/tools)
  target_link_libraries(test_tools PRIVATE PkgConfig::RAIDES)
endif()
