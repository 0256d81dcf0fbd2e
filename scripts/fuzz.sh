#!/usr/bin/env bash
# Fuzzes the files the library reads, one harness at a time (the machine is shared):
#   scripts/fuzz.sh [seconds] [kind ...]   each harness for `seconds` (default 600)
#   scripts/fuzz.sh replay                 each harness once over its checked-in corpus
# Kinds: eps bitmap bitmap24 font, and drawing (a program of drawing calls whose every file is
# checked). New inputs go to build/fuzz/corpus/<kind>, crashes to
# build/fuzz/artifacts/<kind>; a crash input, once mended, belongs in fuzzers/corpus/<kind>.
set -uo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
all_kinds=(eps bitmap bitmap24 font drawing)

build() {
    local log=build/fuzz-build.log
    mkdir -p build
    cmake --preset fuzz >"$log" 2>&1 && cmake --build --preset fuzz >>"$log" 2>&1 ||
        { tail -n 40 "$log"; return 1; }
}

build || exit 1

if [ "${1:-}" = replay ]; then
    failed=0
    for kind in "${all_kinds[@]}"; do
        log=build/fuzz/replay-$kind.log
        # A seed that hangs fails the replay instead of holding up the run.
        if build/fuzz/bin/fuzz_$kind -runs=0 -timeout=60 "fuzzers/corpus/$kind" >"$log" 2>&1; then
            echo "fuzz_$kind: $(ls "fuzzers/corpus/$kind" | wc -l) inputs replayed, $(grep -o 'cov: [0-9]*' "$log" | tail -n 1)"
        else
            tail -n 30 "$log"
            echo "fuzz_$kind: FAILED on its corpus (log: $log)"
            failed=1
        fi
    done
    # The drawing harness's file checks tell good files from bad ones.
    build/fuzz/bin/fuzz_file_checks_test || failed=1
    exit $failed
fi

seconds=${1:-600}
shift
kinds=("$@")
[ ${#kinds[@]} -eq 0 ] && kinds=("${all_kinds[@]}")
failed=0
for kind in "${kinds[@]}"; do
    work=$root/build/fuzz/corpus/$kind
    artifacts=$root/build/fuzz/artifacts/$kind
    log=$root/build/fuzz/fuzz-$kind.log
    mkdir -p "$work" "$artifacts"
    echo "== fuzz_$kind for $seconds s"
    dictionary=()
    [ -f "fuzzers/$kind.dict" ] && dictionary=(-dict="fuzzers/$kind.dict")
    build/fuzz/bin/fuzz_$kind -max_total_time="$seconds" -timeout=30 -print_final_stats=1 \
        "${dictionary[@]}" -artifact_prefix="$artifacts/" "$work" "fuzzers/corpus/$kind" \
        >"$log" 2>&1
    status=$?
    grep -E '^#[0-9]+[[:space:]]+(INITED|DONE)|stat::number_of_executed_units|stat::peak_rss_mb' \
        "$log"
    if [ $status -ne 0 ]; then
        grep -E 'ERROR|SUMMARY|Test unit written' "$log"
        echo "fuzz_$kind: FAILED (status $status, log: $log)"
        failed=1
    fi
done
exit $failed
