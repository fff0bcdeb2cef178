# Run by CPack once it has made a package (CPACK_POST_BUILD_SCRIPTS). CPack's ZIP holds the
# files in the order the file system returns them and records the user id of whoever
# built it: the ZIP is made again from the same staged folder, in name order, without
# owners, its times (SOURCE_DATE_EPOCH's, PriesPakuojant.cmake) written in UTC.
if(NOT CPACK_GENERATOR STREQUAL "ZIP")
  return()
endif()
get_filename_component(aplankas ${CPACK_TEMPORARY_DIRECTORY} NAME)
foreach(zip ${CPACK_PACKAGE_FILES})
  file(REMOVE ${zip})
  execute_process(
    COMMAND find ${aplankas} -mindepth 1
    COMMAND env LC_ALL=C sort
    COMMAND env TZ=UTC zip -X -q -@ ${zip}
    WORKING_DIRECTORY ${CPACK_TOPLEVEL_DIRECTORY}
    RESULTS_VARIABLE klaidos)
  if(NOT klaidos MATCHES "^0;0;0$")
    message(FATAL_ERROR "could not make ${zip} again (find, sort, zip: ${klaidos})")
  endif()
endforeach()
