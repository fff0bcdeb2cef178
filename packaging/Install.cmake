# Installed layout and the Debian package, in Debian's layout for games.
#
#   games/tankai                        launcher: runs the game in the player's settings folder
#   libexec/tankai/tankai               the game
#   share/games/tankai/duomenys/, settings.cfg  generated data and the default settings
#   share/applications/tankai.desktop   menu entry
#   share/icons/hicolor/NxN/apps/tankai.png
#   share/metainfo/<id>.metainfo.xml    AppStream description for software centres
#   share/man/man6/tankai.6.gz          manual page
#   share/doc/tankai/copyright, changelog.gz
#
# The game reads "settings.cfg" and "duomenys/" from its working folder, hence the
# launcher. Included from the top-level CMakeLists.txt after the game and its data.
# Windows builds ship a folder and its packages instead: packaging/Windows.cmake.
# Folders an install makes on its way are rwxr-xr-x whatever the builder's umask, as the
# packages must hold them.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE
  GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
if(WIN32)
  include(${CMAKE_CURRENT_LIST_DIR}/Windows.cmake)
  return()
endif()
if(CMAKE_CROSSCOMPILING)
  return()
endif()
include(GNUInstallDirs)

set(TANKAI_PAKETAS_DIR ${CMAKE_CURRENT_LIST_DIR})
set(TANKAI_PAKETAS_BIN ${CMAKE_BINARY_DIR}/packaging)
set(TANKAI_PALEIDIKLIO_DIR games)
set(TANKAI_DUOMENU_DIR ${CMAKE_INSTALL_DATADIR}/games/tankai)
set(TANKAI_PROGRAMOS_DIR ${CMAKE_INSTALL_LIBEXECDIR}/tankai)
set(TANKAI_DOKUMENTU_DIR ${CMAKE_INSTALL_DATADIR}/doc/tankai)

# The project has no home on the web yet. Until it has, its names live under the
# reserved .example domain, which can never lead to anybody else's site or mailbox.
# A build for publishing sets the two web addresses; the id stays as it is for good,
# since software centres know the game by it.
set(TANKAI_ID example.tankai.Tankai)
set(TANKAI_PASTAS tankai@tankai.example)
set(TANKAI_SVETAINE "https://tankai.example/" CACHE STRING "Home page of the game")
set(TANKAI_NUOTRAUKOS "${TANKAI_SVETAINE}screenshots/" CACHE STRING
  "Web folder serving docs/screenshots/*.png (for a repository on a forge: its raw URL)")

# The changelog names the release: its version must be the project's, and the
# AppStream release takes its date.
file(STRINGS ${TANKAI_PAKETAS_DIR}/changelog TANKAI_ZURNALAS)
list(GET TANKAI_ZURNALAS 0 pirma)
if(NOT pirma MATCHES "^tankai \\(([^)]+)\\)")
  message(FATAL_ERROR "packaging/changelog: the first line names no version")
endif()
set(TANKAI_LEIDIMAS ${CMAKE_MATCH_1})
if(NOT TANKAI_LEIDIMAS STREQUAL PROJECT_VERSION)
  message(FATAL_ERROR "packaging/changelog is at ${TANKAI_LEIDIMAS}, the project at ${PROJECT_VERSION}")
