# The Debian package: cmake --build build --target package writes
# build/vexa_<version>_<arch>.deb, installed with apt-get install ./vexa_*.deb.
#
#   /usr/bin/vexa, /usr/bin/vexa-cli    the launcher (packaging/vexa-launcher.sh), which
#                                       chooses the user's program folder and lays it out
#   /usr/lib/vexa/vexa, vexa-cli        the programs, stripped
#   /usr/lib/vexa/delivered -> /usr/share/vexa
#   /usr/share/vexa/                    the delivered files: reference/ (CSV), program/
#   /usr/share/applications/vexa.desktop, /usr/share/icons/hicolor/scalable/apps/vexa.svg
#   /usr/share/man/man1/vexa.1.gz, vexa-cli.1.gz
#   /usr/share/doc/vexa/                copyright, examples/ (the main job end to end)

set(VEXA_PACKAGE_LIB lib/vexa)

install(TARGETS vexa vexa-cli vexa-pxdump RUNTIME DESTINATION ${VEXA_PACKAGE_LIB})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/ DESTINATION share/vexa)
# The programs look for the delivered files in "delivered" beside themselves.
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/packaging)
file(CREATE_LINK ../../share/vexa ${CMAKE_BINARY_DIR}/packaging/delivered SYMBOLIC)
install(FILES ${CMAKE_BINARY_DIR}/packaging/delivered DESTINATION ${VEXA_PACKAGE_LIB})

install(PROGRAMS ${PROJECT_SOURCE_DIR}/packaging/vexa-launcher.sh DESTINATION bin RENAME vexa)
install(PROGRAMS ${PROJECT_SOURCE_DIR}/packaging/vexa-launcher.sh DESTINATION bin RENAME vexa-cli)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/vexa.desktop DESTINATION share/applications)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/vexa.svg DESTINATION share/icons/hicolor/scalable/apps)

# Manual pages, compressed as Debian keeps them (-n: no name or time inside, the same bytes every build).
foreach(page vexa.1 vexa-cli.1)
  add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/packaging/${page}.gz
    COMMAND gzip -9nc ${PROJECT_SOURCE_DIR}/packaging/${page} > ${CMAKE_BINARY_DIR}/packaging/${page}.gz
    DEPENDS ${PROJECT_SOURCE_DIR}/packaging/${page}
    VERBATIM)
  list(APPEND vexa_manual_pages ${CMAKE_BINARY_DIR}/packaging/${page}.gz)
endforeach()
add_custom_target(vexa_manual_pages ALL DEPENDS ${vexa_manual_pages})
install(FILES ${vexa_manual_pages} DESTINATION share/man/man1)

install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright DESTINATION share/doc/vexa)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/examples/ DESTINATION share/doc/vexa/examples USE_SOURCE_PERMISSIONS)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vexa)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "VEXA Eletrônica")
set(CPACK_PACKAGE_CONTACT "VEXA Eletrônica <suporte@vexa.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "VEXA Eletrônica: declaração mensal do ICMS do estado QX")
# The first line of the Debian description is the summary; CPack puts it there.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "O programa com tela (vexa) e o programa sem tela (vexa-cli) com que o
contribuinte do ICMS, ou o seu contabilista, faz a declaração mensal (VEXA),
grava o arquivo de entrega, imprime a declaração e emite os DAREs.")
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# The libraries the programs link, found by dpkg-shlibdeps; then what they load
# at run time, which no link shows: the Qt SQL drivers (SQLite, PostgreSQL for
# the office mode) and a font for the printed pages. The platform plugins
# (xcb, offscreen), the JPEG reader and the TLS back end come with libqt6gui6
# and libqt6network6.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6sql6-sqlite, libqt6sql6-psql, fonts-dejavu-core")

include(CPack)
