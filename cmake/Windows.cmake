# The Windows program (cross-built with cmake/toolchain-mingw64.cmake): a windowed
# executable with no console, carrying the program's icon and version information in
# a resource made at build time from the committed icon images. The setup program
# and the portable folder are made by scripts/package-windows.sh.

include(${CMAKE_CURRENT_LIST_DIR}/ProjectInfo.cmake)
enable_language(RC)
set_target_properties(Labs PROPERTIES WIN32_EXECUTABLE ON)

# The icon: the committed renderings, the small sizes as bitmaps (every Windows
# draws those), 256 pixels as PNG, as Windows keeps its large icons.
find_program(LABS_ICOTOOL icotool REQUIRED)
set(LABS_WINDOWS_ICON ${CMAKE_CURRENT_BINARY_DIR}/Labs.ico)
set(labs_icon_bitmaps)
foreach(size 16 24 32 48 64 128)
  list(APPEND labs_icon_bitmaps ${LABS_PACKAGING_DIR}/icons/${size}x${size}/${LABS_APP_ID}.png)
endforeach()
set(labs_icon_large ${LABS_PACKAGING_DIR}/icons/256x256/${LABS_APP_ID}.png)
add_custom_command(
  OUTPUT ${LABS_WINDOWS_ICON}
  COMMAND ${LABS_ICOTOOL} --create --output=${LABS_WINDOWS_ICON} ${labs_icon_bitmaps}
          --raw=${labs_icon_large}
  DEPENDS ${labs_icon_bitmaps} ${labs_icon_large}
  VERBATIM)

string(REPLACE "." "," LABS_VERSION_COMMAS "${LABS_VERSION},0")
configure_file(${LABS_PACKAGING_DIR}/windows/Labs.rc.in ${CMAKE_CURRENT_BINARY_DIR}/Labs.rc @ONLY)
set_source_files_properties(${CMAKE_CURRENT_BINARY_DIR}/Labs.rc PROPERTIES OBJECT_DEPENDS
                                                                     ${LABS_WINDOWS_ICON})
# The icon is made in this folder, the program in app/: a target of its own orders the two.
add_custom_target(labs_windows_icon DEPENDS ${LABS_WINDOWS_ICON})
add_dependencies(Labs labs_windows_icon)
target_sources(Labs PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/Labs.rc)

# The Qt built for this target reads no zstd-compressed resources, which the host's
# rcc would write.
set(CMAKE_AUTORCC_OPTIONS --no-zstd)
