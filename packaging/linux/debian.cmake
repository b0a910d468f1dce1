# zentavoro_VERSION_amd64.deb, made by CPack from the installation rules (cpack -G DEB in
# the Linux build tree, or the target package-deb). Its dependencies are what
# dpkg-shlibdeps finds the program and the hook library linked against.
include(GNUInstallDirs)

# The manual page and the changelog are installed compressed, as Debian has them.
set(man_page ${CMAKE_CURRENT_BINARY_DIR}/zentavoro.1.gz)
set(changelog ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz)
foreach(pair "linux/zentavoro.1|${man_page}" "linux/changelog|${changelog}")
  string(REPLACE "|" ";" pair "${pair}")
  list(GET pair 0 source)
  list(GET pair 1 compressed)
  add_custom_command(OUTPUT ${compressed}
    COMMAND gzip -9 -n -c ${CMAKE_CURRENT_SOURCE_DIR}/${source} > ${compressed}
    DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${source}
    VERBATIM)
endforeach()
add_custom_target(debian-documents ALL DEPENDS ${man_page} ${changelog})

install(FILES ${man_page} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${changelog} linux/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES linux/org.zentavoro.Zentavoro.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zentavoro)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "switch-access pointing aid")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Equip Zentavoro <equip@zentavoro.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://zentavoro.org)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time when the user asks for points to be named and said: the program runs
# without them.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libatspi2.0-0, libspeechd2, speech-dispatcher")
# The first line is the synopsis above; CPack puts it there itself.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Zentavoro lets a person who cannot steer a mouse operate another
application with a single switch (a mouse button or a key). A carer records
the places to click; Zentavoro then places the pointer on them one after the
other, and the switch clicks where the pointer stands. It runs as a small
toolbar that stays on top, on X11 desktops.")
include(CPack)
