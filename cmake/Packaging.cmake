# Desktop integration and the Debian package.
#
# `cmake --install` puts the program where desktops look for it: the executable,
# its menu entry, its AppStream description and its icon in the hicolor theme.
# CPack turns the same install tree into a .deb (`make package`).

include(GNUInstallDirs)

set(LABS_VERSION 1.0.0)
# The date of the release named above, not of the build, so that the installed
# files are the same whenever they are built.
set(LABS_RELEASE_DATE 2026-12-08)
set(LABS_APP_ID org.labs.Labs)
set(LABS_PACKAGING_DIR ${CMAKE_CURRENT_SOURCE_DIR}/packaging)
set(LABS_ICON_SIZES 16 24 32 48 64 128 256)

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

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME labs)
set(CPACK_PACKAGE_VERSION ${LABS_VERSION})
set(CPACK_PACKAGE_VENDOR "Labs developers")
set(CPACK_PACKAGE_CONTACT "Labs developers <labs@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "teaching program for a control-theory course")
set(CPACK_PACKAGE_DESCRIPTION
    "A student picks one of four lab exercises, types real coefficients and sees the\n"
    "result at once: the roots of a cubic, the Mikhailov hodograph with its stability\n"
    "test, the Nyquist diagram of an open loop and the D-partition boundary.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# dpkg-shlibdeps derives the libraries the executable links: the C and C++
# runtimes and the Qt 6 core, gui, widgets and svg libraries. What it cannot see is
# named here: the platform plugins without which Qt opens no window, and the
# fonts that keep the fixed layouts and the chart labels at their designed widths.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins (>= 6.4), fonts-liberation")

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
