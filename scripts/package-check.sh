#!/usr/bin/env bash
# Checks the Windows ZIP package of one build (mingw32 or mingw64) as a new user meets it: unpacked
# into an empty folder, every DLL and program in its bin/ finds each import in bin/ or in Windows
# itself; a client built against it with find_package(velora) and the cross compiler's defaults
# runs under Wine with bin/ and the compiler's own runtime folder on the path, and writes the EPS
# the native client writes; the shipped demo runs from bin/ alone and writes the native demo's
# files. Expects build/<preset> with its package built, build/native, and the native client of
# scripts/install-check.sh. Where Wine cannot run the build's programs it checks what it can.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
preset=${1:?usage: package-check.sh mingw32|mingw64}
case "$preset" in
mingw32) arch=win32 triple=i686-w64-mingw32 loader=wine ;;
mingw64) arch=win64 triple=x86_64-w64-mingw32 loader=/usr/lib/wine/wine64 ;;
*) echo "unknown preset $preset" >&2; exit 2 ;;
esac
version=$(sed -n 's/^project(velora VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
zip="$root/build/$preset/velora-$version-$arch.zip"
[ -f "$zip" ] || { echo "$zip is missing (cmake --build --preset $preset --target package)"; exit 1; }
echo "$(basename "$zip"): $(du -k "$zip" | cut -f1) KB"

scratch="$root/build/package-check/$preset"
rm -rf "$scratch"
mkdir -p "$scratch/unpacked"
(cd "$scratch/unpacked" && cmake -E tar xf "$zip")
bin="$scratch/unpacked/bin"
for part in bin/velora.dll bin/panekit.dll bin/values.dll bin/base.dll bin/velorares.dll \
    bin/demo.exe lib/Velfont.bin lib/cmake/velora/veloraConfig.cmake include/velora/velora.h \
    include/velora_c.h lib/velora.lib bin/velora/__init__.py README.md; do
    [ -f "$scratch/unpacked/$part" ] || { echo "the package has no $part"; exit 1; }
done

# shellcheck source=wine-session.sh
source "$root/scripts/wine-session.sh"
can_run=1
if [ "$arch" = win32 ] && ! wine_can_run_32bit; then
    can_run=0
fi
[ "$can_run" = 1 ] && wine_session_start "$arch"

# Imports: each DLL a module names must lie in bin/ or be part of Windows (the Wine prefix's
# system folder, or where no prefix can be made, the system DLLs the library is known to use).
declare -A available=()
lowercase() { printf '%s' "$1" | tr '[:upper:]' '[:lower:]'; }
for file in "$bin"/*; do available[$(lowercase "$(basename "$file")")]=1; done
if [ "$can_run" = 1 ]; then
    for file in "$WINEPREFIX/drive_c/windows/system32"/*; do
        available[$(lowercase "$(basename "$file")")]=1
    done
else
    for name in kernel32.dll user32.dll gdi32.dll msvcrt.dll comdlg32.dll winspool.drv ole32.dll \
        oleaut32.dll windowscodecs.dll advapi32.dll shell32.dll; do
        available[$name]=1
    done
fi
missing=0
for module in "$bin"/*.dll "$bin"/*.exe; do
    while read -r import; do
        [ -n "${available[$(lowercase "$import")]:-}" ] && continue
        echo "$(basename "$module") needs $import, which is neither in bin/ nor part of Windows"
        missing=1
    done < <("$triple-objdump" -p "$module" | sed -n 's/^\s*DLL Name: //p')
done
[ "$missing" = 0 ] || exit 1
echo "every module in bin/ finds its imports in bin/ or in Windows"

# A client with the compiler's defaults: the linker flags of our own builds left out.
client="$scratch/client"
cmake -S tests/install-client -B "$client" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/$preset-toolchain.cmake" \
    -DCMAKE_PREFIX_PATH="$scratch/unpacked" -DCMAKE_CXX_FLAGS= \
    -DCMAKE_EXE_LINKER_FLAGS= -DCMAKE_SHARED_LINKER_FLAGS= -DCMAKE_MODULE_LINKER_FLAGS= >/dev/null
cmake --build "$client" >/dev/null
echo "a client built against the unpacked package with find_package(velora)"
if [ "$can_run" = 0 ]; then
    echo "this machine cannot run 32-bit programs: the client and the demo were not run"
    exit 0
fi

native_client="$root/build/install-check/native/client/client.eps"
[ -f "$native_client" ] || { echo "$native_client is missing (run scripts/install-check.sh)"; exit 1; }
runtime_dirs=()
for name in libstdc++-6.dll libwinpthread-1.dll; do
    runtime_dirs+=("$(dirname "$("$triple-g++-posix" -print-file-name="$name")")")
done
path="$(winepath -w "$bin")"
for dir in "${runtime_dirs[@]}"; do
    path="$path;$(winepath -w "$dir")"
done
mkdir -p "$scratch/run-client"
(cd "$scratch/run-client" && WINEPATH="$path" timeout 120 "$loader" "$client/client.exe")
cmp "$scratch/run-client/client.eps" "$native_client"
echo "the client ran under Wine and wrote the native client's EPS"

# The demo from bin/ alone: nothing else on the path, the font file found in lib/.
mkdir -p "$scratch/demo" "$scratch/native-demo"
(cd "$scratch/native-demo" && "$root/build/native/bin/demo" demo >/dev/null)
(cd "$scratch/demo" && WINEPATH="" timeout 300 "$loader" "$bin/demo.exe" demo >/dev/null)
for file in demo.eps demo.plt demo_field.bmp; do
    cmp "$scratch/demo/$file" "$scratch/native-demo/$file"
done
echo "the shipped demo ran from bin/ alone and wrote the native demo's files"
