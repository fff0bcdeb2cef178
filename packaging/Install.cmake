# Installed layout and the Debian package.
#
#   bin/tankai                          launcher: enters the data folder, runs the game
#   libexec/tankai/tankai               the game
#   share/tankai/duomenys/, settings.cfg  generated data and the default settings
#   share/applications/tankai.desktop   menu entry
#   share/icons/hicolor/NxN/apps/tankai.png
#
# The game reads "settings.cfg" and "duomenys/" from its working folder, hence the
# launcher. Included from the top-level CMakeLists.txt after the game and its data.
if(WIN32 OR CMAKE_CROSSCOMPILING)
  return()
endif()
include(GNUInstallDirs)

set(TANKAI_PAKETAS_DIR ${CMAKE_CURRENT_LIST_DIR})
set(TANKAI_PAKETAS_BIN ${CMAKE_BINARY_DIR}/packaging)
set(TANKAI_DUOMENU_DIR ${CMAKE_INSTALL_DATADIR}/tankai)
set(TANKAI_PROGRAMOS_DIR ${CMAKE_INSTALL_LIBEXECDIR}/tankai)

# The icon, painted by the same code as the game's pictures.
add_executable(tankai_zenklelis ${TANKAI_PAKETAS_DIR}/Zenklelis.cpp
  ${CMAKE_SOURCE_DIR}/tools/KDrobe.cpp ${CMAKE_SOURCE_DIR}/tools/Piesiniai.cpp)
target_include_directories(tankai_zenklelis PRIVATE ${CMAKE_SOURCE_DIR}/tools)
set(TANKAI_ZENKLELIAI)
foreach(dydis 32 48 64 128 256)
  set(png ${TANKAI_PAKETAS_BIN}/ikonos/${dydis}/tankai.png)
  add_custom_command(OUTPUT ${png}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${TANKAI_PAKETAS_BIN}/ikonos/${dydis}
    COMMAND tankai_zenklelis ${png} ${dydis}
    DEPENDS tankai_zenklelis
    COMMENT "Icon ${dydis}x${dydis}" VERBATIM)
  list(APPEND TANKAI_ZENKLELIAI ${png})
  install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${dydis}x${dydis}/apps)
endforeach()
add_custom_target(tankai_zenkleliai ALL DEPENDS ${TANKAI_ZENKLELIAI})

# The launcher finds the data and the game relative to itself, so a staged tree
# (DESTDIR, the package build) and any prefix work alike.
foreach(kur DUOMENIS PROGRAMA)
  if(kur STREQUAL "DUOMENIS")
    set(tikslas ${TANKAI_DUOMENU_DIR})
  else()
    set(tikslas ${TANKAI_PROGRAMOS_DIR}/tankai)
  endif()
  if(IS_ABSOLUTE "${tikslas}" OR IS_ABSOLUTE "${CMAKE_INSTALL_BINDIR}")
    set(TANKAI_BIN_I_${kur} "${tikslas}")
  else()
    file(RELATIVE_PATH santykinis /prefix/${CMAKE_INSTALL_BINDIR} /prefix/${tikslas})
    set(TANKAI_BIN_I_${kur} "$cia/${santykinis}")
  endif()
endforeach()
configure_file(${TANKAI_PAKETAS_DIR}/tankai.sh.in ${TANKAI_PAKETAS_BIN}/tankai @ONLY)

install(TARGETS tankai RUNTIME DESTINATION ${TANKAI_PROGRAMOS_DIR})
install(PROGRAMS ${TANKAI_PAKETAS_BIN}/tankai DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${CMAKE_BINARY_DIR}/duomenys DESTINATION ${TANKAI_DUOMENU_DIR})
install(FILES ${CMAKE_BINARY_DIR}/settings.cfg DESTINATION ${TANKAI_DUOMENU_DIR})
install(FILES ${TANKAI_PAKETAS_DIR}/tankai.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

# Debian package: cpack (or the `package` target) in the build folder.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tankai)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Tankai")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "single-player tank battle on a field of brick walls")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Tankai developers <tankai@localhost>")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "single-player tank battle on a field of brick walls\n Lead an army of five tanks against ten computer-driven ones on a grid of\n breakable walls. Keyboard and joystick control, OpenGL graphics, OpenAL\n sound and Ogg Vorbis music.")
# The libraries the game links, named by their packages; dpkg-shlibdeps adds the
# exact versions from the built binary.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "libsdl2-2.0-0, libopenal1, libvorbisfile3, libfreetype6, libfontconfig1, libglu1-mesa, libgl1")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)

# The installed tree, checked by installing this build into a temporary prefix and
# running it from there under Xvfb.
if(TANKAI_TESTS)
  add_test(NAME packaging_install
    COMMAND bash ${TANKAI_PAKETAS_DIR}/tikrinti-diegima.sh ${CMAKE_BINARY_DIR})
  set_tests_properties(packaging_install PROPERTIES LABELS packaging TIMEOUT 300)
  add_test(NAME packaging_launcher
    COMMAND bash ${TANKAI_PAKETAS_DIR}/check-launcher.sh ${CMAKE_BINARY_DIR})
  set_tests_properties(packaging_launcher PROPERTIES LABELS packaging TIMEOUT 300)
endif()
