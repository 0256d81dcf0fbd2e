#!/usr/bin/env bash
# Takes docs/images/panekit.png: the slider-and-picture example of the window class library,
# run in Wine's virtual desktop (which draws the window frames) on an Xvfb display, grabbed with
# ImageMagick. Runs the 32-bit build where this machine can, else the 64-bit stand-in.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

# shellcheck source=wine-session.sh
source "$root/scripts/wine-session.sh"
if wine_can_run_32bit; then
    preset=mingw32 arch=win32 wine=wine
else
    preset=mingw64 arch=win64 wine=/usr/lib/wine/wine64
fi
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" --target sliderpicture >/dev/null
wine_session_start "$arch"

cd "build/$preset/bin"
# The example closes itself after 8 seconds; the grab comes when it has settled.
timeout 60 "$wine" explorer /desktop=shot,1024x768 sliderpicture.exe 8 >/dev/null 2>&1 &
runner=$!
sleep 5
import -window root -crop 528x516+0+0 +repage "$root/docs/images/panekit.png"
wait "$runner" || true
echo "Written: docs/images/panekit.png"
