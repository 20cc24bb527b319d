#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The formatting of every tracked source file, then clang-tidy over the sources of a configured
# and built tree (its compile_commands.json and generated headers).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}

git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror

mapfile -t sources < <(git ls-files 'src/*.cpp' 'tests/*.cpp' 'bench/*.cpp')
run-clang-tidy -quiet -p "$build" -j "$(nproc)" "${sources[@]/#/$PWD/}" >"$build/clang-tidy.log" 2>&1 ||
    { grep -E "(warning|error):" "$build/clang-tidy.log" | sort -u; exit 1; }
