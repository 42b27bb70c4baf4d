#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Proyecto Tarabel
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs every fuzz target: `fuzz/run.sh 60` gives each one 60 seconds; `fuzz/run.sh --smoke` runs
# each on the inputs of fuzz/regressions/ and then a short fixed number of inputs with a fixed
# seed (what the test suite does). fuzz_conversion runs once for each conversion of the catalogue,
# as its own target: fuzz_conversion-<name> below.
# The targets are built by test.sh into build-fuzz/ (TARABEL_FUZZ_BUILD to use another folder);
# each keeps the inputs it found in build-fuzz/corpus/<target>. A crash leaves its input in
# build-fuzz/crashes/<target>-...: the failure tells how to run the target on that file again;
# keep the file in fuzz/regressions/ once mended.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${TARABEL_FUZZ_BUILD:-$root/build-fuzz}"
mode="${1:-60}"
if [ "$mode" != "--smoke" ] && ! [[ "$mode" =~ ^[0-9]+$ ]]; then
    echo "usage: $0 <seconds per target> | --smoke" >&2
    exit 2
fi

# The targets the build lists; the conversion target once for each conversion it names.
[ -f "$build/fuzz_targets" ] || { echo "no fuzz targets in $build: run ./test.sh first" >&2; exit 1; }
runs=()
while read -r target; do
    [ -x "$build/$target" ] || { echo "$build/$target is not built: run ./test.sh first" >&2; exit 1; }
    if [ "$target" = fuzz_conversion ]; then
        conversions="$(TARABEL_FUZZ_CONVERSION=list "$build/$target")"
        for conversion in $conversions; do runs+=("$target:$conversion"); done
    else
        runs+=("$target")
    fi
done <"$build/fuzz_targets"
mkdir -p "$build/crashes" "$build/logs"
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1}" UBSAN_OPTIONS="print_stacktrace=1"
common=(-dict="$root/fuzz/numbers.dict" -max_len=4096 -timeout=10 -rss_limit_mb=2048
        -print_final_stats=1)

failed=0
for run in "${runs[@]}"; do
    target="$build/${run%%:*}"
    conversion=""
    [[ "$run" == *:* ]] && conversion="${run#*:}"
    name="${run/:/-}"
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
    if TARABEL_FUZZ_CONVERSION="$conversion" "$target" "${common[@]}" \
        -artifact_prefix="$build/crashes/$name-" "${limits[@]}" "$root/fuzz/regressions" >"$log" 2>&1; then
        echo "$name: $(grep -m1 -o 'stat::number_of_executed_units: *[0-9]*' "$log" |
            grep -o '[0-9]*$') inputs, no fault"
    else
        grep -E "^broken|ERROR|SUMMARY|Test unit written" "$log" >&2 || tail -20 "$log" >&2
        echo "$name: FAILED (log: $log; again: TARABEL_FUZZ_CONVERSION=$conversion $target FILE)" >&2
        failed=1
    fi
done
exit $failed
