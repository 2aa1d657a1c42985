#!/usr/bin/env bash
# Installs the Debian packages that packaging, validating and screenshotting the
# program need, asking apt only for those that are missing. Extra package names
# given as arguments are installed along with them.
set -euo pipefail

packages=(desktop-file-utils appstream dpkg-dev file)
packages+=("$@")

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
