#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need, asking
# apt only for those that are missing, so that a second run costs seconds.
set -euo pipefail

# qt6-translations-l10n: Qt's own texts (dialogs, context menus, standard buttons) in the
# user's language; locales: the decimal-comma locales the tests run in.
packages=(cmake make g++ qt6-base-dev qt6-svg-dev libgl-dev libgtest-dev fonts-liberation
  qt6-translations-l10n locales)
packages+=("$@")

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exec bash "$(dirname "$0")/install-locales.sh"

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
# Another installer may hold apt's lock (CI builds Qt for Windows alongside): wait for it.
lock_wait=(-o DPkg::Lock::Timeout=600)
$sudo apt-get update -qq "${lock_wait[@]}"
$sudo apt-get install -y -qq --no-install-recommends "${lock_wait[@]}" "${missing[@]}"
exec bash "$(dirname "$0")/install-locales.sh"
