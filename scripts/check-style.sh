#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The formatting of every tracked source file, then clang-tidy over the sources of a configured
# and built tree (its compile_commands.json and generated headers). Either finding fails.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}

git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror

mapfile -t sources < <(git ls-files 'src/*.cpp' 'tests/*.cpp' 'bench/*.cpp')
if ! run-clang-tidy -quiet -p "$build" -j "$(nproc)" "${sources[@]/#/$PWD/}" \
    >"$build/clang-tidy.log" 2>&1; then
    sed 's/\x1b\[[0-9;]*m//g' "$build/clang-tidy.log" | grep -E "(warning|error):" | sort -u
    echo "clang-tidy has findings (full log: $build/clang-tidy.log)" >&2
    exit 1
fi
