# Cross-building for Windows x86-64 on Debian with MinGW-w64 (scripts/install-windows-deps.sh
# installs it). The same file builds Qt for Windows (scripts/build-qt-windows.sh) and the
# program, through that Qt's qt-cmake:
#
#   <qt>/bin/qt-cmake -S . -B build-windows -DQT_CHAINLOAD_TOOLCHAIN_FILE=cmake/toolchain-mingw64.cmake
#
# The compilers are the posix thread model's: std::thread, std::mutex and the rest of the C++
# library's threads need it, and Debian's default alternative is the win32 one.

set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(LABS_TARGET_TRIPLET x86_64-w64-mingw32)

set(CMAKE_C_COMPILER ${LABS_TARGET_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${LABS_TARGET_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${LABS_TARGET_TRIPLET}-windres)
set(CMAKE_AR ${LABS_TARGET_TRIPLET}-gcc-ar-posix CACHE FILEPATH "Archiver")
set(CMAKE_RANLIB ${LABS_TARGET_TRIPLET}-gcc-ranlib-posix CACHE FILEPATH "Ranlib")

# Programs (compilers, moc, rcc, gzip) come from the host; libraries, headers and CMake
# packages only from the MinGW folders (and the Qt built for Windows, which qt-cmake adds).
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${LABS_TARGET_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Tests and every other target program that CMake runs go through wine
# (scripts/wine-run.sh gives each run the build folder's private prefix).
get_filename_component(LABS_TOOLCHAIN_SOURCE_DIR ${CMAKE_CURRENT_LIST_DIR} DIRECTORY)
if(EXISTS ${LABS_TOOLCHAIN_SOURCE_DIR}/scripts/wine-run.sh)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${LABS_TOOLCHAIN_SOURCE_DIR}/scripts/wine-run.sh)
endif()
