#!/usr/bin/env bash
# Builds the Debian package and checks it as Debian and a user's machine would see
# it: lintian finds no error or warning in it, the dependencies it declares, the
# files it unpacks (scripts/check-install-tree.sh), the same files from
# `make install PREFIX=...`, and the unpacked executable starting on the offscreen
# platform and still running when it is stopped.
set -euo pipefail
cd "$(dirname "$0")/.."

BUILD=${BUILD:-build}
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

# Debian's own checker. Info tags are shown but pass; an override must sit in the
# package with a comment saying why it is right for it.
if lintian --display-info --fail-on error,warning "$deb"; then pass "lintian"; else fail "lintian"; fi

# Dependencies: the Qt runtime, the platform plugins and the fonts.
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for package in libqt6widgets6 libqt6gui6 libqt6core6 libqt6svg6 qt6-qpa-plugins fonts-liberation; do
  if grep -Eq "(^|, )$package( |,|$)" <<<"$depends"; then pass "depends on $package"; else fail "no dependency on $package"; fi
done

# What the package unpacks.
if bash scripts/check-install-tree.sh "$root/usr"; then pass "package files"; else fail "package files"; fi

# The same layout from `make install`.
make --no-print-directory install BUILD="$BUILD" PREFIX="$scratch/prefix" >/dev/null
deb_files=$(cd "$root/usr" && find . -type f | sort)
install_files=$(cd "$scratch/prefix" && find . -type f | sort)
if [ "$deb_files" = "$install_files" ]; then pass "make install lays out the package's files"; else
  fail "make install and the package differ:"
  diff <(echo "$deb_files") <(echo "$install_files") || true
fi

# Start-up: the unpacked program must come up and still be running when stopped
# (timeout's status 124); a crash or an early exit gives any other status.
set +e
QT_QPA_PLATFORM=offscreen timeout 5 "$root/usr/bin/Labs" >"$scratch/stdout" 2>"$scratch/stderr"
status=$?
set -e
if [ $status -eq 124 ]; then pass "the unpacked Labs starts and keeps running"; else
  fail "the unpacked Labs ended with status $status before it was stopped"
  cat "$scratch/stderr"
fi

echo "package: $passes passed, $failures failed"
[ $failures -eq 0 ]
