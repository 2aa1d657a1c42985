#!/usr/bin/env bash
# Checks an installed tree of the program (a prefix such as /usr, or the usr/ of an
# unpacked package): the executable, the menu entry, the AppStream description,
# the icons, the manual page, the copyright file and the changelog are where
# desktops and Debian look for them, and the validators accept them. Prints one line per check; exits non-zero if any failed, and with 77
# (a skipped test for CTest) when the validators are not installed.
set -euo pipefail

prefix=${1:?usage: check-install-tree.sh PREFIX}
APP_ID=org.labs.Labs

for tool in desktop-file-validate appstreamcli file groff man; do
  if ! command -v "$tool" >/dev/null; then
    echo "skipped: $tool is not installed (scripts/install-ship-deps.sh installs it)"
    exit 77
  fi
done

passes=0
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
pass() { echo "ok: $*"; passes=$((passes + 1)); }

sizes=(16 24 32 48 64 128 256)
expected=(bin/Labs
          "share/applications/$APP_ID.desktop"
          "share/metainfo/$APP_ID.metainfo.xml"
          "share/icons/hicolor/scalable/apps/$APP_ID.svg"
          share/man/man1/Labs.1.gz
          share/doc/labs/copyright
          share/doc/labs/changelog.gz)
for size in "${sizes[@]}"; do expected+=("share/icons/hicolor/${size}x${size}/apps/$APP_ID.png"); done
for path in "${expected[@]}"; do
  if [ -f "$prefix/$path" ]; then pass "$path"; else fail "$path missing"; fi
done
for size in "${sizes[@]}"; do
  png=$prefix/share/icons/hicolor/${size}x${size}/apps/$APP_ID.png
  [ -f "$png" ] || continue
  if file "$png" | grep -q "PNG image data, $size x $size,"; then pass "icon ${size}x${size} has its size"; else
    fail "icon ${size}x${size}: $(file -b "$png")"
  fi
done

desktop=$prefix/share/applications/$APP_ID.desktop
if [ -f "$desktop" ]; then
  if desktop-file-validate "$desktop"; then pass "desktop-file-validate"; else fail "desktop-file-validate"; fi
  if grep -qx 'Name=Теория управления' "$desktop"; then pass "menu name"; else fail "menu name"; fi
  if grep -qx 'Categories=Education;Science;' "$desktop"; then pass "menu categories"; else
    fail "menu categories"
  fi
  # Cyrillic letters start with the UTF-8 lead byte 0xD0 or 0xD1; bytes need no locale.
  if LC_ALL=C grep -q $'^Comment=.*[\xd0\xd1]' "$desktop"; then pass "Russian comment"; else
    fail "no Russian comment"
  fi
  icon=$(sed -n 's/^Icon=//p' "$desktop")
  if [ -f "$prefix/share/icons/hicolor/scalable/apps/$icon.svg" ]; then pass "menu icon $icon is installed"; else
    fail "menu icon '$icon' is not installed"
  fi
  exec=$(sed -n 's/^Exec=//p' "$desktop")
  if [ -x "$prefix/bin/$exec" ]; then pass "menu command $exec is installed"; else
    fail "menu command '$exec' is not installed"
  fi
fi

metainfo=$prefix/share/metainfo/$APP_ID.metainfo.xml
if [ -f "$metainfo" ]; then
  if appstreamcli validate --no-net "$metainfo"; then pass "appstreamcli validate"; else fail "appstreamcli validate"; fi
  if grep -q "<launchable type=\"desktop-id\">$APP_ID.desktop</launchable>" "$metainfo"; then
    pass "AppStream description launches the menu entry"
  else
    fail "AppStream launchable is not $APP_ID.desktop"
  fi
  if grep -q '@[A-Z_]*@' "$metainfo"; then fail "AppStream description has unreplaced @...@ fields"; else
    pass "AppStream description is fully configured"
  fi
fi

manual=$prefix/share/man/man1/Labs.1.gz
if [ -f "$manual" ]; then
  # groff's default device is PostScript, whose fonts lack many glyphs: the strict
  # test that the page stays within what every device can print.
  warnings=$(gzip -dc "$manual" | groff -man -ww -z 2>&1)
  if [ -z "$warnings" ]; then pass "groff reads the manual page without warnings"; else
    fail "manual page: $warnings"
  fi
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$manual" 2>&1 >/dev/null)
  if [ -z "$warnings" ]; then pass "man -l renders the manual page without warnings"; else
    fail "man -l: $warnings"
  fi
  page=$(LC_ALL=C.UTF-8 MANWIDTH=80 man -l "$manual" 2>/dev/null)
  if grep -q '^ *Labs .* teaching program' <<<"$page"; then pass "the manual page names the program"; else
    fail "man -l shows no NAME line for Labs"
  fi
fi

echo "install tree: $passes passed, $failures failed"
[ $failures -eq 0 ]
