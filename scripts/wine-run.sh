#!/usr/bin/env bash
# Runs a Windows program of the cross build under wine: the emulator CMake and CTest
# put before every test of build-windows (cmake/toolchain-mingw64.cmake).
#
# The wine prefix is private ($WINEPREFIX, by default the build folder's wine/), made
# on first use by one process while parallel tests wait for it, with the Linux build's
# fonts given for the faces the windows ask for. The DLLs come from the Qt built for
# Windows ($LABS_QT_WINDOWS) and the MinGW runtime, found through WINEPATH.
set -euo pipefail

here="$(cd "$(dirname "$0")" && pwd)"
: "${LABS_QT_WINDOWS:=/opt/labs-qt-6.4.2-mingw64}"
: "${WINEPREFIX:?"WINEPREFIX names the private wine prefix (make test-windows sets it)"}"
export WINEPREFIX WINEARCH=win64 WINEDEBUG="${WINEDEBUG:--all}"
# No Mono or Gecko installer prompts when the prefix is made.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"

bash "$here/wine-prefix.sh"

# Windows paths: wine maps the Unix root to Z:.
win_path() { printf 'Z:%s' "${1//\//\\}"; }
WINEPATH="$(win_path "$LABS_QT_WINDOWS/bin");$(win_path /usr/lib/gcc/x86_64-w64-mingw32/12-posix)"
WINEPATH+=";$(win_path /usr/x86_64-w64-mingw32/lib)"
export WINEPATH
# A Qt Test program under wine writes its log only to a console, and CTest's stdout is a
# pipe: the log goes to a file, printed once the test has ended.
if [[ "$(basename "$1")" == tst_*.exe ]]; then
  log="$(mktemp --suffix=.txt)"
  status=0
  wine "$@" -o "$(winepath -w "$log" 2>/dev/null),txt" || status=$?
  cat "$log"
  rm -f "$log"
  exit $status
fi
exec wine "$@"
