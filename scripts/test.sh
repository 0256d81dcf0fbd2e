#!/usr/bin/env bash
# Runs every test of both builds: the native build (plain, under AddressSanitizer/UBSan and under
# ThreadSanitizer) and the 32-bit Windows build under Wine; then checks that both builds wrote the
# same files. The fuzz harnesses run once over their corpora (crash inputs found earlier included).
set -uo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

bash scripts/setup.sh || exit 1

failures=()
run_step() {
    local label=$1
    shift
    echo "== $label"
    if ! "$@"; then
        failures+=("$label")
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
run_step "installed package works for clients" bash scripts/install-check.sh

# shellcheck source=wine-session.sh
source "$root/scripts/wine-session.sh"
if wine_can_run_32bit; then
    wine_session_start
    run_step "mingw32: tests under Wine" ctest --preset mingw32
    run_step "both builds wrote the same files" bash "$root/scripts/compare-builds.sh" mingw32
    run_step "mingw32: printing on a real printer (CUPS-PDF under Wine)" bash "$root/scripts/print-test.sh"
else
    echo "== mingw32: this machine cannot run 32-bit programs (the kernel's IA-32 emulation is off),"
    echo "   so Wine cannot start the 32-bit Windows build: it was built, not run. The same sources"
    echo "   are built for 64-bit Windows instead and their tests run under 64-bit Wine."
    run_step "mingw64 stand-in: build" build mingw64
    wine_session_start win64
    run_step "mingw64 stand-in: tests under Wine" ctest --preset mingw64
    run_step "both builds wrote the same files" bash "$root/scripts/compare-builds.sh" mingw64
fi

echo
if [ ${#failures[@]} -eq 0 ]; then
    echo "All test steps passed."
    exit 0
fi
printf 'Failed: %s\n' "${failures[@]}"
exit 1
