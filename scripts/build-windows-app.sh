#!/usr/bin/env bash
# Builds Varnick for 64-bit Windows on Debian 12 and packages it as players
# install such tools. Installs what it needs with apt-get.
#
#   dist/Varnick-<version>-windows-x64/      the program folder: varnick.exe,
#                                            varnick-cli.exe, varnick-demo.exe,
#                                            kelvora.dll, the Qt libraries and
#                                            plugins it loads, help pages,
#                                            licences, README.txt
#   dist/Varnick-<version>-windows-x64.zip   that folder, to unpack anywhere
#   dist/Varnick-<version>-setup.exe         a per-user installer (NSIS)
#   dist/SHA256SUMS                          the checksums of the two
#
# Qt and SQLite for Windows are built from Debian's source packages once, into
# the cache folder (~/.cache/varnick, or VARNICK_CACHE_DIR), and reused; see
# scripts/windows-deps.sh. Nothing is written outside the build folder, that
# cache and dist/.
#
#   --build-dir DIR   the cross build's folder (default build-mingw)
#   --tests           also build the tests (scripts/test-windows.sh runs them)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
build=$root/build-mingw
with_tests=OFF
while [ $# -gt 0 ]; do
    case $1 in
    --build-dir) build=$(realpath -m "$2"); shift 2 ;;
    --tests) with_tests=ON; shift ;;
    -h | --help) sed -n '2,20p' "$0" | sed 's/^# \{0,1\}//'; exit 0 ;;
    *) echo "error: unknown option $1 (see --help)" >&2; exit 2 ;;
    esac
done

source scripts/deps.sh
source scripts/windows-deps.sh
install_packages "${WINDOWS_DEPS_PACKAGES[@]}" nsis zip python3 ccache
for tool in makensis zip python3 sha256sum x86_64-w64-mingw32-objdump x86_64-w64-mingw32-strip; do
    command -v "$tool" >/dev/null 2>&1 || { echo "error: $tool is missing after the install step" >&2; exit 1; }
done
use_compiler_cache

started=$SECONDS
windows_deps_ready
qt=$WINDOWS_QT_DIR
sqlite=$WINDOWS_SQLITE_DIR
deps=$build/deps
windows_header_deps "$deps"
windows_bzip2 "$deps"
[ "$with_tests" = ON ] && windows_gtest "$deps"

echo "== Cross build of Varnick (MinGW-w64)"
mkdir -p "$build"
cmake -S . -B "$build" -G Ninja "${CACHE_FLAGS[@]}" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$WINDOWS_TOOLCHAIN_FILE" -DVARNICK_BUILD_APP=ON -DVARNICK_BUILD_BENCH=OFF \
    -DVARNICK_BUILD_TESTS="$with_tests" -DVARNICK_WINEPREFIX="$build/wineprefix" \
    -DVARNICK_WINDOWS_PREFIXES="$qt;$sqlite;$deps" -DCMAKE_PREFIX_PATH="$qt;$sqlite;$deps" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DGTest_DIR="$deps/lib/cmake/GTest" -DCLI11_DIR="$deps/share/cmake/CLI11" \
    -Dnlohmann_json_DIR="$deps/share/cmake/nlohmann_json" \
    -DBZIP2_INCLUDE_DIR="$deps/include" -DBZIP2_LIBRARY_RELEASE="$deps/lib/libbz2.a" >"$build/configure.log" ||
    { tail -n 30 "$build/configure.log" >&2; echo "error: the cross build did not configure" >&2; exit 1; }
if ! grep -q '^SQLite3_LIBRARY:FILEPATH=.*libsqlite3\.a$' "$build/CMakeCache.txt"; then
    echo "error: the cross build did not find SQLite for Windows in $sqlite" >&2
    exit 1
fi
if [ "$with_tests" = ON ]; then
    cmake --build "$build" -j"$(nproc)"
else
    cmake --build "$build" -j"$(nproc)" --target varnick varnick-cli varnick-demo kelvora
fi

