#!/usr/bin/env bash
# Builds Qt 6.4.2 for WebAssembly once, with Debian's emscripten, into a cache folder
# outside the repository ($LABS_QT_WEB, /opt/labs-qt-6.4.2-wasm by default), and does
# nothing when that folder is complete. Only what the program needs: Core, Gui,
# Widgets and Test with the browser's platform plugin, static (the only way Qt
# links for the browser), without threads, with asyncify so that exec() of a dialog
# or a message box returns; then Qt SVG against it.
#
# Exceptions: the program throws in slots and catches in its QApplication::notify,
# so its exceptions cross Qt's event dispatch. Debian's emscripten has no prebuilt
# libraries for wasm exception handling (-fwasm-exceptions), only for its JavaScript
# exceptions (-fexceptions); a JavaScript exception would pass through Qt's frames
# even if they were compiled without, but would skip their destructors (the
# sender's record in QMetaObject::activate among them) and leave Qt's state wrong.
# So Qt itself is compiled with -fexceptions, and every program that links it is
# compiled and linked with it through Qt's platform target.
#
# qtbase is Debian's source package with Debian's patches to Core and Gui; Qt SVG
# is the archive's source when the archive serves it, the vendored upstream module
# otherwise, checked against a checksum. A cache of the finished folder in the vendor
# folders, with the same recipe and a listed checksum, is unpacked instead of building.
# The folder counts as complete only once a stamp is written after the last step, so
# an interrupted build is started again, never used half done.
#
# Programs built with this Qt need EMSDK=$LABS_QT_WEB/share/labs/emsdk in the
# environment (Qt's CMake reads the emscripten version and toolchain through it).
#
# Measured on 2 cores, one job at the lowest priority: about 18 minutes, 0.4 GB of
# memory at the peak, 80 MB installed (12 MB as a cache tarball).
set -euo pipefail

here="$(cd "$(dirname "$0")" && pwd)"
repo="$(dirname "$here")"
qt_version=6.4.2
prefix="${LABS_QT_WEB:-/opt/labs-qt-${qt_version}-wasm}"
work="${LABS_QT_WEB_WORK:-/var/tmp/labs-qt-${qt_version}-wasm-build}"
# One job by default: the machine is shared, and the build is long either way.
jobs="${JOBS:-1}"
low=(nice -n 19)
# The upstream Qt SVG module at tag v6.4.2 (../shared/vendor/README.md).
qtsvg_tarball=qtsvg-everywhere-src-${qt_version}.tar.xz
qtsvg_sha256=b7f5c33044bc14926e9d7f3de46591e84ea943bb937592a5258fdfbd7f392cc6
# The vendored files lie beside the checkout; a clone of a local checkout (a CI
# run's fresh clone, say) finds them beside the checkout it was cloned from.
vendor_dirs=("${LABS_VENDOR_DIR:-$repo/../shared/vendor}")
origin="$(git -C "$repo" config --get remote.origin.url 2>/dev/null || true)"
[ -d "$origin" ] && vendor_dirs+=("$origin/../shared/vendor")
qtsvg_vendor="${vendor_dirs[0]}/$qtsvg_tarball"
for dir in "${vendor_dirs[@]}"; do
  [ -f "$dir/$qtsvg_tarball" ] && { qtsvg_vendor="$dir/$qtsvg_tarball"; break; }
done
stamp="$prefix/.labs-qt-complete"
# Qt's configure looks for an emscripten SDK's layout: $EMSDK/.emscripten naming the
# compiler's folder below it, with emcc and the CMake toolchain there. Debian's
# emscripten lives in /usr/share/emscripten with emcc on the PATH; a folder of links
# kept with the installed Qt gives it that layout.
emsdk="$prefix/share/labs/emsdk"
export EMSDK="$emsdk"
# Debian's emscripten runs its JavaScript tools with the system's Node modules.
export NODE_PATH=/usr/share/nodejs

# wasm-emscripten, static, no threads: the browser build as Qt knows it. asyncify:
# nested event loops (exec()). QT_FEATURE_exceptions: Qt's platform target then links
# programs with exception catching on. sse2: Qt's x86 SIMD code through emscripten's
# SSE emulation is experimental in this version; the plain code paths serve.
# opengl stays on: the browser plugin composes its windows with WebGL.
configure_options=(
  -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=OFF
  -DQT_QMAKE_TARGET_MKSPEC=wasm-emscripten
  -DQT_QMAKE_DEVICE_OPTIONS=QT_EMSCRIPTEN_ASYNCIFY=1
  -DCMAKE_CXX_FLAGS=-fexceptions -DQT_FEATURE_exceptions=ON
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
  -DFEATURE_thread=OFF -DFEATURE_sse2=OFF
  -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_xml=OFF
  -DFEATURE_concurrent=OFF -DFEATURE_printsupport=OFF
  -DFEATURE_vulkan=OFF -DFEATURE_zstd=OFF -DFEATURE_icu=OFF -DFEATURE_jpeg=OFF
  -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_pcre2=OFF
  -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_freetype=OFF
  -DFEATURE_system_doubleconversion=OFF
  -DFEATURE_gui=ON -DFEATURE_widgets=ON -DFEATURE_testlib=ON)

