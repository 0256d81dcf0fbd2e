#!/usr/bin/env bash
# Every EPS, HPGL, PDF, SVG and BMP file the tests wrote in the native build must be written byte for byte
# alike by the Windows build: float arithmetic is the same in both.
set -uo pipefail
cd "$(dirname "$0")/../build"
native=native/testrun
windows=${1:-mingw32}/testrun
compared=0
different=0
while IFS= read -r -d '' file; do
    relative=${file#"$native"/}
    other="$windows/$relative"
    [ -f "$other" ] || continue
    compared=$((compared + 1))
    if ! cmp -s "$file" "$other"; then
        different=$((different + 1))
        echo "differs: $relative"
    fi
done < <(find "$native" -type f \( -name '*.eps' -o -name '*.plt' -o -name '*.bmp' -o -name '*.pdf' -o -name '*.svg' \) -print0)
echo "$compared files compared, $different differ"
[ "$compared" -gt 0 ] && [ "$different" -eq 0 ]
