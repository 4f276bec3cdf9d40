#!/usr/bin/env bash
# Builds Varnick for Windows with MinGW-w64 (scripts/build-windows-app.sh: the
# program, its tests, the portable zip and the installer) and proves under
# Wine that it works:
#
#   1. every test, the Qt Test programs of tests/app among them, through CTest
#      in a fresh Wine prefix;
#   2. the zip unpacked into a fresh prefix whose registry names the demo game
#      (varnick-demo.exe writes it) as a player's would, its varnick.exe
#      started on a virtual screen (Xvfb): the title window confirmed, its OK
#      pressed, the main window drawn; pictures of both in
#      build-mingw/windows-title.png and build-mingw/windows-main.png;
#   3. the installer run silently (/S) into that prefix, the installed
#      varnick.exe started the same way (build-mingw/windows-installed.png),
#      the Start-menu shortcut and the Apps & features entry checked, and the
#      uninstaller run silently and checked.
#
# Writes build-mingw/ctest-result.txt: one line "<passed> <failed>", counting
# each of the checks of 2 and 3 as one more test. Installs what it needs on
# Debian 12. Wine's own files go to a home folder inside build-mingw, so
# nothing outside the build folders, the cache and dist/ is written.
#
#   --packages-only   skips 1 (and the build of the tests): only the zip and
#                     the installer are built and proved
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
build=$root/build-mingw
with_tests=1
case ${1:-} in
--packages-only) with_tests=0 ;;
"") ;;
-h | --help) sed -n '2,24p' "$0" | sed 's/^# \{0,1\}//'; exit 0 ;;
*) echo "error: unknown option $1 (see --help)" >&2; exit 2 ;;
esac
mkdir -p "$build"
# Counted as one failure until the tests have run, so that a build that breaks
# shows in the summary too.
echo "0 1" >"$build/ctest-result.txt"

source scripts/deps.sh
install_packages wine wine64 xvfb xauth xdotool imagemagick unzip fonts-dejavu-core
if [ "$with_tests" = 1 ]; then
    bash scripts/build-windows-app.sh --build-dir "$build" --tests
else
    bash scripts/build-windows-app.sh --build-dir "$build"
fi
for tool in /usr/lib/wine/wine64 /usr/lib/wine/wineserver64 Xvfb xdotool import unzip; do
    command -v "$tool" >/dev/null 2>&1 || { echo "error: $tool is missing after the install step" >&2; exit 1; }
done
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
name=Varnick-$version-windows-x64
jobs=$(nproc)

wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver64
# Wine links a prefix's Documents and Desktop into the home folder and writes
# menu entries for the installer's shortcuts there: a home of its own keeps
# all of that in the build folder.
rm -rf "$build/wine-home"
mkdir -p "$build/wine-home"
export HOME=$build/wine-home
unset XDG_CONFIG_HOME XDG_DATA_HOME XDG_CACHE_HOME XDG_DOCUMENTS_DIR XDG_DESKTOP_DIR
export WINEPREFIX=$build/wineprefix WINEDEBUG=-all WINEARCH=win64 DISPLAY= LC_ALL=C.UTF-8 \
    WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

