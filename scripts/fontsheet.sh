#!/usr/bin/env bash
# Builds the native build, writes the font font sheet as EPS and renders it with Ghostscript
# into docs/images/fontsheet.png, the picture the README shows.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

cmake --preset native >/dev/null
cmake --build --preset native --target fontsheet >/dev/null
out="$root/build/fontsheet"
mkdir -p "$out"
cd "$out"
"$root/build/native/bin/fontsheet" fontsheet
gs -q -dSAFER -dBATCH -dNOPAUSE -dEPSCrop -r150 -dGraphicsAlphaBits=4 -sDEVICE=png16m \
    -sOutputFile="$root/docs/images/fontsheet.png" fontsheet.eps
echo "Written: $out/fontsheet.eps and docs/images/fontsheet.png"
