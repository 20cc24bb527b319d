#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Draws the summary, the detail views, every state of the calibration view, the preferences pages,
# the tutorial pages and the battery override window, in English (or in the language LANGUAGE
# names), at one and two pixels per point, for people and for the docs.
# Usage: scripts/render-pictures.sh [folder, default build/pictures]
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(realpath -m "${1:-build/pictures}")
[ -f build/build.ninja ] || { echo "configure first: cmake -S . -B build -G Ninja" >&2; exit 1; }
cmake --build build --target ampra-render-pictures
exec ./scripts/with-test-env.sh build/tools/render-pictures/ampra-render-pictures "$out"
