#!/usr/bin/env bash
# Builds Qt 6.4.2 for Windows x86-64 once, with Debian's MinGW-w64, into a cache
# folder outside the repository ($LABS_QT_WINDOWS, /opt/labs-qt-6.4.2-mingw64 by
# default), and does nothing when that folder is complete. Only what the program
# needs: Core, Gui, Widgets and Test with the Windows platform plugin and style,
# the bundled zlib, libpng, PCRE2, HarfBuzz, FreeType and double-conversion; then
# Qt SVG against it.
#
# qtbase is Debian's source package, with Debian's patches to Core and Gui (the
# security fixes among them); Qt SVG is the archive's source when the archive
# serves it, the vendored upstream module otherwise, checked against a checksum.
# The folder counts as complete only once a stamp is written after the last step,
# so an interrupted build is started again, never used half done.
#
# Where the vendored sources lie, an archive of this very recipe's result may lie
# with them (labs-qt-6.4.2-mingw64-<recipe id>.tar.xz, listed in SHA256SUMS there):
# it is unpacked instead, in seconds, when its checksum is the one listed. Without
# one, or with a damaged one, Qt is built as above.
#
# Measured on 2 cores: about 24 minutes, 0.8 GB of memory at the peak, 84 MB installed.
set -euo pipefail

here="$(cd "$(dirname "$0")" && pwd)"
repo="$(dirname "$here")"
qt_version=6.4.2
prefix="${LABS_QT_WINDOWS:-/opt/labs-qt-${qt_version}-mingw64}"
work="${LABS_QT_WINDOWS_WORK:-/var/tmp/labs-qt-${qt_version}-mingw64-build}"
jobs="${JOBS:-$(nproc)}"
# The upstream Qt SVG module at tag v6.4.2 (../shared/vendor/README.md).
qtsvg_tarball=qtsvg-everywhere-src-${qt_version}.tar.xz
qtsvg_sha256=b7f5c33044bc14926e9d7f3de46591e84ea943bb937592a5258fdfbd7f392cc6
# The vendored sources lie beside the checkout; a clone of a local checkout (a CI
# run's fresh clone, say) finds them beside the checkout it was cloned from.
vendor_dirs=("${LABS_VENDOR_DIR:-$repo/../shared/vendor}")
origin="$(git -C "$repo" config --get remote.origin.url 2>/dev/null || true)"
[ -d "$origin" ] && vendor_dirs+=("$origin/../shared/vendor")
qtsvg_vendor="${vendor_dirs[0]}/$qtsvg_tarball"
for dir in "${vendor_dirs[@]}"; do
  [ -f "$dir/$qtsvg_tarball" ] && { qtsvg_vendor="$dir/$qtsvg_tarball"; break; }
done
stamp="$prefix/.labs-qt-complete"

# directwrite3: 6.4.2's Windows plugin would create the DirectWrite font database,
# which Gui compiles only with direct2d; the GDI one serves. direct2d: only a second
# platform plugin, which the program never loads, would come of it.
# zstd: there is no zstd library for MinGW here (resources are built with --no-zstd).
configure_options=(
  -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
  -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_xml=OFF
  -DFEATURE_concurrent=OFF -DFEATURE_printsupport=OFF -DFEATURE_opengl=OFF
  -DFEATURE_vulkan=OFF -DFEATURE_zstd=OFF -DFEATURE_icu=OFF -DFEATURE_jpeg=OFF
  -DFEATURE_directwrite3=OFF -DFEATURE_direct2d=OFF -DFEATURE_freetype=ON
  -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_pcre2=OFF
  -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_freetype=OFF
  -DFEATURE_system_doubleconversion=OFF
  -DFEATURE_gui=ON -DFEATURE_widgets=ON -DFEATURE_testlib=ON)
# What the stamp records: a cache built with other options is built again.
recipe_id="$(echo "qt $qt_version posix-mingw ${configure_options[*]} svg $qtsvg_sha256" |
  sha256sum | cut -c1-16)"


# The first file of those a glob pattern names (in the order of their names), or
# nothing when it names none.
first_file() { if [ -e "$1" ]; then printf '%s\n' "$1"; fi; }

