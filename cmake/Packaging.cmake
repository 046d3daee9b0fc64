# A Debian package from CPack: `cpack -G DEB` in the build folder. Its
# Depends come from the shared libraries the installed binaries link
# (dpkg-shlibdeps), plus the fonts the program draws with and the desktop
# opener its links use.
set(CPACK_PACKAGE_NAME karvuto)
set(CPACK_PACKAGE_VENDOR "The Karvuto developers")
set(CPACK_PACKAGE_CONTACT "The Karvuto developers <team@karvuto.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Four Pillars destiny reading for the desktop")
set(CPACK_PACKAGE_DESCRIPTION
    "Karvuto reads a Chinese Four Pillars (Bazi) chart: both calendar dates, the\nfour pillars, the bone weight and seven interpretation texts, previewable and\nprintable, with the full chart, the luck pillars and terminal tools.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-noto-cjk, xdg-utils")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${PROJECT_HOMEPAGE_URL})
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, qt6-translations-l10n")

# The licence as Debian wants it: a machine-readable copyright file in the
# package's doc folder, named after the package (GNUInstallDirs' DOCDIR would
# take the project's capitalised name).
configure_file(${PROJECT_SOURCE_DIR}/res/desktop/copyright.in ${CMAKE_BINARY_DIR}/copyright @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${CPACK_PACKAGE_NAME})
# Beside it the release history in Debian's changelog format, compressed as
# Debian ships it (gzip -9n: no name, no time stamp).
set(_changelog ${PROJECT_SOURCE_DIR}/res/desktop/changelog)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${_changelog})
execute_process(COMMAND gzip -9n -c ${_changelog} OUTPUT_FILE ${CMAKE_BINARY_DIR}/changelog.gz
                COMMAND_ERROR_IS_FATAL ANY)
install(FILES ${CMAKE_BINARY_DIR}/changelog.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${CPACK_PACKAGE_NAME})

# The compiler's identification strings (.comment, .note) are of no use in an
# installed program; Debian's own packaging strips them, and so does ours, after
# every other install rule has put the programs in place.
find_program(KARVUTO_STRIP NAMES strip REQUIRED)
string(CONFIGURE [[
  file(GLOB _programs "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/bin/*")
  foreach(_program IN LISTS _programs)
    execute_process(COMMAND "@KARVUTO_STRIP@" --remove-section=.comment --remove-section=.note "${_program}"
                    COMMAND_ERROR_IS_FATAL ANY)
  endforeach()
]] _strip_programs @ONLY)
install(CODE "${_strip_programs}")

include(CPack)
