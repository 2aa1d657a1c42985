#!/usr/bin/env bash
# Runs a command on a private X server: Xvfb on a free display, WIDTHxHEIGHT at 24 bits
# per pixel, reached only through its local socket and with a cookie of its own, and
# with the small window manager (openbox) on it when --window-manager is given. The
# command gets DISPLAY and XAUTHORITY; the window manager and the server end when it
# ends, and its exit status is this script's.
#
#   bash scripts/private-x-server.sh [--window-manager] WIDTHxHEIGHT COMMAND [ARG...]
#
# Xvfb, xauth, xdpyinfo and openbox come from Debian's xvfb, xauth, x11-utils and
# openbox, which the scripts that call this one install.
set -euo pipefail

usage="usage: private-x-server.sh [--window-manager] WIDTHxHEIGHT COMMAND [ARG...]"
window_manager=0
if [ "${1:-}" = --window-manager ]; then
  window_manager=1
  shift
fi
size=${1:?$usage}
shift
[ $# -gt 0 ] || { echo "$usage" >&2; exit 2; }

fail() {
  echo "private-x-server: $*" >&2
  exit 1
}

state=$(mktemp -d)
server_pid=""
wm_pid=""
# shellcheck disable=SC2317 # run by the EXIT trap below, which shellcheck does not follow
stop() {
  if [ -n "$wm_pid" ]; then
    kill "$wm_pid" 2>/dev/null || true
    wait "$wm_pid" 2>/dev/null || true
  fi
  if [ -n "$server_pid" ]; then
    kill "$server_pid" 2>/dev/null || true
    wait "$server_pid" 2>/dev/null || true
  fi
  rm -rf "$state"
}
trap stop EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

# Waits up to 30 s for a command to succeed (its output is dropped); gives up early once
# the process $1 has ended.
wait_for() {
  local pid=$1
  shift
  for _ in $(seq 1 300); do
    "$@" >/dev/null 2>&1 && return 0
    kill -0 "$pid" 2>/dev/null || return 1
    sleep 0.1
  done
  return 1
}

# The server reads every cookie of its authority file, whatever display the entry
# names; the entry for the display clients look up is added once the number is known.
export XAUTHORITY="$state/authority"
cookie=$(mcookie)
: >"$XAUTHORITY"
xauth -q add :0 . "$cookie"

# -displayfd: the server takes the first free display itself and writes its number
# once it accepts connections, so two private servers never race for one number.
# -noreset: the check below connects and leaves at once; a server that resets when
# its last client leaves turns away whoever connects during the reset (openbox, once
# in a dozen starts).
Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp -noreset -auth "$XAUTHORITY" \
  3>"$state/display" >"$state/server.log" 2>&1 &
server_pid=$!
wait_for "$server_pid" grep -q . "$state/display" ||
  fail "Xvfb did not start: $(cat "$state/server.log")"
DISPLAY=":$(head -n 1 "$state/display")"
export DISPLAY
xauth -q add "$DISPLAY" . "$cookie"
wait_for "$server_pid" xdpyinfo || fail "Xvfb on $DISPLAY does not answer"

if [ "$window_manager" = 1 ]; then
  openbox >"$state/window-manager.log" 2>&1 &
  wm_pid=$!
  # A window manager announces itself on the root window once it has taken the
  # screen over (a property naming its own window); windows mapped from then on are
  # framed by it. xprop succeeds whether the property is there or not.
  # shellcheck disable=SC2317 # called by wait_for, which shellcheck does not follow
  managing() { xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'; }
  wait_for "$wm_pid" managing ||
    fail "openbox did not take over the screen: $(cat "$state/window-manager.log")"
fi

status=0
"$@" || status=$?
exit "$status"
