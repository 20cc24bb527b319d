#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The includes against the layers (check-includes.sh), the formatting of every tracked source
# file, then clang-tidy over the application's sources in a configured and built tree (its
# compile_commands.json and generated headers). Any finding fails. The tests and benchmarks are
# left to the compiler's warnings: clang-tidy spends seconds on each file, and CI's time goes to
# what ships.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}

scripts/check-includes.sh src
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror

mapfile -t sources < <(git ls-files 'src/*.cpp')
# GCC's own warning options (a sanitized build turns one off) are unknown to clang.
if ! run-clang-tidy -quiet -p "$build" -j "$(nproc)" -extra-arg=-Wno-unknown-warning-option \
    "${sources[@]/#/$PWD/}" \
    >"$build/clang-tidy.log" 2>&1; then
    sed 's/\x1b\[[0-9;]*m//g' "$build/clang-tidy.log" | grep -E "(warning|error):" | sort -u
    echo "clang-tidy has findings (full log: $build/clang-tidy.log)" >&2
    exit 1
fi