# Qt's own texts in the user's language (dialogs, context menus): Debian's translations,
# which the Windows build's tests load from this Qt's translations folder.
install_translations() {
  mkdir -p "$prefix/translations"
  cp -u /usr/share/qt6/translations/qtbase_*.qm "$prefix/translations/"
}

if [ -f "$stamp" ] && [ "$(cat "$stamp")" = "$recipe_id" ]; then
  install_translations
  exit 0
fi
if [ -e "$prefix" ]; then
  echo "$prefix holds no complete build of this recipe (interrupted, or other options): making it again"
fi

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"

# Makes $prefix an empty folder of this user's.
fresh_prefix() {
  $sudo rm -rf "$prefix"
  $sudo mkdir -p "$prefix"
  $sudo chown "$(id -u):$(id -g)" "$prefix"
}

# This recipe's result, vendored: the recipe id in the name is this script's own, so
# it was built by these steps from these sources with these options.
vendored_build="labs-qt-${qt_version}-mingw64-${recipe_id}.tar.xz"

# Unpacks the vendored build into $prefix when there is one and SHA256SUMS beside it
# lists the checksum it has; otherwise says why not and fails.
unpack_vendored_build() {
  local dir other archive="" sums listed actual
  for dir in "${vendor_dirs[@]}"; do
    if [ -f "$dir/$vendored_build" ]; then
      archive="$dir/$vendored_build"
      break
    fi
  done
  if [ -z "$archive" ]; then
    for dir in "${vendor_dirs[@]}"; do
      for other in "$dir"/labs-qt-"$qt_version"-mingw64-*.tar.xz; do
        if [ -f "$other" ]; then
          echo "Not using $other: another recipe's build (this script's recipe id is $recipe_id)" >&2
        fi
      done
    done
    return 1
  fi
  sums="$(dirname "$archive")/SHA256SUMS"
  listed=""
  if [ -f "$sums" ]; then
    listed="$(awk -v name="$vendored_build" '$2 == name || $2 == "*" name { print $1 }' "$sums")"
  fi
  if [ -z "$listed" ]; then
    echo "Not using $archive: $sums lists no checksum for it; building from source instead" >&2
    return 1
  fi
  actual="$(sha256sum "$archive" | cut -d' ' -f1)"
  if [ "$actual" != "$listed" ]; then
    echo "Not using $archive: its SHA-256 is $actual, but $sums lists $listed" \
      "(a damaged or altered copy); building from source instead" >&2
    return 1
  fi
  echo "Unpacking Qt $qt_version for Windows into $prefix from $archive"
  bash "$here/install-deps.sh" xz-utils || return 1
  fresh_prefix || return 1
  # The stamp comes out under another name and is put in place last, as a build writes
  # it: an interrupted unpacking is never taken for a complete folder.
  tar -xJf "$archive" -C "$prefix" --strip-components=1 --no-same-owner \
    --transform 's|/\.labs-qt-complete$|/.labs-qt-unpacked|' || return 1
  if [ "$(cat "$prefix/.labs-qt-unpacked" 2>/dev/null)" != "$recipe_id" ]; then
    echo "Not using $archive: its stamp is not recipe $recipe_id; building from source instead" >&2
    return 1
  fi
  rm "$prefix/.labs-qt-unpacked"
  install_translations || return 1
  echo "$recipe_id" > "$stamp"
  echo "Qt $qt_version for Windows is in $prefix"
}

if unpack_vendored_build; then
  exit 0
fi

bash "$here/install-windows-deps.sh"

echo "Building Qt $qt_version for Windows into $prefix (about 24 minutes on 2 cores)"
fresh_prefix
rm -rf "$work"
mkdir -p "$work"
cd "$work"

# --- qtbase: Debian's source ---------------------------------------------------------
apt-get source --download-only qt6-base >/dev/null
dsc="$(first_file qt6-base_"${qt_version}"[-+]*.dsc)"
if [ -z "$dsc" ]; then
  echo "The archive's qt6-base is not $qt_version, the version of the host's Qt tools" >&2
  exit 1
