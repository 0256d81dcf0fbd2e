#!/usr/bin/env bash
# Takes docs/images/scope.png: the live plot example with its slider window, run in Wine's
# virtual desktop (which draws the window frames) on an Xvfb display, grabbed with ImageMagick.
# Runs the 32-bit build where this machine can, else the 64-bit stand-in.
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
cmake --build --preset "$preset" --target scope >/dev/null
wine_session_start "$arch"

cd "build/$preset/bin"
# The example stops after 10 seconds and shows its last sweep for 3 more; the grab comes then.
timeout 60 "$wine" explorer /desktop=scope,1280x1024 scope.exe 10 >/dev/null 2>&1 &
runner=$!
sleep 12
import -window root -crop 1040x950+0+0 +repage "$root/docs/images/scope.png"
wait "$runner" || true
echo "Written: docs/images/scope.png"
