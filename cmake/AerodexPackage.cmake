# What `cmake --install` puts where, and the Debian package CPack makes of it
# (`cpack -G DEB` in the build folder).
set(res ${PROJECT_SOURCE_DIR}/resources)
if(TARGET aerodex)
  install(FILES ${res}/aerodex.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${res}/aerodex-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
          RENAME aerodex.xml)
  configure_file(${res}/aerodex.metainfo.xml.in ${CMAKE_BINARY_DIR}/generated/aerodex.metainfo.xml
                 @ONLY)
  install(FILES ${CMAKE_BINARY_DIR}/generated/aerodex.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  foreach(size 48 128 256)
    set(icons ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size})
    install(FILES ${res}/icons/aerodex-${size}.png DESTINATION ${icons}/apps RENAME aerodex.png)
    install(FILES ${res}/icons/aerodex-${size}.png DESTINATION ${icons}/mimetypes
            RENAME application-x-aerodex.png)
  endforeach()
  install(FILES ${res}/help/aerodex.html DESTINATION ${CMAKE_INSTALL_DOCDIR})
endif()
install(FILES ${PROJECT_SOURCE_DIR}/docs/aerodex-cli.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
# Where bash-completion and Debian's zsh look for completions of their own.
install(FILES ${res}/completions/aerodex-cli.bash
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME aerodex-cli)
install(FILES ${res}/completions/_aerodex-cli
        DESTINATION ${CMAKE_INSTALL_DATADIR}/zsh/vendor-completions)
install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_PACKAGE_NAME aerodex)
set(CPACK_PACKAGE_VENDOR "aerodex")
set(CPACK_PACKAGE_CONTACT "aerodex developers <aerodex@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
       "aerodex keeps a private pilot's flight log: the pilot's particulars, the aircraft flown "
       "and every flight, shown as ruled landscape pages like a paper logbook, with totals, night "
       "subtotals, a currency check and the maintenance status of owned aircraft. aerodex-cli "
       "reads, converts and imports logs without the window.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY aerodex)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${PROJECT_HOMEPAGE_URL}")
# The libraries (Qt Charts among them) come from dpkg-shlibdeps; named here are what no binary
# links: the fonts the pages are drawn in and Qt's platform plugins, without which the window
# cannot open.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, qt6-qpa-plugins")
set(CPACK_STRIP_FILES ON)
include(CPack)
