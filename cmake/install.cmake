# What `cmake --install` puts where, and the Debian package built from it.
#
#   cmake --install build/release --prefix /usr/local
#   cd build/release && cpack -G DEB      -> kalmo_<version>_<arch>.deb
#
# The package is meant to be built in a Release tree (the "release" preset).
# Its dependencies are read from the installed programs by dpkg-shlibdeps
# (Debian package dpkg-dev).
include(GNUInstallDirs)

install(TARGETS kalmo_cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# Manual pages are installed compressed, as Debian expects; -n keeps the
# file name and time out of the archive, so the package is reproducible.
find_program(KALMO_GZIP gzip REQUIRED)
set(kalmo_man_page ${CMAKE_BINARY_DIR}/docs/kalmo-cli.1.gz)
add_custom_command(
  OUTPUT ${kalmo_man_page}
  COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/docs/kalmo-cli.1
          ${CMAKE_BINARY_DIR}/docs/kalmo-cli.1
  COMMAND ${KALMO_GZIP} -9 -n -f ${CMAKE_BINARY_DIR}/docs/kalmo-cli.1
  DEPENDS ${PROJECT_SOURCE_DIR}/docs/kalmo-cli.1
  COMMENT "Compressing the manual page kalmo-cli.1"
  VERBATIM)
add_custom_target(kalmo_man_pages ALL DEPENDS ${kalmo_man_page})
install(FILES ${kalmo_man_page} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

if(TARGET kalmo)
  install(TARGETS kalmo RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${PROJECT_SOURCE_DIR}/resources/kalmo.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  set(kalmo_icon_dir ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
  install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/kalmo.svg
          DESTINATION ${kalmo_icon_dir}/scalable/apps)
  foreach(size IN ITEMS 16 32 48 64 128 256)
    install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/kalmo-${size}.png
            DESTINATION ${kalmo_icon_dir}/${size}x${size}/apps
            RENAME kalmo.png)
  endforeach()
endif()

# The installed tree, checked by ctest as a package would ship it.
if(KALMO_BUILD_TESTS)
  if(TARGET kalmo)
    set(kalmo_with_gui ON)
  else()
    set(kalmo_with_gui OFF)
  endif()
  add_test(NAME Install.ShipsWorkingProgramsWithDesktopEntryIconsAndManPage
           COMMAND ${CMAKE_COMMAND} -DBUILD_DIR=${CMAKE_BINARY_DIR}
                   -DPREFIX=${CMAKE_BINARY_DIR}/install-check -DVERSION=${PROJECT_VERSION}
                   -DWITH_GUI=${kalmo_with_gui} -P ${PROJECT_SOURCE_DIR}/cmake/check_install.cmake)
  set_tests_properties(Install.ShipsWorkingProgramsWithDesktopEntryIconsAndManPage
                       PROPERTIES TIMEOUT 120)
endif()

# The Debian package.
set(KALMO_PACKAGE_MAINTAINER "KALMO developers <kalmo@example.org>"
    CACHE STRING "Maintainer field of the Debian package")
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kalmo)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "ISO 286 limits and fits calculator")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${KALMO_PACKAGE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What dpkg-shlibdeps cannot see: the window draws its SVG pictures through
# the image-format plugin of Qt SVG, which it loads at run time, not links.
if(TARGET kalmo)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6")
endif()
# The extended description; the summary above is its first line.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "KALMO Tolerances and fits computes, for a nominal size from 0.001 to 10000 mm
and a hole and a shaft tolerance class, the standard tolerances, limit
deviations and limit sizes of both parts and the kind, limit values and
tolerance of their fit, from the tables of ISO 286 and DIN 7172.
.
The window program kalmo adds a catalogue of standard fits, a fit design
search, ISO 3 preferred numbers, a millimetre/inch switch, clipboard export
and English, German and Bulgarian texts with help. kalmo-cli gives the same
calculations to scripts, as text or JSON, also in batches.")
include(CPack)
