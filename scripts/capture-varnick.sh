#!/usr/bin/env bash
# Starts Varnick on the current X display (a virtual screen from xvfb-run, as
# a rule), confirms its title window, presses the title window's OK, and saves
# pictures of both windows. Used by scripts/run.sh for the Linux program and
# by scripts/test-windows.sh for varnick.exe under Wine.
#
#   capture-varnick.sh SHOT STATUS LOG COMMAND [ARGUMENT...]
#
# SHOT is the picture of the main window; the title window's goes beside it
# with "-title" before ".png". STATUS receives one word: "none" (no Varnick
# window appeared), "title" (only the title window did) or "main". COMMAND's
# output goes to LOG. VARNICK_CAPTURE_WAIT is how long the title window may
# take to appear, in seconds (default 30), VARNICK_CAPTURE_SETTLE how long the
# main window is given to scan and draw its first page (default 3).
# VARNICK_CAPTURE_SIZE=WxH sizes the main window before its picture is taken;
# VARNICK_CAPTURE_LARGE=WxH then sizes it again and saves a second picture
# beside SHOT, ending in "-WxH.png" (the screen must be large enough).
set -u
shot=$1 status=$2 log=$3
shift 3
title_shot=${shot%.png}-title.png
wait_first=${VARNICK_CAPTURE_WAIT:-30}
settle=${VARNICK_CAPTURE_SETTLE:-3}
size=${VARNICK_CAPTURE_SIZE:-}
large=${VARNICK_CAPTURE_LARGE:-}
rm -f "$shot" "$title_shot" ${large:+"${shot%.png}-$large.png"}
echo none >"$status"

"$@" >"$log" 2>&1 &
pid=$!
# Waits up to $1 seconds for a visible window whose title starts with "Varnick".
wait_window() {
    local i
    for ((i = 0; i < $1 * 4; i++)); do
        id=$(xdotool search --onlyvisible --name "^Varnick" 2>/dev/null | tail -n 1) && [ -n "$id" ] && return 0
        kill -0 $pid 2>/dev/null || return 1
        sleep 0.25
    done
    return 1
}
snap() { import -window "$1" "$2" 2>/dev/null || import -window root "$2"; }
resize() { # resize WINDOW WxH
    # The window keeps the place of the last run (centred at its first start); a
    # screenshot is cut where the window runs past the screen, so it goes to the
    # top-left corner first.
    xdotool windowmove --sync "$1" 0 0 2>/dev/null || xdotool windowmove "$1" 0 0
    xdotool windowsize --sync "$1" "${2%x*}" "${2#*x}" 2>/dev/null || xdotool windowsize "$1" "${2%x*}" "${2#*x}"
    sleep 1
}

if wait_window "$wait_first"; then
    sleep 1
    title=$id
    snap "$title" "$title_shot"
    echo title >"$status"
    # The title window shows the disclaimer until OK (its default button) is
    # pressed. A program under Wine ignores a key sent to its window directly,
    # so when the window is still there the key goes again through the X test
    # extension, as a real keyboard's would, to the window given the focus.
    xdotool windowfocus --sync "$title" 2>/dev/null || true
    xdotool key --window "$title" Return 2>/dev/null
    for ((i = 0; i < 80; i++)); do
        sleep 0.25
        if [ $i = 8 ] && xdotool search --onlyvisible --name "^Varnick" 2>/dev/null | grep -qx "$title"; then
            xdotool windowfocus --sync "$title" 2>/dev/null || true
            xdotool key Return 2>/dev/null
        fi
        wait_window 1 && [ "$id" != "$title" ] && break
    done
    sleep "$settle" # the first activation scans the Downloads tree and draws the first page
    if [ "$id" != "$title" ]; then
        [ -z "$size" ] || resize "$id" "$size"
        snap "$id" "$shot" && echo main >"$status"
        if [ -n "$large" ]; then
            resize "$id" "$large"
            sleep 2
            snap "$id" "${shot%.png}-$large.png"
        fi
    fi
fi
# Whatever happened (a "Fatal Error" message, for one), keep a picture of the screen.
[ -f "$shot" ] || import -window root "$shot" 2>/dev/null || true
kill $pid 2>/dev/null
wait $pid 2>/dev/null
true
