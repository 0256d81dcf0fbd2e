#!/usr/bin/env bash
# Sets up what is missing, builds both builds and runs the demo: natively, and under Wine when
# this machine can run 32-bit programs. The drawing is written as EPS and HPGL and the EPS is
# turned into a PNG with Ghostscript, for a person to look at.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

bash scripts/setup.sh
mkdir -p build
for preset in native mingw32; do
    echo "== building $preset"
    cmake --preset "$preset" >"build/$preset-demo-build.log" 2>&1 || { tail -n 40 "build/$preset-demo-build.log"; exit 1; }
    cmake --build --preset "$preset" >>"build/$preset-demo-build.log" 2>&1 || { tail -n 40 "build/$preset-demo-build.log"; exit 1; }
    rm -f "build/$preset-demo-build.log"
done

out="$root/build/demo"
mkdir -p "$out"
cd "$out"
echo "== demo, native"
"$root/build/native/bin/demo" demo
gs -q -dSAFER -dBATCH -dNOPAUSE -dEPSCrop -r100 -sDEVICE=png16m -sOutputFile=demo.png demo.eps

# shellcheck source=wine-session.sh
source "$root/scripts/wine-session.sh"
if wine_can_run_32bit; then
    wine_session_start
    echo "== demo, under Wine"
    mkdir -p wine && (cd wine && wine "$root/build/mingw32/bin/demo.exe" demo)
    cmp demo.eps wine/demo.eps && echo "The Windows build wrote the same EPS file."
else
    echo "== demo under Wine skipped: this machine cannot run 32-bit programs"
fi
echo
echo "Written in $out: demo.eps, demo.plt, demo.png"
