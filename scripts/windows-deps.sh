# Qt and SQLite for Windows, cross-built from Debian's own source packages
# into the cache folder once and reused by every later build. Sourced by
# scripts/build-windows-app.sh and scripts/test-windows.sh, after deps.sh.
#
#   windows_deps_ready              builds what is missing, then sets
#                                   WINDOWS_QT_DIR (a Qt usable in place: bin/,
#                                   plugins/, lib/cmake/) and WINDOWS_SQLITE_DIR
#                                   (include/, lib/libsqlite3.a)
#   VARNICK_REBUILD_WINDOWS_DEPS=1  throws the cached build away first
#
# The cache is keyed by the two source versions, the cross compiler and the
# recipe below, so a change to any of them builds anew beside the old one.
# A build is usable only once its stamp is written, after every file the
# program needs was found; a stamped build that has since lost a file is
# refused rather than linked against. A build that was interrupted (a time
# limit, a reboot) continues where it stopped on the next run.
source "$(dirname "${BASH_SOURCE[0]}")/debian-source.sh"
WINDOWS_TOOLCHAIN_FILE=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/cmake/mingw-w64-x86_64.cmake

WINDOWS_DEPS_PACKAGES=(cmake ninja-build g++-mingw-w64-x86-64-posix qt6-base-dev qt6-base-dev-tools qt6-l10n-tools dpkg-dev tcl
    gcc make)

# Only what the program, its tests and the demo generator load. Network,
# D-Bus, printing and Qt's SQL module are not used (the library index talks to
# SQLite directly). Debian's source has no wintab.h, so tablet events are off;
# the Windows platform plugin of this version needs OpenGL on to compile (it is
# loaded at run time, nothing is linked). The bundled third-party libraries are
# used, never whatever the MinGW sysroot happens to hold.
WINDOWS_QT_OPTIONS=(-DBUILD_SHARED_LIBS=ON -DCMAKE_BUILD_TYPE=Release -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF
    -DQT_BUILD_BENCHMARKS=OFF -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
    -DFEATURE_dbus=OFF -DFEATURE_network=OFF -DFEATURE_printsupport=OFF -DFEATURE_sql=OFF -DFEATURE_xml=OFF
    -DFEATURE_concurrent=OFF -DFEATURE_testlib=ON -DFEATURE_tabletevent=OFF -DFEATURE_zstd=OFF -DFEATURE_icu=OFF
    -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF
    -DFEATURE_system_freetype=OFF -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_doubleconversion=OFF)
# The targets built: the libraries, the platform plugin, the style plugin that
# gives widgets their native look, the JPEG reader (thumbnails), and the
# offscreen platform plugin that the widget tests run on, as on Linux.
WINDOWS_QT_TARGETS=(Core Gui Widgets Test EntryPointImplementation QWindowsIntegrationPlugin QWindowsVistaStylePlugin
    QJpegPlugin QOffscreenIntegrationPlugin)
# Every file the program's build and its staging take from the Qt build.
WINDOWS_QT_FILES=(bin/Qt6Core.dll bin/Qt6Gui.dll bin/Qt6Widgets.dll bin/Qt6Test.dll
    plugins/platforms/qwindows.dll plugins/platforms/qoffscreen.dll plugins/styles/qwindowsvistastyle.dll
    plugins/imageformats/qjpeg.dll lib/libQt6Core.a lib/libQt6Gui.a lib/libQt6Widgets.a lib/libQt6Test.a
    lib/libQt6EntryPoint.a lib/cmake/Qt6/Qt6Config.cmake lib/cmake/Qt6Widgets/Qt6WidgetsConfig.cmake
    lib/cmake/Qt6Test/Qt6TestConfig.cmake LICENSES/LGPL-3.0-only.txt LICENSES/GPL-3.0-only.txt)
# SQLite as Debian builds it, as a static library linked into the programs.
WINDOWS_SQLITE_CFLAGS=(-O2 -fno-strict-aliasing -DSQLITE_SECURE_DELETE -DSQLITE_ENABLE_COLUMN_METADATA
    -DSQLITE_ENABLE_FTS3 -DSQLITE_ENABLE_FTS3_PARENTHESIS -DSQLITE_ENABLE_RTREE=1 -DSQLITE_SOUNDEX=1
    -DSQLITE_ENABLE_UNLOCK_NOTIFY -DSQLITE_ENABLE_DBSTAT_VTAB -DSQLITE_ENABLE_JSON1 -DSQLITE_LIKE_DOESNT_MATCH_BLOBS
    -DSQLITE_THREADSAFE=1 -DSQLITE_USE_URI=1 -DSQLITE_MAX_SCHEMA_RETRY=25 -DSQLITE_OMIT_LOAD_EXTENSION)
