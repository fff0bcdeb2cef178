# Windows build only: the stand-in OpenAL32.dll the tests run the audio code on, the
# Windows-specific tests, the import check of tankai.exe and the smoke run under Wine.
if(NOT WIN32)
  return()
endif()

set(TANKAI_WIN_TESTS ${CMAKE_CURRENT_LIST_DIR})

# Beside the test binaries, so every test process finds it as an installed OpenAL would be
# found. Not beside tankai.exe: the game in the build folder stays silent without OpenAL.
add_library(openal32_pakaitalas SHARED ${TANKAI_WIN_TESTS}/openal/OpenAl32Pakaitalas.cpp)
target_include_directories(openal32_pakaitalas SYSTEM PRIVATE ${CMAKE_BINARY_DIR}/openal-include)
set_target_properties(openal32_pakaitalas PROPERTIES PREFIX "" OUTPUT_NAME OpenAL32
  RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})

# An OpenAL32.dll that lacks most entry points, for the loader's refusal.
add_library(openal32_dalinis SHARED ${TANKAI_WIN_TESTS}/openal/DalinisOpenAl.cpp)
target_include_directories(openal32_dalinis SYSTEM PRIVATE ${CMAKE_BINARY_DIR}/openal-include)
set_target_properties(openal32_dalinis PROPERTIES PREFIX "" OUTPUT_NAME OpenAL32
  RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/windows/dalinis)

# Its own folder, where no OpenAL32.dll lies: the tests choose which one it loads.
file(GLOB TANKAI_WIN_TEST_SOURCES CONFIGURE_DEPENDS ${TANKAI_WIN_TESTS}/src/*.cpp)
add_executable(test_windows ${TANKAI_WIN_TEST_SOURCES})
target_link_libraries(test_windows PRIVATE tankai_test_common GTest::gtest_main)
set_target_properties(test_windows PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/windows)
target_compile_definitions(test_windows PRIVATE
  TANKAI_OPENAL_PAKAITALAS_DIR="${CMAKE_CURRENT_BINARY_DIR}"
  TANKAI_OPENAL_DALINIS_DIR="${CMAKE_CURRENT_BINARY_DIR}/windows/dalinis")
add_dependencies(test_windows openal32_pakaitalas openal32_dalinis)
gtest_discover_tests(test_windows WORKING_DIRECTORY ${CMAKE_BINARY_DIR} PROPERTIES LABELS windows)

# The real tankai.exe under Xvfb and Wine, driven by xdotool: once silent (no OpenAL),
# once on the stand-in DLL.
if(TARGET tankai)
  add_test(NAME windows_smoke
    COMMAND bash ${TANKAI_WIN_TESTS}/smoke.sh $<TARGET_FILE:tankai> ${CMAKE_BINARY_DIR}
      $<TARGET_FILE_DIR:openal32_pakaitalas>)
  set_tests_properties(windows_smoke PROPERTIES LABELS windows TIMEOUT 400 RUN_SERIAL TRUE)
endif()

# The audio tests of a machine without a sound device: on Windows that is a machine
# without OpenAL32.dll, so that binary lives where no DLL lies.
if(TARGET test_audio_be_irenginio)
  set_target_properties(test_audio_be_irenginio PROPERTIES
    RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/be-openal)
endif()
