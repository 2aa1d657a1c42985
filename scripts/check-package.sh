#!/usr/bin/env bash
# Builds the Debian package and checks it as a user's machine would see it:
# the dependencies it declares, the files it unpacks (menu entry, AppStream
# description, icons) validated with the desktop's own tools, and the unpacked
# executable starting on the offscreen platform and staying up until it is killed.
# `make install PREFIX=...` must lay out the same files.
set -euo pipefail
cd "$(dirname "$0")/.."

BUILD=${BUILD:-build}
APP_ID=org.labs.Labs
passes=0
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
pass() { echo "ok: $*"; passes=$((passes + 1)); }

bash scripts/install-ship-deps.sh

make --no-print-directory package BUILD="$BUILD"
deb=$(ls -t "$BUILD"/labs_*.deb | head -n 1)
echo "package: $deb"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
root=$scratch/root
dpkg -x "$deb" "$root"

# Dependencies: the Qt runtime, the platform plugins and the fonts.
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for package in libqt6widgets6 libqt6gui6 libqt6core6 qt6-qpa-plugins fonts-liberation; do
  if grep -Eq "(^|, )$package( |,|$)" <<<"$depends"; then pass "depends on $package"; else fail "no dependency on $package"; fi
done

# The files of the package.
expected=(usr/bin/Labs
          usr/share/applications/$APP_ID.desktop
          usr/share/metainfo/$APP_ID.metainfo.xml
          usr/share/icons/hicolor/scalable/apps/$APP_ID.svg)
sizes=(16 24 32 48 64 128 256)
for size in "${sizes[@]}"; do expected+=("usr/share/icons/hicolor/${size}x${size}/apps/$APP_ID.png"); done
for path in "${expected[@]}"; do
  if [ -f "$root/$path" ]; then pass "$path"; else fail "$path missing"; fi
done
for size in "${sizes[@]}"; do
  png=$root/usr/share/icons/hicolor/${size}x${size}/apps/$APP_ID.png
  [ -f "$png" ] || continue
  if file "$png" | grep -q "PNG image data, $size x $size,"; then pass "icon ${size}x${size} has its size"; else fail "icon ${size}x${size}: $(file -b "$png")"; fi
done

# Menu entry and AppStream description, as the desktop tools read them.
desktop=$root/usr/share/applications/$APP_ID.desktop
if desktop-file-validate "$desktop"; then pass "desktop-file-validate"; else fail "desktop-file-validate"; fi
grep -qx 'Name=Теория управления' "$desktop" && pass "menu name" || fail "menu name"
grep -qx 'Categories=Education;Science;' "$desktop" && pass "categories" || fail "categories"
# Cyrillic letters start with the UTF-8 lead byte 0xD0 or 0xD1; bytes need no locale.
LC_ALL=C grep -q $'^Comment=.*[\xd0\xd1]' "$desktop" && pass "Russian comment" || fail "no Russian comment"
icon=$(sed -n 's/^Icon=//p' "$desktop")
[ -f "$root/usr/share/icons/hicolor/scalable/apps/$icon.svg" ] && pass "menu icon $icon is installed" || fail "menu icon '$icon' not installed"
exec=$(sed -n 's/^Exec=//p' "$desktop")
[ -x "$root/usr/bin/$exec" ] && pass "menu command $exec is installed" || fail "menu command '$exec' not installed"
if appstreamcli validate --no-net "$root/usr/share/metainfo/$APP_ID.metainfo.xml"; then
  pass "appstreamcli validate"
else
  fail "appstreamcli validate"
fi

# The same layout from `make install`.
make --no-print-directory install BUILD="$BUILD" PREFIX="$scratch/prefix" >/dev/null
deb_files=$(cd "$root/usr" && find . -type f | sort)
install_files=$(cd "$scratch/prefix" && find . -type f | sort)
if [ "$deb_files" = "$install_files" ]; then pass "make install lays out the package's files"; else
  fail "make install and the package differ:"; diff <(echo "$deb_files") <(echo "$install_files") || true
fi

# Start-up: the unpacked program must come up and still be running when killed.
set +e
QT_QPA_PLATFORM=offscreen timeout 5 "$root/usr/bin/Labs" >"$scratch/stdout" 2>"$scratch/stderr"
status=$?
set -e
if [ $status -eq 124 ]; then pass "installed Labs starts and keeps running"; else
  fail "installed Labs ended with status $status before it was killed"; cat "$scratch/stderr"
fi

echo "package: $passes passed, $failures failed"
[ $failures -eq 0 ]