bash "$here/install-web-deps.sh"
# What the stamp records: a cache built with other options or another compiler is
# built again.
emcc_version="$(emcc -dumpversion) $(dpkg-query -W -f='${Version}' emscripten)"
recipe_id="$(echo "qt $qt_version wasm ${configure_options[*]} emcc $emcc_version svg $qtsvg_sha256" |
  sha256sum | cut -c1-16)"
cache_tarball="labs-qt-${qt_version}-wasm-${recipe_id}.tar.xz"

# Qt's own texts in the user's language (dialogs, context menus): Debian's
# translations, which a browser build embeds from this Qt's translations folder.
install_translations() {
  mkdir -p "$prefix/translations"
  cp -u /usr/share/qt6/translations/qtbase_*.qm "$prefix/translations/"
}

# The links that give Debian's emscripten an SDK's layout; made again where a cache
# was unpacked, since they name the installed emscripten.
make_emsdk_layout() {
  rm -rf "$emsdk"
  mkdir -p "$emsdk/emscripten"
  ln -s /usr/share/emscripten/* "$emsdk/emscripten/"
  # Debian's emcc is a wrapper that runs the Python script of its own name.
  ln -s /usr/share/emscripten/wrapper "$emsdk/emscripten/emcc"
  echo "EMSCRIPTEN_ROOT = '/emscripten'" > "$emsdk/.emscripten"
}

complete() { [ -f "$stamp" ] && [ "$(cat "$stamp")" = "$recipe_id" ]; }

# The first name a pattern gave (a glob expands in sorted order), or nothing.
first_file() { if [ -e "$1" ]; then printf '%s\n' "$1"; fi; }

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
# An empty cache folder of the user's own (under /opt only root may make one).
fresh_prefix() {
  $sudo rm -rf "$prefix"
  $sudo mkdir -p "$prefix"
  $sudo chown "$(id -u):$(id -g)" "$prefix"
}

# A cache of this very recipe, listed with its checksum, unpacked in place of a build.
unpack_cache() {
  local dir
  for dir in "${vendor_dirs[@]}"; do
    [ -f "$dir/$cache_tarball" ] || continue
    grep -q " $cache_tarball\$" "$dir/SHA256SUMS" 2>/dev/null || continue
    if ! (cd "$dir" && grep " $cache_tarball\$" SHA256SUMS | sha256sum -c --quiet); then
      echo "$dir/$cache_tarball does not match its checksum: building instead" >&2
      continue
    fi
    echo "Unpacking Qt $qt_version for WebAssembly from $dir/$cache_tarball"
    fresh_prefix
    tar -xf "$dir/$cache_tarball" -C "$prefix" --strip-components=1
    complete && return 0
    echo "$cache_tarball holds another recipe: building instead" >&2
  done
  return 1
}

if complete || unpack_cache; then
  make_emsdk_layout
  install_translations
  exit 0
fi
if [ -e "$prefix" ]; then
  echo "$prefix holds no complete build of this recipe (interrupted, or other options): building again"
fi

echo "Building Qt $qt_version for WebAssembly into $prefix (recipe $recipe_id, about 18 minutes with one job)"
fresh_prefix
make_emsdk_layout
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

# Qt compiles most of its modules with -fno-exceptions, which would undo the
# -fexceptions above; for the browser every module keeps them (see the top).
sed -i 's/^    if(exceptions_on)$/    if(exceptions_on OR EMSCRIPTEN)/' cmake/QtFlagHandlingHelpers.cmake
grep -q 'if(exceptions_on OR EMSCRIPTEN)' cmake/QtFlagHandlingHelpers.cmake
# Qt's platform target links programs with exception catching on when exceptions are;
# their own code must be compiled for it as well, or its catch blocks are dropped.
# ${wasmTarget} is CMake's variable, written into the file as it stands:
# shellcheck disable=SC2016
sed -i 's/^        set(disable_exceptions_catching 0)$/&\n        target_compile_options("${wasmTarget}" INTERFACE -fexceptions)/' \
  cmake/QtWasmHelpers.cmake
grep -q 'INTERFACE -fexceptions' cmake/QtWasmHelpers.cmake

"${low[@]}" cmake -S . -B build -G Ninja \
  -DCMAKE_INSTALL_PREFIX="$prefix" \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  "${configure_options[@]}"
"${low[@]}" cmake --build build -j "$jobs"
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
(cd qtsvg-build && "${low[@]}" "$prefix/bin/qt-configure-module" ../qtsvg -- -G Ninja &&
  "${low[@]}" cmake --build . -j "$jobs" && cmake --install .)
cp -r qtsvg/LICENSES "$prefix/share/labs/qtsvg-licenses"

install_translations
echo "$recipe_id" > "$stamp"
cd /
rm -rf "$work"
echo "Qt $qt_version for WebAssembly is in $prefix (recipe $recipe_id)"
