#!/usr/bin/env bash
# Builds Varnick and starts it. Installs what it needs on Debian 12.
#
# When no installed game is found (neither VARNICK_SIMS2_INSTALL_DIR nor
# VARNICK_DOCUMENTS_DIR is set, and the Wine prefix's registry names no
# installation), Varnick runs on a demo game folder instead: varnick-demo
# generates it once into the per-user data folder, and every run works on a
# fresh copy of it, so nothing a run changes (edited, moved or deleted
# objects, purged thumbnails) carries over to the next.
#
# The demo keeps its own settings file beside the demo folder (the player's
# settings are left alone); on its first run it names the Downloads folder as
# the last one chosen, so the main window opens on a page of objects.
#
# Without a display Varnick runs on a virtual screen (Xvfb); the script
# confirms the title window, saves screenshots of the main window at 1000 x 700
# and at 1600 x 1000, and pictures of the editor, the batch editor, the texture
# viewer, Delete/Move, Library Health and the Sims2Pack install window on the
# demo's two Sims2Pack files (build/dialog-*.png), the main window and the
# editor in Dark (build/main-dark.png, build/dialog-editor-dark.png), all of
# these again at 200 % (build/scale-2/), and says where they are.
#
#   VARNICK_DEMO=1            use the demo folder even when a game is installed
#   VARNICK_DEMO_PACKAGES=N   packages in the demo Downloads tree (default 500, enough for a folder of fifty objects or more)
#   VARNICK_DEMO_SEED=N       seed of the demo world (default 2004)
#   VARNICK_SCREENSHOT=FILE   where the 1000 x 700 screenshot goes (default build/varnick-screenshot.png;
#                             the 1600 x 1000 one goes beside it, ending in -1600x1000.png)
#   VARNICK_BUILD_DIR=DIR     build folder (default build)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
source scripts/deps.sh
install_packages "${BUILD_PACKAGES[@]}" xvfb xauth xdotool imagemagick fonts-dejavu-core
use_compiler_cache

build=${VARNICK_BUILD_DIR:-$root/build}
cmake -S . -B "$build" -G Ninja "${CACHE_FLAGS[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j"$(nproc)" --target varnick kelvora varnick-demo

# Whether the game is installed as the program looks for it: through the
# overrides, or through the registry of the Wine prefix it runs in.
game_installed() {
    [ -n "${VARNICK_SIMS2_INSTALL_DIR:-}${VARNICK_DOCUMENTS_DIR:-}" ] && return 0
    local registry="${WINEPREFIX:-$HOME/.wine}/system.reg"
    [ -f "$registry" ] || return 1
    # A key line reads [Software\\EA GAMES\\The Sims 2] <time>; its values follow until the next key.
    awk '/^\[/ { inKey = (tolower($0) ~ /^\[software\\\\(wow6432node\\\\)?ea games\\\\the sims 2\]/) }
         inKey && tolower($0) ~ /^"install dir"=/ { found = 1 }
         END { exit !found }' "$registry"
}

if [ "${VARNICK_DEMO:-0}" = 1 ] || ! game_installed; then
    packages=${VARNICK_DEMO_PACKAGES:-500}
    seed=${VARNICK_DEMO_SEED:-2004}
    data_home=${XDG_DATA_HOME:-$HOME/.local/share}/Varnick
    demo_seed=$data_home/demo-seed
    demo_copy=$data_home/demo-run
    # The generated world is kept while the generator and its settings stay
    # the same; the generator writes it whole or not at all.
    stamp="packages=$packages seed=$seed generator=$(cksum <"$build/bin/varnick-demo" | cut -d' ' -f1)"
    if [ ! -d "$demo_seed" ] || [ "$(cat "$demo_seed.stamp" 2>/dev/null)" != "$stamp" ]; then
        echo "Generating the demo game folder ($packages packages, seed $seed) in $demo_seed"
        mkdir -p "$data_home"
        rm -rf "$demo_seed" "$demo_seed.stamp"
        "$build/bin/varnick-demo" --out "$demo_seed" --packages "$packages" --seed "$seed" --quiet
        echo "$stamp" >"$demo_seed.stamp"
    fi
    rm -rf "$demo_copy"
    cp -a "$demo_seed" "$demo_copy"
    export VARNICK_SIMS2_INSTALL_DIR="$demo_copy/Program Files/EA GAMES/The Sims 2"
    export VARNICK_DOCUMENTS_DIR="$demo_copy/Documents"
    export VARNICK_SETTINGS_FILE=$data_home/demo-settings.ini
    if [ ! -f "$VARNICK_SETTINGS_FILE" ]; then
        printf '[Settings]\nLast%%20Downloads%%20Folder%%20Selected=Downloads\n' >"$VARNICK_SETTINGS_FILE"
    fi
    echo "No installed game found: Varnick runs on a fresh copy of the demo game folder in $demo_copy"