# The programs and tests of the build folder run from its bin/ as the staged
# ones do: Qt's libraries and plugins beside them (and the offscreen platform,
# which the widget tests use as on Linux).
# A test without an application object (the GoogleTest programs that write
# demo worlds) finds the plugins only where Qt's libraries expect their
# prefix: plugins/ beside bin/.
for dir in platforms styles imageformats; do
    mkdir -p "$build/bin/$dir" "$build/plugins/$dir"
    cp -u "$qt/plugins/$dir/"*.dll "$build/bin/$dir/"
    cp -u "$qt/plugins/$dir/"*.dll "$build/plugins/$dir/"
done
cp -u "$qt"/bin/*.dll "$build/bin/"

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
name=Varnick-$version-windows-x64
dist=$root/dist
stage=$dist/$name
echo "== Staging $stage"
rm -rf "$stage" "$dist/$name.zip" "$dist/Varnick-$version-setup.exe" "$dist/SHA256SUMS"
mkdir -p "$stage"
programs=(varnick.exe varnick-cli.exe varnick-demo.exe kelvora.dll)
for file in "${programs[@]}"; do
    cp "$build/bin/$file" "$stage/"
done

# The plugins Qt loads for the libraries the programs use, in the folders
# beside the program where Qt looks for them first (the layout windeployqt
# makes): the Windows platform, the native widget style, and the image
# formats (JPEG thumbnails).
mkdir -p "$stage/platforms" "$stage/styles" "$stage/imageformats"
cp "$qt/plugins/platforms/qwindows.dll" "$stage/platforms/"
cp "$qt/plugins/styles/qwindowsvistastyle.dll" "$stage/styles/"
cp "$qt/plugins/imageformats/"*.dll "$stage/imageformats/"
# Then the Qt libraries the programs and the plugins import, and those they
# import in turn, followed to the end. Any other DLL is the system's; a Qt one
# that the Qt build does not have is refused rather than left out.
imports() { x86_64-w64-mingw32-objdump -p "$1" | sed -n 's/^[[:space:]]*DLL Name: //p'; }
queue=("${programs[@]/#/$stage/}" "$stage"/*/*.dll)
while [ ${#queue[@]} -gt 0 ]; do
    file=${queue[0]}
    queue=("${queue[@]:1}")
    while read -r dll; do
        [ -f "$stage/$dll" ] && continue
        if [ -f "$qt/bin/$dll" ]; then
            cp "$qt/bin/$dll" "$stage/"
            queue+=("$stage/$dll")
        elif [[ $dll == Qt6* ]]; then
            echo "error: ${file#"$stage"/} needs $dll, which the Qt build in $qt does not have" >&2
            exit 1
        fi
    done < <(imports "$file")
done
for dll in Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll; do
    [ -f "$stage/$dll" ] || { echo "error: the programs do not import $dll; the build is not the Qt program" >&2; exit 1; }
done
# The compiler's runtime is linked statically everywhere; a DLL of it here
# would mean a library was built without the toolchain's flags.
runtime=$(for file in "$stage"/*.dll "$stage"/*.exe "$stage"/*/*.dll; do imports "$file"; done |
    grep -i -E '^(libgcc|libstdc|libwinpthread)' | sort -u | head -n 1 || true)
[ -z "$runtime" ] || { echo "error: a staged file needs the compiler's runtime DLL $runtime" >&2; exit 1; }
find "$stage" -name '*.dll' -o -name '*.exe' | xargs x86_64-w64-mingw32-strip --strip-unneeded

mkdir -p "$stage/help"
cp app/help/*.html app/help/*.css "$stage/help/"
# Translated pages, each language in its own folder with the style sheet beside them.
for folder in app/help/*/; do
    language=$(basename "$folder")
    mkdir -p "$stage/help/$language"
    cp "$folder"*.html app/help/*.css "$stage/help/$language/"
done

qt_version=$WINDOWS_QT_VERSION
qt_upstream=${qt_version%%+*}
mkdir -p "$stage/licences"
cp packaging/windows/licences/Varnick.txt "$stage/licences/"
cp "$qt/LICENSES/LGPL-3.0-only.txt" "$stage/licences/Qt-LGPL-3.0.txt"
cp "$qt/LICENSES/GPL-3.0-only.txt" "$stage/licences/Qt-GPL-3.0.txt"
cp "$sqlite/LICENSE.md" "$stage/licences/SQLite.txt"
cp "$(varnick_cache_dir)/src/bzip2/LICENSE" "$stage/licences/bzip2.txt"
python3 packaging/windows/qt-notices.py "$(varnick_cache_dir)/src/qt6-base" "$qt_version" \
    >"$stage/licences/Qt-third-party.txt"
fill() {
    sed -e "s|@VERSION@|$version|g" -e "s|@QT_VERSION@|$qt_upstream|g" -e "s|@QT_DEBIAN_VERSION@|$qt_version|g" \
        -e "s|@QT_UPSTREAM@|$qt_upstream|g" -e "s|@QT_SERIES@|${qt_upstream%.*}|g" \
        -e "s|@SQLITE_VERSION@|${WINDOWS_SQLITE_VERSION%%-*}|g" \
        -e "s|@MINGW_VERSION@|$(x86_64-w64-mingw32-g++-posix -dumpversion)|g" "$1"
}
options=$(printf '  %s\n' "${WINDOWS_QT_OPTIONS[@]}" | grep -v -E 'QT_HOST_PATH')
fill packaging/windows/licences/Qt-source.txt | awk -v options="$options" '$0 == "@QT_OPTIONS@" { print options; next } 1' \
    >"$stage/licences/Qt-source.txt"
# Windows readers expect CRLF line ends in a text file.
fill packaging/windows/README.txt | sed 's/$/\r/' >"$stage/README.txt"
for file in "$stage"/licences/*.txt; do
    sed -i 's/\r$//; s/$/\r/' "$file"
done

echo "== Portable zip"
(cd "$dist" && rm -f "$name.zip" && zip -q -r -9 -X "$name.zip" "$name")

echo "== Installer (NSIS)"
nsis=$build/nsis
mkdir -p "$nsis"
# One File line per staged file for the install, one Delete line for the
# uninstall, deepest folders removed last. No staged name holds NSIS's
# variable sign or a quote; one that did would be refused here.
python3 - "$stage" >"$nsis/files.nsh" <<'PYTHON'
import os, sys
stage = sys.argv[1]
def nsis(text):
    if "$" in text or '"' in text:
        sys.exit("error: the installer cannot carry the file name %r" % text)
    return text
files, folders = [], []
for top, dirs, names in os.walk(stage):
    dirs.sort()
    relative = os.path.relpath(top, stage)
    relative = "" if relative == "." else relative.replace("/", "\\")
    if relative:
        folders.append(relative)
    for name in sorted(names):
        files.append((relative, name, nsis(os.path.join(top, name))))
print("!ifdef VARNICK_INSTALL")
current = None
for relative, name, path in files:
    if relative != current:
        print('SetOutPath "$INSTDIR%s"' % ("\\" + nsis(relative) if relative else ""))
        current = relative
    print('File "%s"' % nsis(path))
print("!endif")
print("!ifdef VARNICK_UNINSTALL")
for relative, name, path in files:
    print('Delete "$INSTDIR\\%s"' % nsis(relative + "\\" + name if relative else name))
for folder in sorted(folders, key=lambda f: -f.count("\\")):
    print('RMDir "$INSTDIR\\%s"' % nsis(folder))
print("!endif")
PYTHON
makensis -V2 -DVERSION="$version" -DSTAGING="$stage" -DFILES="$nsis/files.nsh" \
    -DOUTFILE="$dist/Varnick-$version-setup.exe" packaging/windows/varnick.nsi >"$nsis/makensis.log" 2>&1 ||
    { tail -n 20 "$nsis/makensis.log" >&2; echo "error: makensis failed; see $nsis/makensis.log" >&2; exit 1; }

(cd "$dist" && sha256sum "$name.zip" "Varnick-$version-setup.exe" >SHA256SUMS)
size() { du -k "$1" | awk '{ printf "%.1f MB", $1 / 1024 }'; }
echo "Windows build ready in $((SECONDS - started)) s:"
echo "  $stage"
echo "  $dist/$name.zip ($(size "$dist/$name.zip"))"
echo "  $dist/Varnick-$version-setup.exe ($(size "$dist/Varnick-$version-setup.exe"))"
echo "  $dist/SHA256SUMS"
