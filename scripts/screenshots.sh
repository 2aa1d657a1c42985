#!/usr/bin/env bash
# Takes a screenshot of each of the five windows from the running program under
# Xvfb: the lab selector, then every lab with its worked example typed in and run
# the way a student would (keyboard only, driven by xdotool), one of the readout
# under the pointer on the Nyquist diagram and one of the save dialog there, and one
# of the D-partition's analysis beside its lab with the marks on.
#
#   BUILD=build      build directory whose Labs is used (built if missing)
#   LABS=path        the executable to run instead (e.g. an installed one, or the
#                    Windows build's Labs.exe, run under wine)
#   OUT=dir          where the PNGs go (default docs/screenshots)
#   SCALE=1          Qt's scale factor (device pixel ratio), e.g. 1.5 or 2
#   SHOT_LOCALE=...  the locale the program runs in (default ru_RU.UTF-8)
#   WINDOW_MANAGER=1 run a small window manager (openbox) so that the pictures show
#                    each window's frame and caption; 0 photographs the client
#                    area alone, with no other program on the screen
set -euo pipefail
cd "$(dirname "$0")/.."

# Re-run inside a private X server unless this already is the inner run.
if [ -z "${LABS_SHOTS_INNER:-}" ]; then
  extra=()
  window_manager=()
  if [ "${WINDOW_MANAGER:-1}" = 1 ]; then
    extra+=(openbox)
    window_manager=(--window-manager)
  fi
  bash scripts/install-ship-deps.sh xvfb xauth xdotool imagemagick x11-utils "${extra[@]}"
  BUILD=${BUILD:-build}
  if [ -z "${LABS:-}" ] && [ ! -x "$BUILD/Labs" ]; then
    cmake -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo
    cmake --build "$BUILD" -j "$(nproc)" --target Labs
  fi
  export LABS=${LABS:-$BUILD/Labs} LABS_SHOTS_INNER=1
  exec bash scripts/private-x-server.sh "${window_manager[@]}" 1920x1200 bash "$0" "$@"
fi

OUT=${OUT:-docs/screenshots}
SCALE=${SCALE:-1}
SHOT_LOCALE=${SHOT_LOCALE:-ru_RU.UTF-8}
mkdir -p "$OUT"

labs_pid=""
cleanup() {
  if [ -n "$labs_pid" ]; then kill "$labs_pid" 2>/dev/null || true; fi
}
trap cleanup EXIT

die() {
  echo "screenshots: $*" >&2
  local picture=${TMPDIR:-/tmp}/labs-screenshots-failure.png
  import -window root "$picture" 2>/dev/null && echo "screenshots: the whole screen is in $picture" >&2
  exit 1
}

# The caption of a window as the program set it. _NET_WM_NAME is read rather
# than WM_NAME: the latter is converted through the C library's locale, which
# garbles Cyrillic when the program's locale is not installed on this machine.
window_caption() {
  xprop -id "$1" -notype _NET_WM_NAME 2>/dev/null | sed -n 's/^_NET_WM_NAME = "\(.*\)"$/\1/p'
}

# The program's visible top-level windows.
program_windows() {
  xdotool search --onlyvisible --pid "$labs_pid" 2>/dev/null || true
}

# Waits (up to 20 s) until a visible window of the program has exactly this
# caption; prints its id.
wait_window() {
  local caption=$1 id
  for _ in $(seq 1 100); do
    kill -0 "$labs_pid" 2>/dev/null || die "the program ended while waiting for \"$caption\""
    for id in $(program_windows); do
      [ "$(window_caption "$id")" = "$caption" ] && { echo "$id"; return 0; }
    done
    sleep 0.2
  done
  die "no window \"$caption\" appeared"
}

# Waits (up to 10 s) until the window is gone from the screen.
wait_closed() {
  local id=$1
  for _ in $(seq 1 50); do
    xwininfo -id "$id" 2>/dev/null | grep -q 'Map State: IsViewable' || return 0
    sleep 0.2
  done
  die "window $id did not close"
}

