#!/usr/bin/env bash
# Makes what a teacher installs from the Windows build in folder $1, and leaves it
# there: the portable folder Labs-<version>-win64 (the program, the Qt and MinGW
# runtime DLLs it loads, the plugins, Qt's translations and the licences, every
# binary stripped), its zip, and the setup program made with NSIS.
set -euo pipefail

repo="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${1:?build folder}" && pwd)"
qt="${LABS_QT_WINDOWS:-/opt/labs-qt-6.4.2-mingw64}"
triplet=x86_64-w64-mingw32
runtime_dirs=("$qt/bin" "/usr/lib/gcc/$triplet/12-posix" "/usr/$triplet/lib")

version="$(sed -n 's/^set(LABS_VERSION \(.*\))$/\1/p' "$repo/cmake/ProjectInfo.cmake")"
publisher="$(sed -n 's/^set(LABS_MAINTAINER_NAME "\(.*\)")$/\1/p' "$repo/cmake/ProjectInfo.cmake")"
name="Labs-$version-win64"
folder="$build/$name"
staging="$build/package-windows"
rm -rf "$folder" "$staging" "$build/$name.zip" "$build/$name-setup.exe"
mkdir -p "$folder/plugins/platforms" "$folder/plugins/styles" "$folder/translations" \
  "$folder/licences" "$staging"

cp "$build/Labs.exe" "$folder/"
cp "$qt/plugins/platforms/qwindows.dll" "$folder/plugins/platforms/"
cp "$qt/plugins/styles/qwindowsvistastyle.dll" "$folder/plugins/styles/"

# Every DLL the program and the plugins load, and theirs in turn, that is not part of
# Windows: the Qt libraries and the compiler's runtime.
imports() { $triplet-objdump -p "$1" | sed -n 's/^\s*DLL Name: //p'; }
queue=("$folder/Labs.exe" "$folder"/plugins/*/*.dll)
while [ ${#queue[@]} -gt 0 ]; do
  binary="${queue[0]}"
  queue=("${queue[@]:1}")
  while read -r dll; do
    [ -e "$folder/$dll" ] && continue
    for dir in "${runtime_dirs[@]}"; do
      found="$(find "$dir" -maxdepth 1 -iname "$dll" -print -quit)"
      if [ -n "$found" ]; then
        cp "$found" "$folder/$dll"
        queue+=("$folder/$dll")
        break
      fi
    done
  done < <(imports "$binary")
done
for binary in "$folder"/*.exe "$folder"/*.dll "$folder"/plugins/*/*.dll; do
  $triplet-strip --strip-unneeded "$binary"
done

# Qt looks for its plugins and translations beside the program, not where it was built.
printf '[Paths]\r\nPrefix = .\r\n' > "$folder/qt.conf"
# Qt's own texts (dialogs, context menus) in the user's language: Debian's translations.
cp /usr/share/qt6/translations/qtbase_*.qm "$folder/translations/"

# The licences, with Windows line ends for Notepad on older classroom machines.
crlf() { sed 's/\r*$/\r/' "$1" > "$2"; }
crlf "$repo/LICENSE" "$folder/LICENSE.txt"
crlf /usr/share/common-licenses/LGPL-3 "$folder/licences/Qt-LGPL-3.txt"
crlf /usr/share/common-licenses/GPL-3 "$folder/licences/GPL-3.txt"
crlf "$qt/share/labs/qtbase.copyright" "$folder/licences/Qt-base-copyright.txt"
for licence in "$qt"/share/labs/qtsvg-licenses/*; do
  crlf "$licence" "$folder/licences/Qt-SVG-$(basename "$licence")"
done
crlf /usr/share/doc/qt6-translations-l10n/copyright "$folder/licences/Qt-translations-copyright.txt"
crlf /usr/share/doc/mingw-w64-x86-64-dev/copyright "$folder/licences/MinGW-w64-runtime-copyright.txt"
# Debian's copyright file of the compiler quotes the exception: from its title to the end
# of its last section.
awk '/^GCC RUNTIME LIBRARY EXCEPTION$/ { on = 1 } on { print }
     /^2\. No Weakening/ { last = 1; next } last && /^$/ { if (++blank == 2) exit }' \
  /usr/share/doc/g++-mingw-w64-x86-64-posix/copyright > "$staging/exception.txt"
crlf "$staging/exception.txt" "$folder/licences/GCC-runtime-library-exception.txt"
{
  echo "Qt $(basename "$qt" | sed 's/^labs-qt-\([0-9.]*\)-.*/\1/') (Core, Gui, Widgets, Svg) is used under the GNU Lesser General"
  echo "Public License version 3 (Qt-LGPL-3.txt, which builds on GPL-3.txt). The DLLs in this"
  echo "folder were built from these sources, which anyone may have:"
  echo
  echo "- qtbase: Debian's source package $(cat "$qt/share/labs/qtbase.source"),"
  echo "  from https://deb.debian.org/debian (apt-get source qt6-base), with Debian's"
  echo "  patches to Core and Gui: $(paste -sd' ' "$qt/share/labs/qtbase.patches")."
  echo "  Its tablet headers, absent from Debian's source, are wine's (LGPL-2.1)."
  echo "- Qt SVG: the upstream module at its tag v6.4.2 ($(cat "$qt/share/labs/qtsvg.source"))."
  echo
  echo "The licences of the libraries Qt bundles (zlib, libpng, PCRE2, HarfBuzz, FreeType,"
  echo "double-conversion) are in Qt-base-copyright.txt. libstdc++-6.dll and libgcc_s_seh-1.dll"
  echo "are GCC's runtime, under the GPL version 3 with the GCC Runtime Library Exception"
  echo "(GCC-runtime-library-exception.txt); libwinpthread-1.dll is MinGW-w64's"
  echo "(MinGW-w64-runtime-copyright.txt)."
} > "$staging/sources.txt"
crlf "$staging/sources.txt" "$folder/licences/Qt-sources.txt"

(cd "$build" && zip -qrX "$name.zip" "$name")

# The setup program installs exactly the folder's files, and its uninstaller removes those.
# shellcheck disable=SC2016 # $INSTDIR is NSIS's own variable, written into its script as it is
(
  cd "$folder"
  find . -type d | sort | while read -r dir; do
    echo "SetOutPath \"\$INSTDIR${dir#.}\""
    find "$dir" -maxdepth 1 -type f | sort | while read -r file; do
      echo "File \"$folder/${file#./}\""
    done
  done | sed 's|\(INSTDIR[^"]*\)/|\1\\|g; s|\(SetOutPath "\$INSTDIR[^"]*\)/|\1\\|g' > "$staging/files.nsh"
  find . -type f | sort | sed 's|^\./||; s|/|\\|g; s|.*|Delete "$INSTDIR\\&"|' > "$staging/unfiles.nsh"
  find . -mindepth 1 -type d | sort -r | sed 's|^\./||; s|/|\\|g; s|.*|RMDir "$INSTDIR\\&"|' \
    >> "$staging/unfiles.nsh"
)
cp "$build/Labs.ico" "$staging/Labs.ico"
size_kb="$(du -sk "$folder" | cut -f1)"
makensis -V2 -INPUTCHARSET UTF8 -DVERSION="$version" -DPUBLISHER="$publisher" \
  -DSOURCE="$staging" -DFILES="$staging/files.nsh" -DUNFILES="$staging/unfiles.nsh" \
  -DSIZE_KB="$size_kb" -DOUTFILE="$build/$name-setup.exe" "$repo/packaging/windows/Labs.nsi"
echo "Made $build/$name.zip and $build/$name-setup.exe"
