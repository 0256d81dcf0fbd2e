#!/usr/bin/env bash
# Sets up what is missing, builds both builds and runs the demo, a scientific figure of three
# plot boxes on one desk: natively, and under Wine (the 32-bit Windows build where this machine
# can run it, else the same sources built for 64-bit Windows). The figure is written as EPS and
# HPGL at once; Ghostscript renders the EPS into a PNG and hp2xx converts the HPGL file, both
# for a person to look at, and the Windows build must write the same files byte for byte. Under
# Wine the desk is opened on the screen as well, in a virtual desktop: the demo saves a screenshot
# of its window, frame and title included, and closes it.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

bash scripts/setup.sh

# shellcheck source=wine-session.sh
source "$root/scripts/wine-session.sh"
windows=mingw32
wine_arch=win32
wine_program=wine
if ! wine_can_run_32bit; then
    echo "== this machine cannot run 32-bit programs: the Windows demo runs in the 64-bit build"
    windows=mingw64
    wine_arch=win64
    wine_program=/usr/lib/wine/wine64
fi

mkdir -p build
presets=(native mingw32)
[ "$windows" = mingw64 ] && presets+=(mingw64)
for preset in "${presets[@]}"; do
    echo "== building $preset"
    log="build/$preset-demo-build.log"
    cmake --preset "$preset" >"$log" 2>&1 || { tail -n 40 "$log"; exit 1; }
    cmake --build --preset "$preset" >>"$log" 2>&1 || { tail -n 40 "$log"; exit 1; }
    rm -f "$log"
done

out="$root/build/demo"
mkdir -p "$out"
cd "$out"
echo "== demo, native"
"$root/build/native/bin/demo" demo
gs -q -dSAFER -dBATCH -dNOPAUSE -dEPSCrop -r150 -dGraphicsAlphaBits=4 -sDEVICE=png16m \
    -sOutputFile=demo.png demo.eps
pdftoppm -r 150 -png -singlefile demo.pdf demo-pdf
qpdf --check demo.pdf >/dev/null
xmllint --noout demo.svg
echo "demo.pdf passes qpdf --check, demo.svg xmllint; demo-pdf.png is the PDF through pdftoppm"
echo "== the HPGL file through hp2xx"
report=$(hp2xx -m png -d 150 -f demo-hpgl.png demo.plt 2>&1)
ignored=$(printf '%s\n' "$report" | sed -n 's/.*command(s) ignored: *\([0-9]*\).*/\1/p')
if [ "${ignored:-1}" != 0 ]; then
    printf '%s\n' "$report" | tail -n 5
    echo "hp2xx did not take every command of demo.plt" >&2
    exit 1
fi
echo "hp2xx read every command of demo.plt"

echo "== demo, $windows build under Wine, on the screen, EPS and HPGL at once"
wine_session_start "$wine_arch"
rm -rf wine
mkdir -p wine
(cd wine && timeout 300 "$wine_program" explorer /desktop=velora-demo,1280x1024 \
    "$root/build/$windows/bin/demo.exe" demo --screenshot=demo-screen.bmp)
convert wine/demo-screen.bmp demo-screen.png
echo "The window was drawn, shot and closed: demo-screen.png"
cmp demo.eps wine/demo.eps
cmp demo.plt wine/demo.plt
cmp demo.pdf wine/demo.pdf
cmp demo.svg wine/demo.svg
echo "The Windows build wrote the same EPS, HPGL, PDF and SVG files, with the screen open beside them."
echo
echo "Written in $out: demo.eps, demo.plt, demo.pdf, demo.svg, demo.png (from the EPS),"
echo "demo-pdf.png (from the PDF), demo-hpgl.png (from the HPGL),"
echo "demo-screen.png (the window under Wine)"
