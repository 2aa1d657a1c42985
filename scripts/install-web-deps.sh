#!/usr/bin/env bash
# Installs what building the program for the browser on this Debian needs: Debian's
# emscripten (with binaryen and its clang) and Node.js to run what it makes, ninja and
# the host's Qt tools of the same version as the Qt built for WebAssembly (moc and rcc
# run here; Qt's wasm build reads the host Qt's CMake description, which comes with
# qt6-base-dev), GoogleTest's source to build it with emcc, the fonts the program
# embeds, and what apt-get source needs. With the argument "browser", also Debian's
# Chromium, in which the browser build is tried, and npm, which fetches the test's
# driver (where Node came without it). Asks apt only for what is missing.
set -euo pipefail

packages=(cmake make ninja-build emscripten binaryen nodejs qt6-base-dev-tools qt6-base-dev
  googletest fonts-liberation python3 dpkg-dev xz-utils qt6-translations-l10n)
for arg in "$@"; do
  case "$arg" in
    browser)
      packages+=(chromium)
      command -v npm >/dev/null 2>&1 || packages+=(npm)
      ;;
    *) echo "usage: $0 [browser]" >&2 && exit 2 ;;
  esac
done

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
# Another installer may hold apt's lock (CI builds the Qts alongside): wait for it.
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
