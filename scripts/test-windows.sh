#!/usr/bin/env bash
# Cross-builds the Windows libraries, the platform layer, varnick-cli and their
# tests with MinGW-w64, and runs the tests under Wine in a fresh prefix.
# Writes build-mingw/ctest-result.txt: one line "<passed> <failed>".
# Installs what it needs on Debian 12.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
source scripts/debian-source.sh
install_packages cmake ninja-build g++-mingw-w64-x86-64-posix wine wine64 googletest libcli11-dev nlohmann-json3-dev ccache
use_compiler_cache

root=$PWD
build=$root/build-mingw
deps=$build/deps
toolchain=$root/cmake/mingw-w64-x86_64.cmake
jobs=$(nproc)
mkdir -p "$build"
# Counted as one failure until the tests have run, so that a build that breaks
# shows in the summary too.
echo "0 1" >"$build/ctest-result.txt"

wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver64
export WINEPREFIX=$build/wineprefix WINEDEBUG=-all WINEARCH=win64 WINEDLLOVERRIDES=mscoree,mshtml= DISPLAY= LC_ALL=C.UTF-8

# Header-only libraries come from the Debian packages, through a prefix that
# holds only them: putting /usr/include itself on a Windows compiler's include
# path would mix the build machine's C headers into the build.
mkdir -p "$deps/include" "$deps/share/cmake"
ln -sfn /usr/include/CLI "$deps/include/CLI"
ln -sfn /usr/include/nlohmann "$deps/include/nlohmann"
for package in CLI11 nlohmann_json; do
    rm -rf "${deps:?}/share/cmake/$package"
    cp -r "/usr/share/cmake/$package" "$deps/share/cmake/$package"
done

# GoogleTest from Debian's source package, built once for the cross compiler.
gtest_stamp=$deps/googletest.stamp
gtest_key="$(dpkg-query -W -f='${Version}' googletest) $(sha1sum "$toolchain" | cut -d' ' -f1)"
if [ ! -f "$gtest_stamp" ] || [ "$(cat "$gtest_stamp")" != "$gtest_key" ]; then
    echo "== Building GoogleTest for Windows"
    rm -rf "$build/googletest"
    cmake -S /usr/src/googletest -B "$build/googletest" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_INSTALL_PREFIX="$deps" -DBUILD_GMOCK=ON -DINSTALL_GTEST=ON \
        >/dev/null
    cmake --build "$build/googletest" -j"$jobs" >/dev/null
    cmake --install "$build/googletest" >/dev/null
    echo "$gtest_key" >"$gtest_stamp"
fi

# libbz2 (Sims2Pack items) from Debian's bzip2 source package, fetched once
# into the cache folder and built once for the cross compiler: only the
# library's own C files, into a static library beside GoogleTest.
bzip2_source=$(varnick_cache_dir)/src/bzip2
fetch_debian_source bzip2 "$bzip2_source"
bzip2_stamp=$deps/bzip2.stamp
bzip2_key="$(cat "$bzip2_source/.fetched") $(sha1sum "$toolchain" | cut -d' ' -f1)"
if [ ! -f "$bzip2_stamp" ] || [ "$(cat "$bzip2_stamp")" != "$bzip2_key" ]; then
    echo "== Building libbz2 for Windows"
    bzip2_build=$build/bzip2
    rm -rf "$bzip2_build"
    mkdir -p "$bzip2_build" "$deps/lib" "$deps/include"
    for unit in blocksort huffman crctable randtable compress decompress bzlib; do
        x86_64-w64-mingw32-gcc-posix -O2 -D_FILE_OFFSET_BITS=64 -w \
            -c "$bzip2_source/$unit.c" -o "$bzip2_build/$unit.o"
    done
    rm -f "$deps/lib/libbz2.a"
    x86_64-w64-mingw32-ar rcs "$deps/lib/libbz2.a" "$bzip2_build"/*.o
    cp "$bzip2_source/bzlib.h" "$deps/include/bzlib.h"
    echo "$bzip2_key" >"$bzip2_stamp"
fi

echo "== Cross build (MinGW-w64)"
cmake -S . -B "$build" -G Ninja "${CACHE_FLAGS[@]}" -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DVARNICK_BUILD_APP=OFF -DVARNICK_BUILD_BENCH=OFF -DVARNICK_WINEPREFIX="$WINEPREFIX" \
    -DGTest_DIR="$deps/lib/cmake/GTest" -DCLI11_DIR="$deps/share/cmake/CLI11" \
    -Dnlohmann_json_DIR="$deps/share/cmake/nlohmann_json" \
    -DBZIP2_INCLUDE_DIR="$deps/include" -DBZIP2_LIBRARY_RELEASE="$deps/lib/libbz2.a" >/dev/null
cmake --build "$build" -j"$jobs"

echo "== Fresh Wine prefix"
"$wineserver" -k 2>/dev/null || true
rm -rf "$WINEPREFIX"
"$wine" wineboot -i >/dev/null 2>&1
"$wineserver" -w
# One server for the whole run, so each test starts in a fraction of a second,
# and Wine's own background processes started once, detached from any output:
# started by the first test instead, they would hold its output pipe open and
# CTest would wait for them until the timeout.
"$wineserver" -p
trap '"$wineserver" -k 2>/dev/null || true' EXIT
"$wine" wineboot </dev/null >/dev/null 2>&1

echo "== Tests under Wine"
log=$build/ctest.log
set +e
# Now and then Wine fails to start a test process at all: CI once saw a test
# fail in 0.02 s without printing a line, and it passed on every rerun. A test
# that fails is therefore run up to twice more; one that fails every time is
# still a failure.
ctest --test-dir "$build" --output-on-failure -j"$jobs" --timeout 300 --repeat until-pass:3 2>&1 | tee "$log"
status=${PIPESTATUS[0]}
set -e
line=$(grep -E 'tests passed, [0-9]+ tests? failed out of' "$log" | tail -n 1 || true)
if [[ $line =~ ([0-9]+)\ tests?\ failed\ out\ of\ ([0-9]+) ]]; then
    echo "$((BASH_REMATCH[2] - BASH_REMATCH[1])) ${BASH_REMATCH[1]}" >"$build/ctest-result.txt"
else
    # No summary line: ctest or the build of its test list failed outright.
    echo "0 1" >"$build/ctest-result.txt"
    status=1
fi
[ "$status" -eq 0 ] || exit 1
