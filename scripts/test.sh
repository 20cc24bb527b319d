#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds with warnings as errors and runs the whole suite in an
# isolated environment.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
cmake -S . -B build -G Ninja -DAMPRA_WERROR=ON >/dev/null
cmake --build build
./scripts/with-test-env.sh ctest --test-dir build --output-on-failure "$@"
