# Run by CPack once it has made the Debian package (CPACK_POST_BUILD_SCRIPTS). CPack's
# Installed-Size adds up the staged folders' own sizes too, and those differ from one file
# system to another: dpkg-deb makes the package again from the same files and control
# data, its size counted as dpkg-gencontrol counts it (each file in whole KiB, 1 for each
# folder). dpkg-deb puts the files in name order, owned by root, at SOURCE_DATE_EPOCH's time.
foreach(deb ${CPACK_PACKAGE_FILES})
  set(medis ${CPACK_TOPLEVEL_DIRECTORY}/deb-is-naujo)
  file(REMOVE_RECURSE ${medis})
  execute_process(COMMAND dpkg-deb -R ${deb} ${medis} RESULT_VARIABLE klaida)
  if(klaida)
    message(FATAL_ERROR "dpkg-deb could not unpack ${deb}")
  endif()
  file(GLOB_RECURSE visi LIST_DIRECTORIES true RELATIVE ${medis} ${medis}/*)
  set(dydis 1)
  foreach(kelias ${visi})
    if(kelias MATCHES "^DEBIAN(/|$)")
      continue()
    elseif(IS_DIRECTORY ${medis}/${kelias})
      math(EXPR dydis "${dydis} + 1")
    else()
      file(SIZE ${medis}/${kelias} baitai)
      math(EXPR dydis "${dydis} + (${baitai} + 1023) / 1024")
    endif()
  endforeach()
  file(READ ${medis}/DEBIAN/control valdymas)
  string(REGEX REPLACE "\nInstalled-Size: [0-9]+\n" "\nInstalled-Size: ${dydis}\n" valdymas "${valdymas}")
  file(WRITE ${medis}/DEBIAN/control "${valdymas}")
  execute_process(COMMAND dpkg-deb --root-owner-group -Zgzip -z9 --build ${medis} ${deb}
    OUTPUT_QUIET RESULT_VARIABLE klaida)
  if(klaida)
    message(FATAL_ERROR "dpkg-deb could not make ${deb} again")
  endif()
endforeach()
