#!/usr/bin/env bash
# Builds the browser version of the program into $WEB_BUILD (build-web) and lays out the
# page in $WEB_BUILD/site: index.html, the toolkit's loader qtloader.js, the program
# (Labs.js and Labs.wasm), its icon and the licences of what it is made of. The folder
# is all a static web server needs: a teacher copies it to one.
#
# Qt for WebAssembly comes from build-qt-web.sh (made once, or unpacked from a vendored
# cache); the program is compiled with Debian's emscripten through Qt's toolchain.
#   WEB_BUILD  the build folder (build-web)
#   JOBS       parallel jobs (2: a link takes 1.5 GB of memory)
#   WERROR     warnings as errors: ON or OFF (OFF)
#   TARGETS    what to build besides the program: "tests" adds the logic tests (run under
#              Node by make test-web-logic), other words name targets (lab_results_dump,
#              the results tool of make compare-builds-web)
# At the end it prints the size of what a student downloads, and that size compressed.
set -euo pipefail
cd "$(dirname "$0")/.."

: "${LABS_QT_WEB:=/opt/labs-qt-6.4.2-wasm}"
WEB_BUILD=${WEB_BUILD:-build-web}
JOBS=${JOBS:-2}
WERROR=${WERROR:-OFF}

bash scripts/build-qt-web.sh
# Qt's CMake reads emscripten's version and toolchain through an SDK's layout, which
# build-qt-web.sh keeps with the Qt it made; Debian's emscripten runs its tools with the
# system's Node modules.
export EMSDK="$LABS_QT_WEB/share/labs/emsdk" NODE_PATH=/usr/share/nodejs

"$LABS_QT_WEB/bin/qt-cmake" -S . -B "$WEB_BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DLABS_WERROR="$WERROR"
targets=(Labs)
for target in ${TARGETS:-}; do
  if [ "$target" = tests ]; then
    mapfile -t tests < <(cmake --build "$WEB_BUILD" --target help | sed -n 's/^\(test_[a-z]*\):.*/\1/p')
    targets+=("${tests[@]}")
  else
    targets+=("$target")
  fi
done
cmake --build "$WEB_BUILD" -j "$JOBS" --target "${targets[@]}"

site="$WEB_BUILD/site"
rm -rf "$site"
mkdir -p "$site/licences"
cp packaging/web/index.html "$LABS_QT_WEB/plugins/platforms/qtloader.js" \
  "$WEB_BUILD/Labs.js" "$WEB_BUILD/Labs.wasm" "$site/"
cp packaging/icons/32x32/org.labs.Labs.png "$site/favicon.png"
# The program's licence, and those of what it carries: Qt (with the libraries and fonts
# it bundles), Qt SVG, the Liberation fonts, emscripten's runtime.
cp LICENSE "$site/licences/Labs.txt"
cp "$LABS_QT_WEB/share/labs/qtbase.copyright" "$site/licences/qtbase.txt"
for licence in "$LABS_QT_WEB/share/labs/qtsvg-licenses"/*; do
  cp "$licence" "$site/licences/qtsvg-$(basename "$licence")"
done
cp /usr/share/doc/fonts-liberation/copyright "$site/licences/fonts-liberation.txt"
cp /usr/share/doc/emscripten/copyright "$site/licences/emscripten.txt"

# What a student's browser fetches, as is and as a server compresses it (gzip -9).
files=("$site/index.html" "$site/qtloader.js" "$site/Labs.js" "$site/Labs.wasm")
raw=$(cat "${files[@]}" | wc -c)
packed=0
for file in "${files[@]}"; do
  packed=$((packed + $(gzip -9 -c "$file" | wc -c)))
done
megabytes() { awk -v bytes="$1" 'BEGIN { printf "%.1f MB", bytes / 1e6 }'; }
echo "The page is in $site: $(megabytes "$raw") to download, $(megabytes "$packed") compressed (gzip -9)"
