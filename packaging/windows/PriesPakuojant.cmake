# Run by CPack once the files are staged, before it packs them (CPACK_PRE_BUILD_SCRIPTS).
# The same staged files must give the same package bytes on any machine:
# - the installer keeps each file's time and sets it on the player's copy: every staged
#   file takes SOURCE_DATE_EPOCH's, not the time this build happened to write it;
# - CPack lists the uninstaller's files in the order the file system returns them: the
#   installer script includes this list in name order instead.
execute_process(COMMAND find ${CPACK_TEMPORARY_DIRECTORY} -exec touch -h -d @$ENV{SOURCE_DATE_EPOCH} {} +
  RESULT_VARIABLE klaida)
if(klaida)
  message(FATAL_ERROR "could not set the staged files' times in ${CPACK_TEMPORARY_DIRECTORY}")
endif()

if(CPACK_GENERATOR STREQUAL "NSIS")
  file(GLOB_RECURSE visi LIST_DIRECTORIES true RELATIVE ${CPACK_TEMPORARY_DIRECTORY}
    ${CPACK_TEMPORARY_DIRECTORY}/*)
  set(failai "")
  set(aplankai "")
  foreach(kelias ${visi})
    string(REPLACE "/" "\\" windows_kelias "${kelias}")
    if(IS_DIRECTORY ${CPACK_TEMPORARY_DIRECTORY}/${kelias})
      # Deepest first: a folder goes once it is empty.
      string(PREPEND aplankai "  RMDir \"$INSTDIR\\${windows_kelias}\"\n")
    else()
      string(APPEND failai "  Delete \"$INSTDIR\\${windows_kelias}\"\n")
    endif()
  endforeach()
  file(WRITE ${CPACK_TOPLEVEL_DIRECTORY}/salinimas.nsh "${failai}${aplankai}")
endif()
