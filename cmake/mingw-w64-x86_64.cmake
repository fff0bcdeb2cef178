# Cross-compiling tankai.exe with Debian's mingw-w64. The -posix compilers are used
# because the win32 thread model of GCC 12 has no std::thread.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(TANKAI_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${TANKAI_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TANKAI_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${TANKAI_MINGW_TRIPLE}-windres)
set(CMAKE_AR ${TANKAI_MINGW_TRIPLE}-gcc-ar-posix CACHE FILEPATH "")
set(CMAKE_RANLIB ${TANKAI_MINGW_TRIPLE}-gcc-ranlib-posix CACHE FILEPATH "")
# No link time in the PE header: the same objects link to the same bytes (the libraries
# built with this file too).
foreach(rusis EXE SHARED MODULE)
  set(CMAKE_${rusis}_LINKER_FLAGS_INIT "-Wl,--no-insert-timestamp")
endforeach()

# Static libraries built for Windows (libogg, libvorbis, GoogleTest) live in one prefix;
# tools/windows/build-deps.sh fills it. Default: build-win-deps/prefix beside the sources.
if(NOT TANKAI_WIN_DEPS)
  if(DEFINED ENV{TANKAI_WIN_DEPS})
    set(TANKAI_WIN_DEPS $ENV{TANKAI_WIN_DEPS})
  else()
    get_filename_component(TANKAI_WIN_DEPS ${CMAKE_CURRENT_LIST_DIR}/../build-win-deps/prefix ABSOLUTE)
  endif()
endif()
set(TANKAI_WIN_DEPS ${TANKAI_WIN_DEPS} CACHE PATH "Prefix of the static Windows libraries")
# Try-compile projects get the toolchain file again; pass the prefix on to them.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES TANKAI_WIN_DEPS)

set(CMAKE_FIND_ROOT_PATH /usr/${TANKAI_MINGW_TRIPLE} ${TANKAI_WIN_DEPS})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# pkg-config must see only the Windows .pc files, never the host's.
set(ENV{PKG_CONFIG_LIBDIR} ${TANKAI_WIN_DEPS}/lib/pkgconfig)
set(ENV{PKG_CONFIG_PATH} "")
set(ENV{PKG_CONFIG_SYSROOT_DIR} "")

# Tests run under Wine.
if(NOT CMAKE_CROSSCOMPILING_EMULATOR)
  set(CMAKE_CROSSCOMPILING_EMULATOR wine)
endif()
