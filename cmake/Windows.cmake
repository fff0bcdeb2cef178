# The Windows build (mingw-w64, cmake/mingw-w64-x86_64.cmake): the game's window, GL,
# joystick and counter calls come from the system's own headers and libraries, and
# OpenAL is loaded at run time from OpenAL32.dll (audio/OpenAlDll.h).

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

# Test folders for the Linux platform layer and the host-side data generator: on Windows
# the game calls the system itself, and the generator runs on the build machine.
# Left out here: the SDL layer's own tests, the host-side data generator, and the
# folders whose tests make their files with Linux tools at run time (ImageMagick, sox,
# oggenc) or listen through OpenAL Soft's loopback device; they run in the Linux build.
set(TANKAI_TESTS_SKIPPED platform joystick tools x11 app audio images ui)

# One test process per test binary under Wine (see cmake/windows/GoogleTest.cmake).
list(PREPEND CMAKE_MODULE_PATH ${CMAKE_CURRENT_LIST_DIR}/windows)

# The DLLs tankai.exe may import; anything else would have to be shipped with it.
# msvcrt.dll is the C runtime every mingw-w64 program uses; it is part of Windows.
set(TANKAI_WINDOWS_DLLS KERNEL32.dll USER32.dll GDI32.dll OPENGL32.dll GLU32.dll WINMM.dll
  msvcrt.dll CACHE STRING "DLLs tankai.exe may import")

function(tankai_windows_pabaiga)
  if(TARGET tankai AND TANKAI_TESTS)
    add_test(NAME windows_imports
      COMMAND ${CMAKE_COMMAND} -DEXE=$<TARGET_FILE:tankai> -DOBJDUMP=${CMAKE_OBJDUMP}
        "-DLEIDZIAMI=${TANKAI_WINDOWS_DLLS}" -P ${CMAKE_SOURCE_DIR}/cmake/windows/Importai.cmake)
    set_tests_properties(windows_imports PROPERTIES LABELS windows TIMEOUT 60)
  endif()
endfunction()
cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL tankai_windows_pabaiga)
