#!/usr/bin/env bash
# Installs what cross-building the program for Windows x86-64 on this Debian
# needs, and running its tests there: the MinGW-w64 compilers of the posix thread
# model (std::thread and the rest of the C++ library's threads need it; Debian's
# default alternative is the win32 one), wine to run the programs, NSIS for the
# setup program, ninja for the Qt build, the host's Qt tools of the same version
# as the Qt built for Windows (moc and rcc run here; Qt's build for Windows reads the
# host Qt's CMake description, which comes with qt6-base-dev), Xvfb for the windows,
# and what apt-get source needs. Asks apt only for what is missing.
set -euo pipefail

packages=(cmake make g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix mingw-w64-tools
  binutils-mingw-w64-x86-64 wine wine64 nsis ninja-build qt6-base-dev-tools qt6-base-dev
  libgtest-dev
  fonts-liberation xvfb xauth xdotool imagemagick x11-utils openbox icoutils zip unzip dpkg-dev
  xz-utils qt6-translations-l10n)

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
lock_wait=(-o DPkg::Lock::Timeout=600)

# Qt's source comes from Debian's source package; apt knows source packages only
# through deb-src entries. Where there are none, add them for the suites already
# configured (the same addresses, suites, components and keys).
if ! grep -rqsE '^(deb-src|Types:.*deb-src)' /etc/apt/sources.list /etc/apt/sources.list.d/; then
  echo "Adding deb-src entries for the configured suites"
  {
    for f in /etc/apt/sources.list.d/*.sources; do
      [ -e "$f" ] || continue
      # Each deb822 stanza again, with deb-src for its types.
      sed -E 's/^Types:.*/Types: deb-src/' "$f"
      echo
    done
  } | $sudo tee /etc/apt/sources.list.d/labs-deb-src.sources >/dev/null
  if [ -f /etc/apt/sources.list ]; then
    sed -nE 's/^deb (.*)/deb-src \1/p' /etc/apt/sources.list |
      $sudo tee /etc/apt/sources.list.d/labs-deb-src.list >/dev/null
  fi
  need_update=1
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ] || [ -n "${need_update:-}" ]; then
  $sudo apt-get update -qq "${lock_wait[@]}"
fi
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  $sudo apt-get install -y -qq --no-install-recommends "${lock_wait[@]}" "${missing[@]}"
fi
# The tests run in the Russian locale, which wine turns into Windows' regional settings.
exec bash "$(dirname "$0")/install-locales.sh"
