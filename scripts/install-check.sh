#!/usr/bin/env bash
# Installs a build into a scratch prefix and builds a client against it with find_package,
# natively (and runs it) and for Windows (built only; on Windows the client of the window class
# library too).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
scratch="$root/build/install-check"
rm -rf "$scratch"
for preset in native mingw32 mingw64; do
    [ -d "build/$preset" ] || continue
    cmake --install "build/$preset" --prefix "$scratch/$preset/prefix" >/dev/null
    # The font file lies in the library folder: prefix C:/grafik/velora gives the desk's default.
    test -s "$scratch/$preset/prefix/lib/Velfont.bin"
    args=(-S tests/install-client -B "$scratch/$preset/client" -DCMAKE_PREFIX_PATH="$scratch/$preset/prefix")
    [ "$preset" = native ] || args+=(-DCMAKE_TOOLCHAIN_FILE="$root/cmake/$preset-toolchain.cmake")
    cmake "${args[@]}" >/dev/null
    cmake --build "$scratch/$preset/client" >/dev/null
    echo "$preset: installed package found and linked"
done
(cd "$scratch/native/client" && LD_LIBRARY_PATH="$scratch/native/prefix/lib" ./client && test -s client.eps)
echo "native client ran and wrote client.eps"
# The Python package beside the installed library finds it and its font file by itself.
prefix="$scratch/native/prefix"
test -s "$prefix/include/velora_c.h"
(cd "$scratch/native/client" && env -u VELORA_LIBRARY -u VELORA_FONT_DIR PYTHONPATH="$prefix/lib" \
    /usr/bin/python3 "$root/examples/python/oscillation.py" && test -s oscillation.pdf &&
    test -s oscillation.svg)
echo "installed Python package ran the example and wrote oscillation.pdf and .svg"
