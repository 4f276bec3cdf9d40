#!/usr/bin/env bash
# Builds Varnick and starts it. Installs what it needs on Debian 12.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
install_packages "${BUILD_PACKAGES[@]}" xvfb xauth imagemagick x11-apps

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target varnick kelvora

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    exec build/bin/varnick
fi
# No display: run on a virtual screen and keep a picture of it.
shot=${VARNICK_SCREENSHOT:-$PWD/build/varnick-screenshot.png}
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
    build/bin/varnick & pid=$!
    sleep 4
    import -window root "$1" 2>/dev/null || xwd -root -silent | convert xwd:- "$1"
    kill $pid' _ "$shot"
echo "No display found: Varnick ran on a virtual screen; screenshot saved to $shot"