# Captions of the program's visible windows other than the given ones: a
# message box that a run raised shows up here.
other_windows() {
  local id
  for id in $(program_windows); do
    case " $* " in *" $id "*) continue ;; esac
    window_caption "$id"
  done
}

# Types the coefficients into the fields in tab order; Enter in the last one runs the lab.
type_coefficients() {
  local first=1 value
  for value in "$@"; do
    [ $first -eq 1 ] || xdotool key --clearmodifiers Tab
    first=0
    xdotool type --clearmodifiers --delay 40 -- "$value"
  done
  xdotool key --clearmodifiers Return
}

# Lets the program paint what the last input changed, then captures the window.
shoot() {
  local id=$1 name=$2
  sleep 1.5
  import "${frame[@]}" -window "$id" "$OUT/$name.png"
  echo "$OUT/$name.png"
}

# With a window manager the picture takes in the frame it drew around the window.
frame=()
[ "${WINDOW_MANAGER:-1}" = 1 ] && frame=(-frame)

# A Windows build's program (LABS=build-windows/Labs.exe) runs under wine, in that
# build's wine prefix; wine-run.sh hands the process over, so its pid is the program's.
launcher=("$LABS")
if [[ "$LABS" == *.exe ]]; then
  export WINEPREFIX=${WINEPREFIX:-$(cd "$(dirname "$LABS")" && pwd)/wine}
  launcher=(bash scripts/wine-run.sh "$LABS")
fi
LC_ALL=$SHOT_LOCALE QT_SCALE_FACTOR=$SCALE "${launcher[@]}" &
labs_pid=$!

# Gives a window the keyboard; wine takes keys only into the window the window
# manager has activated.
activate() {
  xdotool windowfocus --sync "$1" 2>/dev/null || true
  [[ "$LABS" == *.exe ]] && { xdotool windowactivate --sync "$1" 2>/dev/null || true; }
  return 0
}

selector=$(wait_window "Теория управления")
activate "$selector"
shoot "$selector" selector

# The top-level window that holds a window: the window manager's frame around it,
# or the window itself when there is no window manager.
outermost() {
  local id=$1 parent root
  root=$(xwininfo -root | awk '/Window id:/ { print $4 }')
  while parent=$(xwininfo -children -id "$id" | awk '/Parent window id:/ { print $4 }') &&
    [ -n "$parent" ] && [ "$((parent))" != "$((root))" ]; do
    id=$parent
  done
  echo "$id"
}

