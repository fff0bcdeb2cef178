# The Windows build (mingw-w64, cmake/mingw-w64-x86_64.cmake): the game's window, GL,
# joystick and counter calls come from the system's own headers and libraries, and
# OpenAL is loaded at run time from OpenAL32.dll (audio/OpenAlDll.h): OpenAL Soft,
# cross-built by tools/windows/build-deps.sh and shipped beside tankai.exe.

# Only system DLLs at run time: the C and C++ runtimes and winpthreads are linked in.
add_link_options(-static)

target_compile_definitions(tankai_lib PUBLIC TANKAI_OPENAL_DINAMINIS)
target_link_libraries(tankai_lib PUBLIC winmm gdi32 user32 kernel32)

# mingw-w64 has no OpenAL headers. The public AL 1.1 headers are taken from the host's
# OpenAL development package (only AL/*.h: the rest of /usr/include is Linux's).
find_path(TANKAI_HOST_AL_INCLUDE AL/al.h PATHS /usr/include /usr/local/include
  NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
if(NOT TANKAI_HOST_AL_INCLUDE)
  message(FATAL_ERROR "AL/al.h not found: install the OpenAL headers (Debian: libopenal-dev)")
endif()
file(GLOB TANKAI_AL_HEADERS ${TANKAI_HOST_AL_INCLUDE}/AL/*.h)
file(COPY ${TANKAI_AL_HEADERS} DESTINATION ${CMAKE_BINARY_DIR}/openal-include/AL)
target_include_directories(tankai_lib SYSTEM PUBLIC ${CMAKE_BINARY_DIR}/openal-include)

# OpenAL Soft for Windows. The build folder holds it beside tankai.exe, as the packages
# do, and beside the test programs, which find it as the game does.
find_file(TANKAI_OPENAL_DLL OpenAL32.dll PATHS ${TANKAI_WIN_DEPS}/bin NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
if(NOT TANKAI_OPENAL_DLL)
  message(FATAL_ERROR "${TANKAI_WIN_DEPS}/bin/OpenAL32.dll not found: run tools/windows/build-deps.sh")
endif()
configure_file(${TANKAI_OPENAL_DLL} ${CMAKE_BINARY_DIR}/OpenAL32.dll COPYONLY)
configure_file(${TANKAI_OPENAL_DLL} ${CMAKE_BINARY_DIR}/tests/OpenAL32.dll COPYONLY)

# Test folders of the Linux platform layer (SDL), of the data generator, which runs on
# the build machine, and of the documents, which are the same on every build: on
# Windows the game calls the system itself.
set(TANKAI_TESTS_SKIPPED platform joystick tools x11 docs)

# One test process per test binary under Wine (see cmake/windows/GoogleTest.cmake).
list(PREPEND CMAKE_MODULE_PATH ${CMAKE_CURRENT_LIST_DIR}/windows)

# The DLLs tankai.exe may import; anything else would have to be shipped with it.
# msvcrt.dll is the C runtime every mingw-w64 program uses; it is part of Windows.
set(TANKAI_WINDOWS_DLLS KERNEL32.dll USER32.dll GDI32.dll OPENGL32.dll GLU32.dll WINMM.dll
  msvcrt.dll CACHE STRING "DLLs tankai.exe may import")

# OpenAL32.dll ships beside it: it may import only what every Windows has.
set(TANKAI_OPENAL_DLLS KERNEL32.dll USER32.dll ole32.dll SHELL32.dll WINMM.dll msvcrt.dll
  CACHE STRING "DLLs OpenAL32.dll may import")

function(tankai_windows_pabaiga)
  if(TARGET tankai AND TANKAI_TESTS)
    add_test(NAME windows_imports
      COMMAND ${CMAKE_COMMAND} -DEXE=$<TARGET_FILE:tankai> -DOBJDUMP=${CMAKE_OBJDUMP} -DGUI=ON
        "-DLEIDZIAMI=${TANKAI_WINDOWS_DLLS}" -P ${CMAKE_SOURCE_DIR}/cmake/windows/Importai.cmake)
    add_test(NAME windows_openal_imports
      COMMAND ${CMAKE_COMMAND} -DEXE=${CMAKE_BINARY_DIR}/OpenAL32.dll -DOBJDUMP=${CMAKE_OBJDUMP}
        "-DLEIDZIAMI=${TANKAI_OPENAL_DLLS}" -P ${CMAKE_SOURCE_DIR}/cmake/windows/Importai.cmake)
    set_tests_properties(windows_imports windows_openal_imports PROPERTIES LABELS windows TIMEOUT 60)
  endif()
endfunction()
cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL tankai_windows_pabaiga)