WINDOWS_SQLITE_FILES=(include/sqlite3.h lib/libsqlite3.a LICENSE.md)

# The cache key: both source versions, the cross compiler and its runtime, the
# toolchain file's compilers, system and flags (its other lines only tell this
# project's builds where to look), and the recipe above.
windows_deps_key() {
    local qt_version=$1 sqlite_version=$2
    local compiler recipe
    compiler=$(dpkg-query -W -f='${Version}' g++-mingw-w64-x86-64-posix mingw-w64-x86-64-dev | tr -d '\n')
    recipe=$({
        grep -E '^[[:space:]]*set\((CMAKE_SYSTEM_|VARNICK_MINGW_TRIPLET|CMAKE_[A-Z]+_COMPILER |CMAKE_[A-Z_]+_FLAGS)' \
            "$WINDOWS_TOOLCHAIN_FILE"
        printf '%s\n' "${WINDOWS_QT_OPTIONS[@]}" "${WINDOWS_QT_TARGETS[@]}" "${WINDOWS_SQLITE_CFLAGS[@]}"
        echo "$compiler"
    } | sha1sum | cut -c1-10)
    echo "qt-${qt_version%%+*}-sqlite-${sqlite_version%%-*}-mingw-$(x86_64-w64-mingw32-g++-posix -dumpversion)-$recipe"
}

# Lists the files of $2 (relative to folder $1) that are missing.
windows_deps_missing() {
    local dir=$1 file
    shift
    for file in "$@"; do
        [ -s "$dir/$file" ] || echo "$file"
    done
}

