# Read by CPack once per generator. The installer is named as one.
if(CPACK_GENERATOR STREQUAL "NSIS")
  set(CPACK_PACKAGE_FILE_NAME "${CPACK_PACKAGE_FILE_NAME}-setup")
endif()
# Both packages strip tankai.exe, and the strip stamps the time into it: one time for
# both, so that the ZIP and the installer ship the same bytes (an outside
# SOURCE_DATE_EPOCH, for a reproducible build, takes precedence).
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  set(ENV{SOURCE_DATE_EPOCH} "${CPACK_TANKAI_LAIKAS}")
endif()
