# Cross-building for arm64 on an amd64 Debian (scripts/install-arm64-deps.sh
# installs what this needs):
#
#   cmake -S . -B build-arm64 --toolchain cmake/toolchain-aarch64.cmake
#
# The compilers are Debian's cross GCC; Qt, GoogleTest and the rest of the target
# libraries are Debian's arm64 packages installed side by side with the host's
# (multiarch, under /usr/lib/aarch64-linux-gnu); moc and rcc are the host's.
# Every test and every other target program that CMake runs goes through qemu's
# user-mode emulator, named here rather than left to a binfmt handler that a
# machine may not have.

set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(LABS_TARGET_TRIPLET aarch64-linux-gnu)

set(CMAKE_C_COMPILER ${LABS_TARGET_TRIPLET}-gcc)
set(CMAKE_CXX_COMPILER ${LABS_TARGET_TRIPLET}-g++)

# The cross toolchain's own C library, and the multiarch folders of the arm64
# packages. Programs (compilers, moc, gzip) come from the host; libraries, headers
# and CMake packages only from the target's folders, never the host's amd64 ones.
set(CMAKE_FIND_ROOT_PATH /usr/${LABS_TARGET_TRIPLET})
set(CMAKE_LIBRARY_ARCHITECTURE ${LABS_TARGET_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY BOTH)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE BOTH)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE BOTH)
set(CMAKE_PREFIX_PATH /usr/lib/${LABS_TARGET_TRIPLET}/cmake)

# Qt's CMake packages take moc, rcc and the other build tools from the host's Qt.
set(QT_HOST_PATH /usr CACHE PATH "Host Qt installation (moc, rcc)")
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake CACHE PATH "Host Qt's CMake packages")

# qemu's -L names the root under which the arm64 program finds its dynamic loader.
# That must be the root itself, where multiarch put the loader of the same C
# library as libc.so.6 in /lib/aarch64-linux-gnu. The cross toolchain's folder
# /usr/aarch64-linux-gnu has a loader of an older build of the C library, and that
# pair hangs at the first thread started (their private structures differ).
set(CMAKE_CROSSCOMPILING_EMULATOR qemu-aarch64;-L;/)
