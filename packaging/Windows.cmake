# The Windows product, made from the cross build:
#
#   tankai.exe            with its icon and version resources
#   OpenAL32.dll          OpenAL Soft, loaded by the game at run time
#   settings.cfg, duomenys/
#   README.txt            for players
#   LICENSES/             the licences of what ships, and the source OpenAL32.dll came from
#
# and the two packages CPack makes of it (`cmake --build <build> --target package`):
# Tankai-<version>-win64.zip, to unpack anywhere, and Tankai-<version>-win64-setup.exe,
# an installer for the current user. Included from packaging/Install.cmake.
set(TANKAI_PAKETAS_BIN ${CMAKE_BINARY_DIR}/packaging)
set(TANKAI_WINDOWS_PAKETAS ${CMAKE_CURRENT_LIST_DIR}/windows)
set(TANKAI_LEIDEJAS "Tankai")
set(TANKAI_APRASAS "Tankai - tanku musis")

# ---- resources -----------------------------------------------------------------------------
# The icon is painted by the same code as the Linux icons, run on the build machine.
set(TANKAI_ZENKLELIO_GENERATORIUS "" CACHE FILEPATH
  "tankai_zenklelis built for the build machine (cross builds)")
if(NOT TANKAI_ZENKLELIO_GENERATORIUS)
  message(FATAL_ERROR "The Windows build paints tankai.exe's icon with tankai_zenklelis built for "
    "this machine: pass -DTANKAI_ZENKLELIO_GENERATORIUS=<host build>/tankai_zenklelis")
endif()
set(TANKAI_IKONOS_FAILAS ${TANKAI_PAKETAS_BIN}/tankai.ico)
add_custom_command(OUTPUT ${TANKAI_IKONOS_FAILAS}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${TANKAI_PAKETAS_BIN}
  COMMAND ${TANKAI_ZENKLELIO_GENERATORIUS} ${TANKAI_IKONOS_FAILAS} 16,24,32,48,64,256
  DEPENDS ${TANKAI_ZENKLELIO_GENERATORIUS}
  COMMENT "Icon tankai.ico" VERBATIM)

# Four version numbers for the resource, missing ones 0.
set(TANKAI_VERSIJA_SKAICIAI)
foreach(dalis MAJOR MINOR PATCH TWEAK)
  if("${PROJECT_VERSION_${dalis}}" STREQUAL "")
    list(APPEND TANKAI_VERSIJA_SKAICIAI 0)
  else()
    list(APPEND TANKAI_VERSIJA_SKAICIAI ${PROJECT_VERSION_${dalis}})
  endif()
endforeach()
string(REPLACE ";" "," TANKAI_VERSIJA_KABLELIAIS "${TANKAI_VERSIJA_SKAICIAI}")
string(REPLACE ";" "." TANKAI_VERSIJA_TASKAIS "${TANKAI_VERSIJA_SKAICIAI}")

enable_language(RC)
set(TANKAI_ISTEKLIAI ${TANKAI_PAKETAS_BIN}/tankai.rc)
configure_file(${TANKAI_WINDOWS_PAKETAS}/tankai.rc.in ${TANKAI_ISTEKLIAI} @ONLY)
set_source_files_properties(${TANKAI_ISTEKLIAI} PROPERTIES OBJECT_DEPENDS ${TANKAI_IKONOS_FAILAS})
target_sources(tankai PRIVATE ${TANKAI_ISTEKLIAI})
# The test of the window's icon carries the same resources.
if(TARGET test_windows)
  target_sources(test_windows PRIVATE ${TANKAI_ISTEKLIAI})
endif()

# ---- what ships ----------------------------------------------------------------------------
configure_file(${TANKAI_WINDOWS_PAKETAS}/README.txt.in ${TANKAI_PAKETAS_BIN}/README.txt @ONLY NEWLINE_STYLE WIN32)
install(TARGETS tankai RUNTIME DESTINATION .)
install(FILES ${TANKAI_OPENAL_DLL} ${CMAKE_BINARY_DIR}/settings.cfg ${TANKAI_PAKETAS_BIN}/README.txt
  DESTINATION .)
install(DIRECTORY ${CMAKE_BINARY_DIR}/duomenys DESTINATION .)
# Licences: OpenAL Soft (LGPL, shipped as the separate DLL it is), libogg and libvorbis
# (linked into tankai.exe), the mingw-w64 runtime linked into it, and the game's own.
install(FILES ${TANKAI_WIN_DEPS}/share/openal-soft/COPYING DESTINATION LICENSES RENAME OpenAL-Soft-COPYING.txt)
install(FILES ${TANKAI_WIN_DEPS}/share/openal-soft/SOURCE DESTINATION LICENSES RENAME OpenAL-Soft-SOURCE.txt)
install(FILES ${TANKAI_WIN_DEPS}/share/libogg/COPYING DESTINATION LICENSES RENAME libogg-COPYING.txt)
install(FILES ${TANKAI_WIN_DEPS}/share/libvorbis/COPYING DESTINATION LICENSES RENAME libvorbis-COPYING.txt)
install(FILES /usr/share/doc/mingw-w64-x86-64-dev/copyright DESTINATION LICENSES RENAME mingw-w64-runtime.txt)
install(FILES ${CMAKE_SOURCE_DIR}/LICENSE DESTINATION LICENSES RENAME Tankai-LICENSE.txt)

# ---- packages --------------------------------------------------------------------------------
set(CPACK_GENERATOR ZIP NSIS)
set(CPACK_PACKAGE_NAME Tankai)
set(CPACK_PACKAGE_VENDOR ${TANKAI_LEIDEJAS})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "single-player tank battle on a field of brick walls")
set(CPACK_PACKAGE_FILE_NAME Tankai-${PROJECT_VERSION}-win64)
set(CPACK_PACKAGE_INSTALL_DIRECTORY Tankai)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Tankai)
set(CPACK_STRIP_FILES ON)
# The installer: 64-bit, for the current user (packaging/windows/NSIS.template.in).
set(CPACK_NSIS_PACKAGE_NAME Tankai)
set(CPACK_NSIS_DISPLAY_NAME Tankai)
set(CPACK_NSIS_MUI_ICON ${TANKAI_IKONOS_FAILAS})
set(CPACK_NSIS_MUI_UNIICON ${TANKAI_IKONOS_FAILAS})
set(CPACK_NSIS_INSTALLED_ICON_NAME tankai.exe)
set(CPACK_NSIS_UNINSTALL_NAME Uninstall)
string(TIMESTAMP CPACK_TANKAI_LAIKAS "%s" UTC)
set(CPACK_PROJECT_CONFIG_FILE ${TANKAI_WINDOWS_PAKETAS}/CPackGeneratoriai.cmake)
set(CPACK_PRE_BUILD_SCRIPTS ${TANKAI_WINDOWS_PAKETAS}/PriesPakuojant.cmake)
set(CPACK_POST_BUILD_SCRIPTS ${TANKAI_WINDOWS_PAKETAS}/PoPakavimo.cmake)
list(PREPEND CMAKE_MODULE_PATH ${TANKAI_WINDOWS_PAKETAS})
include(CPack)
