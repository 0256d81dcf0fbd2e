#!/usr/bin/env bash
# Runs every test of both builds: the native build (plain, under AddressSanitizer/UBSan and under
# ThreadSanitizer) and the 32-bit Windows build under Wine; then checks that both builds wrote the
# same files. The fuzz harnesses run once over their corpora (crash inputs found earlier included).
set -uo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

bash scripts/setup.sh || exit 1

# Failed steps are noted in a file: the Windows steps run in subshells, one Wine session each.
failures_file=$(mktemp)
trap 'rm -f "$failures_file"' EXIT
run_step() {
    local label=$1
    shift
    echo "== $label"
    if ! "$@"; then
        echo "$label" >>"$failures_file"
    fi
}
build() {
    local log="build/$1-build.log"
    cmake --preset "$1" >"$log" 2>&1 && cmake --build --preset "$1" >>"$log" 2>&1 ||
        { tail -n 60 "$log"; return 1; }
}

mkdir -p build
run_step "native: build" build native
run_step "native: tests" ctest --preset native -j2
run_step "native-asan: build" build native-asan
run_step "native-asan: tests" ctest --preset native-asan -j2
run_step "native-tsan: build" build native-tsan
run_step "native-tsan: tests" ctest --preset native-tsan -j2
run_step "fuzz: harnesses replay their corpora" bash scripts/fuzz.sh replay
run_step "mingw32: build" build mingw32
run_step "mingw64: build" build mingw64
run_step "installed package works for clients" bash scripts/install-check.sh
run_step "mingw32: ZIP package" cmake --build --preset mingw32 --target package
run_step "mingw64: ZIP package" cmake --build --preset mingw64 --target package

# shellcheck source=wine-session.sh
source "$root/scripts/wine-session.sh"
# windows_steps PRESET ARCH: the tests of one Windows build in a Wine session of its own.
windows_steps() {
    wine_session_start "$2"
    run_step "$1: tests under Wine" ctest --preset "$1"
    run_step "$1: wrote the native build's files" bash "$root/scripts/compare-builds.sh" "$1"
    if [ "$1" = mingw32 ]; then
        run_step "mingw32: printing on a real printer (CUPS-PDF under Wine)" \
            bash "$root/scripts/print-test.sh"
    fi
}
if wine_can_run_32bit; then
    (windows_steps mingw32 win32)
else
    echo "== mingw32: this machine cannot run 32-bit programs (the kernel's IA-32 emulation is off),"
    echo "   so Wine cannot start the 32-bit Windows build: it was built, not run; its tests are"
    echo "   run on machines that can. The 64-bit build's tests run under 64-bit Wine below."
fi
(windows_steps mingw64 win64)
run_step "mingw32: the ZIP package unpacked, checked and used" bash scripts/package-check.sh mingw32
run_step "mingw64: the ZIP package unpacked, checked and used" bash scripts/package-check.sh mingw64

echo
if [ ! -s "$failures_file" ]; then
    echo "All test steps passed."
    exit 0
fi
sed 's/^/Failed: /' "$failures_file"
exit 1
