#!/usr/bin/env bash
# Builds the Debian package and checks it as Debian and a user's machine would see
# it: lintian finds no error or warning in it, the dependencies it declares, the
# files it unpacks (scripts/check-install-tree.sh), the same files from
# `make install PREFIX=...`, and the unpacked executable starting on the offscreen
# platform and still running when it is stopped. ARCH=arm64 checks the cross-built
# package instead (make check-package-arm64), starting it under qemu.
set -euo pipefail
cd "$(dirname "$0")/.."

ARCH=${ARCH:-$(dpkg --print-architecture)}
if [ "$ARCH" = arm64 ] && [ "$(dpkg --print-architecture)" != arm64 ]; then
  BUILD=${BUILD:-build-arm64}
  package_target="package-arm64"
  run=(qemu-aarch64 -L /)
else
  BUILD=${BUILD:-build}
  package_target=package
  run=()
fi
passes=0
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
pass() { echo "ok: $*"; passes=$((passes + 1)); }

bash scripts/install-ship-deps.sh

if [ "$package_target" = package ]; then
  make --no-print-directory package BUILD="$BUILD"
else
  make --no-print-directory "$package_target" ARM64_BUILD="$BUILD"
fi
# The newest package in the folder: the one just built.
deb=""
for candidate in "$BUILD"/labs_*.deb; do
  if [ -z "$deb" ] || [ "$candidate" -nt "$deb" ]; then deb=$candidate; fi
done
[ -f "$deb" ] || { echo "check-package: no package in $BUILD" >&2; exit 1; }
echo "package: $deb"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
root=$scratch/root
dpkg -x "$deb" "$root"

# Debian's own checker. Info tags are shown but pass; an override must sit in the
# package with a comment saying why it is right for it.
if lintian --display-info --fail-on error,warning "$deb"; then pass "lintian"; else fail "lintian"; fi

# Built for the processor it says.
architecture=$(dpkg-deb -f "$deb" Architecture)
if [ "$architecture" = "$ARCH" ]; then pass "architecture $ARCH"; else fail "architecture $architecture, not $ARCH"; fi

# Dependencies: the Qt runtime, the platform plugins, the fonts and Qt's translations.
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for package in libqt6widgets6 libqt6gui6 libqt6core6 libqt6svg6 qt6-qpa-plugins fonts-liberation \
  qt6-translations-l10n; do
  if grep -Eq "(^|, )$package( |,|$)" <<<"$depends"; then pass "depends on $package"; else fail "no dependency on $package"; fi
done

# What the package unpacks.
if bash scripts/check-install-tree.sh "$root/usr"; then pass "package files"; else fail "package files"; fi

# The same layout from `make install`.
if [ "$package_target" = package ]; then
  make --no-print-directory install BUILD="$BUILD" PREFIX="$scratch/prefix" >/dev/null
else
  cmake --install "$BUILD" --prefix "$scratch/prefix" >/dev/null
fi
deb_files=$(cd "$root/usr" && find . -type f | sort)
install_files=$(cd "$scratch/prefix" && find . -type f | sort)
if [ "$deb_files" = "$install_files" ]; then pass "make install lays out the package's files"; else
  fail "make install and the package differ:"
  diff <(echo "$deb_files") <(echo "$install_files") || true
fi

# Start-up: the unpacked program must come up and still be running when stopped
# (timeout's status 124); a crash or an early exit gives any other status.
set +e
QT_QPA_PLATFORM=offscreen timeout 5 "${run[@]}" "$root/usr/bin/Labs" >"$scratch/stdout" 2>"$scratch/stderr"
status=$?
set -e
if [ $status -eq 124 ]; then pass "the unpacked Labs starts and keeps running"; else
  fail "the unpacked Labs ended with status $status before it was stopped"
  cat "$scratch/stderr"
fi

echo "package: $passes passed, $failures failed"
[ $failures -eq 0 ]
