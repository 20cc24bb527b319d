#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds once under AddressSanitizer and UndefinedBehaviorSanitizer with
# warnings as errors, runs the whole suite in an isolated environment, checks the style, then
# runs every fuzz target for 30 seconds. One build, not a plain one and a sanitized one, keeps CI
# within its time on two cores.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
cmake --preset asan >/dev/null
cmake --build --preset asan
# umockdev's preload library comes before the sanitizer runtime in the udev test.
export ASAN_OPTIONS=verify_asan_link_order=0:detect_leaks=1
export LSAN_OPTIONS=suppressions=$PWD/tests/support/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
./scripts/with-test-env.sh ctest --preset asan "$@"
./scripts/check-style.sh build-asan
./scripts/fuzz.sh 30
