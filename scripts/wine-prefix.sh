#!/usr/bin/env bash
# Makes the wine prefix $WINEPREFIX once, as a student's Windows has it for this
# program: Windows 10, ClearType text as Windows 10 draws it by default (wine's
# grey-scale smoothing loses glyphs a pixel wide, such as the caption "I"), and the
# faces the windows ask for ("Arial", "MS Sans Serif", "Times New Roman") given by the
# fonts the Linux build draws with (Liberation, metric-compatible). Parallel callers
# wait for the one that makes it; a prefix whose making was interrupted, or that was
# made with other settings, is made again.
set -euo pipefail

: "${WINEPREFIX:?}"
export WINEPREFIX WINEARCH=win64 WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
ready="$WINEPREFIX/.labs-ready"
# Raised whenever the settings below change.
settings=2
[ "$(cat "$ready" 2>/dev/null)" = "$settings" ] && exit 0

mkdir -p "$(dirname "$WINEPREFIX")"
exec 9>"$WINEPREFIX.lock"
flock 9
[ "$(cat "$ready" 2>/dev/null)" = "$settings" ] && exit 0

rm -rf "$WINEPREFIX"
wineboot --init >/dev/null 2>&1
wineserver -w

fonts="$WINEPREFIX/drive_c/windows/Fonts"
mkdir -p "$fonts"
cp /usr/share/fonts/truetype/liberation/Liberation*.ttf "$fonts/"
reg="$(mktemp --suffix=.reg)"
cat > "$reg" <<'REG'
Windows Registry Editor Version 5.00

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"Arial"="Liberation Sans"
"MS Sans Serif"="Liberation Sans"
"Microsoft Sans Serif"="Liberation Sans"
"Times New Roman"="Liberation Serif"
"Courier New"="Liberation Mono"

[HKEY_CURRENT_USER\Software\Wine]
"Version"="win10"

[HKEY_CURRENT_USER\Control Panel\Desktop]
"FontSmoothing"="2"
"FontSmoothingType"=dword:00000002
"FontSmoothingOrientation"=dword:00000001
REG
wine regedit /S "$(winepath -w "$reg")" >/dev/null 2>&1
wineserver -w
rm -f "$reg"
echo "$settings" > "$ready"
