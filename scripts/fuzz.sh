#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the libFuzzer targets of tests/fuzz (the fuzz preset, clang) and runs each for SECONDS
# (30 by default), from its checked-in seeds and with its dictionary. Inputs found on the way go
# to a temporary folder. A target that crashes, breaks an invariant or hangs fails the run, and
# the input that did it is printed, in hex, for a test or a seed.
#   scripts/fuzz.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
for fuzzer in build-fuzz/tests/fuzz/*Fuzzer; do
    name=$(basename "$fuzzer")
    options=(-max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1
        -artifact_prefix="$work/$name-")
    dictionary=tests/fuzz/${name%Fuzzer}.dict
    [ -f "$dictionary" ] && options+=(-dict="$dictionary")
    mkdir -p "$work/$name"
    if "$fuzzer" "${options[@]}" "$work/$name" "tests/fuzz/corpus/$name" >"$work/$name.log" 2>&1; then
        echo "$name: $(grep -m1 -o 'stat::number_of_executed_units: *[0-9]*' "$work/$name.log" |
            grep -o '[0-9]*$') runs, no fault"
        continue
    fi
    failed=1
    echo "$name: FAILED"
    grep -v -e '^#[0-9]' -e '^INFO:' "$work/$name.log" | tail -n 60
    for reproducer in "$work/$name"-*; do
        [ -f "$reproducer" ] || continue
        echo "Reproducer $(basename "$reproducer") ($(stat -c %s "$reproducer") bytes):"
        od -A d -t x1 -v "$reproducer" | head -n 256
    done
done
exit $failed
