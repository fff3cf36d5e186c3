# SPDX-License-Identifier: GPL-3.0-or-later
# What `cmake --install` puts where, and the Debian package CPack makes of it
# (`cpack -G DEB` in the build folder).
set(res ${PROJECT_SOURCE_DIR}/resources)
set(generated ${CMAKE_BINARY_DIR}/generated)
# The reverse-DNS id of the desktop entry and the AppStream metainfo (and of
# QGuiApplication::setDesktopFileName in main.cpp), and the date of this release.
set(AERODEX_APP_ID io.github.aerodex.aerodex)
set(AERODEX_RELEASE_DATE 2026-12-08)

# Man pages and the changelog go in compressed (gzip -n: the same bytes every build).
function(aerodex_gzip source output)
  add_custom_command(OUTPUT ${output} COMMAND gzip -9nc ${source} > ${output} DEPENDS ${source}
                     VERBATIM)
endfunction()
configure_file(${res}/changelog.in ${generated}/changelog @ONLY)
aerodex_gzip(${generated}/changelog ${generated}/changelog.gz)
set(compressed ${generated}/changelog.gz)
set(manPages aerodex-cli.1)
if(TARGET aerodex)
  list(APPEND manPages aerodex.1)
endif()
foreach(page ${manPages})
  aerodex_gzip(${PROJECT_SOURCE_DIR}/docs/${page} ${generated}/${page}.gz)
  list(APPEND compressed ${generated}/${page}.gz)
  install(FILES ${generated}/${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()
add_custom_target(aerodex_compressed_docs ALL DEPENDS ${compressed})
install(FILES ${generated}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})

if(TARGET aerodex)
  install(FILES ${res}/aerodex.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications
          RENAME ${AERODEX_APP_ID}.desktop)
  install(FILES ${res}/aerodex-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
          RENAME aerodex.xml)
  configure_file(${res}/aerodex.metainfo.xml.in ${generated}/${AERODEX_APP_ID}.metainfo.xml
                 @ONLY)
  install(FILES ${generated}/${AERODEX_APP_ID}.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  # The program's and the log file's icons: the SVGs as drawn, and PNGs rendered
  # from them for desktops and menus that want a bitmap.
  find_program(RSVG_CONVERT rsvg-convert REQUIRED)
  set(hicolor ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
  set(renderedIcons)
  foreach(size 16 22 24 32 48 64 128 256)
    foreach(pair aerodex:apps application-x-aerodex:mimetypes)
      string(REPLACE ":" ";" pair ${pair})
      list(GET pair 0 name)
      list(GET pair 1 context)
      set(png ${generated}/icons/${size}/${name}.png)
      add_custom_command(OUTPUT ${png} COMMAND ${CMAKE_COMMAND} -E make_directory
                         ${generated}/icons/${size} COMMAND ${RSVG_CONVERT} -w ${size} -h ${size}
                         -o ${png} ${res}/icons/${name}.svg DEPENDS ${res}/icons/${name}.svg
                         VERBATIM)
      list(APPEND renderedIcons ${png})
      install(FILES ${png} DESTINATION ${hicolor}/${size}x${size}/${context})
    endforeach()
  endforeach()
  add_custom_target(aerodex_rendered_icons ALL DEPENDS ${renderedIcons})
  install(FILES ${res}/icons/aerodex.svg DESTINATION ${hicolor}/scalable/apps)
  install(FILES ${res}/icons/application-x-aerodex.svg DESTINATION ${hicolor}/scalable/mimetypes)
  install(FILES ${res}/help/aerodex.html DESTINATION ${CMAKE_INSTALL_DOCDIR})
endif()
# Where bash-completion and Debian's zsh look for completions of their own.
install(FILES ${res}/completions/aerodex-cli.bash
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME aerodex-cli)
install(FILES ${res}/completions/_aerodex-cli
        DESTINATION ${CMAKE_INSTALL_DATADIR}/zsh/vendor-completions)
install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION ${CMAKE_INSTALL_DOCDIR})
# The licence, in Debian's machine-readable form.
install(FILES ${PROJECT_SOURCE_DIR}/resources/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_PACKAGE_NAME aerodex)
set(CPACK_PACKAGE_VENDOR "aerodex")
set(CPACK_PACKAGE_CONTACT "aerodex developers <aerodex@users.noreply.github.com>")
# Debian's style: a synopsis without an article, description lines under 80 characters.
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "flight log for a private pilot")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
       "aerodex keeps a private pilot's flight log: the pilot's particulars, the\n"
       "aircraft flown and every flight, shown as ruled landscape pages like a paper\n"
       "logbook, with totals, night subtotals, a currency check, the maintenance\n"
       "status of owned aircraft, the FAA 8710 record of pilot time and charts.\n"
       "Logs of other logbooks (ForeFlight, MyFlightbook, LogTen Pro, CSV) come in\n"
       "and go out again. aerodex-cli reads, converts and imports logs without the\n"
       "window.")
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