# Makes a fresh prefix in $WINEPREFIX and starts its server for the rest of the
# run, with Wine's own background processes started once, detached from any
# output: started by the first program instead, they would hold its output
# pipe open and CTest would wait for them until the timeout.
fresh_prefix() {
    "$wineserver" -k 2>/dev/null || true
    rm -rf "$WINEPREFIX"
    "$wine" wineboot -i >/dev/null 2>&1
    "$wineserver" -w
    "$wineserver" -p
    "$wine" wineboot </dev/null >/dev/null 2>&1
}
prefixes=()
xvfb_pid=
cleanup() {
    local prefix
    for prefix in "${prefixes[@]}"; do
        WINEPREFIX=$prefix "$wineserver" -k 2>/dev/null || true
    done
    [ -z "$xvfb_pid" ] || kill "$xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT

passed=0
failed=0
ctest_status=0
if [ "$with_tests" = 1 ]; then
    echo "== Fresh Wine prefix"
    fresh_prefix
    prefixes+=("$WINEPREFIX")

    echo "== Tests under Wine"
    # The widget tests run on Qt's offscreen platform, as on Linux; it draws text
    # with the fonts of this folder (the same as the Linux tests see). Wine keeps
    # the host's QT_* variables from Windows programs (they describe the host's
    # Qt) and passes WINEQT_* on under the name without WINE: CTest's
    # QT_QPA_PLATFORM never reaches them.
    export WINEQT_QPA_PLATFORM=offscreen
    export WINEQT_QPA_FONTDIR='Z:\usr\share\fonts\truetype\dejavu'
    log=$build/ctest.log
    set +e
    # Now and then Wine fails to start a test process at all: CI once saw a test
    # fail in 0.02 s without printing a line, and it passed on every rerun. A test
    # that fails is therefore run up to twice more; one that fails every time is
    # still a failure.
    ctest --test-dir "$build" --output-on-failure -j"$jobs" --timeout 300 --repeat until-pass:3 2>&1 | tee "$log"
    ctest_status=${PIPESTATUS[0]}
    set -e
    line=$(grep -E 'tests passed, [0-9]+ tests? failed out of' "$log" | tail -n 1 || true)
    if [[ $line =~ ([0-9]+)\ tests?\ failed\ out\ of\ ([0-9]+) ]]; then
        passed=$((BASH_REMATCH[2] - BASH_REMATCH[1]))
        failed=${BASH_REMATCH[1]}
    else
        # No summary line: ctest or the build of its test list failed outright.
        failed=1
        ctest_status=1
    fi
    grep -E '^ *[0-9]+/[0-9]+ Test +#[0-9]+: .*Skipped' "$log" | sed 's/^/skipped: /' || true
    # The program itself runs on the Windows platform below.
    unset WINEQT_QPA_PLATFORM WINEQT_QPA_FONTDIR
fi

# --- The program itself, on a virtual screen -------------------------------
checks=()
check() { # check NAME STATUS
    if [ "$2" -eq 0 ]; then
        passed=$((passed + 1)); checks+=("ok      $1")
    else
        failed=$((failed + 1)); checks+=("FAILED  $1")
    fi
}
echo "== Varnick under Wine on a virtual screen"
# A display of its own; -displayfd picks a free number.
display_file=$(mktemp -p "$build")
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$display_file" >/dev/null 2>&1 &
xvfb_pid=$!
for ((i = 0; i < 100; i++)); do
    [ -s "$display_file" ] && break
    sleep 0.1
done
export DISPLAY=:$(head -n 1 "$display_file")
rm -f "$display_file"

export WINEPREFIX=$build/wineprefix-player
fresh_prefix
prefixes+=("$WINEPREFIX")
drive_c=$WINEPREFIX/drive_c
wine_user=$(cd "$drive_c/users" && ls | grep -v -x -i public | head -n 1)
documents=$drive_c/users/$wine_user/Documents
mkdir -p "$documents"

# The portable zip, unpacked where a player would put it.
downloads=$drive_c/users/$wine_user/Downloads
mkdir -p "$downloads"
unzip -q -o "$root/dist/$name.zip" -d "$downloads"
portable=$downloads/$name

# The demo game, written by the zip's varnick-demo.exe, then put where the
# game's installer and the game itself put their folders: the install folder
# under Program Files (x86), named in the registry's 32-bit view as the
# 32-bit installer writes it, and the game's data in the player's Documents.
echo "Writing the demo game with varnick-demo.exe"
rm -rf "$drive_c/demo-world"
"$wine" "$portable/varnick-demo.exe" --out 'C:\demo-world' --packages 200 --seed 2004 --quiet </dev/null
mkdir -p "$drive_c/Program Files (x86)"
mv "$drive_c/demo-world/Program Files/EA GAMES" "$drive_c/Program Files (x86)/"
mv "$drive_c/demo-world/Documents/EA Games" "$documents/"
rm -rf "$drive_c/demo-world"
"$wine" reg add 'HKLM\SOFTWARE\EA GAMES\The Sims 2' /v 'Install Dir' /t REG_SZ \
    /d 'C:\Program Files (x86)\EA GAMES\The Sims 2' /f /reg:32 >/dev/null
# A player who has used Varnick before: the main window opens on the folder
# picked last time (on a first run it opens on none, and shows no page).
"$wine" reg add 'HKCU\Software\Varnick\Varnick\Settings' /v 'Last Downloads Folder Selected' /t REG_SZ \
    /d Downloads /f >/dev/null

# Starts a varnick.exe and keeps pictures of its windows as PREFIX.png and
# PREFIX-title.png; succeeds when the main window was drawn.
run_varnick() {
    local exe=$1 shot=$2 status
    status=$(mktemp -p "$build")
    # Wine takes a while to start a program with a fresh prefix's first window.
    VARNICK_CAPTURE_WAIT=90 VARNICK_CAPTURE_SETTLE=8 \
        bash scripts/capture-varnick.sh "$shot" "$status" "${shot%.png}.log" "$wine" "$exe" </dev/null
    local result
    result=$(cat "$status")
    rm -f "$status"
    case $result in
    main) echo "Main window: $shot; title window: ${shot%.png}-title.png" ;;
    title) echo "The title window appeared, the main window did not; screen: $shot" >&2 ;;
    *) echo "No Varnick window appeared; screen: $shot; output: ${shot%.png}.log" >&2 ;;
    esac
    [ "$result" = main ]
}