fi
dpkg-source -x --skip-patches "$dsc" qtbase >/dev/null
cd qtbase
# Debian's patches that touch only Core and Gui, in their order (the network, SQL
# and ODBC fixes, the documentation and Debian's own build changes do not apply).
applied_patches=()
while read -r patch; do
  case "$patch" in '' | '#'*) continue ;; esac
  if ! grep -E '^\+\+\+ ' "debian/patches/$patch" | grep -vqE '^\+\+\+ b/src/(corelib|gui)/'; then
    echo "Applying Debian's $patch"
    patch -p1 -s < "debian/patches/$patch"
    applied_patches+=("$patch")
  fi
done < debian/patches/series

# Debian's source leaves out the tablet headers the Windows plugin includes. Wine's
# (LGPL, from Debian's libwine-dev) declare the same interface; they use two of
# wine's own macros, which the shim defines for the Unicode build, and lack the
# calling-convention macro of the original headers.
mkdir -p "$work/wine" src/3rdparty/wintab/wine
(cd "$work/wine" && apt-get download libwine-dev >/dev/null && dpkg-deb -x libwine-dev_*.deb root)
cp "$work/wine/root/usr/include/wine/wine/windows/pktdef.h" src/3rdparty/wintab/
cp "$work/wine/root/usr/include/wine/wine/windows/wintab.h" src/3rdparty/wintab/wine/
cat > src/3rdparty/wintab/wintab.h <<'SHIM'
#define WINELIB_NAME_AW(name) name##W
#define DECL_WINELIB_TYPE_AW(type) typedef WINELIB_NAME_AW(type) type;
#define API WINAPI
#include "wine/wintab.h"
SHIM

# 6.4.2's Windows plugin asks whether dynamically loaded OpenGL is software OpenGL
# without asking whether there is OpenGL at all: with none, the answer is no.
sed -i 's/^#if QT_CONFIG(dynamicgl)$/#if QT_CONFIG(dynamicgl) \&\& QT_CONFIG(opengl)/' \
  src/plugins/platforms/windows/qwindowswindow.cpp

# The toolchain is kept with the installed Qt: its qt-cmake names the file it was built with.
mkdir -p "$prefix/share/labs"
cp "$repo/cmake/toolchain-mingw64.cmake" "$prefix/share/labs/"

cmake -S . -B build -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$prefix/share/labs/toolchain-mingw64.cmake" \
  -DCMAKE_INSTALL_PREFIX="$prefix" \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  "${configure_options[@]}"
cmake --build build -j "$jobs"
cmake --install build
# What a package of the program owes its users about this Qt: Debian's record of the
# source's licences (the bundled libraries' among them) and the patches applied.
cp debian/copyright "$prefix/share/labs/qtbase.copyright"
printf '%s\n' "${applied_patches[@]}" > "$prefix/share/labs/qtbase.patches"
echo "${dsc%.dsc}" > "$prefix/share/labs/qtbase.source"
cd "$work"

# --- Qt SVG ----------------------------------------------------------------------------
# apt checks the archive's source against the signed lists.
svg_dsc=""
if apt-get source --download-only qt6-svg >/dev/null 2>&1; then
  svg_dsc="$(first_file qt6-svg_"${qt_version}"[-+]*.dsc)"
fi
if [ -n "$svg_dsc" ]; then
  dpkg-source -x --skip-patches "$svg_dsc" qtsvg >/dev/null
  echo "${svg_dsc%.dsc}" > "$prefix/share/labs/qtsvg.source"
else
  echo "The archive serves no qt6-svg $qt_version source: using $qtsvg_vendor"
  echo "$qtsvg_sha256  $qtsvg_vendor" | sha256sum -c --quiet
  tar -xf "$qtsvg_vendor"
  mv qtsvg-everywhere-src-${qt_version} qtsvg
  echo "$qtsvg_tarball sha256 $qtsvg_sha256" > "$prefix/share/labs/qtsvg.source"
fi
mkdir qtsvg-build
(cd qtsvg-build && "$prefix/bin/qt-configure-module" ../qtsvg -- -G Ninja &&
  cmake --build . -j "$jobs" && cmake --install .)
cp -r qtsvg/LICENSES "$prefix/share/labs/qtsvg-licenses"

install_translations
echo "$recipe_id" > "$stamp"
cd /
rm -rf "$work"
echo "Qt $qt_version for Windows is in $prefix"