endif()
foreach(eilute ${TANKAI_ZURNALAS})
  if(eilute MATCHES "^ -- .*, ([0-9]+) ([A-Z][a-z][a-z]) ([0-9]+) ")
    set(diena ${CMAKE_MATCH_1})
    set(metai ${CMAKE_MATCH_3})
    set(menesiai Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
    list(FIND menesiai ${CMAKE_MATCH_2} menuo)
    math(EXPR menuo "${menuo} + 1")
    break()
  endif()
endforeach()
if(NOT DEFINED menuo OR menuo LESS 1)
  message(FATAL_ERROR "packaging/changelog: no dated sign-off line")
endif()
string(LENGTH "${menuo}" n)
if(n EQUAL 1)
  set(menuo 0${menuo})
endif()
string(LENGTH "${diena}" n)
if(n EQUAL 1)
  set(diena 0${diena})
endif()
set(TANKAI_LEIDIMO_DATA ${metai}-${menuo}-${diena})

# The icon, painted by the same code as the game's pictures.
add_executable(tankai_zenklelis ${TANKAI_PAKETAS_DIR}/Zenklelis.cpp
  ${CMAKE_SOURCE_DIR}/tools/KDrobe.cpp ${CMAKE_SOURCE_DIR}/tools/Piesiniai.cpp)
target_include_directories(tankai_zenklelis PRIVATE ${CMAKE_SOURCE_DIR}/tools ${CMAKE_SOURCE_DIR})
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
  if(IS_ABSOLUTE "${tikslas}")
    set(TANKAI_BIN_I_${kur} "${tikslas}")
  else()
    file(RELATIVE_PATH santykinis /prefix/${TANKAI_PALEIDIKLIO_DIR} /prefix/${tikslas})
    set(TANKAI_BIN_I_${kur} "$cia/${santykinis}")
  endif()
endforeach()
configure_file(${TANKAI_PAKETAS_DIR}/tankai.sh.in ${TANKAI_PAKETAS_BIN}/tankai @ONLY)
configure_file(${TANKAI_PAKETAS_DIR}/tankai.metainfo.xml.in ${TANKAI_PAKETAS_BIN}/${TANKAI_ID}.metainfo.xml @ONLY)

# copyright: the machine-readable form, with the licence text from LICENSE.
file(READ ${CMAKE_SOURCE_DIR}/LICENSE licencija)
string(REGEX REPLACE "^MIT License\n\n" "" licencija "${licencija}")
string(REGEX REPLACE "\n+$" "" licencija "${licencija}")
string(REPLACE "\n" ";" eilutes "${licencija}")
set(TANKAI_LICENCIJA "")
foreach(eilute IN LISTS eilutes)
  if(eilute STREQUAL "")
    string(APPEND TANKAI_LICENCIJA " .\n")
  else()
    string(APPEND TANKAI_LICENCIJA " ${eilute}\n")
  endif()
endforeach()
string(REGEX REPLACE "\n$" "" TANKAI_LICENCIJA "${TANKAI_LICENCIJA}")
configure_file(${TANKAI_PAKETAS_DIR}/copyright.in ${TANKAI_PAKETAS_BIN}/copyright @ONLY)

# The manual page is dated by SOURCE_DATE_EPOCH (a release sets it to the commit's time),
# else by the day it is configured.
string(TIMESTAMP TANKAI_ZINYNO_DATA "%B %Y" UTC)
configure_file(${TANKAI_PAKETAS_DIR}/tankai.6.in ${TANKAI_PAKETAS_BIN}/tankai.6 @ONLY)

# Compressed as Debian wants them: best, and without a time stamp.
foreach(failas ${TANKAI_PAKETAS_DIR}/changelog ${TANKAI_PAKETAS_BIN}/tankai.6)
  get_filename_component(vardas ${failas} NAME)
  add_custom_command(OUTPUT ${TANKAI_PAKETAS_BIN}/${vardas}.gz
    COMMAND gzip -9n -c ${failas} > ${TANKAI_PAKETAS_BIN}/${vardas}.gz
    DEPENDS ${failas}
    COMMENT "Compressing ${vardas}")
endforeach()
add_custom_target(tankai_dokumentai ALL
  DEPENDS ${TANKAI_PAKETAS_BIN}/changelog.gz ${TANKAI_PAKETAS_BIN}/tankai.6.gz)

install(TARGETS tankai RUNTIME DESTINATION ${TANKAI_PROGRAMOS_DIR})
install(PROGRAMS ${TANKAI_PAKETAS_BIN}/tankai DESTINATION ${TANKAI_PALEIDIKLIO_DIR})
install(DIRECTORY ${CMAKE_BINARY_DIR}/duomenys DESTINATION ${TANKAI_DUOMENU_DIR})
install(FILES ${CMAKE_BINARY_DIR}/settings.cfg DESTINATION ${TANKAI_DUOMENU_DIR})
install(FILES ${TANKAI_PAKETAS_DIR}/tankai.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${TANKAI_PAKETAS_BIN}/${TANKAI_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${TANKAI_PAKETAS_BIN}/tankai.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${TANKAI_PAKETAS_BIN}/copyright ${TANKAI_PAKETAS_BIN}/changelog.gz DESTINATION ${TANKAI_DOKUMENTU_DIR})

# Debian package: cpack (or the `package` target) in the build folder.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tankai)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Tankai")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "single-player tank battle on a field of brick walls")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Tankai developers <${TANKAI_PASTAS}>")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${TANKAI_SVETAINE})
# CPack puts the summary first and indents each line of this.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "Lead an army of five tanks against ten computer-driven ones on a grid of\nbreakable walls. Keyboard and joystick control, OpenGL graphics, OpenAL\nsound and Ogg Vorbis music.")
# The libraries the game links, named by their packages; dpkg-shlibdeps adds the
# exact versions from the built binary.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "libsdl2-2.0-0, libopenal1, libvorbisfile3, libfreetype6, libfontconfig1, libglu1-mesa, libgl1")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_POST_BUILD_SCRIPTS ${TANKAI_PAKETAS_DIR}/DebIsNaujo.cmake)
include(CPack)

# The installed tree, checked by installing this build into a temporary prefix and
# running it from there under Xvfb.
if(TANKAI_TESTS)
  add_test(NAME packaging_install
    COMMAND bash ${TANKAI_PAKETAS_DIR}/check-install.sh ${CMAKE_BINARY_DIR})
  set_tests_properties(packaging_install PROPERTIES LABELS packaging TIMEOUT 300)
  add_test(NAME packaging_launcher
    COMMAND bash ${TANKAI_PAKETAS_DIR}/check-launcher.sh ${CMAKE_BINARY_DIR})
  set_tests_properties(packaging_launcher PROPERTIES LABELS packaging TIMEOUT 300)
endif()
