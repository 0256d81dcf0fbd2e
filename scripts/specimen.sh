#!/usr/bin/env bash
# Builds the native build, writes the font specimen page as EPS and renders it with Ghostscript
# into docs/images/specimen.png, the picture the README shows.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

cmake --preset native >/dev/null
cmake --build --preset native --target specimen >/dev/null
out="$root/build/specimen"
mkdir -p "$out"
cd "$out"
"$root/build/native/bin/specimen" specimen
gs -q -dSAFER -dBATCH -dNOPAUSE -dEPSCrop -r150 -dGraphicsAlphaBits=4 -sDEVICE=png16m \
    -sOutputFile="$root/docs/images/specimen.png" specimen.eps
echo "Written: $out/specimen.eps and docs/images/specimen.png"
