#!/usr/bin/env bash
# Checks the Windows packages in the build folder $1 as a classroom gets them, in a
# fresh wine prefix on a private X server:
#   the setup, run silently (/S), installs the portable folder's files under Program
#   Files, a Start-menu entry and an uninstall entry with name, version, publisher and
#   icon; the installed program starts and is still running 5 seconds later with its
#   selector on the screen; the silent uninstall leaves no file, entry or key behind;
#   the zip unpacked into a folder with a Cyrillic name starts there too.
set -euo pipefail

here="$(cd "$(dirname "$0")" && pwd)"
build="$(cd "${1:?build folder}" && pwd)"
version="$(sed -n 's/^set(LABS_VERSION \(.*\))$/\1/p' "$here/../cmake/ProjectInfo.cmake")"
publisher="$(sed -n 's/^set(LABS_MAINTAINER_NAME "\(.*\)")$/\1/p' "$here/../cmake/ProjectInfo.cmake")"
name="Labs-$version-win64"
setup="$build/$name-setup.exe"
zip="$build/$name.zip"

if [ -z "${LABS_CHECK_INNER:-}" ]; then
  bash "$here/install-windows-deps.sh"
  export LABS_CHECK_INNER=1
  exec bash "$here/private-x-server.sh" 1280x1024 bash "$0" "$@"
fi

export WINEPREFIX="$build/check-wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
rm -rf "$WINEPREFIX" "$WINEPREFIX.lock"
bash "$here/wine-prefix.sh"
drive_c="$WINEPREFIX/drive_c"
installed="$drive_c/Program Files/Labs"
shortcut="$drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Теория управления.lnk"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Labs'

fail() {
  echo "check-package-windows: $*" >&2
  import -window root "$build/check-package-windows-failure.png" 2>/dev/null &&
    echo "check-package-windows: the screen is in $build/check-package-windows-failure.png" >&2
  wineserver -k 2>/dev/null || true
  exit 1
}

# The files of a folder, one relative path a line.
files_of() { (cd "$1" && find . -type f | sed 's|^\./||' | sort); }

# Starts a Windows program, and checks that it is still running after 5 seconds with
# the lab selector on the screen; then ends it.
runs_for_five_seconds() {
  local exe="$1" pid
  wine "$exe" &
  pid=$!
  # Ending it is the check's own doing: disowned, bash does not report it as "Killed".
  disown "$pid"
  sleep 5
  kill -0 "$pid" 2>/dev/null || fail "$exe ended within 5 seconds"
  xdotool search --name '^Теория управления$' >/dev/null ||
    fail "$exe shows no window «Теория управления»"
  wineserver -k 2>/dev/null || true
  for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
}

echo "Silent install of $(basename "$setup")"
wine "$setup" /S
wineserver -w
[ -d "$installed" ] || fail "nothing installed under Program Files\\Labs"
unzip -q -o "$zip" -d "$build/check-zip"
expected="$(files_of "$build/check-zip/$name"; echo Uninstall.exe)"
diff <(echo "$expected" | sort) <(files_of "$installed") ||
  fail "the installed files differ from the portable folder's (above)"
[ -f "$shortcut" ] || fail "no Start-menu entry «Теория управления»"
# The entry as regedit writes it (UTF-16; the console of `reg query` garbles Cyrillic).
entry_file="$build/check-uninstall-entry.reg"
wine reg export "$key" "$(winepath -w "$entry_file")" /y >/dev/null 2>&1 ||
  fail "no uninstall entry $key"
entry="$(iconv -f UTF-16 -t UTF-8 "$entry_file" | tr -d '\r')"
rm -f "$entry_file"
for value in '"DisplayName"="Теория управления"' "\"DisplayVersion\"=\"$version\"" \
  "\"Publisher\"=\"$publisher\"" '"DisplayIcon"="C:\\Program Files\\Labs\\Labs.exe,0"' \
  '"UninstallString"="\"C:\\Program Files\\Labs\\Uninstall.exe\""' \
  '"QuietUninstallString"="\"C:\\Program Files\\Labs\\Uninstall.exe\" /S"'; do
  grep -qxF -- "$value" <<< "$entry" || fail "the uninstall entry lacks $value: $entry"
done

echo "Starting the installed program"
runs_for_five_seconds "C:\\Program Files\\Labs\\Labs.exe"

echo "Silent uninstall"
wine "C:\\Program Files\\Labs\\Uninstall.exe" /S
wineserver -w
[ ! -e "$installed" ] || fail "left behind: $(files_of "$installed" | head)"
[ ! -e "$shortcut" ] || fail "the Start-menu entry is left behind"
if wine reg query "$key" >/dev/null 2>&1; then fail "the uninstall entry is left behind"; fi

echo "Starting the program from the zip in a folder with a Cyrillic name"
cyrillic="$drive_c/users/Студент/Лабораторные работы"
mkdir -p "$cyrillic"
unzip -q -o "$zip" -d "$cyrillic"
runs_for_five_seconds "C:\\users\\Студент\\Лабораторные работы\\$name\\Labs.exe"

wineserver -k 2>/dev/null || true
rm -rf "$build/check-zip"
echo "check-package-windows: all checks passed"
