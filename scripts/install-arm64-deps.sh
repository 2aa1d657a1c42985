#!/usr/bin/env bash
# Installs what building the program for arm64 on an amd64 Debian needs, and
# running its tests there: the cross compiler, Qt 6 and GoogleTest for arm64
# (through Debian's multiarch), Qt's host tools (moc and rcc run on the build
# machine) and qemu's user-mode emulator, which runs each arm64 test. Asks apt
# only for what is missing, so that a second run costs a second.
set -euo pipefail

# Build tools run on the host; the libraries the program links are arm64's.
host_packages=(cmake make crossbuild-essential-arm64 qemu-user qt6-base-dev-tools fonts-liberation
               dpkg-dev)
arm64_packages=(qt6-base-dev qt6-svg-dev libgl-dev libgtest-dev)

packages=("${host_packages[@]}")
for p in "${arm64_packages[@]}"; do packages+=("$p:arm64"); done

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive

# Without the architecture apt knows no arm64 package (the update below then
# reads its lists).
if ! dpkg --print-foreign-architectures | grep -qx arm64; then
  echo "Adding the arm64 architecture to dpkg"
  $sudo dpkg --add-architecture arm64
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
# Another apt on the same machine holds the lock for a while; wait for it rather
# than fail.
lock_wait=(-o DPkg::Lock::Timeout=600)
$sudo apt-get update -qq "${lock_wait[@]}"
$sudo apt-get install -y -qq --no-install-recommends "${lock_wait[@]}" "${missing[@]}"