windows_build_qt() {
    local source=$1 dir=$2
    # A build folder whose configuration finished (CMake writes build.ninja
    # last, whole or not at all) is resumed where it stopped: Ninja reruns
    # every step it holds no record of finishing, a step cut off halfway among
    # them, so an interrupted build continues as soundly as it would have run.
    if [ -f "$dir/build.ninja" ]; then
        echo "   resuming the interrupted build of Qt in $dir"
        QT_BUILD_RESUMED=1
    else
        rm -rf "$dir"
        mkdir -p "$dir"
        # Installed in place (the install prefix is the build folder): the build
        # folder is a usable Qt, and only the targets above are ever built.
        (cd "$dir" && nice -n 15 cmake -S "$source" -B . -G Ninja -DCMAKE_TOOLCHAIN_FILE="$WINDOWS_TOOLCHAIN_FILE" \
            -DCMAKE_INSTALL_PREFIX="$dir" "${WINDOWS_QT_OPTIONS[@]}" >configure.log 2>&1) || {
            rm -f "$dir/build.ninja"
            echo "error: Qt for Windows did not configure; see $dir/configure.log" >&2
            return 1
        }
    fi
    nice -n 15 cmake --build "$dir" -j"$(nproc)" --target "${WINDOWS_QT_TARGETS[@]}" >>"$dir/build.log" 2>&1 || {
        tail -n 30 "$dir/build.log" >&2
        echo "error: Qt for Windows did not build; see $dir/build.log (the next run continues it)" >&2
        return 1
    }
    # The licence texts travel with the program.
    mkdir -p "$dir/LICENSES"
    cp "$source"/LICENSES/*.txt "$dir/LICENSES/"
}

windows_build_sqlite() {
    local source=$1 dir=$2
    # Built beside its place and moved there whole, so a folder in its place
    # is always a finished build.
    local work=$dir.partial
    rm -rf "$work"
    mkdir -p "$work/amalgamation" "$work/include" "$work/lib"
    # The single-file form of SQLite is generated from the source tree by its
    # own tools, which run on this machine; only that file is cross-compiled.
    (cd "$work/amalgamation" && nice -n 15 "$source/configure" --disable-tcl >configure.log 2>&1 &&
        nice -n 15 make -j"$(nproc)" sqlite3.c >make.log 2>&1) || {
        echo "error: SQLite's single-file source could not be generated; see $work/amalgamation" >&2
        return 1
    }
    (cd "$work/amalgamation" && nice -n 15 x86_64-w64-mingw32-gcc-posix "${WINDOWS_SQLITE_CFLAGS[@]}" -c sqlite3.c \
        -o sqlite3.o && x86_64-w64-mingw32-ar rcs "$work/lib/libsqlite3.a" sqlite3.o) || {
        echo "error: SQLite for Windows did not compile" >&2
        return 1
    }
    cp "$work/amalgamation/sqlite3.h" "$work/amalgamation/sqlite3ext.h" "$work/include/"
    cp "$source/LICENSE.md" "$work/LICENSE.md"
    rm -rf "$work/amalgamation" "$dir"
    mv "$work" "$dir"
}

windows_deps_ready() {
    install_packages "${WINDOWS_DEPS_PACKAGES[@]}"
    local tool
    for tool in cmake ninja x86_64-w64-mingw32-g++-posix x86_64-w64-mingw32-gcc-posix x86_64-w64-mingw32-ar tclsh \
        gcc make dpkg-source /usr/lib/qt6/libexec/moc /usr/lib/qt6/libexec/rcc /usr/lib/qt6/libexec/uic; do
        command -v "$tool" >/dev/null 2>&1 || {
            echo "error: $tool is missing after installing ${WINDOWS_DEPS_PACKAGES[*]}" >&2
            return 1
        }
    done
    local cache sources
    cache=$(varnick_cache_dir)
    sources=$cache/src
    mkdir -p "$cache/windows"
    # One build at a time: a second run (another checkout, say) waits for the
    # first to finish and then finds its result.
    exec {windows_deps_lock}>"$cache/windows/.lock"
    if ! flock -n "$windows_deps_lock"; then
        echo "Waiting for another build of Qt and SQLite for Windows in $cache/windows"
        flock "$windows_deps_lock"
    fi
    fetch_debian_source qt6-base "$sources/qt6-base" || return 1
    fetch_debian_source sqlite3 "$sources/sqlite3" || return 1
    local qt_version sqlite_version key
    qt_version=$(cut -d' ' -f2 "$sources/qt6-base/.fetched")
    sqlite_version=$(cut -d' ' -f2 "$sources/sqlite3/.fetched")
    key=$(windows_deps_key "$qt_version" "$sqlite_version")
    local root=$cache/windows/$key
    local stamp=$root/complete
    [ "${VARNICK_REBUILD_WINDOWS_DEPS:-0}" = 1 ] && rm -rf "$root"
    WINDOWS_QT_DIR=$root/qt
    WINDOWS_SQLITE_DIR=$root/sqlite
    WINDOWS_QT_VERSION=$qt_version
    WINDOWS_SQLITE_VERSION=$sqlite_version
    if [ -f "$stamp" ]; then
        # The stamp lists every needed file with its checksum: a file that went
        # missing or changed since the build means the cache cannot be trusted.
        local damaged
        damaged=$( (cd "$root" && sed -n 's/^file=//p' complete | sha256sum --check --quiet 2>&1
            windows_deps_missing "$WINDOWS_QT_DIR" "${WINDOWS_QT_FILES[@]}" | sed 's|^|qt/|; s|$|: missing|'
            windows_deps_missing "$WINDOWS_SQLITE_DIR" "${WINDOWS_SQLITE_FILES[@]}" | sed 's|^|sqlite/|; s|$|: missing|') |
            head -n 1)
        if [ -n "$damaged" ] || ! grep -q '^file=' "$stamp"; then
            echo "error: the cached Qt and SQLite for Windows in $root are incomplete (${damaged:-no file list}); rerun with VARNICK_REBUILD_WINDOWS_DEPS=1 to build them again" >&2
            return 1
        fi
        local first
        first="first built in $(sed -n 's/^seconds=//p' "$stamp") s"
        grep -q '^resumed=1' "$stamp" && first="finished in $(sed -n 's/^seconds=//p' "$stamp") s after an interruption"
        echo "Qt $qt_version and SQLite $sqlite_version for Windows: cached in $root ($first)"
        flock -u "$windows_deps_lock"
        return 0
    fi
    # No stamp: never built, or a build that was interrupted. An interrupted
    # one continues (SQLite is there whole or not at all, Qt's build folder
    # resumes); nothing is used before the stamp is written below.
    echo "== Building Qt $qt_version and SQLite $sqlite_version for Windows once into $root"
    echo "   (about 20 to 60 minutes on two cores; later builds reuse it)"
    local started=$SECONDS
    QT_BUILD_RESUMED=0
    mkdir -p "$root"
    if [ -n "$(windows_deps_missing "$WINDOWS_SQLITE_DIR" "${WINDOWS_SQLITE_FILES[@]}")" ]; then
        windows_build_sqlite "$sources/sqlite3" "$WINDOWS_SQLITE_DIR" || return 1
    fi
    windows_build_qt "$sources/qt6-base" "$WINDOWS_QT_DIR" || return 1
    local missing
    missing=$( (windows_deps_missing "$WINDOWS_QT_DIR" "${WINDOWS_QT_FILES[@]}"
        windows_deps_missing "$WINDOWS_SQLITE_DIR" "${WINDOWS_SQLITE_FILES[@]}") | head -n 1)
    if [ -n "$missing" ]; then
        echo "error: the build of Qt and SQLite for Windows in $root did not produce $missing" >&2
        return 1
    fi
    local seconds=$((SECONDS - started))
    {
        printf 'qt=%s\nsqlite=%s\nseconds=%s\nresumed=%s\nbuilt=%s\n' "$qt_version" "$sqlite_version" "$seconds" \
            "$QT_BUILD_RESUMED" "$(date -u +%Y-%m-%dT%H:%M:%SZ)"
        (cd "$root" && sha256sum "${WINDOWS_QT_FILES[@]/#/qt/}" "${WINDOWS_SQLITE_FILES[@]/#/sqlite/}") | sed 's/^/file=/'
    } >"$stamp.partial"
    mv "$stamp.partial" "$stamp"
    if [ "$QT_BUILD_RESUMED" = 1 ]; then
        echo "Qt and SQLite for Windows finished in $((seconds / 60)) min $((seconds % 60)) s (the rest of an interrupted build)"
    else
        echo "Qt and SQLite for Windows built in $((seconds / 60)) min $((seconds % 60)) s"
    fi
    flock -u "$windows_deps_lock"
}

# The header-only libraries varnick-cli uses, from the Debian packages, in a
# prefix DIR that holds only them: putting /usr/include itself on a Windows
# compiler's include path would mix the build machine's C headers into the build.
windows_header_deps() {
    local deps=$1 package
    install_packages libcli11-dev nlohmann-json3-dev
    mkdir -p "$deps/include" "$deps/share/cmake"
    ln -sfn /usr/include/CLI "$deps/include/CLI"
    ln -sfn /usr/include/nlohmann "$deps/include/nlohmann"
    for package in CLI11 nlohmann_json; do
        rm -rf "${deps:?}/share/cmake/$package"
        cp -r "/usr/share/cmake/$package" "$deps/share/cmake/$package"
    done
}

# GoogleTest from Debian's source package, built once for the cross compiler
# into the prefix DIR.
windows_gtest() {
    local deps=$1
    install_packages googletest
    local stamp=$deps/googletest.stamp
    local key
    key="$(dpkg-query -W -f='${Version}' googletest) $(sha1sum "$WINDOWS_TOOLCHAIN_FILE" | cut -d' ' -f1)"
    if [ ! -f "$stamp" ] || [ "$(cat "$stamp")" != "$key" ]; then
        echo "== Building GoogleTest for Windows"
        rm -rf "$deps/googletest-build"
        cmake -S /usr/src/googletest -B "$deps/googletest-build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
            -DCMAKE_TOOLCHAIN_FILE="$WINDOWS_TOOLCHAIN_FILE" -DCMAKE_INSTALL_PREFIX="$deps" -DBUILD_GMOCK=ON \
            -DINSTALL_GTEST=ON >/dev/null
        cmake --build "$deps/googletest-build" -j"$(nproc)" >/dev/null
        cmake --install "$deps/googletest-build" >/dev/null
        rm -rf "$deps/googletest-build"
        echo "$key" >"$stamp"
    fi
}

# libbz2 (Sims2Pack items) from Debian's bzip2 source package, fetched once
# into the cache folder and built once for the cross compiler into the prefix
# DIR: only the library's own C files, into a static library.
windows_bzip2() {
    local deps=$1
    local source
    source=$(varnick_cache_dir)/src/bzip2
    fetch_debian_source bzip2 "$source" || return 1
    local stamp=$deps/bzip2.stamp
    local key
    key="$(cat "$source/.fetched") $(sha1sum "$WINDOWS_TOOLCHAIN_FILE" | cut -d' ' -f1)"
    if [ ! -f "$stamp" ] || [ "$(cat "$stamp")" != "$key" ] || [ ! -s "$deps/lib/libbz2.a" ]; then
        echo "== Building libbz2 for Windows"
        local work=$deps/bzip2-build unit
        rm -rf "$work"
        mkdir -p "$work" "$deps/lib" "$deps/include"
        for unit in blocksort huffman crctable randtable compress decompress bzlib; do
            x86_64-w64-mingw32-gcc-posix -O2 -D_FILE_OFFSET_BITS=64 -w -c "$source/$unit.c" -o "$work/$unit.o" || {
                echo "error: libbz2 for Windows did not compile ($unit.c)" >&2
                return 1
            }
        done
        rm -f "$deps/lib/libbz2.a"
        x86_64-w64-mingw32-ar rcs "$deps/lib/libbz2.a" "$work"/*.o
        cp "$source/bzlib.h" "$deps/include/bzlib.h"
        rm -rf "$work"
        echo "$key" >"$stamp"
    fi
}