set +e
run_varnick "$portable/varnick.exe" "$build/windows-main.png"
check "the zip's varnick.exe shows the title and the main window on the demo game" $?
mv -f "$build/windows-main-title.png" "$build/windows-title.png" 2>/dev/null

echo "== Installer under Wine"
installed=$drive_c/users/$wine_user/AppData/Local/Programs/Varnick
uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Varnick'
# wine returns when the installer has finished. (Waiting for the prefix's
# server to end instead would wait for ever: fresh_prefix keeps it running.)
"$wine" "$root/dist/Varnick-$version-setup.exe" /S </dev/null
[ -f "$installed/varnick.exe" ] && [ -f "$installed/platforms/qwindows.dll" ] && [ -f "$installed/Uninstall.exe" ] &&
    [ -f "$drive_c/users/$wine_user/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Varnick.lnk" ] &&
    "$wine" reg query "$uninstall_key" /v UninstallString 2>/dev/null | grep -q 'Uninstall.exe' &&
    "$wine" reg query "$uninstall_key" /v DisplayVersion 2>/dev/null | grep -q "$version"
check "the installer puts Varnick, its Start-menu shortcut and its Apps & features entry in place for the user" $?
run_varnick "$installed/varnick.exe" "$build/windows-installed.png"
check "the installed varnick.exe shows the title and the main window on the demo game" $?
"$wine" "$installed/Uninstall.exe" /S </dev/null
# The uninstaller copies itself away and returns at once; its copy does the work.
for ((i = 0; i < 60; i++)); do
    [ -e "$installed" ] || break
    sleep 1
done
[ ! -e "$installed" ] && ! "$wine" reg query "$uninstall_key" >/dev/null 2>&1 &&
    [ ! -e "$drive_c/users/$wine_user/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Varnick.lnk" ] &&
    [ -d "$documents/EA Games/The Sims 2/Downloads" ]
check "the uninstaller removes the program, its shortcut and its entry, and leaves the game's files" $?
set -e

printf '%s\n' "${checks[@]}"
echo "$passed $failed" >"$build/ctest-result.txt"
[ "$ctest_status" -eq 0 ] && [ "$failed" -eq 0 ] || exit 1
