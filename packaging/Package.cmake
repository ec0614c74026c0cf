# One Debian package with both programs: cpack -G DEB in a Release build folder
# (./project.sh package builds and checks it).
set(PACKAGE_NAME mp3-timing-editors)
set(PACKAGE_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/${PACKAGE_NAME})

install(FILES ${CMAKE_CURRENT_LIST_DIR}/copyright DESTINATION ${PACKAGE_DOC_DIR})

# Debian wants the changelog and the manual pages compressed, without a time stamp.
find_program(GZIP gzip REQUIRED)
set(PACKAGING_OUT ${CMAKE_BINARY_DIR}/packaging)
file(MAKE_DIRECTORY ${PACKAGING_OUT})
foreach(source changelog tavisto.1 quennet.1)
  set(zipped ${PACKAGING_OUT}/${source}.gz)
  add_custom_command(OUTPUT ${zipped}
    COMMAND ${GZIP} -9n -c ${CMAKE_CURRENT_LIST_DIR}/${source} > ${zipped}
    DEPENDS ${CMAKE_CURRENT_LIST_DIR}/${source} VERBATIM)
  list(APPEND PACKAGING_ZIPPED ${zipped})
endforeach()
add_custom_target(packaging_files ALL DEPENDS ${PACKAGING_ZIPPED})
install(FILES ${PACKAGING_OUT}/changelog.gz DESTINATION ${PACKAGE_DOC_DIR} RENAME changelog.Debian.gz)
install(FILES ${PACKAGING_OUT}/tavisto.1.gz ${PACKAGING_OUT}/quennet.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_PACKAGE_NAME ${PACKAGE_NAME})
set(CPACK_PACKAGE_VENDOR "The MP3 timing editors developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "timing schedule editors for stand-alone MP3 music players")
set(CPACK_PACKAGE_DESCRIPTION
  "Tavisto edits the .mtf timing files of the RX-5 player: four standard\n\
programs of 100 music and 100 peripheral timings each and a random program\n\
of 10 timings. Quennet edits the data file of a second player family: four\n\
programs of up to 99 music, FM radio or peripheral timings.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "MP3 timing editors developers <maintainers@mp3timing.org>")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://mp3timing.org/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The windows name Chinese fonts; these stand in for them. Qt's translations speak the user's language.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-noto-cjk, fonts-arphic-ukai, fonts-arphic-uming")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
