#!/usr/bin/env bash
# Runs every test of the Windows build (folder $1) under wine: each test goes through
# scripts/wine-run.sh, CTest's emulator for this build, in the folder's private wine
# prefix. The windows are real Windows windows, on a private X server. CTEST_ARGS
# passes further arguments to CTest (a selection of tests, say).
set -euo pipefail

build="$(cd "${1:?build folder}" && pwd)"
export WINEPREFIX="$build/wine"
jobs="${JOBS:-$(nproc)}"

# Inside a private X server with a window manager, as every desktop has (without one
# wine activates no window), unless this already is the inner run.
if [ -z "${LABS_WINDOWS_TEST_INNER:-}" ]; then
  export LABS_WINDOWS_TEST_INNER=1
  exec bash "$(dirname "$0")/private-x-server.sh" --window-manager 1920x1200 bash "$0" "$@"
fi

bash "$(dirname "$0")/wine-prefix.sh"
# The prefix's server and its services (the desktop window, devices, RPC) are started
# here, away from CTest's pipes, and kept for the whole run: started by the first test,
# they would hold that test's output open to the end, and CTest would count it running
# and give its slot to nothing else.
wineserver -p >/dev/null 2>&1 </dev/null
wine cmd /c exit >/dev/null 2>&1 </dev/null
# CTEST_ARGS is a list of words ("-E _tst_").
read -r -a ctest_args <<<"${CTEST_ARGS:-}"
status=0
(cd "$build" && ctest --output-on-failure -j "$jobs" "${ctest_args[@]}") || status=$?
# The prefix's server would otherwise outlive the X server it draws on.
wineserver -k 2>/dev/null || true
exit $status
