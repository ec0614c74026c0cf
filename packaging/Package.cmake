# One Debian package with both programs: cpack -G DEB in a Release build folder
# (./project.sh package builds and checks it).
set(PACKAGE_NAME mp3-timing-editors)
set(PACKAGE_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/${PACKAGE_NAME})
# Whoever publishes the package names themselves here: -DPACKAGE_MAINTAINER="Name <address>".
set(PACKAGE_MAINTAINER "Unnamed packager <packager@example.invalid>"
    CACHE STRING "Maintainer of the Debian package: Name <e-mail address>")

install(FILES ${CMAKE_CURRENT_LIST_DIR}/copyright DESTINATION ${PACKAGE_DOC_DIR})

# Debian wants the changelog and the manual pages compressed, without a time stamp.
find_program(GZIP gzip REQUIRED)
set(PACKAGING_OUT ${CMAKE_BINARY_DIR}/packaging)
file(MAKE_DIRECTORY ${PACKAGING_OUT})
# The changelog's entry is signed by the package's maintainer.
configure_file(${CMAKE_CURRENT_LIST_DIR}/changelog.in ${PACKAGING_OUT}/changelog @ONLY)
foreach(source ${PACKAGING_OUT}/changelog ${CMAKE_CURRENT_LIST_DIR}/tavisto.1
               ${CMAKE_CURRENT_LIST_DIR}/quennet.1)
  get_filename_component(name ${source} NAME)
  set(zipped ${PACKAGING_OUT}/${name}.gz)
  add_custom_command(OUTPUT ${zipped}
    COMMAND ${GZIP} -9n -c ${source} > ${zipped}
    DEPENDS ${source} VERBATIM)
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
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${PACKAGE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The windows need one font with Chinese glyphs; any of these stands in for the fonts they name.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "fonts-noto-cjk | fonts-arphic-uming | fonts-wqy-zenhei | fonts-wqy-microhei")
# Qt's own texts in the user's language, and a native window on a Wayland desktop.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, qt6-wayland")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
