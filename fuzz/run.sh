#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Proyecto Tarabel
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs every fuzz target: `fuzz/run.sh 60` gives each one 60 seconds; `fuzz/run.sh --smoke` runs
# each on the inputs of fuzz/regressions/ and then a short fixed number of inputs with a fixed
# seed (what the test suite does).
# The targets are built by test.sh into build-fuzz/ (TARABEL_FUZZ_BUILD to use another folder);
# each keeps the inputs it found in build-fuzz/corpus/<target>. A crash leaves its input in
# build-fuzz/crashes/: run the target on that file to see it again, and keep it in
# fuzz/regressions/ once mended.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${TARABEL_FUZZ_BUILD:-$root/build-fuzz}"
mode="${1:-60}"
if [ "$mode" != "--smoke" ] && ! [[ "$mode" =~ ^[0-9]+$ ]]; then
    echo "usage: $0 <seconds per target> | --smoke" >&2
    exit 2
fi

targets=()
for target in "$build"/fuzz_*; do
    [ -f "$target" ] && [ -x "$target" ] && targets+=("$target")
done
[ ${#targets[@]} -gt 0 ] || { echo "no fuzz targets in $build: run ./test.sh first" >&2; exit 1; }
mkdir -p "$build/crashes" "$build/logs"
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1}" UBSAN_OPTIONS="print_stacktrace=1"
common=(-dict="$root/fuzz/numbers.dict" -max_len=4096 -timeout=10 -rss_limit_mb=2048
        -artifact_prefix="$build/crashes/" -print_final_stats=1)

failed=0
for target in "${targets[@]}"; do
    name="$(basename "$target")"
    log="$build/logs/$name.log"
    if [ "$mode" = "--smoke" ]; then
        # A fresh corpus each time, so that the run is the same on every machine.
        corpus="$build/smoke/$name"
        rm -rf "$corpus" && mkdir -p "$corpus"
        limits=(-seed=1 -runs=5000 "$corpus")
    else
        corpus="$build/corpus/$name"
        mkdir -p "$corpus"
        limits=(-max_total_time="$mode" "$corpus")
    fi
    if "$target" "${common[@]}" "${limits[@]}" "$root/fuzz/regressions" >"$log" 2>&1; then
        echo "$name: $(grep -m1 -o 'stat::number_of_executed_units: *[0-9]*' "$log" |
            grep -o '[0-9]*$') inputs, no fault"
    else
        grep -E "^broken|ERROR|SUMMARY|Test unit written" "$log" >&2 || tail -20 "$log" >&2
        echo "$name: FAILED (log: $log)" >&2
        failed=1
    fi
done
exit $failed
