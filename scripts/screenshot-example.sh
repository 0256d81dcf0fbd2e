#!/usr/bin/env bash
# Takes a picture of a running example for docs/images: the example is run in Wine's virtual
# desktop (which draws the window frames) on an Xvfb display and grabbed with ImageMagick. Runs
# the 32-bit build where this machine can, else the 64-bit build. The screenshot scripts of
# the single examples call this with their own timing and window size.
#
# screenshot-example.sh TARGET RUN_SECONDS DESKTOP GRAB_AFTER CROP PICTURE [ARGUMENT]
#   TARGET       the example's build target, run as TARGET.exe RUN_SECONDS [ARGUMENT]
#   DESKTOP      Wine's virtual desktop, NAME,WIDTHxHEIGHT
#   GRAB_AFTER   seconds from the start of the example to the grab
#   CROP         the part of the screen kept, as ImageMagick geometry
#   PICTURE      the file written in docs/images
set -euo pipefail
if [ $# -ne 6 ] && [ $# -ne 7 ]; then
    echo "usage: $0 TARGET RUN_SECONDS DESKTOP GRAB_AFTER CROP PICTURE [ARGUMENT]" >&2
    exit 2
fi
target=$1 run_seconds=$2 desktop=$3 grab_after=$4 crop=$5 picture=$6
extra=("${@:7}")
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
cmake --build --preset "$preset" --target "$target" >/dev/null
wine_session_start "$arch"

cd "build/$preset/bin"
timeout 60 "$wine" explorer "/desktop=$desktop" "$target.exe" "$run_seconds" "${extra[@]}" >/dev/null 2>&1 &
runner=$!
sleep "$grab_after"
import -window root -crop "$crop" +repage "$root/docs/images/$picture"
wait "$runner" || true
echo "Written: docs/images/$picture"