# The readout under the pointer on the Nyquist worked example: the pointer is put
# beside the point where W(j1) = -0,25 - j0,25 is drawn (chart pixel 205, 209 at
# scale 1; the chart fills the window's top-left corner) and moved by a pixel, so
# that the program sees a motion. The tooltip is a window of its own above the
# lab's, so the picture is cut from the screen rather than read from the window.
# The pointer is then parked in a corner; run_lab brings it back once the lab is
# closed, to where the later windows open under it without seeing it move.
pointer_home=()
shoot_readout() {
  local id=$1 left top x y outer geometry
  read -r -a pointer_home < <(xdotool getmouselocation | sed -E 's/^x:([0-9]+) y:([0-9]+).*/\1 \2/')
  left=$(xwininfo -id "$id" | awk '/Absolute upper-left X:/ { print $4 }')
  top=$(xwininfo -id "$id" | awk '/Absolute upper-left Y:/ { print $4 }')
  x=$(awk -v s="$SCALE" -v o="$left" 'BEGIN { printf "%d", o + 205 * s + 0.5 }')
  y=$(awk -v s="$SCALE" -v o="$top" 'BEGIN { printf "%d", o + 209 * s + 0.5 }')
  xdotool mousemove "$((x + 3))" "$y"
  sleep 0.3
  xdotool mousemove "$((x + 1))" "$y"
  sleep 1.5
  outer=$(outermost "$id")
  geometry=$(xwininfo -id "$outer" | awk '
    /Absolute upper-left X:/ { x = $4 } /Absolute upper-left Y:/ { y = $4 }
    /Width:/ { w = $2 } /Height:/ { h = $2 } /Border width:/ { b = $3 }
    END { printf "%dx%d+%d+%d", w + 2 * b, h + 2 * b, x - b, y - b }')
  import -window root -crop "$geometry" +repage "$OUT/readout.png"
  echo "$OUT/readout.png"
  # Out of the lab window: the readout goes, and its tooltip with it.
  xdotool mousemove 0 0
  sleep 0.5
}

# The save dialog as Ctrl+S opens it over the Nyquist diagram (the picture's name and
# type already filled in); Esc closes it, saving nothing.
shoot_save_dialog() {
  local lab=$1 dialog
  activate "$lab"
  xdotool key --clearmodifiers ctrl+s
  dialog=$(wait_window "Сохранить изображение")
  activate "$dialog"
  shoot "$dialog" save-dialog
  xdotool key --clearmodifiers Escape
  wait_closed "$dialog"
}

# The analysis of the D-partition's worked example as Ctrl+Shift+A opens it beside the lab,
# with its marks switched on (four Tabs from the range field reach the switch): both
# windows in one picture, cut from the screen. Esc closes the analysis again.
shoot_analysis() {
  local lab=$1 analysis geometry
  activate "$lab"
  xdotool key --clearmodifiers ctrl+shift+a
  analysis=$(wait_window "Анализ — Д-разбиение")
  activate "$analysis"
  for _ in 1 2 3 4; do xdotool key --clearmodifiers Tab; done
  xdotool key --clearmodifiers space
  sleep 1.5
  geometry=$( (xwininfo -id "$(outermost "$lab")"; xwininfo -id "$(outermost "$analysis")") | awk '
    /Absolute upper-left X:/ { x = $4 } /Absolute upper-left Y:/ { y = $4 }
    /Width:/ { w = $2 }
    /Height:/ { h = $2; if (n++ == 0 || x < x0) x0 = x; if (n == 1 || y < y0) y0 = y
                if (x + w > x1) x1 = x + w; if (y + h > y1) y1 = y + h }
    END { printf "%dx%d+%d+%d", x1 - x0, y1 - y0, x0, y0 }')
  import -window root -crop "$geometry" +repage "$OUT/analysis.png"
  echo "$OUT/analysis.png"
  xdotool key --clearmodifiers Escape
  wait_closed "$analysis"
}

# One lab at a time: the radio button that opens it is one arrow press further
# down than the previous one (the selector keeps its choice between labs).
run_lab() {
  local caption=$1 name=$2 downs=$3
  shift 3
  local i lab extra
  for ((i = 0; i < downs; i++)); do xdotool key --clearmodifiers Down; done
  xdotool key --clearmodifiers Return
  lab=$(wait_window "$caption")
  activate "$lab"
  sleep 0.5
  type_coefficients "$@"
  shoot "$lab" "$name"
  [ "$name" = nyquist ] && shoot_readout "$lab" && shoot_save_dialog "$lab"
  [ "$name" = dpartition ] && shoot_analysis "$lab"
  extra=$(other_windows "$selector" "$lab")
  if [ -n "$extra" ]; then
    echo "screenshots: \"$caption\" opened another window: $extra" >&2
    xdotool key --clearmodifiers Return
    sleep 0.5
  fi
  activate "$lab"
  xdotool key --clearmodifiers Escape
  wait_closed "$lab"
  if [ ${#pointer_home[@]} -gt 0 ]; then
    xdotool mousemove "${pointer_home[@]}"
    pointer_home=()
  fi
  activate "$selector"
  sleep 0.3
}

run_lab "Определение корней" roots 0 -6 11 -6 1
run_lab "Годограф Михайлова" hodograph 1 1 3 3 1
run_lab "АФЧХ" nyquist 1 1 3 3 1 0 0 1
run_lab "Д-разбиение" dpartition 1 1 3 3 0

# Esc in the selector ends the program.
xdotool key --clearmodifiers Escape
for _ in $(seq 1 25); do
  kill -0 "$labs_pid" 2>/dev/null || break
  sleep 0.2
done
if kill -0 "$labs_pid" 2>/dev/null; then
  die "the program did not end on Esc"
fi
wait "$labs_pid" || die "the program ended with status $?"
labs_pid=""
echo "screenshots: five windows, a readout, the save dialog and an analysis in $OUT"
