# Windows build only: the Windows test controls and the replay of external tools for
# every test program, the Windows-specific tests, the checks of tankai.exe's resources,
# and the runs of the packaged game under Wine and Xvfb.
if(NOT WIN32)
  return()
endif()

set(TANKAI_WIN_TESTS ${CMAKE_CURRENT_LIST_DIR})

# The files sox, oggenc and ImageMagick made for the Linux run of the same tests
# (tests/common/IsorinisIrankis.h); .ci/windows.sh fills the folder before the Wine run.
set(TANKAI_IRANKIU_IRASAI ${CMAKE_BINARY_DIR}/irankiu-irasai CACHE PATH
  "Folder of the external tools' runs kept by the Linux tests")
target_sources(tankai_test_common PRIVATE ${TANKAI_WIN_TESTS}/bendri/Win32Test.cpp)
target_compile_definitions(tankai_test_common PRIVATE TANKAI_IRANKIU_IRASAI_DIR="${TANKAI_IRANKIU_IRASAI}")

# The joystick through the program needs the SDL layer's virtual joysticks; winmm sees
# only real devices, so that part of the program tests runs in the Linux build alone.
set_source_files_properties(${CMAKE_SOURCE_DIR}/tests/app/VairalazdeTest.cpp PROPERTIES HEADER_FILE_ONLY ON)
# The mix is recorded by OpenAL Soft's wave writer, chosen before OpenAL's first use in a
# process of its own; the one process here plays on the null backend. The packaged
# game's sound, shipped settings and all, is recorded by sound.sh instead.
set_source_files_properties(${CMAKE_SOURCE_DIR}/tests/app/MiksasTest.cpp PROPERTIES HEADER_FILE_ONLY ON)

# Under Wine there is no sound card, and OpenAL Soft reads its backend once per process:
# the program tests, one process here, all play on the null backend, whichever test opens
# the device first.
if(TEST test_app)
  set_tests_properties(test_app PROPERTIES ENVIRONMENT "ALSOFT_DRIVERS=null")
endif()

# An OpenAL32.dll that lacks most entry points, as a broken or foreign DLL of that name
# would be: the game's loader must refuse it.
add_library(openal32_dalinis SHARED ${TANKAI_WIN_TESTS}/openal/DalinisOpenAl.cpp)
target_include_directories(openal32_dalinis SYSTEM PRIVATE ${CMAKE_BINARY_DIR}/openal-include)
set_target_properties(openal32_dalinis PROPERTIES PREFIX "" OUTPUT_NAME OpenAL32
  RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/windows/dalinis)

# An xinput1_4.dll reporting one pad scripted through a file beside it, for the run of
# the packaged game with a pad (pad.sh), which puts it beside tankai.exe.
add_library(xinput1_4_bandomasis SHARED ${TANKAI_WIN_TESTS}/xinput/BandomasisXInput.cpp)
set_target_properties(xinput1_4_bandomasis PROPERTIES PREFIX "" OUTPUT_NAME xinput1_4
  RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/windows/xinput)

# A real 32-bit DLL (one of NSIS's x86 plug-ins) stands for an OpenAL32.dll of the wrong
# architecture.
find_file(TANKAI_DLL_32 System.dll PATHS /usr/share/nsis/Plugins/x86-unicode NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)

# In a folder of its own, and run there, where no OpenAL32.dll lies: the tests choose
# which one it loads.
file(GLOB TANKAI_WIN_TEST_SOURCES CONFIGURE_DEPENDS ${TANKAI_WIN_TESTS}/src/*.cpp)
add_executable(test_windows ${TANKAI_WIN_TEST_SOURCES})
target_link_libraries(test_windows PRIVATE tankai_test_common GTest::gtest_main)
set_target_properties(test_windows PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/windows)
target_compile_definitions(test_windows PRIVATE
  TANKAI_OPENAL_DLL="${CMAKE_BINARY_DIR}/OpenAL32.dll"
  TANKAI_OPENAL_DALINIS_DIR="${CMAKE_CURRENT_BINARY_DIR}/windows/dalinis"
  TANKAI_DLL_32="${TANKAI_DLL_32}")
add_dependencies(test_windows openal32_dalinis)
gtest_discover_tests(test_windows WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/windows
  PROPERTIES LABELS windows ENVIRONMENT "ALSOFT_DRIVERS=null")

if(NOT TARGET tankai)
  return()
endif()

# tankai.exe's icon and version, read back by icoutils and ImageMagick.
add_test(NAME windows_resources
  COMMAND bash ${TANKAI_WIN_TESTS}/resources.sh $<TARGET_FILE:tankai> ${TANKAI_ZENKLELIO_GENERATORIUS}
    ${PROJECT_VERSION})
set_tests_properties(windows_resources PROPERTIES LABELS windows TIMEOUT 120 SKIP_RETURN_CODE 77)

# Both packages, made by CPack in the build folder for the runs below.
add_test(NAME windows_paketai COMMAND ${CMAKE_CPACK_COMMAND} --config ${CMAKE_BINARY_DIR}/CPackConfig.cmake
  WORKING_DIRECTORY ${CMAKE_BINARY_DIR})
set_tests_properties(windows_paketai PROPERTIES LABELS windows TIMEOUT 600 FIXTURES_SETUP tankai_paketai)

# The packaged game under Wine and Xvfb, real key events from xdotool, screenshots from
# ImageMagick: the ZIP in a folder named with spaces and Lithuanian letters; the sound it
# plays, recorded by OpenAL Soft's wave writer; the installer in a fresh Wine prefix;
# and the game with broken or missing parts.
set(TANKAI_PAKETO_VARDAS Tankai-${PROJECT_VERSION}-win64)
foreach(scenarijus zip sound installer broken)
  add_test(NAME windows_${scenarijus}
    COMMAND bash ${TANKAI_WIN_TESTS}/${scenarijus}.sh ${CMAKE_BINARY_DIR}/${TANKAI_PAKETO_VARDAS}.zip
      ${CMAKE_BINARY_DIR}/${TANKAI_PAKETO_VARDAS}-setup.exe)
  set_tests_properties(windows_${scenarijus} PROPERTIES LABELS windows TIMEOUT 600 RUN_SERIAL TRUE SKIP_RETURN_CODE 77
    FIXTURES_REQUIRED tankai_paketai)
endforeach()
# The pad and the desktop's own full screen, the stand-in xinput1_4.dll beside the game.
add_test(NAME windows_pad
  COMMAND bash ${TANKAI_WIN_TESTS}/pad.sh ${CMAKE_BINARY_DIR}/${TANKAI_PAKETO_VARDAS}.zip
    ${CMAKE_BINARY_DIR}/${TANKAI_PAKETO_VARDAS}-setup.exe $<TARGET_FILE:xinput1_4_bandomasis>)
set_tests_properties(windows_pad PROPERTIES LABELS windows TIMEOUT 600 RUN_SERIAL TRUE
  FIXTURES_REQUIRED tankai_paketai)