fi

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    exec "$build/bin/varnick"
fi

# No display: run on a virtual screen, confirm the title window, and keep a
# picture of the main window (and one of the title window beside it).
shot=${VARNICK_SCREENSHOT:-$build/varnick-screenshot.png}
mkdir -p "$(dirname "$shot")"
status=$build/varnick-run.status
rm -f "$shot" "${shot%.png}-title.png" "${shot%.png}-1600x1000.png" "$status"
VARNICK_CAPTURE_SIZE=1000x700 VARNICK_CAPTURE_LARGE=1600x1000 xvfb-run -a -s "-screen 0 1920x1200x24" \
    bash scripts/capture-varnick.sh "$shot" "$status" "$build/varnick-run.log" "$build/bin/varnick"
echo "No display found: Varnick ran on a virtual screen; its output is in $build/varnick-run.log"
# The same in German and Spanish, as a player with such a system sees it.
for language in de es; do
    rm -f "${shot%.png}-$language.png" "${shot%.png}-$language-title.png"
    LANGUAGE=$language LC_ALL=C.UTF-8 VARNICK_CAPTURE_SIZE=1000x700 xvfb-run -a -s "-screen 0 1920x1200x24" \
        bash scripts/capture-varnick.sh "${shot%.png}-$language.png" "$status.$language" \
        "$build/varnick-run-$language.log" "$build/bin/varnick"
    [ "$(cat "$status.$language" 2>/dev/null)" = main ] \
        && echo "Screenshot of the main window in language $language: ${shot%.png}-$language.png"
done
case "$(cat "$status" 2>/dev/null)" in
main)
    echo "Screenshots of the main window: $shot (1000 x 700), ${shot%.png}-1600x1000.png (1600 x 1000)"
    echo "Screenshot of the title window: ${shot%.png}-title.png"
    # The dialogs, drawn offscreen by their screenshot test on packages of its own.
    cmake --build "$build" -j"$(nproc)" --target app_DialogScreenshotsTest >/dev/null
    shots=$(dirname "$shot")
    if VARNICK_DIALOG_SHOTS=$shots QT_QPA_PLATFORM=offscreen "$build/bin/app_DialogScreenshotsTest" >"$build/dialog-shots.log" 2>&1; then
        echo "Pictures of the dialogs: $shots/dialog-*.png; in Dark: $shots/main-dark.png, $shots/dialog-editor-dark.png"
        # The same as a 200 % screen shows them.
        if VARNICK_DIALOG_SHOTS=$shots/scale-2 QT_SCALE_FACTOR=2 QT_QPA_PLATFORM=offscreen \
            "$build/bin/app_DialogScreenshotsTest" >"$build/dialog-shots-scale-2.log" 2>&1; then
            echo "At 200 %: $shots/scale-2/*.png"
        else
            echo "The pictures at 200 % could not be drawn; see $build/dialog-shots-scale-2.log" >&2
        fi
    else
        echo "The pictures of the dialogs could not be drawn; see $build/dialog-shots.log" >&2
    fi ;;
title)
    echo "The main window did not open after the title window; screenshots: ${shot%.png}-title.png, $shot" >&2
    exit 1 ;;
*)
    [ -f "$shot" ] && echo "No Varnick window appeared; screenshot of the screen: $shot" >&2 \
        || echo "No Varnick window appeared and no screenshot could be taken" >&2
    exit 1 ;;
esac
