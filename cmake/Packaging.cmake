# Desktop integration and the Debian package.
#
# `cmake --install` puts the program where desktops look for it: the executable,
# its menu entry, its AppStream description, its icon in the hicolor theme and
# its manual page, with the copyright and changelog a Debian package carries.
# CPack turns the same install tree into a .deb (`make package`).

include(GNUInstallDirs)

include(${CMAKE_CURRENT_LIST_DIR}/ProjectInfo.cmake)

configure_file(${LABS_PACKAGING_DIR}/${LABS_APP_ID}.metainfo.xml.in
               ${CMAKE_CURRENT_BINARY_DIR}/${LABS_APP_ID}.metainfo.xml @ONLY)

install(FILES ${LABS_PACKAGING_DIR}/${LABS_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${LABS_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${LABS_PACKAGING_DIR}/icons/${LABS_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
# The PNGs are rendered from the SVG by scripts/render-icons.sh and committed, so
# building needs no SVG renderer.
foreach(size IN LISTS LABS_ICON_SIZES)
  install(FILES ${LABS_PACKAGING_DIR}/icons/${size}x${size}/${LABS_APP_ID}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()

# The changelog is the package's record of releases, so its top entry must be the
# version built here.
file(STRINGS ${LABS_PACKAGING_DIR}/changelog LABS_CHANGELOG_HEAD LIMIT_COUNT 1)
string(FIND "${LABS_CHANGELOG_HEAD}" "labs (${LABS_VERSION}) " LABS_CHANGELOG_AT)
if(NOT LABS_CHANGELOG_AT EQUAL 0)
  message(FATAL_ERROR "packaging/changelog does not start with an entry for ${LABS_VERSION}")
endif()

# Debian's copyright file quotes the licence from LICENSE: one space before each
# line, a lone "." for each empty line.
file(READ ${CMAKE_CURRENT_SOURCE_DIR}/LICENSE LABS_LICENSE_TEXT)
string(REGEX REPLACE "^.*Copyright[^\n]*\n\n" "" LABS_LICENSE_TEXT "${LABS_LICENSE_TEXT}")
string(STRIP "${LABS_LICENSE_TEXT}" LABS_LICENSE_TEXT)
string(REPLACE "\n\n" "\n.\n" LABS_LICENSE_TEXT "${LABS_LICENSE_TEXT}")
string(REPLACE "\n" "\n " LABS_LICENSE_TEXT " ${LABS_LICENSE_TEXT}")
configure_file(${LABS_PACKAGING_DIR}/copyright.in ${CMAKE_CURRENT_BINARY_DIR}/copyright @ONLY)
configure_file(${LABS_PACKAGING_DIR}/Labs.1.in ${CMAKE_CURRENT_BINARY_DIR}/Labs.1 @ONLY)
configure_file(${LABS_PACKAGING_DIR}/changelog ${CMAKE_CURRENT_BINARY_DIR}/changelog COPYONLY)

# Debian wants manual pages and changelogs compressed at the highest level, and
# without the file name and time stamp that would make two builds differ.
find_program(LABS_GZIP gzip REQUIRED)
set(LABS_COMPRESSED ${CMAKE_CURRENT_BINARY_DIR}/Labs.1.gz ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz)
foreach(compressed IN LISTS LABS_COMPRESSED)
  string(REGEX REPLACE "\\.gz$" "" plain ${compressed})
  add_custom_command(OUTPUT ${compressed} COMMAND ${LABS_GZIP} -9nkf ${plain} DEPENDS ${plain} VERBATIM)
endforeach()
add_custom_target(labs_compressed_docs ALL DEPENDS ${LABS_COMPRESSED})

install(FILES ${CMAKE_CURRENT_BINARY_DIR}/Labs.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
# Debian keeps a package's documents under the package's name, not the project's.
set(LABS_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/labs)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/copyright ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz
        DESTINATION ${LABS_DOC_DIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME labs)
set(CPACK_PACKAGE_VERSION ${LABS_VERSION})
set(CPACK_PACKAGE_VENDOR "${LABS_MAINTAINER_NAME}")
set(CPACK_PACKAGE_CONTACT "${LABS_MAINTAINER}")
# Debian's limits: a one-line summary under 80 characters, description lines of at
# most 80 (kept under 80 here).
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "teaching program for a control-theory course")
set(CPACK_PACKAGE_DESCRIPTION
    "A student picks one of four lab exercises, types real coefficients and sees\n"
    "the result at once: the roots of a cubic, the Mikhailov hodograph with its\n"
    "stability test, the Nyquist diagram of an open loop and the D-partition\n"
    "boundary.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# Folders as Debian wants them (0755) whatever the umask of the one who packages.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ
    GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_STRIP_FILES ON)
# An installing strip (CPack's, or `cmake --install --strip`) leaves the compilers'
# .comment notes in the executable; Debian's own strip removes them, and so do we.
install(CODE "
  if(CMAKE_INSTALL_DO_STRIP)
    execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment --remove-section=.note
                            \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/bin/$<TARGET_FILE_NAME:Labs>\"
                    COMMAND_ERROR_IS_FATAL ANY)
  endif()")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# CPack names the build machine's architecture; a cross build's package is for the
# processor it was compiled for (arm64 from aarch64-linux-gnu). dpkg-shlibdeps needs
# no such help: it reads the executable's machine and looks in that multiarch folder.
if(CMAKE_CROSSCOMPILING)
  find_program(LABS_DPKG_ARCHITECTURE dpkg-architecture REQUIRED)
  execute_process(COMMAND ${LABS_DPKG_ARCHITECTURE} -t ${CMAKE_LIBRARY_ARCHITECTURE} -qDEB_HOST_ARCH
                  OUTPUT_VARIABLE CPACK_DEBIAN_PACKAGE_ARCHITECTURE OUTPUT_STRIP_TRAILING_WHITESPACE
                  ERROR_QUIET COMMAND_ERROR_IS_FATAL ANY)
endif()
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# dpkg-shlibdeps derives the libraries the executable links: the C and C++
# runtimes and the Qt 6 core, gui, widgets and svg libraries. What it cannot see is
# named here: the platform plugins without which Qt opens no window, the fonts
# that keep the fixed layouts and the chart labels at their designed widths, and
# Qt's translations, so that its dialogs and menus speak the user's language.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins (>= 6.4), fonts-liberation, qt6-translations-l10n")

include(CPack)

# The install rules are tested with the rest: install into a folder of the build
# tree and check what lands there (skipped where the validators are missing).
if(BUILD_TESTING)
  add_test(NAME packaging_install_tree
           COMMAND bash -c "rm -rf \"$1\" && \"$2\" --install \"$3\" --prefix \"$1\" >/dev/null && bash \"$4\" \"$1\""
                   check ${CMAKE_CURRENT_BINARY_DIR}/install-tree-test ${CMAKE_COMMAND}
                   ${CMAKE_CURRENT_BINARY_DIR} ${CMAKE_CURRENT_SOURCE_DIR}/scripts/check-install-tree.sh)
  set_tests_properties(packaging_install_tree PROPERTIES SKIP_RETURN_CODE 77)
endif()
